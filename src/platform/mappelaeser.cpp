#include "platform/mappelaeser.h"

#include "platform/navnekode.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

MappeLaeser::MappeLaeser(const QString &mappe, bool medStoerrelse)
    : m_medStoerrelse(medStoerrelse)
{
    m_dir = ::opendir(navnekode::kod(mappe).constData());
    if (!m_dir)
        m_fejl = errno;
}

montering::Sted MappeLaeser::sted() const
{
    return m_dir ? montering::sted(::dirfd(m_dir), "") : montering::Sted{};
}

qint64 MappeLaeser::mappestoerrelse() const
{
    struct stat st;
    return m_dir && ::fstat(::dirfd(m_dir), &st) == 0 ? qint64(st.st_size) : 0;
}

MappeLaeser::~MappeLaeser()
{
    if (m_dir)
        ::closedir(m_dir);
}

namespace {

MappeLaeser::Art artAfMode(mode_t mode)
{
    if (S_ISDIR(mode))
        return MappeLaeser::Art::Mappe;
    if (S_ISREG(mode))
        return MappeLaeser::Art::Fil;
    return MappeLaeser::Art::Andet;
}

} // namespace

bool MappeLaeser::naeste(Post &post)
{
    if (!m_dir)
        return false;
    for (;;) {
        errno = 0;
        const dirent *e = ::readdir(m_dir);
        if (!e) {
            m_fejlede = errno != 0;
            m_fejl = errno;
            return false;
        }
        const char *n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;

        // The string keeps its room from the entry before; a caller that kept
        // a copy of it keeps that copy.
        if (post.navn.isDetached())
            post.navn.resize(0);
        else
            post.navn = QString();
        navnekode::dekodTil(post.navn, n, qsizetype(std::strlen(n)));
        post.erLink = e->d_type == DT_LNK;
        post.stoerrelse = 0;
        post.fejl = 0;
        const int fd = ::dirfd(m_dir);
        struct stat st;
        if (e->d_type == DT_DIR || (e->d_type == DT_REG && !m_medStoerrelse)) {
            // The listing already says what the entry is; no call needed.
            post.art = e->d_type == DT_DIR ? Art::Mappe : Art::Fil;
        } else if (e->d_type == DT_LNK) {
            post.art = ::fstatat(fd, n, &st, 0) == 0 ? artAfMode(st.st_mode) : Art::Andet;
            if (m_medStoerrelse && ::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) == 0)
                post.stoerrelse = st.st_size;
        } else if (::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            post.erLink = S_ISLNK(st.st_mode);
            if (post.erLink) {
                struct stat maal;
                post.art = ::fstatat(fd, n, &maal, 0) == 0 ? artAfMode(maal.st_mode) : Art::Andet;
            } else {
                post.art = artAfMode(st.st_mode);
            }
            post.stoerrelse = st.st_size;
        } else if (errno == ENOENT) {
            // Vanished between listing and looking: skip it.
            continue;
        } else {
            post.art = Art::Andet;
            post.fejl = errno;
        }
        return true;
    }
}

QSet<QString> MappeLaeser::skjulteNavne(const QString &mappe)
{
    QSet<QString> navne;
    QFile f;
    const QByteArray sti = navnekode::kod(mappe) + "/.hidden";
    const int fd = ::open(sti.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return navne;
    struct stat st;
    // Only a regular file of sane size is read: a pipe named ".hidden" must
    // not block the listing.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > 4 * 1024 * 1024
        || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return navne;
    }
    const QByteArray data = f.readAll();
    for (const QByteArray &linje : data.split('\n')) {
        if (!linje.isEmpty())
            navne.insert(navnekode::dekod(linje));
    }
    return navne;
}

bool MappeLaeser::erSkjult(const QString &navn, const QSet<QString> &skjulte)
{
    return navn.startsWith(QLatin1Char('.')) || (!skjulte.isEmpty() && skjulte.contains(navn));
}
