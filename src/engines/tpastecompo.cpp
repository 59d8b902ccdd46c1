#include "engines/tpastecompo.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/kopifremdrift.h"
#include "engines/stoerrelsesberegning.h"
#include "engines/tmetoder.h"
#include "platform/fejlgrund.h"
#include "platform/filinfo.h"
#include "platform/identitet.h"
#include "platform/mappelaeser.h"
#include "platform/midlertidige.h"
#include "platform/navnekode.h"

#include <algorithm>

namespace {


// A long list in a message box is cut after this many lines.
constexpr int MaksLinjer = 20;

QString listeTekst(const QStringList &stier)
{
    QStringList linjer = stier.mid(0, MaksLinjer);
    if (stier.size() > MaksLinjer)
        linjer.append(QStringLiteral("… og ") + dansk::heltal(stier.size() - MaksLinjer) + QStringLiteral(" flere."));
    return linjer.join(QLatin1Char('\r'));
}

struct Mappeindhold
{
    std::vector<MappeLaeser::Post> poster;
    bool fuldstaendig = true;
    int fejl = 0;
    montering::Sted sted;
};

bool laesMappe(const QString &mappe, Mappeindhold &ind)
{
    MappeLaeser laeser(mappe, true);
    ind.fejl = laeser.fejl();
    if (!laeser.aaben())
        return false;
    ind.sted = laeser.sted();
    MappeLaeser::Post p;
    while (laeser.naeste(p))
        ind.poster.push_back(p);
    ind.fuldstaendig = !laeser.fejlede();
    ind.fejl = laeser.fejl();
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
    m_monteringI.clear();
    m_skrevneDrev.clear();
    m_fejlInde.clear();
    m_brugteMaal.clear();
    m_brugteNavne.clear();
    m_destFolder = false;
    m_udfoerteFiler = 0;
    m_udfoerteBytes = 0;
    m_diskFuld = false;
    m_sidsteFejl = 0;
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
    m_monteringI.clear();
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
        if (const int fejl = mappeFejl(mappe)) {
            // Only a folder that is truly gone "eksisterer ikke"; one that
            // cannot be reached says why.
            if (m_vinduer.dialogs)
                m_vinduer.dialogs->inform(QStringLiteral("Mappen\r") + mappe
                                          + (fejl == ENOENT ? QStringLiteral("\reksisterer ikke.")
                                                            : QStringLiteral("\rkan ikke læses: ")
                                                                  + fejlgrund::grund(fejl) + QLatin1Char('.')));
            continue;
        }
        stoerrelsesberegning::Resultat r;
        const qint64 foer = antalMapper;
        // A copy copies what the user sees, volumes mounted inside too; a
        // move counts only its own volume and notes any other one inside.
        const bool aaben = stoerrelsesberegning::laegMappeTil(
            mappe, r,
            [&](const stoerrelsesberegning::Resultat &n) {
                p->setIndlaesteMapper(foer + n.antalMapper);
                p->setScanBar(int(qMin<qint64>(foer + n.antalMapper, topMapper)), topMapper);
                p->holdILive();
            },
            !m_husk);
        if (m_husk && filkopi::erEgenMappe(mappe) && montering::erMonteringspunkt(navnekode::kod(mappe)))
            m_monteringI.insert(mappe, mappe);
        else if (!r.monteringer.isEmpty())
            m_monteringI.insert(mappe, r.monteringer.first());
        if (!aaben && m_vinduer.dialogs)
            m_vinduer.dialogs->inform(beskeder::ukendtFejl());
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
    // An empty file is done the moment it exists; one that grew while it
    // was copied is full at its old size.
    const int procent = total > 0 ? int(qMin<qint64>(100, (kopieret * 100 + total / 2) / total)) : 100;
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
    if (filinfo::findes(target))
        return true;
    rapporterFilFejl(source, target, EACCES);
    return false;
}

void TPasteCompo::rapporterFilFejl(const QString &source, const QString &target, int fejl)
{
    // The last line says why, and only says that rights may be missing when
    // that is what the system said.
    if (m_vinduer.dialogs)
        m_vinduer.dialogs->inform(QStringLiteral("Der opstod en fejl. Filen: \r") + source
                                  + QStringLiteral("\rblev ikke kopieret til: \r") + target + QLatin1Char('\r')
                                  + fejlgrund::saetning(fejl));
}

bool TPasteCompo::eksistererMappe(const QString &source, const QString &target, int fejl)
{
    if (filinfo::erMappe(target))
        return true;
    if (m_vinduer.dialogs)
        m_vinduer.dialogs->inform(QStringLiteral("Der opstod en fejl, der afbrød processen. Mappen: \r") + source
                                  + QStringLiteral("\rblev ikke kopieret til: \r") + target + QLatin1Char('\r')
                                  + fejlgrund::saetning(fejl));
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

void TPasteCompo::fejlInde(const QString &sti, int fejl)
{
    m_fejlInde.append({sti, fejlgrund::grund(fejl)});
}

bool TPasteCompo::brugtAfDennePaste(const QString &target) const
{
    const std::optional<filinfo::Id> id = filinfo::id(target, false);
    if (!id)
        return false;
    if (m_brugteMaal.contains({id->enhed, id->inode}))
        return true;
    // A volume that folds letter case may give each spelling its own inode.
    if (!m_destFolder)
        return false;
    const QString navn = stier::getLastDirectory(target);
    for (const QString &n : m_brugteNavne) {
        if (QString::compare(n, navn, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TPasteCompo::brugt(const QString &target)
{
    if (const std::optional<filinfo::Id> id = filinfo::id(target, false))
        m_brugteMaal.insert({id->enhed, id->inode});
    m_brugteNavne.append(stier::getLastDirectory(target));
}

void TPasteCompo::skrevetI(const QString &mappe)
{
    if (!m_husk)
        return;
    if (const std::optional<filinfo::Id> id = filinfo::id(mappe, true); id && !m_skrevneDrev.contains(id->enhed))
        m_skrevneDrev.insert(id->enhed, mappe);
}

void TPasteCompo::ryddeOpIDestinationen()
{
    m_destFolder = identitet::kanFoldeBogstaver(ConstDest);
    midlertidige::fjernForladte(ConstDest);
}

void TPasteCompo::afvisMapperISigSelv(bool flyt)
{
    if (ConstDest.isEmpty())
        return;
    for (qsizetype i = PasteMapper.size() - 1; i >= 0; --i) {
        // Through any alias: a link, a bind mount of the folder inside
        // itself, another spelling on a volume that folds letter case.
        if (!identitet::liggerI(ConstDest, PasteMapper.at(i)))
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
    // More files than counted can arrive (a folder that could not be read
    // while counting, files made since); never fewer.
    return m_ikkeAnkomne.isEmpty() && m_samme.isEmpty() && m_specielle.isEmpty() && m_fejlInde.isEmpty()
        && ikkePastede == 0 && m_udfoerteFiler >= m_antalOptalt;
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
        tekst += listeTekst(m_ikkeAnkomne);
        if (!m_fejlInde.isEmpty())
            tekst += (flyt ? QStringLiteral("\r\rDette kunne ikke flyttes:\r")
                           : QStringLiteral("\r\rDette kunne ikke kopieres:\r"))
                + sletning::linjer(m_fejlInde, MaksLinjer).join(QLatin1Char('\r'));
        d->inform(tekst);
    }
}

// ---------------------------------------------------------------------------
// Copying

void TPasteCompo::kopierListerne()
{
    KopiFremdrift *p = m_vinduer.ProgressBox;
    skrevetI(ConstDest);
    for (int i = 0; i < PasteMapper.size(); ++i) {
        const QString mappe = PasteMapper.at(i);
        if (stoppet()) {
            ikkeAnkommet(mappe);
            continue;
        }
        if (const int fejl = mappeFejl(mappe)) {
            // Reported while counting; only a vanished folder is no loss.
            if (fejl != ENOENT)
                ikkeAnkommet(mappe);
            continue;
        }
        QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(mappe);
        if (identitet::sammeElement(mappe, target)) {
            // Pasting a folder where it already is: only a copy under a
            // new name makes sense, anything else would copy it onto itself.
            if (IntPasteMetode != KonfliktHandling::OpretKopier) {
                sprungetSomSamme(mappe);
                continue;
            }
            target = TMetoder::getNewDirectoryName(target, QStringLiteral("Kopi"));
        } else if (brugtAfDennePaste(target)) {
            // A folder of the same name arrived earlier in this paste: the
            // two are not merged, each arrives whole.
            target = TMetoder::getNewDirectoryName(target, QStringLiteral("Kopi"));
        }
        const filkopi::Resultat r = filkopi::opretMappe(target);
        if (r.udfald != filkopi::Udfald::Ok && r.udfald != filkopi::Udfald::Findes) {
            eksistererMappe(mappe, target, r.fejl);
            ikkeAnkommet(mappe);
            continue;
        }
        brugt(target);
        if (r.udfald == filkopi::Udfald::Findes)
            midlertidige::fjernForladte(target);
        if (m_husk)
            m_ankomne.insert(mappe, {});
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
        QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(fil);
        Udfald u;
        if (filinfo::findes(target) && !identitet::sammeElement(fil, target) && brugtAfDennePaste(target)) {
            // An element of the same name arrived earlier in this paste:
            // it is never overwritten, this one gets a free name.
            target = TMetoder::getNewFilnavn(target, QStringLiteral("Kopi"));
            u = kopierFilEx(fil, target, false);
        } else {
            u = kopierMedRegel(fil, target, true);
        }
        if (u == Udfald::Kopieret)
            brugt(m_sidsteMaal);
        p->setBar(progressInfo(qMax<qint64>(0, TMetoder::getFilensSize(fil))));
        if (u == Udfald::Fejlet) {
            rapporterFilFejl(fil, target, m_sidsteFejl);
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

TPasteCompo::Udfald TPasteCompo::kopierMedRegel(const QString &source, QString target, bool topniveau)
{
    // The marker word is stripped even when the target is free, so a copy
    // of a copy gets the plain name back where that is free.
    if (IntPasteMetode == KonfliktHandling::OpretKopier)
        return kopierFilEx(source, TMetoder::getNewFilnavn(target, QStringLiteral("Kopi")), false);
    if (!filinfo::findes(target))
        return kopierFilEx(source, target, false);
    if (topniveau ? identitet::sammeElement(source, target) : filkopi::sammeElement(source, target)) {
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
    m_sidsteFejl = r.fejl;
    switch (r.udfald) {
    case filkopi::Udfald::Ok:
        ++m_udfoerteFiler;
        m_udfoerteBytes += r.bytes;
        m_sidsteMaal = target;
        if (m_husk)
            m_ankomne.insert(source, r.kilde);
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
    if (!laesMappe(source, poster)) {
        // A folder that vanished since it was listed is passed over; any
        // other reason is named.
        if (poster.fejl == ENOENT)
            return true;
        fejlInde(source, poster.fejl);
        return false;
    }
    if (!poster.fuldstaendig)
        fejlInde(source, poster.fejl);
    bool alt = poster.fuldstaendig;
    skrevetI(target);
    const QString fra = stier::delimKon(source);
    const QString til = stier::delimKon(target);
    for (const MappeLaeser::Post &post : poster.poster) {
        if (stoppet())
            return false;
        const QString gammel = fra + post.navn;
        const QString ny = til + post.navn;
        if (post.fejl != 0) {
            // Listed but not to be looked at (a folder that may be read but
            // not entered): named with its reason, never passed over.
            fejlInde(gammel, post.fejl);
            m_vinduer.ProgressBox->setBar(progressInfo(0));
            alt = false;
            continue;
        }
        if (post.art == MappeLaeser::Art::Mappe && !post.erLink) {
            if (!kopierUndermappe(gammel, ny, poster.sted))
                alt = false;
            continue;
        }
        const Udfald u = kopierMedRegel(gammel, ny);
        m_vinduer.ProgressBox->setBar(progressInfo(post.stoerrelse));
        if (u == Udfald::Fejlet && m_sidsteFejl == ENOENT) {
            // Vanished since the listing: nothing to copy, nothing lost.
        } else if (u == Udfald::Fejlet) {
            fejlInde(gammel, m_sidsteFejl);
            alt = false;
        } else if (u == Udfald::Stoppet) {
            alt = false;
        }
    }
    return alt;
}

bool TPasteCompo::kopierUndermappe(const QString &gammel, const QString &ny, const montering::Sted &mor)
{
    // A move takes nothing across from another volume mounted inside (the
    // counting refused such folders; this holds should one appear since).
    if (m_husk) {
        const montering::Sted her = montering::sted(navnekode::kod(gammel));
        if (!her.ok || !mor.ok || montering::andenMontering(mor, her)) {
            m_fejlInde.append({gammel, QStringLiteral("mappen er et andet monteret drev")});
            return false;
        }
    }
    const filkopi::Resultat r = filkopi::opretMappe(ny);
    if (r.udfald != filkopi::Udfald::Ok && r.udfald != filkopi::Udfald::Findes) {
        fejlInde(gammel, r.fejl);
        return false;
    }
    if (r.udfald == filkopi::Udfald::Findes)
        midlertidige::fjernForladte(ny);
    if (m_husk)
        m_ankomne.insert(gammel, {});
    const bool alt = kopierMappeEx(gammel, ny);
    if (r.udfald == filkopi::Udfald::Ok) {
        // A folder that vanished before it could be read leaves no empty
        // copy behind.
        sletning::Resultat tom;
        if (mappeFejl(gammel) == ENOENT)
            sletning::sletTomMappe(ny, tom);
        else
            filkopi::kopierMappeEgenskaber(gammel, ny);
    }
    return alt;
}

int TPasteCompo::mappeFejl(const QString &mappe)
{
    return filinfo::mappeFejl(mappe);
}
