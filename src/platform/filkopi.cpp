#include "platform/filkopi.h"

#include "platform/identitet.h"
#include "platform/midlertidige.h"
#include "platform/monteringer.h"
#include "platform/navnekode.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace filkopi {

namespace {

constexpr qint64 Klump = 1 << 20;   // bytes per chunk between progress calls

SkriveFejl &skriveFejl()
{
    static SkriveFejl hook;
    return hook;
}

Synkronisering &synkronisering()
{
    static Synkronisering hook;
    return hook;
}

Kendetegn kendetegnAf(const struct stat &st)
{
    Kendetegn k;
    k.ok = true;
    k.dev = quint64(st.st_dev);
    k.ino = quint64(st.st_ino);
    k.stoerrelse = st.st_size;
    k.mtidSek = st.st_mtim.tv_sec;
    k.mtidNs = st.st_mtim.tv_nsec;
    k.ctidSek = st.st_ctim.tv_sec;
    k.ctidNs = st.st_ctim.tv_nsec;
    return k;
}

Resultat udfald(Udfald u, int fejl = 0, qint64 bytes = 0)
{
    Resultat r;
    r.udfald = u;
    r.fejl = fejl;
    r.bytes = bytes;
    return r;
}

Resultat fejlAf(int fejl, qint64 bytes = 0)
{
    if (fejl == ENOSPC || fejl == EDQUOT || fejl == EFBIG)
        return udfald(Udfald::DiskFuld, fejl, bytes);
    return udfald(Udfald::Fejl, fejl, bytes);
}

// Closes a descriptor when it goes out of scope unless released.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    // Closes now and reports the error close(2) gives: on some file systems
    // that is where a failed write first shows.
    int luk()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

QByteArray mappeDel(const QByteArray &sti)
{
    const qsizetype i = sti.lastIndexOf('/');
    if (i < 0)
        return QByteArrayLiteral(".");
    return i == 0 ? QByteArrayLiteral("/") : sti.left(i);
}

// A name beside the target that no one else uses: hidden, with the target's
// name in it when that fits, so a left-over after a crash says what it was.
QByteArray midlertidigtNavn(const QByteArray &til, int forsoeg)
{
    static std::atomic<quint64> taeller{0};
    const QByteArray mappe = mappeDel(til);
    const QByteArray navn = til.mid(til.lastIndexOf('/') + 1);
    const QByteArray skilletegn = mappe.endsWith('/') ? QByteArray() : QByteArrayLiteral("/");
    const quint64 nummer = ++taeller;
    const QByteArray kort = midlertidige::navn({}, ::getpid(), nummer);
    if (forsoeg == 0 && navn.size() + kort.size() < 200)
        return mappe + skilletegn + midlertidige::navn(navn, ::getpid(), nummer);
    return mappe + skilletegn + kort;
}

// Opens a fresh temporary file beside `til`.
int opretMidlertidig(const QByteArray &til, QByteArray &tmp)
{
    for (int forsoeg = 0; forsoeg < 3; ++forsoeg) {
        tmp = midlertidigtNavn(til, forsoeg);
        const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || (errno != EEXIST && errno != ENAMETOOLONG))
            return fd;
    }
    return -1;
}

