#include "platform/traelaeser.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int AabneFlag = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

TraeLaeser::Art artAfMode(mode_t mode)
{
    return S_ISDIR(mode) ? TraeLaeser::Art::Mappe : TraeLaeser::Art::Fil;
}

} // namespace

bool TraeLaeser::laes(const QByteArray &mappe, const Fortsaet &fortsaet)
{
    m_poster.clear();
    m_navne.clear();
    m_ulaeselige = 0;
    m_stoppet = false;
    m_fortsaet = fortsaet;
    tilfoej(mappe.constData(), std::size_t(mappe.size()), Art::Mappe);
    // The start folder may itself be reached through a link: the user
    // asked for it by that name.
    const int fd = ::open(mappe.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const montering::Sted sted = montering::sted(fd, "");
    laesMappe(fd, 0, sted);
    m_fortsaet = {};
    return !m_stoppet;
}

void TraeLaeser::tilfoej(const char *navn, std::size_t laengde, Art art)
{
    Post p;
    p.navn = quint32(m_navne.size());
    p.laengde = quint16(laengde);
    p.art = art;
    m_navne.insert(m_navne.end(), navn, navn + laengde);
    m_navne.push_back('\0');
    m_poster.push_back(p);
}

// Reads the folder open as `fd` (and takes the descriptor), then each of
// its subfolders. The folder's own entries are stored together before any
// subfolder is read, so a folder's contents are one range of entries.
void TraeLaeser::laesMappe(int fd, quint32 indeks, const montering::Sted &sted)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        ++m_ulaeselige;
        return;
    }
    const quint32 foerste = quint32(m_poster.size());
    for (;;) {
        errno = 0;
        const dirent *e = ::readdir(dir);
        if (!e) {
            if (errno != 0)
                ++m_ulaeselige;
            break;
        }
        const char *n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        Art art = Art::Fil;
        struct stat st;
        if (e->d_type == DT_DIR) {
            art = Art::Mappe;
        } else if (e->d_type == DT_LNK) {
            // Where the link leads decides whether it is a folder; it is never entered.
            if (::fstatat(fd, n, &st, 0) == 0 && S_ISDIR(st.st_mode))
                art = Art::MappeLink;
        } else if (e->d_type == DT_UNKNOWN) {
            if (::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno == ENOENT)
                    continue;   // vanished between listing and looking
            } else if (S_ISLNK(st.st_mode)) {
                struct stat maal;
                if (::fstatat(fd, n, &maal, 0) == 0 && S_ISDIR(maal.st_mode))
                    art = Art::MappeLink;
            } else {
                art = artAfMode(st.st_mode);
            }
        }
        tilfoej(n, std::strlen(n), art);
    }
    const quint32 slut = quint32(m_poster.size());
    m_poster[indeks].boern = foerste;
    m_poster[indeks].antalBoern = slut - foerste;

    if (m_fortsaet && !m_fortsaet(qint64(slut))) {
        m_stoppet = true;
        ::closedir(dir);
        return;
    }
    for (quint32 i = foerste; i < slut && !m_stoppet; ++i) {
        if (m_poster[i].art != Art::Mappe)
            continue;
        // O_NOFOLLOW: a folder replaced by a link since the listing is not followed.
        const int barn = ::openat(fd, navn(m_poster[i]), AabneFlag);
        if (barn < 0) {
            ++m_ulaeselige;
            continue;
        }
        const montering::Sted barnSted = montering::sted(barn, "");
        if (!barnSted.ok || montering::andenMontering(sted, barnSted)) {
            m_poster[i].art = barnSted.ok ? Art::Montering : Art::Mappe;
            if (!barnSted.ok)
                ++m_ulaeselige;
            ::close(barn);
            continue;
        }
        laesMappe(barn, i, barnSted);
    }
    ::closedir(dir);
}

std::size_t TraeLaeser::hukommelse() const
{
    return m_poster.capacity() * sizeof(Post) + m_navne.capacity();
}
