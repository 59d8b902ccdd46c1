#include "engines/tpastecompo.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "engines/kopifremdrift.h"
#include "engines/stier.h"
#include "engines/stoerrelsesberegning.h"
#include "engines/tmetoder.h"
#include "platform/filkopi.h"
#include "platform/mappelaeser.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString Ukendt = QStringLiteral("Der opstod en ukendt fejl.");

// A long list in a message box is cut after this many lines.
constexpr int MaksLinjer = 20;

QString listeTekst(const QStringList &stier)
{
    QStringList linjer = stier.mid(0, MaksLinjer);
    if (stier.size() > MaksLinjer)
        linjer.append(QStringLiteral("… og ") + dansk::heltal(stier.size() - MaksLinjer) + QStringLiteral(" flere."));
    return linjer.join(QLatin1Char('\r'));
}

// The real path of an existing folder, so a link to it or a spelling with
// ".." compares equal to it.
QString virkeligSti(const QString &sti)
{
    const QString k = QFileInfo(sti).canonicalFilePath();
    return k.isEmpty() ? QDir::cleanPath(sti) : k;
}

struct Mappeindhold
{
    std::vector<MappeLaeser::Post> poster;
    bool fuldstaendig = true;
};

bool laesMappe(const QString &mappe, Mappeindhold &ind)
{
    MappeLaeser laeser(mappe, true);
    if (!laeser.aaben())
        return false;
    MappeLaeser::Post p;
    while (laeser.naeste(p))
        ind.poster.push_back(p);
    ind.fuldstaendig = !laeser.fejlede();
    // In name order, so questions and progress come in an order the user
    // can follow, the same every time.
    dansk::sorterEfterNavn(ind.poster, 0, [](const MappeLaeser::Post &p) -> const QString & { return p.navn; });
    return true;
}

} // namespace

TPasteCompo::TPasteCompo(const Vinduer &vinduer, QObject *ejer)
    : QObject(ejer)
    , m_vinduer(vinduer)
{
}

void TPasteCompo::setBoxCaption(const QString &caption)
{
    BoxCaption = caption;
    if (m_vinduer.ProgressBox)
        m_vinduer.ProgressBox->setCaption(caption + QStringLiteral(" kopierer valgte elementer"));
}

void TPasteCompo::setDrevTest(DrevTest test)
{
    m_drevTest = std::move(test);
}

bool TPasteCompo::andetDrev(const QString &a, const QString &b) const
{
    return m_drevTest ? m_drevTest(a, b) : filkopi::andetDrev(a, b);
}

bool TPasteCompo::stoppet() const
{
    return m_vinduer.ProgressBox && m_vinduer.ProgressBox->stoppet();
}

void TPasteCompo::nulstil()
{
    ikkePastede = 0;
    m_ikkeAnkomne.clear();
    m_samme.clear();
    m_specielle.clear();
    m_ankomne.clear();
    m_optalt.clear();
    m_udfoerteFiler = 0;
    m_udfoerteBytes = 0;
    m_diskFuld = false;
    m_oversigt.clear();
    if (m_vinduer.ProgressBox)
        m_vinduer.ProgressBox->setOversigt({});
}

// ---------------------------------------------------------------------------
// Counting and progress

qint64 TPasteCompo::sizeOfElementer(const QString &dest)
{
    KopiFremdrift *p = m_vinduer.ProgressBox;
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = PasteMapper.size();
    m_optalt.clear();
    const int topMapper = int(antalMapper);
    p->setMappeOverskrift(topMapper == 1 ? QStringLiteral("Der kopieres 1 mappe:")
                                         : QStringLiteral("Der kopieres ") + dansk::heltal(topMapper)
                                               + QStringLiteral(" mapper:"));
    p->rydMapper();
    p->setScanBar(0, topMapper);
    p->setFilBar(0);
    p->setBar(0);
    p->setOversigt({});
    p->setResterende({});
    p->setProcent(0);
    p->setDestination(dest);
    p->setInformation({});
    p->holdILive(true);

    for (const QString &mappe : std::as_const(PasteMapper)) {
        p->tilfoejMappe(mappe);
        if (!stier::erMappe(mappe)) {
            if (m_vinduer.dialogs)
                m_vinduer.dialogs->inform(QStringLiteral("Mappen\r") + mappe + QStringLiteral("\reksisterer ikke."));
            continue;
        }
        stoerrelsesberegning::Resultat r;
        const qint64 foer = antalMapper;
        const bool aaben = stoerrelsesberegning::laegMappeTil(mappe, r, [&](const stoerrelsesberegning::Resultat &n) {
            p->setIndlaesteMapper(foer + n.antalMapper);
            p->setScanBar(int(qMin<qint64>(foer + n.antalMapper, topMapper)), topMapper);
            p->holdILive();
        });
        if (!aaben && m_vinduer.dialogs)
            m_vinduer.dialogs->inform(Ukendt);
        totalSize += r.totalSize;
        antalFiler += r.antalFiler;
        antalMapper += r.antalMapper;
        m_optalt.insert(mappe, {r.antalFiler, r.totalSize});
    }
    for (const QString &fil : std::as_const(PasteFiler)) {
        totalSize += qMax<qint64>(0, TMetoder::getFilensSize(fil));
        ++antalFiler;
    }
    p->setIndlaesteMapper(antalMapper);
    p->setScanBar(100, 100);
    p->holdILive(true);
    udskrivInfo();
    return totalSize;
}

