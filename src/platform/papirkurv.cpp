#include "platform/papirkurv.h"

#include "platform/fejlgrund.h"
#include "platform/monteringer.h"
#include "platform/navnekode.h"
#include "platform/navneskift.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace papirkurv {

namespace {

// After this many taken names the trash is taken to be unusable.
constexpr int FrieNavneForsoeg = 10000;

const QString IngenKurv = QStringLiteral("der kunne ikke findes eller oprettes en papirkurv på drevet");

QString plus(const QString &mappe, const QString &navn)
{
    return (mappe.endsWith(QLatin1Char('/')) ? mappe : mappe + QLatin1Char('/')) + navn;
}

bool erUnder(const QString &sti, const QString &mappe)
{
    return sti == mappe || mappe == QLatin1String("/") || sti.startsWith(mappe + QLatin1Char('/'));
}

bool lstatSti(const QString &sti, struct stat &st)
{
    return ::lstat(navnekode::kod(sti).constData(), &st) == 0;
}

// A folder of ours: it exists (or is made, mode 0700) as a real folder, not
// a link, owned by the user.
bool egenMappe(const QString &sti, QString *grund)
{
    const QByteArray b = navnekode::kod(sti);
    if (::mkdir(b.constData(), 0700) != 0 && errno != EEXIST) {
        if (grund)
            *grund = fejlgrund::grund(errno);
        return false;
    }
    struct stat st;
    if (::lstat(b.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        if (grund)
            *grund = IngenKurv;
        return false;
    }
    return true;
}

bool klargoer(const QString &mappe, QString *grund)
{
    return egenMappe(mappe, grund) && egenMappe(plus(mappe, QStringLiteral("files")), grund)
        && egenMappe(plus(mappe, QStringLiteral("info")), grund);
}

// The nearest existing folder at or above `sti`.
QString eksisterendeOver(QString sti)
{
    struct stat st;
    while (!sti.isEmpty() && sti != QLatin1String("/") && !lstatSti(sti, st)) {
        const qsizetype i = sti.lastIndexOf(QLatin1Char('/'));
        sti = i <= 0 ? QStringLiteral("/") : sti.left(i);
    }
    return sti.isEmpty() ? QStringLiteral("/") : sti;
}

// "name", "name.2", "name.3", … with the extension kept last.
QString kandidat(const QString &navn, int n)
{
    if (n == 1)
        return navn;
    const qsizetype punkt = navn.lastIndexOf(QLatin1Char('.'));
    const QString tal = QLatin1Char('.') + QString::number(n);
    if (punkt <= 0)
        return navn + tal;
    return navn.left(punkt) + tal + navn.mid(punkt);
}

// True when the volume with top folder `top` already has a trash of ours.
bool harVolumenKurv(const QString &top)
{
    struct stat st;
    const QString uid = QString::number(::getuid());
    return (lstatSti(plus(plus(top, QStringLiteral(".Trash")), uid), st) && S_ISDIR(st.st_mode))
        || (lstatSti(plus(top, QStringLiteral(".Trash-") + uid), st) && S_ISDIR(st.st_mode));
}

// True when `mappe` still holds the folders "files" and "info".
bool erKurv(const QString &mappe)
{
    struct stat st;
    return lstatSti(plus(mappe, QStringLiteral("files")), st) && S_ISDIR(st.st_mode)
        && lstatSti(plus(mappe, QStringLiteral("info")), st) && S_ISDIR(st.st_mode);
}

bool skrivNy(const QString &sti, const QByteArray &data)
{
    const int fd = ::open(navnekode::kod(sti).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    const int gemt = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(navnekode::kod(sti).constData());
        errno = ok ? errno : gemt;
        return false;
    }
    return true;
}

QStringList navneI(const QString &mappe)
{
    QStringList ud;
    DIR *d = ::opendir(navnekode::kod(mappe).constData());
    if (!d)
        return ud;
    while (const dirent *e = ::readdir(d)) {
        const char *n = e->d_name;
        if (!(n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))))
            ud.append(navnekode::dekod(n, qsizetype(std::strlen(n))));
    }
    ::closedir(d);
    return ud;
}

} // namespace

Kilder Kilder::system()
{
    Kilder k;
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    k.dataHjem = xdg.startsWith('/') ? QString::fromLocal8Bit(xdg)
                                     : QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.local/share");
    return k;
}

Papirkurv::Papirkurv(const Kilder &kilder)
    : m_kilder(kilder)
{
    for (const Montering &m : Monteringer::systemets(kilder.mountinfo))
        m_monteringspunkter.append(m.monteringspunkt);
}

