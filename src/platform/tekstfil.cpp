#include "platform/tekstfil.h"

#include "platform/navnekode.h"

#include "core/beskeder.h"
#include "core/dansk.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QStringConverter>
#include <QStringDecoder>
#include <QtDebug>

#include <atomic>
#include <climits>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tekstfil {

namespace {

// ---------------------------------------------------------------- the register

// Files told about and files never to be written over, shared by every
// window and engine of the run.
struct Register
{
    QMutex laas;
    QSet<QString> meldte;
    QSet<QString> beskyttede;
    std::function<void(const QString &)> melder;
};

Register &reg()
{
    static Register r;
    return r;
}

QString noegle(const QString &filnavn)
{
    return QDir::cleanPath(QDir(filnavn).absolutePath());
}

// Tells the user about a file once in the run; `beskyt` keeps it from being
// written over.
void meld(const QString &filnavn, const QString &besked, bool beskyt)
{
    const QString n = noegle(filnavn);
    std::function<void(const QString &)> melder;
    {
        QMutexLocker l(&reg().laas);
        if (beskyt)
            reg().beskyttede.insert(n);
        if (reg().meldte.contains(n))
            return;
        reg().meldte.insert(n);
        melder = reg().melder;
    }
    if (melder)
        melder(besked);
    else
        qWarning().noquote() << QString(besked).replace(u'\r', u' ');
}

bool beskyttet(const QString &filnavn)
{
    QMutexLocker l(&reg().laas);
    return reg().beskyttede.contains(noegle(filnavn));
}

// ---------------------------------------------------------------- messages

QString aarsag(int fejl)
{
    switch (fejl) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Der mangler rettigheder til at læse den.");
    case ELOOP:
        return QStringLiteral("Den er et link, der peger i ring.");
    default:
        return beskeder::ukendtFejl();
    }
}

QString ikkeEnFil(const QString &filnavn)
{
    return QStringLiteral("Filen\r") + filnavn
           + QStringLiteral("\rer ikke en almindelig fil (eller et link til en) og bliver ikke læst.\r"
                            "Programmet skriver heller ikke i den.");
}

QString forStor(const QString &filnavn, qint64 maks)
{
    return QStringLiteral("Filen\r") + filnavn + QStringLiteral("\rer større end ") + dansk::heltal(maks / 1024)
           + QStringLiteral(" KB og bliver ikke læst.\rProgrammet skriver heller ikke over den.");
}

QString ulaeselig(const QString &filnavn, int fejl)
{
    return QStringLiteral("Filen\r") + filnavn + QStringLiteral("\rkunne ikke læses. ") + aarsag(fejl)
           + QStringLiteral("\rProgrammet skriver ikke over den.");
}

QString skrivesIkke(const QString &filnavn)
{
    return QStringLiteral("Filen\r") + filnavn
           + QStringLiteral("\rer ikke en almindelig fil (eller et link til en), så programmet skriver ikke i den.");
}

// ---------------------------------------------------------------- reading

enum class Fund { Ok, Mangler, IkkeFil, ForStor, Fejl };

struct Laest
{
    Fund fund = Fund::Ok;
    int fejl = 0;
    QByteArray data;
};

bool laesAlt(int fd, qint64 maks, QByteArray &data)
{
    // One byte more than allowed tells a file that grew past the cap.
    data.resize(qsizetype(qMin<qint64>(maks + 1, 64 * 1024)));
    qsizetype brugt = 0;
    for (;;) {
        if (brugt == data.size()) {
            if (brugt > maks)
                break;
            data.resize(qsizetype(qMin<qint64>(maks + 1, qint64(data.size()) * 2)));
        }
        const ssize_t n = ::read(fd, data.data() + brugt, size_t(data.size() - brugt));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        brugt += n;
    }
    data.resize(brugt);
    return true;
}