QString TPasteCompo::stoerrelseEfterCifre(qint64 n)
{
    // The unit goes by the number of decimal digits, so 1000 bytes are
    // already shown as 0,98 KB.
    const int cifre = int(QString::number(qMax<qint64>(n, 0)).size());
    const struct { int cifre; double deler; const char *enhed; } enheder[] = {
        {13, 1099511627776.0, " TB"}, {10, 1073741824.0, " GB"}, {7, 1048576.0, " MB"}, {4, 1024.0, " KB"}};
    for (const auto &e : enheder) {
        if (cifre >= e.cifre)
            return dansk::decimaltal(double(n) / e.deler, 2) + QLatin1String(e.enhed);
    }
    return dansk::heltal(n) + QStringLiteral(" bytes");
}

void TPasteCompo::udskrivInfo()
{
    m_antalOptalt = antalFiler;
    m_oversigt = QStringLiteral("Der kopieres ") + dansk::heltal(antalFiler)
        + (antalFiler == 1 ? QStringLiteral(" fil: ") : QStringLiteral(" filer: ")) + stoerrelseEfterCifre(totalSize);
    KopiFremdrift *p = m_vinduer.ProgressBox;
    p->setOversigt(m_oversigt);
    p->setResterende(dansk::heltal(antalFiler));
    p->holdILive();
}

int TPasteCompo::progressInfo(qint64 n)
{
    KopiFremdrift *p = m_vinduer.ProgressBox;
    posSize += n;
    const int procent = totalSize <= 0 ? 100 : int(qMin<qint64>(100, posSize * 100 / totalSize));
    p->setProcent(procent);
    antalFiler = qMax<qint64>(0, antalFiler - 1);
    p->setResterende(dansk::heltal(antalFiler) + QStringLiteral(" (")
                     + TMetoder::kortStoerrelse(qMax<qint64>(0, totalSize - posSize)) + QLatin1Char(')'));
    p->holdILive();
    return procent;
}

void TPasteCompo::visFilProcent(qint64 kopieret, qint64 total)
{
    // An empty file is done the moment it exists.
    const int procent = total > 0 ? int((kopieret * 100 + total / 2) / total) : 100;
    if (procent != m_filProcent) {
        m_filProcent = procent;
        m_vinduer.ProgressBox->setFilBar(procent);
    }
}

KonfliktSvar TPasteCompo::askUser(const QString &target)
{
    if (!m_vinduer.SpmHandling)
        return {KonfliktHandling::OverskrivIngen, false};
    return m_vinduer.SpmHandling->askUser(stier::getLastDirectory(target), stier::mappeAf(target));
}

bool TPasteCompo::eksistererFilen(const QString &source, const QString &target)
{
    if (stier::findes(target))
        return true;
    rapporterFilFejl(source, target);
    return false;
}

void TPasteCompo::rapporterFilFejl(const QString &source, const QString &target)
{
    if (m_vinduer.dialogs)
        m_vinduer.dialogs->inform(QStringLiteral("Der opstod en fejl. Filen: \r") + source
                                  + QStringLiteral("\rblev ikke kopieret til: \r") + target
                                  + (m_diskFuld ? QStringLiteral("\rDer er ikke plads nok på drevet.")
                                                : QStringLiteral("\rMåske mangler der rettigheder dertil.")));
}

bool TPasteCompo::eksistererMappe(const QString &source, const QString &target)
{
    if (stier::erMappe(target))
        return true;
    if (m_vinduer.dialogs)
        m_vinduer.dialogs->inform(QStringLiteral("Der opstod en fejl, der afbrød processen. Mappen: \r") + source
                                  + QStringLiteral("\rblev ikke kopieret til: \r") + target
                                  + QStringLiteral("\rMåske mangler der rettigheder dertil."));
    return false;
}

// ---------------------------------------------------------------------------
// What did not happen

void TPasteCompo::ikkeAnkommet(const QString &element)
{
    if (!m_ikkeAnkomne.contains(element))
        m_ikkeAnkomne.append(element);
}

void TPasteCompo::sprungetSomSamme(const QString &sti)
{
    m_samme.append(sti);
}

void TPasteCompo::specielFil(const QString &sti)
{
    m_specielle.append(sti);
}

