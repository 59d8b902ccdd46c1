#include "engines/tfilmappedrevinfo.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tmetoder.h"
#include "platform/drev.h"
#include "platform/elementattributter.h"
#include "platform/filinfo.h"
#include "platform/navneskift.h"

#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

// A few times a second is enough to watch the numbers grow.
constexpr int FremdriftMs = 250;

const QString AttributFejl = QStringLiteral(
    "Der opstod en fejl.\rStien er muligvist invalid, eller der er muligvist ikke adgang til filen.\r");

struct Filtype
{
    QStringList ext;
    const char *tekst;
};

} // namespace

TFilMappeDrevInfo::TFilMappeDrevInfo(Dialogs *dialogs, QObject *ejer)
    : QObject(ejer)
    , m_dialogs(dialogs)
{
    m_ur.setInterval(FremdriftMs);
    connect(&m_ur, &QTimer::timeout, this, &TFilMappeDrevInfo::visFremdrift);
    connect(&m_watcher, &QFutureWatcher<mappetotal::Resultat>::finished, this, &TFilMappeDrevInfo::faerdig);
}

TFilMappeDrevInfo::~TFilMappeDrevInfo()
{
    stopTotal();
    m_watcher.waitForFinished();
}

QString TFilMappeDrevInfo::getFilType(const QString &ext)
{
    // ".desktop" is this system's shortcut and ".sh" its batch file.
    static const QList<Filtype> typer = {
        {{"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"}, "Videofil: "},
        {{"mp3", "m4a"}, "Musikfil: "},
        {{"bmp", "jpg", "ico", "gif", "png", "jpeg", "tif", "tiff", "emf", "wmf"}, "Billedfil: "},
        {{"txt"}, "Tekstfil: "},
        {{"html", "htm", "asp"}, "Webfil: "},
        {{"js", "vbs"}, "Scriptfil: "},
        {{"css"}, "Stylesheet: "},
        {{"wsf"}, "Window script fil: "},
        {{"inc"}, "Includefil: "},
        {{"bat", "sh"}, "Batchfil: "},
        {{"pas"}, "Delphi/Pascalfil: "},
        {{"lnk", "desktop"}, "Genvej: "},
    };
    for (const Filtype &t : typer) {
        if (t.ext.contains(ext))
            return QString::fromUtf8(t.tekst);
    }
    return {};
}

QString TFilMappeDrevInfo::filtypeTekst(const QString &navn)
{
    const QString ext = stier::udvidelse(navn).mid(1).toLower();
    if (ext.isEmpty())
        return QStringLiteral("Fil");
    return getFilType(ext) + ext.toUpper() + QStringLiteral("-fil (.") + ext + QLatin1Char(')');
}

QString TFilMappeDrevInfo::getDrevTypeString(int type)
{
    switch (type) {
    case ::Drev::Flytbar: return QStringLiteral("Flytbar disk");
    case ::Drev::Fast: return QStringLiteral("Lokal disk");
    case ::Drev::Netvaerk: return QStringLiteral("Fjern disk");
    case ::Drev::Cd: return QStringLiteral("CD ROM disk");
    case ::Drev::Ram: return QStringLiteral("RAM disk");
    default: return {};
    }
}

QString TFilMappeDrevInfo::datoTid(const QDateTime &t)
{
    if (!t.isValid())
        return {};
    return dansk::locale().toString(t.date(), QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
         + t.time().toString(QStringLiteral("HH:mm:ss"));
}

QString TFilMappeDrevInfo::indholdTekst(qint64 filer, qint64 mapper)
{
    return dansk::heltal(filer) + QStringLiteral(" filer, ") + dansk::heltal(mapper) + QStringLiteral(" mapper");
}

QString TFilMappeDrevInfo::stoerrelsesTekst(qint64 bytes)
{
    return TMetoder::getSizeString(bytes);
}

QString TFilMappeDrevInfo::oversprungetTekst(const mappetotal::Resultat &r)
{
    QStringList dele;
    if (r.ulaesteMapper > 0)
        dele << dansk::heltal(r.ulaesteMapper) + (r.ulaesteMapper == 1 ? QStringLiteral(" mappe kunne ikke læses")
                                                                       : QStringLiteral(" mapper kunne ikke læses"));
    if (r.ulaesteFiler > 0)
        dele << dansk::heltal(r.ulaesteFiler) + (r.ulaesteFiler == 1 ? QStringLiteral(" element kunne ikke læses")
                                                                     : QStringLiteral(" elementer kunne ikke læses"));
    if (r.andreDrev > 0)
        dele << dansk::heltal(r.andreDrev)
                    + (r.andreDrev == 1 ? QStringLiteral(" mappe på et andet drev er ikke talt med")
                                        : QStringLiteral(" mapper på andre drev er ikke talt med"));
    if (r.afbrudt)
        dele << QStringLiteral("optællingen blev afbrudt");
    if (dele.isEmpty())
        return {};
    QString s = dele.join(QStringLiteral(", ")) + QLatin1Char('.');
    s[0] = s[0].toUpper();
    return s;
}

bool TFilMappeDrevInfo::filInfo(const QString &sti, Fil &ud)
{
    const auto s = elementattributter::stat(sti);
    if (!s || !filinfo::erFil(sti)) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return false;
    }
    ud.sti = sti;
    ud.navn = stier::getLastDirectory(sti);
    ud.placering = stier::delimKon(stier::mappeAf(sti));
    ud.filtype = filtypeTekst(ud.navn);
    ud.stoerrelse = TMetoder::getSizeString(s->stoerrelse);
    ud.oprettet = datoTid(s->tider.oprettet);
    ud.aendret = datoTid(s->tider.aendret);
    ud.aabnet = datoTid(s->tider.aabnet);
    ud.skrivebeskyttet = elementattributter::erSkrivebeskyttet(s->mode);
    ud.skjult = ud.navn.startsWith(QLatin1Char('.'));
    return true;
}

