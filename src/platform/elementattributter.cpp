#include "platform/elementattributter.h"

#include "platform/navnekode.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace elementattributter {

namespace {

QDateTime tid(const struct statx_timestamp &t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

} // namespace

std::optional<Stat> stat(const QString &sti)
{
    struct statx sx;
    const unsigned int maske = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_CTIME
                             | STATX_BTIME;
    if (::statx(AT_FDCWD, navnekode::kod(sti).constData(), AT_NO_AUTOMOUNT, maske, &sx) != 0)
        return std::nullopt;
    Stat s;
    s.stoerrelse = qint64(sx.stx_size);
    s.mode = sx.stx_mode;
    s.tider.aendret = tid(sx.stx_mtime);
    s.tider.aabnet = tid(sx.stx_atime);
    // Not every file system keeps a birth time; the last change of the
    // element is then the best guess for when it came to be as it is.
    // Some file systems (overlay mounts among them) answer with a birth time
    // of zero: it is unknown then, not 1970.
    const bool harFoedsel = (sx.stx_mask & STATX_BTIME) && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
    s.tider.oprettet = harFoedsel ? tid(sx.stx_btime) : tid(sx.stx_ctime);
    return s;
}

bool erSkrivebeskyttet(unsigned int mode)
{
    return (mode & S_IWUSR) == 0;
}

int saetSkrivebeskyttet(const QString &sti, bool skrivebeskyttet)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::stat(b.constData(), &st) != 0)
        return errno;
    mode_t mode = st.st_mode & 07777;
    mode = skrivebeskyttet ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    if (mode == (st.st_mode & 07777))
        return 0;
    return ::chmod(b.constData(), mode) == 0 ? 0 : errno;
}

std::optional<Plads> plads(const QString &sti)
{
    struct statvfs sv;
    if (::statvfs(navnekode::kod(sti).constData(), &sv) != 0)
        return std::nullopt;
    Plads p;
    p.kapasitet = qint64(sv.f_blocks) * qint64(sv.f_frsize);
    p.ledig = qint64(sv.f_bavail) * qint64(sv.f_frsize);
    return p;
}

} // namespace elementattributter
