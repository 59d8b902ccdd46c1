#pragma once

#include <QList>
#include <QString>

struct Montering;

// Where the drive list comes from. The defaults read the running system;
// tests point them at fixture files and folders to fake a machine.
struct DrevKilder
{
    QString mountinfo = QStringLiteral("/proc/self/mountinfo");
    QString sysRod = QStringLiteral("/sys");
    QString etiketMappe = QStringLiteral("/dev/disk/by-label");
    QString brugernavn;   // for labels taken from /media/<user>/<label>; empty = any user

    bool operator==(const DrevKilder &) const = default;
};

struct Drevdata
{
    QString mappe;        // the mount point without trailing "/" ("/" for the root)
    QString etiket;       // the volume label; may be empty
    int type = 0;         // Drev::Type
    QString filsystem;
    QString kilde;
};

// Mounted volumes seen as drives. "/" is the system drive. Only removable,
// fixed and CD volumes are shown as drives of their own; RAM and network
// mounts stay reachable as folders under the drive that holds them.
class Drev
{
public:
    enum Type { Ukendt = 0, Flytbar = 1, Fast = 2, Cd = 3, Ram = 4, Netvaerk = 5 };

    Drev() = default;
    explicit Drev(const DrevKilder &kilder) : m_kilder(kilder) {}

    // Every usable volume, sorted by mount point ("/" first).
    QList<Drevdata> alle() const;
    // The volumes that get a drive row: removable, fixed and CD volumes
    // whose mount point is an existing folder.
    QList<Drevdata> viste() const;

    // The type of the volume mounted exactly at `rod` (trailing "/" allowed);
    // 0 when nothing is mounted there.
    int type(const QString &rod) const;
    QString etiket(const QString &rod) const;

    // The longest shown drive that is a whole-component prefix of `sti`;
    // empty when none (only when "/" itself is not among `viste`).
    static QString drevAfSti(const QString &sti, const QList<Drevdata> &viste);
    static bool erUnder(const QString &sti, const QString &drev);

private:
    QList<Drevdata> laesAlle() const;
    QList<Drevdata> systemets(bool viste) const;
    static QList<Drevdata> udvaelgViste(const QList<Drevdata> &alle);
    int klassificer(const Montering &m) const;
    QString findEtiket(const Montering &m) const;

    DrevKilder m_kilder;
};
