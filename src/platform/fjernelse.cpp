#include "platform/fjernelse.h"

#include "platform/navnekode.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace fjernelse {

namespace {

// Removes everything inside the open folder `fd` (which lies on `dev`).
bool toemMappe(int fd, dev_t dev)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    std::vector<QByteArray> navne;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray n(e->d_name);
        if (n != "." && n != "..")
            navne.push_back(n);
    }
    bool ok = true;
    for (const QByteArray &n : navne) {
        struct stat st;
        if (::fstatat(::dirfd(dir), n.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != dev) {   // a mount point: never reach into it
                ok = false;
                continue;
            }
            const int under = ::openat(::dirfd(dir), n.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (under < 0 || !toemMappe(under, dev)) {
                ok = false;
                continue;
            }
            ok = ::unlinkat(::dirfd(dir), n.constData(), AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(::dirfd(dir), n.constData(), 0) == 0 && ok;
        }
    }
    ::closedir(dir);
    return ok;
}

} // namespace

bool fjernTrae(const QString &sti)
{
    const QByteArray s = navnekode::kod(sti);
    struct stat st;
    if (::lstat(s.constData(), &st) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(s.constData()) == 0;
    const int fd = ::open(s.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || !toemMappe(fd, st.st_dev))
        return false;
    return ::rmdir(s.constData()) == 0;
}

bool fjernFil(const QString &sti)
{
    return ::unlink(navnekode::kod(sti).constData()) == 0;
}

bool fjernTomMappe(const QString &sti)
{
    return ::rmdir(navnekode::kod(sti).constData()) == 0;
}

} // namespace fjernelse