bool TFilMappeDrevInfo::mappeInfo(const QString &sti, Mappe &ud)
{
    const auto s = sti.isEmpty() || !filinfo::erMappe(sti) ? std::nullopt : elementattributter::stat(sti);
    if (!s) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Mappen blev ikke fundet."));
        return false;
    }
    ud.sti = sti;
    ud.navn = stier::getLastDirectory(sti);
    ud.placering = stier::mappeAf(sti);
    ud.oprettet = datoTid(s->tider.oprettet);
    return true;
}

bool TFilMappeDrevInfo::drevInfo(const QString &mappe, Drev &ud)
{
    const ::Drev drev;
    const QList<Drevdata> alle = drev.alle();
    const QString rod = ::Drev::drevAfSti(mappe, alle);
    const Drevdata *data = nullptr;
    for (const Drevdata &d : alle) {
        if (d.mappe == rod)
            data = &d;
    }
    if (!data || !filinfo::erMappe(rod)) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der opstod en ukendt fejl."));
        return false;
    }
    const auto plads = elementattributter::plads(rod).value_or(elementattributter::Plads{});
    const qint64 anvendt = plads.kapasitet - plads.ledig;
    ud.mappe = rod;
    ud.disknavn = data->etiket + QStringLiteral(" (") + rod + QLatin1Char(')');
    ud.type = getDrevTypeString(data->type);
    ud.filsystem = data->filsystem.isEmpty() ? QStringLiteral("Ukendt") : data->filsystem;
    ud.ledig = TMetoder::getSizeString(plads.ledig);
    ud.anvendt = TMetoder::getSizeString(anvendt);
    ud.kapasitet = TMetoder::getSizeString(plads.kapasitet);
    ud.procent = plads.kapasitet < 1 ? 100 : int(std::lround(double(anvendt) * 100.0 / double(plads.kapasitet)));
    return true;
}

void TFilMappeDrevInfo::startTotal(const QString &sti)
{
    stopTotal();
    m_watcher.waitForFinished();
    auto koersel = std::make_shared<Koersel>();
    m_koersel = koersel;
    m_watcher.setFuture(QtConcurrent::run([sti, koersel] {
        return mappetotal::beregn(sti, &koersel->stop, &koersel->fremdrift);
    }));
    m_ur.start();
}

void TFilMappeDrevInfo::stopTotal()
{
    if (m_koersel)
        m_koersel->stop = true;
    m_ur.stop();
}

void TFilMappeDrevInfo::visFremdrift()
{
    if (!m_koersel)
        return;
    const mappetotal::Fremdrift &f = m_koersel->fremdrift;
    emit totalAendret(stoerrelsesTekst(f.bytes.load()), indholdTekst(f.filer.load(), f.mapper.load()));
}

void TFilMappeDrevInfo::faerdig()
{
    m_ur.stop();
    const mappetotal::Resultat r = m_watcher.result();
    if (r.fejl != 0) {
        emit totalFaerdig(stoerrelsesTekst(0), indholdTekst(0, 0), QStringLiteral("Mappen kunne ikke læses."));
        return;
    }
    emit totalFaerdig(stoerrelsesTekst(r.bytes), indholdTekst(r.filer, r.mapper), oversprungetTekst(r));
}

QString TFilMappeDrevInfo::anvendAttributter(const QString &sti, bool skrivebeskyttet, bool skjult)
{
    if (!filinfo::erFil(sti) || filinfo::erMappe(sti))
        return {};
    if (elementattributter::saetSkrivebeskyttet(sti, skrivebeskyttet) != 0) {
        if (m_dialogs)
            m_dialogs->inform(AttributFejl);
        return sti;
    }
    const QString navn = stier::getLastDirectory(sti);
    if (navn.startsWith(QLatin1Char('.')) == skjult)
        return sti;
    // Hidden is a name that starts with a dot: showing the file takes every
    // leading dot away, or it would stay hidden.
    QString nytNavn = navn;
    if (skjult)
        nytNavn.prepend(QLatin1Char('.'));
    else
        while (nytNavn.startsWith(QLatin1Char('.')))
            nytNavn.remove(0, 1);
    if (nytNavn.isEmpty()) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Filen kan ikke vises, da dens navn kun består af punktummer."));
        return sti;
    }
    const QString nySti = stier::delimKon(stier::mappeAf(sti)) + nytNavn;
    switch (navneskift::flyt(sti, nySti)) {
    case navneskift::Udfald::Ok:
        return nySti;
    case navneskift::Udfald::Findes:
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Filen kan ikke ") + (skjult ? QStringLiteral("skjules") : QStringLiteral("vises"))
                              + QStringLiteral(", for der findes allerede et element med navnet:\r") + nytNavn);
        return sti;
    default:
        if (m_dialogs)
            m_dialogs->inform(AttributFejl);
        return sti;
    }
}