std::optional<Kurv> Papirkurv::hjemmeKurv(QString *grund) const
{
    if (!m_kilder.dataHjem.startsWith(QLatin1Char('/'))) {
        if (grund)
            *grund = IngenKurv;
        return std::nullopt;
    }
    const QString mappe = plus(m_kilder.dataHjem, QStringLiteral("Trash"));
    // The data folder itself may be missing on a fresh account.
    QByteArray sti;
    for (const QString &del : m_kilder.dataHjem.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        sti += '/' + navnekode::kod(del);
        if (::mkdir(sti.constData(), 0700) != 0 && errno != EEXIST) {
            if (grund)
                *grund = fejlgrund::grund(errno);
            return std::nullopt;
        }
    }
    if (!klargoer(mappe, grund))
        return std::nullopt;
    return Kurv{mappe, {}};
}

std::optional<Kurv> Papirkurv::hjemmeKurvHusket(QString *grund)
{
    if (!m_hjemmeKurv)
        m_hjemmeKurv = hjemmeKurv(grund);
    return m_hjemmeKurv;
}

std::optional<dev_t> Papirkurv::hjemmeDrev()
{
    if (!m_hjemmeDrev) {
        struct stat hjem;
        if (!lstatSti(eksisterendeOver(m_kilder.dataHjem), hjem))
            return std::nullopt;
        m_hjemmeDrev = hjem.st_dev;
    }
    return m_hjemmeDrev;
}

