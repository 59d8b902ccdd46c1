#pragma once

#include "platform/drev.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fake machine in a temporary folder: a mount table with the system drive,
// a CD, a USB stick, a second hard disk, a network mount, a RAM disk and the
// usual pseudo file systems, a sysfs tree that tells the disks apart, and a
// by-label folder naming two volumes. Mount points lie inside the temporary
// folder so they exist as folders; "/" is the real root.
class FalskMaskine
{
public:
    FalskMaskine()
    {
        const QString t = rod();
        for (const char *d : {"cd", "media/ann/MIN USB/Billeder", "data/Arkiv", "net/deling", "ram/tmp",
                              "bind", "dev", "by-label"})
            QDir().mkpath(t + '/' + d);
        skriv(t + "/cd/LÆSMIG.txt", "cd");
        for (const char *enhed : {"sda1", "sdb1", "sr0"})
            skriv(t + "/dev/" + enhed, "");

        const QString usb = t + "/sys/devices/pci0000:00/usb1/1-1/1-1:1.0/host6/block/sdb";
        const QString ata = t + "/sys/devices/pci0000:00/ata1/host0/block/sda";
        const QString vda = t + "/sys/devices/virtual/block/vda";
        QDir().mkpath(usb + "/sdb1");
        QDir().mkpath(ata + "/sda1");
        QDir().mkpath(vda);
        QDir().mkpath(t + "/sys/dev/block");
        skriv(usb + "/removable", "0\n");   // the USB path alone must make it removable
        skriv(usb + "/sdb1/partition", "1\n");
        skriv(ata + "/removable", "0\n");
        skriv(ata + "/sda1/partition", "1\n");
        skriv(vda + "/removable", "0\n");
        QFile::link(usb + "/sdb1", t + "/sys/dev/block/8:17");
        QFile::link(ata + "/sda1", t + "/sys/dev/block/8:1");
        QFile::link(vda, t + "/sys/dev/block/254:0");
        QFile::link(t + "/dev/sda1", t + "/by-label/DATA");
        QFile::link(t + "/dev/sdb1", t + "/by-label/MIN\\x20USB");

        const QByteArray m = t.toUtf8();
        skriv(t + "/mountinfo",
              "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
              "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
              "24 28 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw\n"
              "30 28 11:0 / " + m + "/cd ro,relatime - iso9660 " + m + "/dev/sr0 ro\n"
              "31 28 8:17 / " + m + "/media/ann/MIN\\040USB rw,relatime - vfat " + m + "/dev/sdb1 rw\n"
              "32 28 8:1 / " + m + "/data rw,relatime - ext4 " + m + "/dev/sda1 rw\n"
              "33 28 0:50 / " + m + "/net rw,relatime - nfs4 server:/export rw\n"
              "34 28 0:51 / " + m + "/ram rw,relatime - tmpfs tmpfs rw\n"
              "35 28 254:0 / " + m + "/bind rw,relatime - ext4 /dev/vda rw\n"
              "36 28 0:40 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
              "37 28 8:33 / /media/bob/KINGSTON rw shared:1 - vfat /dev/sdc1 rw\n"
              "malformed line\n");
        kilder.mountinfo = t + "/mountinfo";
        kilder.sysRod = t + "/sys";
        kilder.etiketMappe = t + "/by-label";
    }

    QString rod() const { return m_dir.path(); }
    QString cd() const { return rod() + "/cd"; }
    QString usb() const { return rod() + "/media/ann/MIN USB"; }
    QString data() const { return rod() + "/data"; }
    QString net() const { return rod() + "/net"; }
    QString ram() const { return rod() + "/ram"; }

    static void skriv(const QString &sti, const QByteArray &indhold)
    {
        QFile f(sti);
        if (f.open(QIODevice::WriteOnly))
            f.write(indhold);
    }

    DrevKilder kilder;

private:
    QTemporaryDir m_dir;
};