Laest laes(const QString &filnavn, qint64 maks)
{
    Laest r;
    const QByteArray sti = navnekode::kod(filnavn);
    struct stat st;
    // Looked at before it is opened: opening a pipe waits for a writer, and
    // opening a device may do something.
    if (::stat(sti.constData(), &st) != 0) {
        r.fejl = errno;
        struct stat link;
        if (r.fejl == ENOENT && ::lstat(sti.constData(), &link) == 0)
            r.fund = Fund::IkkeFil;   // a link that leads nowhere
        else
            r.fund = r.fejl == ENOENT || r.fejl == ENOTDIR ? Fund::Mangler : Fund::Fejl;
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.fund = Fund::IkkeFil;
        return r;
    }
    if (st.st_size > maks) {
        r.fund = Fund::ForStor;
        return r;
    }
    const int fd = ::open(sti.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        r.fejl = errno;
        r.fund = r.fejl == ENOENT ? Fund::Mangler : Fund::Fejl;
        return r;
    }
    // The name may have been swapped for something else since it was looked at.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.fund = Fund::IkkeFil;
        return r;
    }
    if (!laesAlt(fd, maks, r.data)) {
        r.fejl = errno;
        r.fund = Fund::Fejl;
    } else if (r.data.size() > maks) {
        r.fund = Fund::ForStor;
    }
    ::close(fd);
    if (r.fund != Fund::Ok)
        r.data.clear();
    return r;
}

// ---------------------------------------------------------------- writing

QByteArray mappeDel(const QByteArray &sti)
{
    const qsizetype i = sti.lastIndexOf('/');
    if (i < 0)
        return QByteArrayLiteral(".");
    return i == 0 ? QByteArrayLiteral("/") : sti.left(i);
}

enum class Maal { Fil, Ny, IkkeFil, Fejl };

// Where the bytes for `sti` go: the file itself, or the regular file its
// links lead to. A link that leads to anything else, or nowhere, is not
// written through.
Maal findMaal(QByteArray &sti, struct stat &st)
{
    for (int led = 0; led < 40; ++led) {
        if (::lstat(sti.constData(), &st) != 0)
            return errno == ENOENT && led == 0 ? Maal::Ny : (errno == ENOENT ? Maal::IkkeFil : Maal::Fejl);
        if (S_ISREG(st.st_mode))
            return Maal::Fil;
        if (!S_ISLNK(st.st_mode))
            return Maal::IkkeFil;
        QByteArray maal(qsizetype(PATH_MAX), '\0');
        const ssize_t n = ::readlink(sti.constData(), maal.data(), size_t(maal.size()));
        if (n <= 0 || n >= maal.size())
            return Maal::Fejl;
        maal.resize(n);
        sti = maal.startsWith('/') ? maal : mappeDel(sti) + '/' + maal;
    }
    return Maal::IkkeFil;
}

bool skrivAlt(int fd, const QByteArray &data)
{
    qsizetype skrevet = 0;
    while (skrevet < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + skrevet, size_t(data.size() - skrevet));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        skrevet += n;
    }
    return true;
}

