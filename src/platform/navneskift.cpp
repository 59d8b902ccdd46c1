#include "platform/navneskift.h"

#include "platform/navnekode.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace navneskift {

namespace {

int systemRename(const char *fra, const char *til, unsigned int flag)
{
    return ::renameat2(AT_FDCWD, fra, AT_FDCWD, til, flag);
}

RenameKald g_kald = systemRename;

Udfald udfaldAf(int fejl)
{
    switch (fejl) {
    case EEXIST:
    case ENOTEMPTY:
        return Udfald::Findes;
    case EXDEV:
        return Udfald::AndetDrev;
    default:
        return Udfald::Fejl;
    }
}

Udfald flytUdenErstatning(const QByteArray &fra, const QByteArray &til)
{
    if (g_kald(fra.constData(), til.constData(), RENAME_NOREPLACE) == 0)
        return Udfald::Ok;
    const int fejl = errno;
    if (fejl != EINVAL)
        return udfaldAf(fejl);
    // The file system does not know the flag (or the rename is impossible,
    // which the plain rename below reports again).
    struct stat st;
    if (::lstat(til.constData(), &st) == 0)
        return Udfald::Findes;
    if (errno != ENOENT)
        return Udfald::Fejl;
    if (g_kald(fra.constData(), til.constData(), 0) == 0)
        return Udfald::Ok;
    return udfaldAf(errno);
}

QByteArray foraelder(const QByteArray &sti)
{
    const qsizetype i = sti.lastIndexOf('/');
    if (i < 0)
        return QByteArrayLiteral(".");
    return i == 0 ? QByteArrayLiteral("/") : sti.left(i);
}

QByteArray navnDel(const QByteArray &sti)
{
    return sti.mid(sti.lastIndexOf('/') + 1);
}

bool mappeHarNavn(const QByteArray &mappe, const QByteArray &navn)
{
    DIR *dir = ::opendir(mappe.constData());
    if (!dir)
        return true;   // unknown: treat the name as taken
    bool fundet = false;
    while (const dirent *e = ::readdir(dir)) {
        if (navn == e->d_name) {
            fundet = true;
            break;
        }
    }
    ::closedir(dir);
    return fundet;
}

// A free name in `mappe` for a short-lived stand-in.
QByteArray midlertidigtNavn(const QByteArray &mappe)
{
    QByteArray skabelon = mappe + "/.marvikel-omdoeb-XXXXXX";
    const int fd = ::mkstemp(skabelon.data());
    if (fd < 0)
        return {};
    ::close(fd);
    ::unlink(skabelon.constData());
    return skabelon;
}

// Case-only rename on a volume that ignores case: the kernel sees the new
// name as the element itself, so the element goes by way of a free name.
Udfald flytOverMellemnavn(const QByteArray &fra, const QByteArray &til)
{
    const QByteArray mellem = midlertidigtNavn(foraelder(fra));
    if (mellem.isEmpty() || flytUdenErstatning(fra, mellem) != Udfald::Ok)
        return Udfald::Fejl;
    const Udfald u = flytUdenErstatning(mellem, til);
    if (u != Udfald::Ok && flytUdenErstatning(mellem, fra) != Udfald::Ok)
        return Udfald::Fejl;
    return u;
}

bool skrivAlt(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qsizetype rest = data.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, size_t(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

mode_t nyFilsRettigheder()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

} // namespace

Udfald flyt(const QString &fra, const QString &til)
{
    const QByteArray a = navnekode::kod(fra);
    const QByteArray b = navnekode::kod(til);
    const Udfald u = flytUdenErstatning(a, b);
    if (u == Udfald::Findes && erKunStavemaade(fra, til))
        return flytOverMellemnavn(a, b);
    return u;
}

Udfald flytOver(const QString &fra, const QString &til)
{
    const QByteArray a = navnekode::kod(fra);
    const QByteArray b = navnekode::kod(til);
    struct stat st;
    if (::lstat(b.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return Udfald::Findes;
    if (g_kald(a.constData(), b.constData(), 0) == 0)
        return Udfald::Ok;
    return udfaldAf(errno);
}

bool erKunStavemaade(const QString &fra, const QString &til)
{
    const QByteArray a = navnekode::kod(fra);
    const QByteArray b = navnekode::kod(til);
    if (a == b || foraelder(a) != foraelder(b))
        return false;
    if (QString::compare(fra, til, Qt::CaseInsensitive) != 0)
        return false;
    struct stat sa, sb;
    if (::lstat(a.constData(), &sa) != 0 || ::lstat(b.constData(), &sb) != 0)
        return false;
    if (sa.st_dev != sb.st_dev || sa.st_ino != sb.st_ino)
        return false;
    // Two hard links spelt differently are two real names, not one.
    return !mappeHarNavn(foraelder(b), navnDel(b));
}

Udfald opretFil(const QString &sti, const QByteArray &data)
{
    const QByteArray maal = navnekode::kod(sti);
    QByteArray midlertidig = foraelder(maal) + "/.marvikel-ny-XXXXXX";
    const int fd = ::mkostemp(midlertidig.data(), O_CLOEXEC);
    if (fd < 0)
        return Udfald::Fejl;
    bool ok = skrivAlt(fd, data) && ::fsync(fd) == 0 && ::fchmod(fd, nyFilsRettigheder()) == 0;
    ok = (::close(fd) == 0) && ok;
    const Udfald u = ok ? flytUdenErstatning(midlertidig, maal) : Udfald::Fejl;
    if (u != Udfald::Ok)
        ::unlink(midlertidig.constData());
    return u;
}

void saetRenameKald(RenameKald kald)
{
    g_kald = kald ? kald : systemRename;
}

} // namespace navneskift
