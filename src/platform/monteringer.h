#pragma once

#include <QList>
#include <QString>

// One mounted volume as the kernel lists it in /proc/self/mountinfo.
struct Montering
{
    QString monteringspunkt;   // "/", "/media/ann/USB"
    QString rod;               // the part of the file system mounted there
    QString filsystem;         // "ext4", "vfat", "nfs4", …
    QString kilde;             // "/dev/sdb1", "server:/export", "tmpfs"
    int major = 0;
    int minor = 0;
};

// Reads the mount table and keeps the volumes a user thinks of as drives:
// pseudo file systems and system-internal mount points are left out, a bind
// mount of something already listed is dropped, and a mount point mounted
// over keeps only its top mount.
class Monteringer
{
public:
    static QList<Montering> fortolk(const QString &mountinfo);
    static QList<Montering> brugbare(const QList<Montering> &alle);
    static bool erPseudo(const Montering &m);
};
