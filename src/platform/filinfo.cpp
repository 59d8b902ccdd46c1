#include "platform/filinfo.h"

#include "core/tohalvdele.h"
#include "platform/navnekode.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filinfo {

bool findes(const QString &sti)
{
    struct stat st;
    return !sti.isEmpty() && ::lstat(navnekode::kod(sti).constData(), &st) == 0;
}

bool erMappe(const QString &sti)
{
    struct stat st;
    return !sti.isEmpty() && ::stat(navnekode::kod(sti).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool erFil(const QString &sti)
{
    if (sti.isEmpty())
        return false;
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::stat(b.constData(), &st) == 0)
        return !S_ISDIR(st.st_mode);
    // A dangling link is still an element the user can see and remove.
    return ::lstat(b.constData(), &st) == 0;
}

Art art(const QString &sti)
{
    if (sti.isEmpty())
        return Art::Ingen;
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::stat(b.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? Art::Mappe : Art::Fil;
    return ::lstat(b.constData(), &st) == 0 ? Art::Fil : Art::Ingen;
}

bool erLink(const QString &sti)
{
    struct stat st;
    return !sti.isEmpty() && ::lstat(navnekode::kod(sti).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

namespace {

Detaljer somDetaljer(const struct stat &st)
{
    return Detaljer{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000, true};
}

// Links are followed; a dangling one is described by itself.
Detaljer detaljerVed(int mappeFd, const char *navn)
{
    struct stat st;
    if (::fstatat(mappeFd, navn, &st, 0) == 0 || ::fstatat(mappeFd, navn, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return somDetaljer(st);
    return {};
}

} // namespace

Detaljer detaljer(const QString &sti)
{
    if (sti.isEmpty())
        return {};
    return detaljerVed(AT_FDCWD, navnekode::kod(sti).constData());
}

// A zero Detaljer is the default one, so calloc's zeroed memory holds
// `antal` of them as they are.
static_assert(std::is_trivially_copyable_v<Detaljer> && std::is_trivially_destructible_v<Detaljer>);

DetaljeListe::DetaljeListe(size_t antal)
    : m_antal(antal)
{
    if (antal == 0)
        return;
    m_data.reset(static_cast<Detaljer *>(std::calloc(antal, sizeof(Detaljer))));
    if (!m_data)
        throw std::bad_alloc();
}

void DetaljeListe::Frigiv::operator()(Detaljer *p) const
{
    std::free(p);
}

// The system answers for many names at once on two cores, so a long list is
// asked in two halves side by side.
std::vector<Art> arter(const QStringList &stier)
{
    std::vector<Art> ud(size_t(stier.size()));
    iToHalvdele(ud.size(), [&](size_t fra, size_t til) {
        for (size_t i = fra; i < til; ++i)
            ud[i] = art(stier.at(qsizetype(i)));
    });
    return ud;
}

DetaljeListe detaljerI(const QString &mappe, size_t antal, const std::function<QStringView(size_t)> &navn)
{
    DetaljeListe ud(antal);
    const int fd = ::open(navnekode::kod(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return ud;
    auto laes = [&](size_t fra, size_t til) {
        for (size_t i = fra; i < til; ++i)
            ud[i] = detaljerVed(fd, navnekode::kod(navn(i).toString()).constData());
    };
    iToHalvdele(antal, laes);
    ::close(fd);
    return ud;
}

std::optional<Element> element(const QString &sti)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (sti.isEmpty() || ::lstat(b.constData(), &st) != 0)
        return std::nullopt;
    if (!S_ISLNK(st.st_mode))
        return Element{false, qint64(st.st_size)};
    // Only a link is looked at a second time, through to its target.
    return Element{true, ::stat(b.constData(), &st) == 0 ? qint64(st.st_size) : -1};
}

qint64 stoerrelse(const QString &sti)
{
    struct stat st;
    if (sti.isEmpty() || ::stat(navnekode::kod(sti).constData(), &st) != 0)
        return -1;
    return qint64(st.st_size);
}

std::optional<Id> id(const QString &sti, bool foelgLink)
{
    struct stat st;
    const QByteArray b = navnekode::kod(sti);
    if ((foelgLink ? ::stat(b.constData(), &st) : ::lstat(b.constData(), &st)) != 0)
        return std::nullopt;
    return Id{quint64(st.st_dev), quint64(st.st_ino)};
}

int mappeFejl(const QString &sti)
{
    struct stat st;
    if (::stat(navnekode::kod(sti).constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

Oprettelse opretMappe(const QString &sti)
{
    if (::mkdir(navnekode::kod(sti).constData(), 0777) == 0)
        return Oprettelse::Ok;
    return errno == EEXIST ? Oprettelse::Findes : Oprettelse::Fejl;
}

bool aabnFil(const QString &sti, QFile &fil, qint64 *stoerrelse)
{
    const int fd = ::open(navnekode::kod(sti).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (stoerrelse)
        *stoerrelse = qint64(st.st_size);
    return fil.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
}

} // namespace filinfo