// Gives the finished temporary file its final name. Without `erstat` an
// existing target is never replaced, also on file systems that do not know
// RENAME_NOREPLACE.
int giveNavn(const QByteArray &tmp, const QByteArray &til, bool erstat)
{
    if (erstat)
        return ::rename(tmp.constData(), til.constData()) == 0 ? 0 : errno;
    if (::renameat2(AT_FDCWD, tmp.constData(), AT_FDCWD, til.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    struct stat st;
    if (::lstat(til.constData(), &st) == 0)
        return EEXIST;
    return ::rename(tmp.constData(), til.constData()) == 0 ? 0 : errno;
}

// Copy_file_range keeps the data in the kernel; where it is refused (other
// file systems on older kernels, special file systems) read/write takes over.
bool kanIkkeKopiereIKernen(int fejl)
{
    return fejl == EXDEV || fejl == ENOSYS || fejl == EINVAL || fejl == EOPNOTSUPP || fejl == EBADF
        || fejl == EPERM || fejl == ETXTBSY;
}

class Kopist
{
public:
    Kopist(int fra, int til, qint64 stoerrelse, const QString &maal, const Fremskridt &fremskridt)
        : m_fra(fra), m_til(til), m_stoerrelse(stoerrelse), m_maal(maal), m_fremskridt(fremskridt)
    {
    }

    // Copies [start, slut); 0 or the errno that ended it, -1 for "Stop".
    int omraade(qint64 start, qint64 slut)
    {
        qint64 pos = start;
        while (pos < slut) {
            const qint64 n = qMin(Klump, slut - pos);
            if (const int f = injiceretFejl())
                return f;
            const qint64 skrevet = m_iKernen ? kernekopi(pos, n) : laesSkriv(pos, n);
            if (skrevet < 0)
                return m_fejl;
            if (skrevet == 0)
                return EIO;   // the source shrank under us
            pos += skrevet;
            m_bytes += skrevet;
            m_udfoert += skrevet;
            if (m_fremskridt && !m_fremskridt(m_udfoert, m_stoerrelse))
                return -1;
        }
        return 0;
    }

    // Copies from `pos` until the source ends, however far that is from
    // the size it had at the start; the end position, or -errno (-1 for
    // "Stop").
    qint64 resten(qint64 pos)
    {
        for (;;) {
            if (const int f = injiceretFejl())
                return -f;
            const qint64 skrevet = laesSkriv(pos, Klump);
            if (skrevet < 0)
                return -m_fejl;
            if (skrevet == 0)
                return pos;
            pos += skrevet;
            m_bytes += skrevet;
            m_udfoert += skrevet;
            if (m_fremskridt && !m_fremskridt(m_udfoert, m_stoerrelse))
                return -1;
        }
    }

    // The bytes of a hole count as done for the progress.
    void springOver(qint64 n) { m_udfoert += n; }
    qint64 bytes() const { return m_bytes; }

private:
    int injiceretFejl() const
    {
        return skriveFejl() ? skriveFejl()(m_maal) : 0;
    }

    qint64 kernekopi(qint64 pos, qint64 n)
    {
        loff_t ind = pos, ud = pos;
        for (;;) {
            const ssize_t r = ::copy_file_range(m_fra, &ind, m_til, &ud, size_t(n), 0);
            if (r >= 0)
                return r;
            if (errno == EINTR)
                continue;
            if (kanIkkeKopiereIKernen(errno) && m_bytes == 0) {
                m_iKernen = false;
                return laesSkriv(pos, n);
            }
            m_fejl = errno;
            return -1;
        }
    }

    qint64 laesSkriv(qint64 pos, qint64 n)
    {
        static thread_local std::vector<char> buffer = std::vector<char>(size_t(Klump));
        ssize_t r;
        do {
            r = ::pread(m_fra, buffer.data(), size_t(n), pos);
        } while (r < 0 && errno == EINTR);
        if (r < 0) {
            m_fejl = errno;
            return -1;
        }
        qint64 skrevet = 0;
        while (skrevet < r) {
            const ssize_t w = ::pwrite(m_til, buffer.data() + skrevet, size_t(r - skrevet), pos + skrevet);
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                m_fejl = errno;
                return -1;
            }
            skrevet += w;
        }
        return r;
    }

    int m_fra, m_til;
    qint64 m_stoerrelse;
    QString m_maal;
    const Fremskridt &m_fremskridt;
    bool m_iKernen = true;
    int m_fejl = 0;
    qint64 m_bytes = 0;
    qint64 m_udfoert = 0;
};

// Copies the data of a regular file, hole by hole: only the ranges that hold
// data are written, and the file gets its full length at the end. Then
// whatever lies beyond the size seen at the start is copied too; `slut` is
// the length the copy must have.
int kopierData(int fra, int til, const struct stat &st, const QString &maal, const Fremskridt &fremskridt,
               qint64 &bytes, qint64 &slut)
{
    const qint64 stoerrelse = st.st_size;
    Kopist kopist(fra, til, stoerrelse, maal, fremskridt);
    // A file whose blocks cover its length has no holes worth looking for.
    const bool harHuller = qint64(st.st_blocks) * 512 < stoerrelse;
    qint64 pos = 0;
    int fejl = 0;
    while (pos < stoerrelse && fejl == 0) {
        qint64 data = pos, hul = stoerrelse;
        if (harHuller) {
            data = ::lseek(fra, pos, SEEK_DATA);
            if (data < 0) {
                if (errno != ENXIO)
                    data = pos;              // no hole support: all data
                else
                    data = stoerrelse;       // only a hole is left
            }
            hul = data < stoerrelse ? ::lseek(fra, data, SEEK_HOLE) : stoerrelse;
            if (hul < 0 || hul > stoerrelse)
                hul = stoerrelse;
        }
        kopist.springOver(data - pos);
        fejl = kopist.omraade(data, hul);
        pos = hul;
    }
    // Only a file ending in a hole still lacks its full length.
    if (fejl == 0 && harHuller && ::ftruncate(til, stoerrelse) != 0)
        fejl = errno;
    slut = stoerrelse;
    if (fejl == 0) {
        const qint64 r = kopist.resten(stoerrelse);
        if (r < 0)
            fejl = r == -1 ? -1 : int(-r);
        else
            slut = r;
    }
    bytes = kopist.bytes();
    if (fejl == 0 && slut == 0 && fremskridt && !fremskridt(0, 0))
        fejl = -1;
    return fejl;
}

Resultat afslut(Fd &ud, const QByteArray &tmp, const QByteArray &til, bool erstat, bool fandtesFoer, qint64 bytes)
{
    // An overwrite reaches the disk before the old file goes, so a crash
    // cannot leave the user with neither.
    if (fandtesFoer && ::fdatasync(ud.get()) != 0 && errno != EINVAL) {
        const int f = errno;
        ::unlink(tmp.constData());
        return fejlAf(f, bytes);
    }
    if (const int f = ud.luk()) {
        ::unlink(tmp.constData());
        return fejlAf(f, bytes);
    }
    if (const int f = giveNavn(tmp, til, erstat)) {
        ::unlink(tmp.constData());
        return f == EEXIST || f == ENOTEMPTY ? udfald(Udfald::Findes, f) : fejlAf(f, bytes);
    }
    return udfald(Udfald::Ok, 0, bytes);
}

Resultat kopierFil(const QByteArray &fra, const QByteArray &til, bool erstat, bool fandtesFoer, const QString &maal,
                   const Fremskridt &fremskridt)
{
    // O_NONBLOCK: should the source have become a pipe since it was looked
    // at, opening it must not hang the program.
    Fd ind(::open(fra.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (ind.get() < 0)
        return errno == ENOENT ? udfald(Udfald::KildeMangler, ENOENT) : fejlAf(errno);
    struct stat st;
    if (::fstat(ind.get(), &st) != 0)
        return fejlAf(errno);
    if (!S_ISREG(st.st_mode))
        return udfald(Udfald::Speciel);

    QByteArray tmp;
    Fd ud(opretMidlertidig(til, tmp));
    if (ud.get() < 0)
        return fejlAf(errno);
    qint64 bytes = 0, slut = 0;
    const int fejl = kopierData(ind.get(), ud.get(), st, maal, fremskridt, bytes, slut);
    struct stat kopi;
    int efter = fejl;
    if (efter == 0 && ::fstat(ud.get(), &kopi) != 0)
        efter = errno;
    else if (efter == 0 && kopi.st_size != slut)
        efter = EIO;   // the copy is not what was read: never call it done
    if (efter == 0 && ::fchmod(ud.get(), st.st_mode & 07777) != 0)
        efter = errno;
    const struct timespec tider[2] = {st.st_atim, st.st_mtim};
    if (efter == 0 && ::futimens(ud.get(), tider) != 0)
        efter = errno;
    if (efter != 0) {
        ::unlink(tmp.constData());
        return efter < 0 ? udfald(Udfald::Stoppet, 0, bytes) : fejlAf(efter, bytes);
    }
    Resultat r = afslut(ud, tmp, til, erstat, fandtesFoer, bytes);
    r.kilde = kendetegnAf(st);
    return r;
}

Resultat kopierLink(const QByteArray &fra, const QByteArray &til, bool erstat)
{
    std::vector<char> maal(4096);
    for (;;) {
        const ssize_t n = ::readlink(fra.constData(), maal.data(), maal.size());
        if (n < 0)
            return errno == ENOENT ? udfald(Udfald::KildeMangler, ENOENT) : fejlAf(errno);
        if (size_t(n) < maal.size()) {
            maal[size_t(n)] = '\0';
            break;
        }
        maal.resize(maal.size() * 2);
    }
    for (int forsoeg = 0; forsoeg < 3; ++forsoeg) {
        const QByteArray tmp = midlertidigtNavn(til, forsoeg);
        if (::symlink(maal.data(), tmp.constData()) != 0) {
            if (errno == EEXIST || errno == ENAMETOOLONG)
                continue;
            return fejlAf(errno);
        }
        struct stat st;
        const bool set = ::lstat(fra.constData(), &st) == 0;
        if (set) {
            const struct timespec tider[2] = {st.st_atim, st.st_mtim};
            ::utimensat(AT_FDCWD, tmp.constData(), tider, AT_SYMLINK_NOFOLLOW);
        }
        if (const int f = giveNavn(tmp, til, erstat)) {
            ::unlink(tmp.constData());
            return f == EEXIST || f == ENOTEMPTY ? udfald(Udfald::Findes, f) : fejlAf(f);
        }
        Resultat r = udfald(Udfald::Ok);
        if (set)
            r.kilde = kendetegnAf(st);
        return r;
    }
    return fejlAf(EEXIST);
}

bool sammeInode(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

Resultat kopier(const QString &fra, const QString &til, bool erstat, const Fremskridt &fremskridt)
{
    const QByteArray f = navnekode::kod(fra);
    const QByteArray t = navnekode::kod(til);
    struct stat kilde;
    if (::lstat(f.constData(), &kilde) != 0)
        return errno == ENOENT ? udfald(Udfald::KildeMangler, ENOENT) : fejlAf(errno);
    if (!S_ISREG(kilde.st_mode) && !S_ISLNK(kilde.st_mode))
        return udfald(S_ISDIR(kilde.st_mode) ? Udfald::Fejl : Udfald::Speciel, S_ISDIR(kilde.st_mode) ? EISDIR : 0);

    struct stat maal;
    const bool fandtes = ::lstat(t.constData(), &maal) == 0;
    if (fandtes) {
        // The same element under another name (a link, a hard link, a name
        // spelt in another case on a volume that ignores case): copying onto
        // it would destroy the very data being copied.
        struct stat a, b;
        if (sammeInode(kilde, maal)
            || (::stat(f.constData(), &a) == 0 && ::stat(t.constData(), &b) == 0 && sammeInode(a, b)))
            return udfald(Udfald::SammeElement);
        // Some case-folding volumes give each spelling its own inode: a
        // replacement is only made once it is certain to be another element.
        if (erstat && !S_ISDIR(maal.st_mode) && identitet::sammeElement(fra, til))
            return udfald(Udfald::SammeElement);
        if (!erstat || S_ISDIR(maal.st_mode))
            return udfald(Udfald::Findes, EEXIST);
    }
    if (S_ISLNK(kilde.st_mode))
        return kopierLink(f, t, erstat);
    return kopierFil(f, t, erstat, fandtes, til, fremskridt);
}

bool sammeElement(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(navnekode::kod(a).constData(), &sa) == 0 && ::stat(navnekode::kod(b).constData(), &sb) == 0
        && sammeInode(sa, sb);
}

bool erEgenMappe(const QString &sti)
{
    struct stat st;
    return ::lstat(navnekode::kod(sti).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool andetDrev(const QString &a, const QString &b)
{
    // A mount id where the kernel tells it: two bind mounts of one file
    // system share a device, yet a rename between them fails.
    return montering::idOver(navnekode::kod(a)) != montering::idOver(navnekode::kod(b));
}

Kendetegn kendetegn(const QString &sti)
{
    struct stat st;
    if (::lstat(navnekode::kod(sti).constData(), &st) != 0)
        return {};
    return kendetegnAf(st);
}

int synkroniserDrev(const QString &mappe)
{
    if (synkronisering())
        return synkronisering()(mappe);
    const int fd = ::open(navnekode::kod(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int fejl = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return fejl;
}

void saetSynkronisering(Synkronisering hook)
{
    synkronisering() = std::move(hook);
}

Resultat opretMappe(const QString &sti)
{
    const QByteArray s = navnekode::kod(sti);
    if (::mkdir(s.constData(), 0700) == 0)
        return udfald(Udfald::Ok);
    const int fejl = errno;
    struct stat st;
    if (fejl == EEXIST && ::stat(s.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return udfald(Udfald::Findes, EEXIST);
    return fejlAf(fejl);
}

void kopierMappeEgenskaber(const QString &kilde, const QString &maal)
{
    struct stat st;
    const QByteArray m = navnekode::kod(maal);
    if (::stat(navnekode::kod(kilde).constData(), &st) != 0)
        return;
    ::chmod(m.constData(), st.st_mode & 07777);
    const struct timespec tider[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, m.constData(), tider, 0);
}

void saetSkriveFejl(SkriveFejl hook)
{
    skriveFejl() = std::move(hook);
}

} // namespace filkopi
