#include "platform/sletning.h"

#include "core/dansk.h"
#include "platform/fejlgrund.h"
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

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
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
    r.fejl.append({sti, fejlnummer == ENOTEMPTY || fejlnummer == EEXIST ? IkkeTom : fejlgrund::grund(fejlnummer)});
    return false;
}

// Folders known by device and inode.
using Identiteter = QSet<QPair<quint64, quint64>>;

Identiteter identiteterAf(const QSet<QString> &stier)
{
    Identiteter ud;
    struct stat st;
    for (const QString &sti : stier) {
        if (::stat(navnekode::kod(sti).constData(), &st) == 0)
            ud.insert({quint64(st.st_dev), quint64(st.st_ino)});
    }
    return ud;
}

// Removes the non-folder `navn` in the folder `dfd` (AT_FDCWD for a whole
// path), whose lstat is `st`, and counts it. Already gone is no error.
bool fjernFil(int dfd, const QByteArray &navn, const QString &sti, qint64 stoerrelse, Resultat &r,
              const Valg &valg)
{
    if (::unlinkat(dfd, navn.constData(), 0) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    ++r.filer;
    r.bytes += stoerrelse;
    if (valg.filSlettet)
        valg.filSlettet(stoerrelse);
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
    Vandring(const Identiteter &ekstra, const Valg &valg, Resultat &r)
        : m_ekstra(ekstra), m_valg(valg), m_r(r)
    {
    }

    // Removes the content of the folder open as `fd` (taken over and
    // closed). True when the folder is empty afterwards.
    bool toem(int fd, const QString &sti, bool iToTraade = false)
    {
        const montering::Sted her = montering::sted(fd, "");
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
        const bool talt = her.ok && m_valg.optaelling && m_valg.optaelling->harMappe(her.dev, her.ino);
        std::vector<bool> tilHjaelper(poster.size(), false);
        if (iToTraade)
            fordel(poster, tilHjaelper);
        if (std::find(tilHjaelper.begin(), tilHjaelper.end(), true) != tilHjaelper.end())
            tom = toTraade(dfd, her, sti, poster, tilHjaelper, talt) && tom;
        else
            tom = fjernAlle(dfd, her, sti, poster, tilHjaelper, talt, {}) && tom;
        ::closedir(d);
        return tom;
    }

private:
    // Removes the entries of one folder that are not the helper's; `mellem`
    // runs after each.
    bool fjernAlle(int dfd, const montering::Sted &her, const QString &sti, const std::vector<Post> &poster,
                   const std::vector<bool> &udenom, bool talt, const std::function<void()> &mellem)
    {
        bool tom = true;
        size_t naeste = 0;
        for (size_t i = 0; i < poster.size(); ++i) {
            if (udenom[i])
                continue;
            const Post &p = poster[i];
            const qint64 stoerrelse = talt && p.type != DT_DIR && p.type != DT_UNKNOWN
                ? m_valg.optaelling->stoerrelse(her.dev, her.ino, p.navn, naeste)
                : -1;
            tom = (stoerrelse >= 0 ? fjernTalt(dfd, her, sti, p, stoerrelse) : fjern(dfd, her, sti, p)) && tom;
            if (mellem)
                mellem();
        }
        return tom;
    }

    // A large counted tree is deleted by two threads: every second
    // subfolder of the top folder goes to a helper. Each subtree is walked
    // on its own handles exactly as by one thread; only the counting and
    // the progress calls are gathered here, on the calling thread.
    void fordel(const std::vector<Post> &poster, std::vector<bool> &tilHjaelper) const
    {
        if (!m_valg.optaelling || m_valg.optaelling->filer() < m_valg.toTraadeFraFiler)
            return;
        bool skift = false;
        for (size_t i = 0; i < poster.size(); ++i) {
            if (poster[i].type == DT_DIR) {
                tilHjaelper[i] = skift;
                skift = !skift;
            }
        }
    }

    bool toTraade(int dfd, const montering::Sted &her, const QString &sti, const std::vector<Post> &poster,
                  const std::vector<bool> &tilHjaelper, bool talt)
    {
        std::atomic<qint64> ventendeFiler{0}, ventendeBytes{0};
        Valg hjaelperValg = m_valg;
        hjaelperValg.filSlettet = [&](qint64 bytes) {
            ventendeBytes += bytes;
            ++ventendeFiler;
        };
        Resultat hjaelperR;
        Vandring hjaelper(m_ekstra, hjaelperValg, hjaelperR);
        std::vector<bool> egne(tilHjaelper.size());
        for (size_t i = 0; i < egne.size(); ++i)
            egne[i] = !tilHjaelper[i];
        auto hjaelperTom = std::async(std::launch::async, [&] {
            return hjaelper.fjernAlle(dfd, her, sti, poster, egne, talt, {});
        });
        // The helper's deletions reach the progress from this thread.
        const auto meld = [&] {
            const qint64 filer = ventendeFiler.exchange(0);
            const qint64 bytes = ventendeBytes.exchange(0);
            if (!m_valg.filSlettet || filer == 0)
                return;
            for (qint64 k = 1; k < filer; ++k)
                m_valg.filSlettet(0);
            m_valg.filSlettet(bytes);
        };
        bool tom = fjernAlle(dfd, her, sti, poster, tilHjaelper, talt, meld);
        while (hjaelperTom.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            meld();
        tom = hjaelperTom.get() && tom;
        meld();
        m_r.filer += hjaelperR.filer;
        m_r.mapper += hjaelperR.mapper;
        m_r.bytes += hjaelperR.bytes;
        m_r.fejl += hjaelperR.fejl;
        return tom;
    }

    // Removes an element the count saw as no folder, with the size it had
    // then: unlinkat never removes a folder, so one that has become a
    // folder since fails and is looked at as any other.
    bool fjernTalt(int dfd, const montering::Sted &her, const QString &sti, const Post &p, qint64 stoerrelse)
    {
        if (::unlinkat(dfd, p.navn.constData(), 0) != 0) {
            if (errno == ENOENT)
                return true;
            if (errno == EISDIR || errno == EPERM)
                return fjern(dfd, her, sti, p);
            return tilfoejFejl(under(sti, p), errno);
        }
        ++m_r.filer;
        m_r.bytes += stoerrelse;
        if (m_valg.filSlettet)
            m_valg.filSlettet(stoerrelse);
        return true;
    }

    bool fjern(int dfd, const montering::Sted &her, const QString &sti, const Post &p)
    {
        const char *n = p.navn.constData();
        const montering::Sted barn = montering::sted(dfd, n);
        if (!barn.ok)
            return barn.fejl == ENOENT || tilfoejFejl(under(sti, p), barn.fejl);
        if (!S_ISDIR(barn.mode))
            return fjernFil(dfd, p.navn, under(sti, p), barn.stoerrelse, m_r, m_valg);
        const QString mappe = under(sti, p);
        if (!her.ok || montering::andenMontering(her, barn)
            || m_ekstra.contains({quint64(barn.dev), quint64(barn.ino)})) {
            m_r.fejl.append({mappe, AndetDrev});
            return false;
        }
        const int cfd = ::openat(dfd, n, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (cfd < 0)
            return tilfoejFejl(mappe, errno);
        if (!toem(cfd, mappe))
            return false;
        if (::unlinkat(dfd, n, AT_REMOVEDIR) != 0)
            return tilfoejFejl(mappe, errno);
        ++m_r.mapper;
        return true;
    }

    static QString under(const QString &sti, const Post &p)
    {
        return (sti.endsWith(QLatin1Char('/')) ? sti : sti + QLatin1Char('/')) + navnekode::dekod(p.navn);
    }

    bool tilfoejFejl(const QString &sti, int fejlnummer) { return sletning::tilfoejFejl(m_r, sti, fejlnummer); }

    const Identiteter &m_ekstra;
    const Valg &m_valg;
    Resultat &m_r;
};

} // namespace

std::optional<Optaelling::Tal> Optaelling::tael(const QString &sti, const std::function<void()> &vedMappe)
{
    Tal t;
    // An explicit stack of raw paths, so a very deep tree cannot exhaust
    // the call stack and no name is decoded.
    std::vector<QByteArray> stak{navnekode::kod(sti)};
    montering::Sted rod;
    bool foerste = true;
    while (!stak.empty()) {
        const QByteArray dir = stak.back();
        stak.pop_back();
        const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (foerste ? 0 : O_NOFOLLOW));
        if (fd < 0) {
            if (foerste)
                return std::nullopt;
            t.fuldstaendig = false;
            continue;
        }
        const montering::Sted her = montering::sted(fd, "");
        if (foerste) {
            rod = her;
        } else if (!her.ok || !rod.ok || montering::andenMontering(rod, her)) {
            ::close(fd);
            continue;
        }
        foerste = false;
        DIR *d = ::fdopendir(fd);
        if (!d) {
            ::close(fd);
            t.fuldstaendig = false;
            continue;
        }
        Mappe &m = m_mapper[{quint64(her.dev), quint64(her.ino)}];
        m = Mappe();
        const QByteArray forstavelse = dir.endsWith('/') ? dir : dir + '/';
        errno = 0;
        while (const dirent *e = ::readdir(d)) {
            const char *n = e->d_name;
            if (erPrikMappe(n)) {
                errno = 0;
                continue;
            }
            struct stat st;
            bool mappe = e->d_type == DT_DIR;
            qint64 stoerrelse = 0;
            if (!mappe) {
                if (::fstatat(::dirfd(d), n, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                    mappe = S_ISDIR(st.st_mode);
                    stoerrelse = st.st_size;
                } else if (errno == ENOENT) {
                    errno = 0;
                    continue;   // vanished between listing and looking
                } else if (e->d_type != DT_LNK) {
                    t.fuldstaendig = false;
                }
            }
            if (!mappe)
                ++m_filer;
            if (mappe) {
                ++t.mapper;
                stak.push_back(forstavelse + n);
                if (vedMappe)
                    vedMappe();
            } else {
                ++t.filer;
                t.bytes += stoerrelse;
                m.navne.append(n);
                m.slut.push_back(m.navne.size());
                m.stoerrelser.push_back(stoerrelse);
            }
            errno = 0;
        }
        if (errno != 0)
            t.fuldstaendig = false;
        ::closedir(d);
    }
    return t;
}

qint64 Optaelling::stoerrelse(quint64 dev, quint64 ino, const QByteArray &navn, size_t &naeste) const
{
    const auto it = m_mapper.constFind({dev, ino});
    if (it == m_mapper.cend())
        return -1;
    const Mappe &m = *it;
    const size_t antal = m.slut.size();
    for (size_t k = 0; k < antal; ++k) {
        const size_t i = (naeste + k) % antal;
        const qsizetype start = i == 0 ? 0 : m.slut[i - 1];
        if (m.slut[i] - start == navn.size()
            && std::memcmp(m.navne.constData() + start, navn.constData(), size_t(navn.size())) == 0) {
            naeste = i + 1;
            return m.stoerrelser[i];
        }
    }
    return -1;
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
    QSet<QString> ud;
    for (const Montering &m : Monteringer::systemets())
        ud.insert(m.monteringspunkt);
    return ud;
}

bool erMonteringspunkt(const QString &sti, const QSet<QString> &ekstra)
{
    const QByteArray b = navnekode::kod(sti);
    if (montering::erMonteringspunkt(b))
        return true;
    struct stat st;
    return !ekstra.isEmpty() && ::stat(b.constData(), &st) == 0
        && identiteterAf(ekstra).contains({quint64(st.st_dev), quint64(st.st_ino)});
}

namespace {

// The folder part of `sti` (empty when it has none) and its last name.
std::pair<QString, QString> mappeOgNavn(const QString &sti)
{
    const qsizetype i = sti.lastIndexOf(QLatin1Char('/'));
    if (i < 0 || sti == QLatin1String("/"))
        return {};
    return {i == 0 ? QStringLiteral("/") : sti.left(i), sti.mid(i + 1)};
}

std::optional<QString> opslaaet(const QString &mappe)
{
    char buf[PATH_MAX];
    if (!::realpath(navnekode::kod(mappe).constData(), buf))
        return std::nullopt;
    return navnekode::dekod(buf, qsizetype(std::strlen(buf)));
}

QString iMappe(const QString &rod, const QString &navn)
{
    return (rod.endsWith(QLatin1Char('/')) ? rod : rod + QLatin1Char('/')) + navn;
}

} // namespace

QString kanonisk(const QString &sti)
{
    const auto [mappe, navn] = mappeOgNavn(sti);
    if (mappe.isEmpty())
        return sti;
    const std::optional<QString> rod = opslaaet(mappe);
    if (!rod)
        return sti;
    if (navn.isEmpty() || navn == QLatin1String("."))
        return *rod;
    if (navn == QLatin1String(".."))
        return kanonisk(*rod);
    return iMappe(*rod, navn);
}

QString Kanonisering::kanonisk(const QString &sti)
{
    const auto [mappe, navn] = mappeOgNavn(sti);
    if (mappe.isEmpty() || navn.isEmpty() || navn == QLatin1String(".") || navn == QLatin1String(".."))
        return sletning::kanonisk(sti);
    struct stat st;
    if (::stat(navnekode::kod(mappe).constData(), &st) != 0)
        return sti;
    if (!m_kendt || mappe != m_mappe || quint64(st.st_dev) != m_dev || quint64(st.st_ino) != m_ino) {
        // The folder is resolved and then looked at through its resolved
        // path, so what is remembered is where the resolved path leads.
        const std::optional<QString> rod = opslaaet(mappe);
        struct stat rst;
        if (!rod || ::stat(navnekode::kod(*rod).constData(), &rst) != 0) {
            m_kendt = false;
            return sletning::kanonisk(sti);
        }
        m_mappe = mappe;
        m_rod = *rod;
        m_dev = quint64(rst.st_dev);
        m_ino = quint64(rst.st_ino);
        m_kendt = true;
        if (quint64(st.st_dev) != m_dev || quint64(st.st_ino) != m_ino)
            m_kendt = false;   // changed while it was resolved: not kept
        return iMappe(*rod, navn);
    }
    return iMappe(m_rod, navn);
}

bool slet(const QString &sti, Resultat &r, const Valg &valg)
{
    const QByteArray b = navnekode::kod(sti);
    struct stat st;
    if (::lstat(b.constData(), &st) != 0)
        return errno == ENOENT || tilfoejFejl(r, sti, errno);
    if (!S_ISDIR(st.st_mode))
        return fjernFil(AT_FDCWD, b, sti, st.st_size, r, valg);
    const QSet<QString> ekstra = valg.monteringspunkter.value_or(QSet<QString>());
    if (erMonteringspunkt(sti, ekstra)) {
        r.fejl.append({sti, QStringLiteral("mappen er et monteret drev")});
        return false;
    }
    const int fd = ::open(b.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return tilfoejFejl(r, sti, errno);
    const Identiteter ekstraId = identiteterAf(ekstra);
    Vandring v(ekstraId, valg, r);
    if (!v.toem(fd, kanonisk(sti), true))
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
    return fjernFil(AT_FDCWD, b, sti, st.st_size, r, valg);
}

bool sletTomMappe(const QString &sti, Resultat &r)
{
    return fjernTomMappe(navnekode::kod(sti), sti, r);
}

} // namespace sletning
