#include "platform/mappetotal.h"

#include "platform/monteringer.h"
#include "platform/navnekode.h"

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <unordered_set>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace mappetotal {

namespace {

// A file known by its device and inode, for files with several hard links.
struct FilId
{
    quint64 dev;
    quint64 ino;
    bool operator==(const FilId &o) const { return dev == o.dev && ino == o.ino; }
};
struct FilIdHash
{
    size_t operator()(const FilId &f) const { return std::hash<quint64>()(f.ino * 31 + f.dev); }
};

// What the threads share: the folders waiting to be read and the hard-linked
// files already counted. Folders are kept as paths relative to the root and
// opened from its descriptor, so a deep tree never needs long paths.
struct Delt
{
    int rodFd = -1;
    montering::Sted rod;
    const std::atomic<bool> *stop = nullptr;
    Fremdrift *fremdrift = nullptr;
    int traade = 1;

    std::mutex laas;
    std::condition_variable vaek;
    std::vector<QByteArray> stak;
    int ventende = 0;
    bool faerdig = false;
    std::atomic<int> venter{0};

    std::mutex linkLaas;
    std::unordered_set<FilId, FilIdHash> links;

    bool stoppet() const { return stop && stop->load(std::memory_order_relaxed); }
};

class Arbejder
{
public:
    explicit Arbejder(Delt &d) : m_d(d), m_buffer(64 * 1024) {}

    void koer()
    {
        while (hentArbejde()) {
            while (!m_lokal.empty()) {
                if (m_d.stoppet()) {
                    m_r.afbrudt = true;
                    m_lokal.clear();
                    break;
                }
                QByteArray rel = std::move(m_lokal.back());
                m_lokal.pop_back();
                laesMappe(rel);
                delUd();
            }
        }
    }

    Resultat m_r;

private:
    // Takes folders from the shared stack; false when every thread is idle
    // and nothing is left (or the walk was stopped).
    bool hentArbejde()
    {
        std::unique_lock lock(m_d.laas);
        for (;;) {
            if (m_d.faerdig)
                return false;
            if (!m_d.stak.empty() && !m_d.stoppet()) {
                m_lokal.push_back(std::move(m_d.stak.back()));
                m_d.stak.pop_back();
                return true;
            }
            ++m_d.ventende;
            m_d.venter.store(m_d.ventende, std::memory_order_relaxed);
            if (m_d.ventende == m_d.traade) {
                m_d.faerdig = true;
                m_d.vaek.notify_all();
                return false;
            }
            m_d.vaek.wait(lock);
            --m_d.ventende;
            m_d.venter.store(m_d.ventende, std::memory_order_relaxed);
        }
    }

    // Hands half of this thread's folders to the shared stack when another
    // thread has nothing to do.
    void delUd()
    {
        if (m_d.venter.load(std::memory_order_relaxed) == 0 || m_lokal.size() < 2)
            return;
        std::lock_guard lock(m_d.laas);
        const size_t halvdel = m_lokal.size() / 2;
        for (size_t i = 0; i < halvdel; ++i)
            m_d.stak.push_back(std::move(m_lokal[i]));
        m_lokal.erase(m_lokal.begin(), m_lokal.begin() + qsizetype(halvdel));
        m_d.vaek.notify_all();
    }

    int aabn(const QByteArray &rel)
    {
        if (rel.isEmpty())
            return ::fcntl(m_d.rodFd, F_DUPFD_CLOEXEC, 0);
        return ::openat(m_d.rodFd, rel.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }

    void laesMappe(const QByteArray &rel)
    {
        const int fd = aabn(rel);
        if (fd < 0) {
            ++m_r.ulaesteMapper;
            return;
        }
        if (!rel.isEmpty()) {
            const montering::Sted her = montering::sted(fd, "");
            if (!her.ok || montering::andenMontering(m_d.rod, her)) {
                ++m_r.andreDrev;
                ::close(fd);
                return;
            }
        }
        const Resultat foer = m_r;
        const QByteArray forstavelse = rel.isEmpty() ? QByteArray() : rel + '/';
        for (;;) {
            const ssize_t n = ::getdents64(fd, m_buffer.data(), m_buffer.size());
            if (n == 0)
                break;
            if (n < 0) {
                ++m_r.ulaesteMapper;
                break;
            }
            for (ssize_t pos = 0; pos < n;) {
                const auto *e = reinterpret_cast<const struct dirent64 *>(m_buffer.data() + pos);
                pos += e->d_reclen;
                post(fd, forstavelse, e->d_name, e->d_type);
            }
        }
        ::close(fd);
        if (Fremdrift *f = m_d.fremdrift) {
            f->bytes.fetch_add(m_r.bytes - foer.bytes, std::memory_order_relaxed);
            f->filer.fetch_add(m_r.filer - foer.filer, std::memory_order_relaxed);
            f->mapper.fetch_add(m_r.mapper - foer.mapper, std::memory_order_relaxed);
        }
    }

    void post(int fd, const QByteArray &forstavelse, const char *navn, unsigned char type)
    {
        if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
            return;
        if (type == DT_DIR) {
            ++m_r.mapper;
            m_lokal.push_back(forstavelse + navn);
            return;
        }
        // Only what the total needs: the size, and the link count to know
        // a hard-linked file; the type only where the listing did not say.
        unsigned int maske = STATX_SIZE | STATX_NLINK;
        if (type == DT_UNKNOWN)
            maske |= STATX_TYPE;
        struct statx sx;
        if (::statx(fd, navn, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC | AT_NO_AUTOMOUNT, maske, &sx) != 0) {
            ++m_r.ulaesteFiler;
            return;
        }
        if (type == DT_UNKNOWN && S_ISDIR(sx.stx_mode)) {
            ++m_r.mapper;
            m_lokal.push_back(forstavelse + navn);
            return;
        }
        if (sx.stx_nlink > 1 && !S_ISDIR(sx.stx_mode) && !foersteLink(sx))
            return;
        ++m_r.filer;
        m_r.bytes += qint64(sx.stx_size);
    }

    bool foersteLink(const struct statx &sx)
    {
        const FilId id{quint64(makedev(sx.stx_dev_major, sx.stx_dev_minor)), quint64(sx.stx_ino)};
        std::lock_guard lock(m_d.linkLaas);
        return m_d.links.insert(id).second;
    }

    Delt &m_d;
    std::vector<char> m_buffer;
    std::vector<QByteArray> m_lokal;
};

void laegTil(Resultat &til, const Resultat &r)
{
    til.bytes += r.bytes;
    til.filer += r.filer;
    til.mapper += r.mapper;
    til.ulaesteMapper += r.ulaesteMapper;
    til.ulaesteFiler += r.ulaesteFiler;
    til.andreDrev += r.andreDrev;
    til.afbrudt = til.afbrudt || r.afbrudt;
}

} // namespace

Resultat beregn(const QString &mappe, const std::atomic<bool> *stop, Fremdrift *fremdrift, int traade)
{
    Resultat ud;
    Delt d;
    d.rodFd = ::open(navnekode::kod(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d.rodFd < 0) {
        ud.fejl = errno;
        return ud;
    }
    d.rod = montering::sted(d.rodFd, "");
    d.stop = stop;
    d.fremdrift = fremdrift;
    d.traade = std::max(1, traade);
    d.stak.push_back(QByteArray());

    std::vector<Arbejder> arbejdere;
    arbejdere.reserve(size_t(d.traade));
    for (int i = 0; i < d.traade; ++i)
        arbejdere.emplace_back(d);
    std::vector<std::thread> traadListe;
    for (int i = 1; i < d.traade; ++i)
        traadListe.emplace_back([&arbejdere, i] { arbejdere[size_t(i)].koer(); });
    arbejdere[0].koer();
    for (std::thread &t : traadListe)
        t.join();
    ::close(d.rodFd);

    for (const Arbejder &a : arbejdere)
        laegTil(ud, a.m_r);
    if (d.stoppet())
        ud.afbrudt = true;
    return ud;
}

} // namespace mappetotal