void TPasteCompo::afvisMapperISigSelv(bool flyt)
{
    if (ConstDest.isEmpty())
        return;
    const QString dest = virkeligSti(ConstDest);
    for (qsizetype i = PasteMapper.size() - 1; i >= 0; --i) {
        const QString mappe = virkeligSti(PasteMapper.at(i));
        if (dest != mappe && !dest.startsWith(stier::delimKon(mappe)))
            continue;
        if (m_vinduer.dialogs)
            m_vinduer.dialogs->inform(QStringLiteral("Mappen kan ikke ")
                                      + (flyt ? QStringLiteral("flyttes") : QStringLiteral("kopieres"))
                                      + QStringLiteral(" ind i sig selv eller i en af sine egne undermapper:\r")
                                      + PasteMapper.at(i));
        PasteMapper.removeAt(i);
    }
}

bool TPasteCompo::fuldstaendig() const
{
    return m_ikkeAnkomne.isEmpty() && m_samme.isEmpty() && m_specielle.isEmpty() && ikkePastede == 0
        && m_udfoerteFiler == m_antalOptalt;
}

void TPasteCompo::rapporterUdeladte(bool flyt)
{
    Dialogs *d = m_vinduer.dialogs;
    if (!d)
        return;
    if (!m_samme.isEmpty())
        d->inform(QStringLiteral("Kilde og destination er det samme element, så det blev ikke rørt:\r")
                  + listeTekst(m_samme));
    if (!m_specielle.isEmpty())
        d->inform(QStringLiteral("Specielle filer (rør, enheder og sokler) kan ikke ")
                  + (flyt ? QStringLiteral("flyttes") : QStringLiteral("kopieres")) + QStringLiteral(":\r")
                  + listeTekst(m_specielle));
    if (!m_ikkeAnkomne.isEmpty()) {
        QString tekst;
        if (stoppet())
            tekst = flyt ? QStringLiteral("Flytningen blev stoppet.\r") : QStringLiteral("Kopieringen blev stoppet.\r");
        if (m_diskFuld)
            tekst += QStringLiteral("Der er ikke plads nok på destinationens drev.\r");
        tekst += flyt ? QStringLiteral("Følgende elementer blev ikke flyttet helt; det, der mangler, ligger stadig i kilden:\r")
                      : QStringLiteral("Følgende elementer nåede ikke helt frem til destinationen:\r");
        d->inform(tekst + listeTekst(m_ikkeAnkomne));
    }
}

// ---------------------------------------------------------------------------
// Copying

void TPasteCompo::kopierListerne()
{
    KopiFremdrift *p = m_vinduer.ProgressBox;
    for (int i = 0; i < PasteMapper.size(); ++i) {
        const QString mappe = PasteMapper.at(i);
        if (stoppet()) {
            ikkeAnkommet(mappe);
            continue;
        }
        if (!stier::erMappe(mappe))
            continue;   // reported while counting
        QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(mappe);
        if (filkopi::sammeElement(mappe, target)) {
            // Pasting a folder where it already is: only a copy under a
            // new name makes sense, anything else would copy it onto itself.
            if (IntPasteMetode != KonfliktHandling::OpretKopier) {
                sprungetSomSamme(mappe);
                continue;
            }
            target = TMetoder::getNewDirectoryName(target, QStringLiteral("Kopi"));
        }
        const filkopi::Resultat r = filkopi::opretMappe(target);
        if (r.udfald != filkopi::Udfald::Ok && r.udfald != filkopi::Udfald::Findes) {
            eksistererMappe(mappe, target);
            ikkeAnkommet(mappe);
            continue;
        }
        if (m_husk)
            m_ankomne.insert(mappe);
        const bool alt = kopierMappeEx(mappe, target);
        if (r.udfald == filkopi::Udfald::Ok)
            filkopi::kopierMappeEgenskaber(mappe, target);
        if (alt)
            p->markerMappe(i);
        else
            ikkeAnkommet(mappe);
    }
    for (const QString &fil : std::as_const(PasteFiler)) {
        if (stoppet()) {
            ikkeAnkommet(fil);
            continue;
        }
        const QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(fil);
        const Udfald u = kopierMedRegel(fil, target);
        p->setBar(progressInfo(qMax<qint64>(0, TMetoder::getFilensSize(fil))));
        if (u == Udfald::Fejlet) {
            rapporterFilFejl(fil, target);
            ikkeAnkommet(fil);
        } else if (u == Udfald::Stoppet) {
            ikkeAnkommet(fil);
        } else if (ikkePastede > 0) {
            p->setInformation(dansk::heltal(ikkePastede)
                              + (ikkePastede == 1 ? QStringLiteral(" fil blev ikke overskrevet.")
                                                  : QStringLiteral(" filer blev ikke overskrevede.")));
        }
    }
}

