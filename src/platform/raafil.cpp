#include "platform/raafil.h"

#include "platform/navnekode.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace raafil {

bool laes(const QString &sti, qint64 maks, QByteArray &ud)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    // Looked at before it is opened: opening a pipe would wait for a writer.
    if (::stat(b.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maks)
        return false;
    const int fd = ::open(b.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray data;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || data.size() + n > maks) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    ::close(fd);
    if (ok)
        ud = data;
    return ok;
}

} // namespace raafil
