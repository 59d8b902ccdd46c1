#include "platform/monteringer.h"

#include "platform/navnekode.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes as \ooo; every
// other byte stands as it is on disk.
QString fjernEscape(const QByteArray &b)
{
    if (!b.contains('\\'))
        return navnekode::dekod(b);
    QByteArray ud;
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '\\' && i + 3 < b.size()) {
            bool ok = false;
            const int v = b.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && v < 256) {
                ud += char(v);
                i += 3;
                continue;
            }
        }
        ud += b[i];
    }
    return navnekode::dekod(ud);
}

bool under(const QString &sti, const QString &mappe)
{
    return sti == mappe || sti.startsWith(mappe + QLatin1Char('/'));
}

} // namespace

QList<Montering> Monteringer::fortolk(const QString &mountinfo)
{
    return fortolkRaa(navnekode::kod(mountinfo));
}

QList<Montering> Monteringer::fortolkRaa(const QByteArray &mountinfo)
{
    QList<Montering> ud;
    const QList<QByteArray> linjer = mountinfo.split('\n');
    for (const QByteArray &linje : linjer) {
        QList<QByteArray> f = linje.split(' ');
        f.removeAll(QByteArray());
        const qsizetype streg = f.indexOf(QByteArrayLiteral("-"), 6);
        if (f.size() < 7 || streg < 0 || streg + 2 >= f.size())
            continue;
        const QList<QByteArray> mm = f.at(2).split(':');
        if (mm.size() != 2)
            continue;
        Montering m;
        m.major = mm.at(0).toInt();
        m.minor = mm.at(1).toInt();
        m.rod = fjernEscape(f.at(3));
        m.monteringspunkt = fjernEscape(f.at(4));
        m.filsystem = QString::fromUtf8(f.at(streg + 1));
        m.kilde = fjernEscape(f.at(streg + 2));
        ud.append(m);
    }
    return ud;
}

QList<Montering> Monteringer::systemets(const QString &fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return fortolkRaa(f.readAll());
}

MonteringsVagt::~MonteringsVagt()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool MonteringsVagt::aendret()
{
    if (m_fd < 0) {
        // The file remembers the table as it was when opened; a poll then
        // reports each change once.
        m_fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
        return true;
    }
    pollfd p{m_fd, POLLPRI, 0};
    return ::poll(&p, 1, 0) != 0;
}

bool Monteringer::erPseudo(const Montering &m)
{
    static const QSet<QString> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "bpf", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs", "squashfs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.xdg-document-portal"};
    if (m.monteringspunkt == QLatin1String("/"))
        return false;
    if (pseudo.contains(m.filsystem))
        return true;
    const QString &p = m.monteringspunkt;
    if (p.startsWith(QLatin1String("/run/media/")))
        return false;
    for (const char *mappe : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"}) {
        if (under(p, QLatin1String(mappe)))
            return true;
    }
    return p.startsWith(QLatin1String("/var/lib/"));
}

QList<Montering> Monteringer::brugbare(const QList<Montering> &alle)
{
    // A later mount on the same point hides the earlier one.
    QList<Montering> oeverst;
    for (const Montering &m : alle) {
        for (qsizetype i = 0; i < oeverst.size(); ++i) {
            if (oeverst.at(i).monteringspunkt == m.monteringspunkt) {
                oeverst.removeAt(i);
                break;
            }
        }
        oeverst.append(m);
    }

    // The root is the system drive and always wins over a bind of itself.
    std::stable_partition(oeverst.begin(), oeverst.end(),
                          [](const Montering &m) { return m.monteringspunkt == QLatin1String("/"); });
    QList<Montering> ud;
    QSet<QString> set;
    for (const Montering &m : oeverst) {
        if (erPseudo(m))
            continue;
        // Bind mounts of the same device and subtree show the same files
        // twice; keep the first. Device 0 (tmpfs and other virtual file
        // systems) has a fresh minor per mount, so they never collide.
        const QString noegle = QString::number(m.major) + ':' + QString::number(m.minor) + ' ' + m.rod;
        if (set.contains(noegle))
            continue;
        set.insert(noegle);
        ud.append(m);
    }
    return ud;
}

namespace montering {

namespace {

Sted fraStatx(const struct statx &sx)
{
    Sted s;
    s.ok = true;
    s.dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    s.ino = sx.stx_ino;
    s.mode = sx.stx_mode;
    s.stoerrelse = qint64(sx.stx_size);
    if (sx.stx_mask & STATX_MNT_ID)
        s.id = sx.stx_mnt_id;
    s.rod = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    return s;
}

Sted statxAf(int dfd, const char *navn, int flag)
{
    struct statx sx;
    if (::statx(dfd, navn, flag | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_MNT_ID, &sx) != 0) {
        Sted s;
        s.fejl = errno;
        return s;
    }
    return fraStatx(sx);
}

QByteArray foraelder(const QByteArray &sti)
{
    const qsizetype i = sti.lastIndexOf('/');
    return i < 0 ? QByteArrayLiteral(".") : i == 0 ? QByteArrayLiteral("/") : sti.left(i);
}

} // namespace

Sted sted(int dfd, const char *navn)
{
    return statxAf(dfd, navn, AT_SYMLINK_NOFOLLOW | (*navn ? 0 : AT_EMPTY_PATH));
}

Sted sted(const QByteArray &sti)
{
    return sted(AT_FDCWD, sti.constData());
}

bool andenMontering(const Sted &mor, const Sted &barn)
{
    return barn.dev != mor.dev || (barn.id != 0 && mor.id != 0 && barn.id != mor.id) || barn.rod;
}

quint64 idOver(QByteArray sti)
{
    for (;;) {
        const Sted s = statxAf(AT_FDCWD, sti.constData(), 0);
        if (s.ok)
            return s.id != 0 ? s.id : quint64(s.dev);
        if (sti.isEmpty() || sti == "/")
            return 0;
        sti = foraelder(sti);
    }
}

bool erMonteringspunkt(const QByteArray &sti)
{
    const Sted s = sted(sti);
    if (!s.ok)
        return false;
    if (s.rod)
        return true;
    const QByteArray mor = foraelder(sti);
    if (mor == sti)
        return true;   // "/" itself
    // The folder that holds the name, reached with its links followed.
    Sted m = statxAf(AT_FDCWD, mor.constData(), 0);
    m.rod = false;
    return m.ok && andenMontering(m, s);
}

} // namespace montering