std::optional<Kurv> Papirkurv::volumenKurv(const QString &top, QString *grund)
{
    const QString uid = QString::number(::getuid());
    const QString delt = plus(top, QStringLiteral(".Trash"));
    struct stat st;
    if (lstatSti(delt, st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QString mappe = plus(delt, uid);
        if (klargoer(mappe, nullptr))
            return Kurv{mappe, top};
    }
    const QString egen = plus(top, QStringLiteral(".Trash-") + uid);
    if (!klargoer(egen, grund))
        return std::nullopt;
    return Kurv{egen, top};
}

QString Papirkurv::topmappeAf(const QString &sti) const
{
    const QString rent = sletning::kanonisk(sti);
    QString bedste = QStringLiteral("/");
    for (const QString &m : m_monteringspunkter) {
        if (m.size() > bedste.size() && erUnder(rent, m))
            bedste = m;
    }
    return bedste;
}

namespace {
Svar flytRentTilKurv(const QString &sti, const QString &rent, const Kurv &kurv, const QDateTime &tid);
} // namespace

Svar Papirkurv::flyt(const QString &sti, const QDateTime &tid)
{
    struct stat element;
    if (!lstatSti(sti, element))
        return {false, QStringLiteral("elementet findes ikke"), {}};
    QString grund;
    if (hjemmeDrev() == element.st_dev) {
        // The home volume has the home trash and no other: when that one is
        // refused, the element stays rather than a trash being made at the
        // top of the volume (the root of the system disk, as a rule).
        std::optional<Kurv> k = hjemmeKurvHusket(&grund);
        if (!k)
            return {false, grund.isEmpty() ? IngenKurv : grund, {}};
        Svar s = flytRentTilKurv(sti, m_kanonisk.kanonisk(sti), *k, tid);
        if (!s.ok && !s.andetDrev && !erKurv(k->mappe)) {
            // The remembered trash may have been removed meanwhile: it is
            // looked for (and made) once more before the element is refused.
            m_hjemmeKurv.reset();
            k = hjemmeKurvHusket(&grund);
            if (!k)
                return {false, grund.isEmpty() ? IngenKurv : grund, {}};
            s = flytTilKurv(sti, *k, tid);
        }
        // A bind mount shares the device number but not the volume:
        // the volume's own trash is tried next.
        if (!s.andetDrev)
            return s;
    }
    const QString top = topmappeAf(sti);
    if (top == QLatin1String("/") && !harVolumenKurv(top))
        return {false, IngenKurv, {}};   // no trash is ever made at the root of the system disk
    const std::optional<Kurv> k = volumenKurv(top, &grund);
    if (!k)
        return {false, grund.isEmpty() ? IngenKurv : grund, {}};
    return flytRentTilKurv(sti, m_kanonisk.kanonisk(sti), *k, tid);
}

QList<Kurv> Papirkurv::kurveForVolumen(const QString &sti) const
{
    QList<Kurv> ud;
    const QString top = topmappeAf(sti);
    const QString hjemmeMappe = plus(m_kilder.dataHjem, QStringLiteral("Trash"));
    struct stat st;
    if (lstatSti(hjemmeMappe, st) && S_ISDIR(st.st_mode) && topmappeAf(hjemmeMappe) == top)
        ud.append({hjemmeMappe, {}});
    const QString uid = QString::number(::getuid());
    for (const QString &m : {plus(plus(top, QStringLiteral(".Trash")), uid), plus(top, QStringLiteral(".Trash-") + uid)}) {
        if (lstatSti(m, st) && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            ud.append({m, top});
    }
    return ud;
}

namespace {

// The ".trashinfo" content for the element whose resolved path is `sted`.
QByteArray trashinfoAf(QString sted, const Kurv &kurv, const QDateTime &tid)
{
    if (!kurv.topmappe.isEmpty() && kurv.topmappe != QLatin1String("/") && erUnder(sted, kurv.topmappe))
        sted = sted.mid(kurv.topmappe.size() + 1);
    return QByteArrayLiteral("[Trash Info]\nPath=") + navnekode::procentKod(sted)
         + QByteArrayLiteral("\nDeletionDate=") + tid.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1()
         + '\n';
}

// Moves `sti`, whose resolved path is `rent`, into `kurv` under a free name.
Svar flytRentTilKurv(const QString &sti, const QString &rent, const Kurv &kurv, const QDateTime &tid)
{
    if (erUnder(rent, kurv.mappe) || erUnder(kurv.mappe, rent))
        return {false, QStringLiteral("elementet er selv en del af papirkurven"), {}};
    const QString navn = rent.mid(rent.lastIndexOf(QLatin1Char('/')) + 1);
    const QByteArray info = trashinfoAf(rent, kurv, tid);
    const QString infoMappe = plus(kurv.mappe, QStringLiteral("info/"));
    const QString filMappe = plus(kurv.mappe, QStringLiteral("files/"));
    for (int n = 1; n <= FrieNavneForsoeg; ++n) {
        const QString ny = kandidat(navn, n);
        const QString infoFil = infoMappe + ny + QStringLiteral(".trashinfo");
        // The info file is written first and claims the name: a desktop
        // that finds the element in files/ always knows where it came from.
        if (!skrivNy(infoFil, info)) {
            if (errno == EEXIST)
                continue;
            return {false, fejlgrund::grund(errno), {}};
        }
        const navneskift::Udfald u = navneskift::flyt(sti, filMappe + ny);
        const int fejl = errno;
        if (u == navneskift::Udfald::Ok)
            return {true, {}, ny};
        ::unlink(navnekode::kod(infoFil).constData());
        if (u == navneskift::Udfald::Findes)
            continue;
        if (u == navneskift::Udfald::AndetDrev)
            return {false, QStringLiteral("papirkurven ligger på et andet drev"), {}, true};
        return {false, fejlgrund::grund(fejl), {}};
    }
    return {false, IngenKurv, {}};
}

} // namespace

QByteArray trashinfo(const QString &sti, const Kurv &kurv, const QDateTime &tid)
{
    return trashinfoAf(sletning::kanonisk(sti), kurv, tid);
}

Svar flytTilKurv(const QString &sti, const Kurv &kurv, const QDateTime &tid)
{
    return flytRentTilKurv(sti, sletning::kanonisk(sti), kurv, tid);
}

Toemning toem(const Kurv &kurv)
{
    Toemning t;
    const QString filMappe = plus(kurv.mappe, QStringLiteral("files"));
    const QString infoMappe = plus(kurv.mappe, QStringLiteral("info"));
    for (const QString &navn : navneI(filMappe)) {
        sletning::Resultat r;
        if (sletning::slet(plus(filMappe, navn), r)) {
            ++t.elementer;
            ::unlink(navnekode::kod(plus(infoMappe, navn + QStringLiteral(".trashinfo"))).constData());
        }
        t.fejl += r.fejl;
    }
    struct stat st;
    for (const QString &info : navneI(infoMappe)) {
        const QString element = plus(filMappe, info.chopped(std::min<qsizetype>(info.size(), 10)));
        if (!info.endsWith(QLatin1String(".trashinfo")) || !lstatSti(element, st))
            ::unlink(navnekode::kod(plus(infoMappe, info)).constData());
    }
    ::unlink(navnekode::kod(plus(kurv.mappe, QStringLiteral("directorysizes"))).constData());
    return t;
}

} // namespace papirkurv