TPasteCompo::Valg TPasteCompo::konfliktValg(const QString &target)
{
    KonfliktHandling handling = IntPasteMetode;
    bool overskriv = true;
    if (handling == KonfliktHandling::SpoergHverGang) {
        const KonfliktSvar svar = askUser(target);
        // "Overskriv ingen", "Overskriv alle" and "Opret kopier" answer for
        // the rest of the paste; "Spørg hver gang" keeps asking.
        IntPasteMetode = svar.handling;
        handling = svar.handling;
        overskriv = svar.overskrivDette;
    }
    switch (handling) {
    case KonfliktHandling::OverskrivIngen:
        return Valg::LadVaere;
    case KonfliktHandling::OverskrivAlle:
        return Valg::Erstat;
    case KonfliktHandling::OpretKopier:
        return Valg::NytNavn;
    case KonfliktHandling::SpoergHverGang:
        break;
    }
    return overskriv ? Valg::Erstat : Valg::LadVaere;
}

TPasteCompo::Udfald TPasteCompo::kopierMedRegel(const QString &source, QString target)
{
    // The marker word is stripped even when the target is free, so a copy
    // of a copy gets the plain name back where that is free.
    if (IntPasteMetode == KonfliktHandling::OpretKopier)
        return kopierFilEx(source, TMetoder::getNewFilnavn(target, QStringLiteral("Kopi")), false);
    if (!stier::findes(target))
        return kopierFilEx(source, target, false);
    if (filkopi::sammeElement(source, target)) {
        sprungetSomSamme(source);
        return Udfald::Sprunget;
    }
    switch (konfliktValg(target)) {
    case Valg::Erstat:
        return kopierFilEx(source, target, true);
    case Valg::NytNavn:
        return kopierFilEx(source, TMetoder::getNewFilnavn(target, QStringLiteral("Kopi")), false);
    case Valg::LadVaere:
        break;
    }
    ++ikkePastede;
    return Udfald::Sprunget;
}

TPasteCompo::Udfald TPasteCompo::kopierFilEx(const QString &source, const QString &target, bool erstat)
{
    m_filProcent = -1;
    KopiFremdrift *p = m_vinduer.ProgressBox;
    const filkopi::Resultat r = filkopi::kopier(source, target, erstat, [this, p](qint64 kopieret, qint64 total) {
        visFilProcent(kopieret, total);
        return p->holdILive();
    });
    switch (r.udfald) {
    case filkopi::Udfald::Ok:
        ++m_udfoerteFiler;
        m_udfoerteBytes += r.bytes;
        if (m_husk)
            m_ankomne.insert(source);
        return Udfald::Kopieret;
    case filkopi::Udfald::Stoppet:
        return Udfald::Stoppet;
    case filkopi::Udfald::SammeElement:
        sprungetSomSamme(source);
        return Udfald::Sprunget;
    case filkopi::Udfald::Speciel:
        specielFil(source);
        return Udfald::Sprunget;
    case filkopi::Udfald::Findes:
        // Taken since it was looked at: left alone like any taken name.
        ++ikkePastede;
        return Udfald::Sprunget;
    case filkopi::Udfald::DiskFuld:
        m_diskFuld = true;
        return Udfald::Fejlet;
    case filkopi::Udfald::KildeMangler:
    case filkopi::Udfald::Fejl:
        break;
    }
    return Udfald::Fejlet;
}

bool TPasteCompo::kopierMappeEx(const QString &source, const QString &target)
{
    // The whole listing is read first: entries written into the target can
    // then never be met again, even when target and source are related.
    Mappeindhold poster;
    if (!laesMappe(source, poster))
        return false;
    bool alt = poster.fuldstaendig;
    const QString fra = stier::delimKon(source);
    const QString til = stier::delimKon(target);
    for (const MappeLaeser::Post &post : poster.poster) {
        if (stoppet())
            return false;
        const QString gammel = fra + post.navn;
        const QString ny = til + post.navn;
        if (post.art == MappeLaeser::Art::Mappe && !post.erLink) {
            const filkopi::Resultat r = filkopi::opretMappe(ny);
            if (r.udfald != filkopi::Udfald::Ok && r.udfald != filkopi::Udfald::Findes) {
                alt = false;
                continue;
            }
            if (m_husk)
                m_ankomne.insert(gammel);
            alt = kopierMappeEx(gammel, ny) && alt;
            if (r.udfald == filkopi::Udfald::Ok)
                filkopi::kopierMappeEgenskaber(gammel, ny);
            continue;
        }
        const Udfald u = kopierMedRegel(gammel, ny);
        m_vinduer.ProgressBox->setBar(progressInfo(post.stoerrelse));
        if (u == Udfald::Fejlet || u == Udfald::Stoppet)
            alt = false;
    }
    return alt;
}