// Makes the rename itself durable; a file system that cannot sync a folder
// has still renamed.
void synkMappe(const QByteArray &mappe)
{
    const int fd = ::open(mappe.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool skrivOgOmdoeb(const QByteArray &til, const QByteArray &data, const struct stat *gammel)
{
    QByteArray tmp;
    int fd = -1;
    for (int forsoeg = 0; forsoeg < 3 && fd < 0; ++forsoeg) {
        tmp = midlertidigtNavn(til);
        // A new file gets the usual rights (the umask applies); a replaced one
        // keeps its own, set below before the new bytes become visible.
        fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, gammel ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = skrivAlt(fd, data) && ::fsync(fd) == 0;
    if (ok && gammel)
        ok = ::fchmod(fd, gammel->st_mode & 07777) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(tmp.constData(), til.constData()) == 0;
    if (!ok) {
        const int fejl = errno;
        ::unlink(tmp.constData());
        errno = fejl;
        return false;
    }
    synkMappe(mappeDel(til));
    return true;
}

bool kanLaeses(const QByteArray &sti)
{
    const int fd = ::open(sti.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno != EACCES && errno != EPERM;
    ::close(fd);
    return true;
}

} // namespace

QString dekod(const QByteArray &bytes)
{
    if (auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom, QStringConverter::Flag::ConvertInitialBom);
        QString text = decoder.decode(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fraWindows1252(bytes);
}

QString fraWindows1252(const QByteArray &bytes)
{
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

QStringList splitLinjer(const QString &tekst)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(tekst.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(tekst.mid(start));
    return lines;
}

QByteArray kod(const QStringList &linjer)
{
    QByteArray out;
    for (const QString &line : linjer) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

QByteArray hentBytes(const QString &filnavn, qint64 maks, Laesning *status, bool medMelding)
{
    Laest r = laes(filnavn, maks);
    Laesning s = Laesning::Fejl;
    switch (r.fund) {
    case Fund::Ok:
        s = Laesning::Ok;
        break;
    case Fund::Mangler:
        s = Laesning::Mangler;
        break;
    case Fund::IkkeFil:
        if (medMelding)
            meld(filnavn, ikkeEnFil(filnavn), true);
        break;
    case Fund::ForStor:
        if (medMelding)
            meld(filnavn, forStor(filnavn, maks), true);
        break;
    case Fund::Fejl:
        if (medMelding)
            meld(filnavn, ulaeselig(filnavn, r.fejl), true);
        break;
    }
    if (status)
        *status = s;
    return std::move(r.data);
}

QStringList hent(const QString &filnavn, Laesning *status)
{
    return hent(filnavn, Art::Liste, status);
}

QStringList hent(const QString &filnavn, Art art, Laesning *status)
{
    Laesning s = Laesning::Ok;
    const QByteArray data = hentBytes(filnavn, maksStoerrelse(art), &s, true);
    if (status)
        *status = s;
    return s == Laesning::Ok ? splitLinjer(dekod(data)) : QStringList();
}

Skrivning skrivBytes(const QString &filnavn, const QByteArray &data)
{
    // Told already when it was read; saying it again at every save would
    // only repeat that.
    if (beskyttet(filnavn))
        return Skrivning::Afvist;
    QByteArray til = navnekode::kod(filnavn);
    struct stat st;
    switch (findMaal(til, st)) {
    case Maal::Fil:
        if (!kanLaeses(til)) {
            meld(filnavn, ulaeselig(filnavn, EACCES), true);
            return Skrivning::Afvist;
        }
        return skrivOgOmdoeb(til, data, &st) ? Skrivning::Skrevet : Skrivning::Fejl;
    case Maal::Ny:
        return skrivOgOmdoeb(til, data, nullptr) ? Skrivning::Skrevet : Skrivning::Fejl;
    case Maal::IkkeFil:
        meld(filnavn, skrivesIkke(filnavn), true);
        return Skrivning::Afvist;
    case Maal::Fejl:
        break;
    }
    return Skrivning::Fejl;
}

Skrivning skriv(const QString &filnavn, const QStringList &linjer)
{
    return skrivBytes(filnavn, kod(linjer));
}

bool gem(const QString &filnavn, const QStringList &linjer)
{
    return skriv(filnavn, linjer) == Skrivning::Skrevet;
}

bool gemBytes(const QString &filnavn, const QByteArray &data)
{
    return skrivBytes(filnavn, data) == Skrivning::Skrevet;
}

void saetMelder(std::function<void(const QString &)> melder)
{
    QMutexLocker l(&reg().laas);
    reg().melder = std::move(melder);
}

QByteArray midlertidigtNavn(const QByteArray &til)
{
    static std::atomic<quint64> taeller{0};
    static const QByteArray pid = QByteArray::number(::getpid());
    const QByteArray mappe = mappeDel(til);
    const QByteArray navn = til.mid(til.lastIndexOf('/') + 1);
    const QByteArray hale = ".marvikel-" + pid + '-' + QByteArray::number(++taeller);
    const QByteArray skilletegn = mappe.endsWith('/') ? QByteArray() : QByteArrayLiteral("/");
    // A name too long for the file system loses the target's name.
    if (navn.size() + hale.size() < 200)
        return mappe + skilletegn + '.' + navn + hale;
    return mappe + skilletegn + hale;
}

bool erMidlertidigtNavn(const QString &navn)
{
    static const QRegularExpression moenster(QStringLiteral("^\\.(.+\\.)?marvikel-[0-9]+-[0-9]+$"));
    return moenster.match(navn).hasMatch();
}

int fjernEfterladte(const QString &mappe)
{
    int fjernet = 0;
    const QStringList navne = QDir(mappe).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &navn : navne) {
        if (!erMidlertidigtNavn(navn))
            continue;
        const QByteArray sti = navnekode::kod(mappe + u'/' + navn);
        struct stat st;
        if (::lstat(sti.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(sti.constData()) == 0)
            ++fjernet;
    }
    return fjernet;
}

} // namespace tekstfil
