#include "platform/sletning.h"

#include "core/dansk.h"
#include "platform/monteringer.h"
#include "platform/navnekode.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace sletning {

namespace {

const QString AndetDrev = QStringLiteral("mappen hører til et andet monteret drev og blev ikke åbnet");
const QString IkkeTom = QStringLiteral("mappen kunne ikke tømmes");

struct Post
{
    QByteArray navn;
    unsigned char type;
};

bool tilfoejFejl(Resultat &r, const QString &sti, int fejlnummer)
{
    r.fejl.append({sti, grund(fejlnummer)});
    return false;
}

// Removes the non-folder `navn` in the folder `dfd` (AT_FDCWD for a whole
// path), whose lstat is `st`, and counts it. Already gone is no error.
bool fjernFil(int dfd, const QByteArray &navn, const QString &sti, const struct stat &st, Resultat &r,
              const Valg &valg)
{
    if (::unlinkat(dfd, navn.constData(), 0) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    ++r.filer;
    r.bytes += st.st_size;
    if (valg.filSlettet)
        valg.filSlettet(st.st_size);
    return true;
}

bool fjernTomMappe(const QByteArray &b, const QString &sti, Resultat &r)
{
    if (::rmdir(b.constData()) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    ++r.mapper;
    return true;
}

bool erPrikMappe(const char *n)
{
    return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0));
}

// Walks one folder tree on open handles and removes what it may.
class Vandring
{
public:
    Vandring(const QSet<QString> &monteringer, const Valg &valg, Resultat &r, dev_t drev)
        : m_monteringer(monteringer), m_valg(valg), m_r(r), m_drev(drev)
    {
    }

