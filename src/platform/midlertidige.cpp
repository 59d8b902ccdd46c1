#include "platform/midlertidige.h"

#include "platform/navnekode.h"

#include <QList>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace midlertidige {

namespace {

const QByteArray Maerke = QByteArrayLiteral("marvikel-");

// A temporary file younger than this may still be in use elsewhere.
constexpr time_t MindsteAlder = 60;

bool koerer(qint64 pid)
{
    // EPERM: it runs, under another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool erTal(const QByteArray &b)
{
    if (b.isEmpty() || b.size() > 18)
        return false;
    for (char c : b) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

QByteArray navn(const QByteArray &navn, qint64 pid, quint64 nummer)
{
    const QByteArray hale = '.' + Maerke + QByteArray::number(pid) + '-' + QByteArray::number(nummer);
    return navn.isEmpty() ? hale : '.' + navn + hale;
}

qint64 pidAf(const QByteArray &navn)
{
    // ".NAME.marvikel-PID-N" or ".marvikel-PID-N"
    if (!navn.startsWith('.'))
        return -1;
    const qsizetype m = navn.lastIndexOf('.' + Maerke);
    if (m < 0)
        return -1;
    const QList<QByteArray> tal = navn.mid(m + 1 + Maerke.size()).split('-');
    if (tal.size() != 2 || !erTal(tal[0]) || !erTal(tal[1]))
        return -1;
    const qint64 pid = tal[0].toLongLong();
    return pid > 0 ? pid : -1;
}

int fjernForladte(const QString &mappe)
{
    DIR *d = ::opendir(navnekode::kod(mappe).constData());
    if (!d)
        return 0;
    const int dfd = ::dirfd(d);
    const time_t nu = ::time(nullptr);
    int fjernet = 0;
    while (const dirent *e = ::readdir(d)) {
        const QByteArray n(e->d_name);
        const qint64 pid = pidAf(n);
        if (pid < 0 || pid == ::getpid())
            continue;
        struct stat st;
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if ((!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) || st.st_uid != ::geteuid())
            continue;
        if (nu - st.st_mtime < MindsteAlder || koerer(pid))
            continue;
        if (::unlinkat(dfd, e->d_name, 0) == 0)
            ++fjernet;
    }
    ::closedir(d);
    return fjernet;
}

} // namespace midlertidige
