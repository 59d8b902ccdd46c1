#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

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
//
// The kernel writes mount points as raw bytes; they are decoded the way
// navnekode decodes every path, so a mount point compares equal to the path
// a walk builds for the same folder, also when its name is not valid UTF-8.
class Monteringer
{
public:
    static QList<Montering> fortolk(const QString &mountinfo);
    static QList<Montering> fortolkRaa(const QByteArray &mountinfo);
    // The running system's table, read from /proc/self/mountinfo (or `fil`).
    static QList<Montering> systemets(const QString &fil = QStringLiteral("/proc/self/mountinfo"));
    static QList<Montering> brugbare(const QList<Montering> &alle);
    static bool erPseudo(const Montering &m);
};

// Tells when the running system's mount table has changed, so that what is
// made from it can be kept until then: the kernel marks its mount table
// file when a volume comes or goes.
class MonteringsVagt
{
public:
    MonteringsVagt() = default;
    ~MonteringsVagt();
    MonteringsVagt(const MonteringsVagt &) = delete;
    MonteringsVagt &operator=(const MonteringsVagt &) = delete;

    // True the first time, and whenever the table changed since the last
    // question (or cannot be watched).
    bool aendret();

private:
    int m_fd = -1;
};

// Where an element lies among the mounted volumes, asked of the kernel for
// the element itself rather than looked up by its path in the mount table:
// a path can be spelt in many ways, the element it leads to cannot.
namespace montering {

struct Sted
{
    bool ok = false;        // false: the element could not be examined
    int fejl = 0;           // errno when not ok
    dev_t dev = 0;
    ino_t ino = 0;
    mode_t mode = 0;
    qint64 stoerrelse = 0;
    quint64 id = 0;         // the kernel's mount id; 0 where the kernel does not tell
    bool rod = false;       // the kernel says it is the root of a mount
};

// The element `navn` in the open folder `dfd` (AT_FDCWD for a path), links
// not followed; an empty `navn` means the folder `dfd` itself.
Sted sted(int dfd, const char *navn);
Sted sted(const QByteArray &sti);

// True when `barn`, a folder directly inside the folder `mor`, lies on
// another mount: another device, another mount id, or the root of a mount
// (a bind mount of the same file system has the same device).
bool andenMontering(const Sted &mor, const Sted &barn);

// The mount of the nearest existing folder at or above `sti`: its mount
// id where the kernel tells it, else its device.
quint64 idOver(QByteArray sti);

// True when the folder `sti` is the root of a mount of its own (links in
// its last component are not followed).
bool erMonteringspunkt(const QByteArray &sti);

} // namespace montering