    // Removes the content of the folder open as `fd` (taken over and
    // closed). True when the folder is empty afterwards.
    bool toem(int fd, const QString &sti)
    {
        DIR *d = ::fdopendir(fd);
        if (!d) {
            ::close(fd);
            return tilfoejFejl(sti, errno);
        }
        // The whole listing is read before anything is removed, so removing
        // never disturbs the reading.
        std::vector<Post> poster;
        errno = 0;
        while (const dirent *e = ::readdir(d)) {
            if (!erPrikMappe(e->d_name))
                poster.push_back({QByteArray(e->d_name), e->d_type});
            errno = 0;
        }
        bool tom = errno == 0;
        if (!tom)
            tilfoejFejl(sti, errno);
        const int dfd = ::dirfd(d);
        for (const Post &p : poster)
            tom = fjern(dfd, sti, p) && tom;
        ::closedir(d);
        return tom;
    }

private:
    bool fjern(int dfd, const QString &sti, const Post &p)
    {
        const char *n = p.navn.constData();
        struct stat st;
        if (::fstatat(dfd, n, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT || tilfoejFejl(under(sti, p), errno);
        if (!S_ISDIR(st.st_mode))
            return fjernFil(dfd, p.navn, under(sti, p), st, m_r, m_valg);
        const QString barn = under(sti, p);
        if (st.st_dev != m_drev || m_monteringer.contains(barn)) {
            m_r.fejl.append({barn, AndetDrev});
            return false;
        }
        const int cfd = ::openat(dfd, n, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (cfd < 0)
            return tilfoejFejl(barn, errno);
        if (!toem(cfd, barn))
            return false;
        if (::unlinkat(dfd, n, AT_REMOVEDIR) != 0)
            return tilfoejFejl(barn, errno);
        ++m_r.mapper;
        return true;
    }

    static QString under(const QString &sti, const Post &p)
    {
        return (sti.endsWith(QLatin1Char('/')) ? sti : sti + QLatin1Char('/')) + navnekode::dekod(p.navn);
    }

    bool tilfoejFejl(const QString &sti, int fejlnummer) { return sletning::tilfoejFejl(m_r, sti, fejlnummer); }

    const QSet<QString> &m_monteringer;
    const Valg &m_valg;
    Resultat &m_r;
    dev_t m_drev;
};

} // namespace

QString grund(int fejlnummer)
{
    switch (fejlnummer) {
    case EACCES:
    case EPERM: return QStringLiteral("adgang nægtet");
    case EROFS: return QStringLiteral("drevet er skrivebeskyttet");
    case EBUSY: return QStringLiteral("elementet er i brug");
    case ENOTEMPTY:
    case EEXIST: return IkkeTom;
    case EISDIR: return QStringLiteral("elementet er en mappe");
    case ENAMETOOLONG: return QStringLiteral("stien er for lang");
    case EMFILE:
    case ENFILE: return QStringLiteral("for mange åbne mapper");
    case EIO: return QStringLiteral("læse- eller skrivefejl på drevet");
    default: return QStringLiteral("systemfejl ") + QString::number(fejlnummer);
    }
}

QStringList linjer(const QList<Fejl> &fejl, int maks)
{
    QStringList ud;
    for (const Fejl &f : fejl.mid(0, maks))
        ud.append(f.sti + QStringLiteral(" (") + f.grund + QLatin1Char(')'));
    if (fejl.size() > maks)
        ud.append(QStringLiteral("… og ") + dansk::heltal(fejl.size() - maks) + QStringLiteral(" flere."));
    return ud;
}

QSet<QString> systemetsMonteringspunkter()
{
    QFile f(QStringLiteral("/proc/self/mountinfo"));
    QSet<QString> ud;
    if (!f.open(QIODevice::ReadOnly))
        return ud;
    for (const Montering &m : Monteringer::fortolk(QString::fromUtf8(f.readAll())))
        ud.insert(m.monteringspunkt);
    return ud;
}

QString kanonisk(const QString &sti)
{
    const qsizetype i = sti.lastIndexOf(QLatin1Char('/'));
    if (i < 0 || sti == QLatin1String("/"))
        return sti;
    const QString mappe = i == 0 ? QStringLiteral("/") : sti.left(i);
    const QString navn = sti.mid(i + 1);
    char buf[PATH_MAX];
    if (!::realpath(navnekode::kod(mappe).constData(), buf))
        return sti;
    const QString rod = navnekode::dekod(buf, qsizetype(std::strlen(buf)));
    if (navn.isEmpty() || navn == QLatin1String("."))
        return rod;
    if (navn == QLatin1String(".."))
        return kanonisk(rod);
    return (rod.endsWith(QLatin1Char('/')) ? rod : rod + QLatin1Char('/')) + navn;
}

bool slet(const QString &sti, Resultat &r, const Valg &valg)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::lstat(b.constData(), &st) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    if (!S_ISDIR(st.st_mode))
        return fjernFil(AT_FDCWD, b, sti, st, r, valg);
    // Mount points are compared with the walk's own paths, so the walk
    // starts from the path with its links resolved.
    const QString rod = kanonisk(sti);
    const QSet<QString> monteringer = valg.monteringspunkter ? *valg.monteringspunkter : systemetsMonteringspunkter();
    if (monteringer.contains(rod)) {
        r.fejl.append({sti, QStringLiteral("mappen er et monteret drev")});
        return false;
    }
    const int fd = ::open(b.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return tilfoejFejl(r, sti, errno);
    Vandring v(monteringer, valg, r, st.st_dev);
    if (!v.toem(fd, rod))
        return false;
    return fjernTomMappe(b, sti, r);
}

bool sletFil(const QString &sti, Resultat &r, const Valg &valg)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::lstat(b.constData(), &st) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    if (S_ISDIR(st.st_mode))
        return tilfoejFejl(r, sti, EISDIR);
    return fjernFil(AT_FDCWD, b, sti, st, r, valg);
}

bool sletTomMappe(const QString &sti, Resultat &r)
{
    return fjernTomMappe(navnekode::kod(sti), sti, r);
}

} // namespace sletning
