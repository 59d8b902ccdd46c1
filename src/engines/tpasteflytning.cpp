// The move half of the paste driver: renames on one volume, copy and then
// removal of what arrived for another volume.

#include "engines/tpasteobjekt.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/fremdrift.h"
#include "engines/stoerrelsesberegning.h"
#include "engines/tmetoder.h"
#include "platform/fejlgrund.h"
#include "platform/filinfo.h"
#include "platform/filkopi.h"
#include "platform/identitet.h"
#include "platform/mappelaeser.h"
#include "platform/navneskift.h"
#include "platform/sletning.h"

#include <algorithm>

namespace {

const QString Kopi = QStringLiteral("Kopi");

QStringList omvendt(QStringList liste)
{
    std::reverse(liste.begin(), liste.end());
    return liste;
}

// A moved source file goes; a folder in its place is never touched.
bool fjernFil(const QString &sti)
{
    sletning::Resultat r;
    return sletning::sletFil(sti, r);
}

} // namespace

bool TPasteObjekt::PasteCutElementer()
{
    if (m_koerer)
        return false;
    Optaget optaget(m_koerer);
    nulstil();
    m_erstatHuskes = false;
    m_andreDrevInde.clear();
    m_aendrede.clear();
    if (!hentListerne())
        return false;
    afvisMapperISigSelv(true);
    if (!bekraeft(true))
        return false;
    ryddeOpIDestinationen();
    m_husk = true;
    sizeOfElementer(ConstDest);
    const QString samletOversigt = m_oversigt;
    const qint64 samletAntal = m_antalOptalt;

    QStringList mapperAndetDrev, filerAndetDrev;
    for (qsizetype i = PasteMapper.size() - 1; i >= 0; --i) {
        // A link to a folder moves as the link it is: its folder's contents
        // are never taken from where the link points.
        if (filkopi::erEgenMappe(PasteMapper.at(i)))
            flytMappe(PasteMapper.at(i), mapperAndetDrev);
        else
            flytFil(PasteMapper.at(i), filerAndetDrev);
    }
    for (qsizetype i = PasteFiler.size() - 1; i >= 0; --i)
        flytFil(PasteFiler.at(i), filerAndetDrev);
    // Each entry leaves the lists once it was dealt with; what another
    // volume must receive stays, in its first order.
    PasteMapper = udenAndreDrevInde(omvendt(mapperAndetDrev));
    PasteFiler = omvendt(filerAndetDrev);

    if (!PasteMapper.isEmpty() || !PasteFiler.isEmpty()) {
        const bool kopieret = KopierFraLister();
        if (!kopieret && m_vinduer.dialogs)
            m_vinduer.dialogs->inform(
                QStringLiteral("Der var mapper eller filer, der ikke blev kopierede til destinationen."));
        if (goerKopierneVarige() && !DeleteFraLister() && m_vinduer.dialogs)
            m_vinduer.dialogs->inform(QStringLiteral("Der var mapper eller filer, der ikke blev slettede."));
    }
    m_oversigt = samletOversigt;
    m_antalOptalt = samletAntal;
    m_husk = false;

    if (ikkePastede > 0 && m_vinduer.dialogs)
        m_vinduer.dialogs->inform(dansk::heltal(ikkePastede)
                                  + (ikkePastede == 1 ? QStringLiteral(" element blev ikke flyttede")
                                                      : QStringLiteral(" elementer blev ikke flyttede"))
                                  + QStringLiteral(" på grund af den valgte indstilling \"Overskriv ikke\"."));
    rapporterUdeladte(true);
    rapporterFlytning();
    return !stoppet();
}

QStringList TPasteObjekt::udenAndreDrevInde(const QStringList &mapper)
{
    // Taking such a folder to another volume would mean copying a whole
    // other volume and then emptying it: the folder is left as it is.
    QStringList ud;
    for (const QString &mappe : mapper) {
        if (m_monteringI.contains(mappe))
            m_andreDrevInde.append(mappe + QStringLiteral(" (drevet ") + m_monteringI.value(mappe)
                                   + QLatin1Char(')'));
        else
            ud.append(mappe);
    }
    return ud;
}

bool TPasteObjekt::goerKopierneVarige()
{
    // No source may go before its copy is on the disk: the copies, and the
    // folder entries naming them, are flushed volume by volume in one call
    // each, before the first source is deleted.
    if (m_ankomne.isEmpty())
        return true;
    for (const QString &mappe : std::as_const(m_skrevneDrev)) {
        const int fejl = filkopi::synkroniserDrev(mappe);
        if (fejl == 0)
            continue;
        if (m_vinduer.dialogs)
            m_vinduer.dialogs->inform(QStringLiteral("Kopierne kunne ikke gemmes sikkert på drevet med:\r") + mappe
                                      + QLatin1Char('\r') + fejlgrund::saetning(fejl)
                                      + QStringLiteral("\rDerfor er intet slettet i kilden."));
        m_ankomne.clear();
        return false;
    }
    return true;
}

void TPasteObjekt::rapporterFlytning()
{
    Dialogs *d = m_vinduer.dialogs;
    if (!d)
        return;
    if (!m_andreDrevInde.isEmpty())
        d->inform(QStringLiteral("Følgende mapper rummer et andet monteret drev og flyttes derfor ikke til et "
                                 "andet drev; de er ikke rørt:\r")
                  + m_andreDrevInde.join(QLatin1Char('\r')));
    if (!m_aendrede.isEmpty())
        d->inform(QStringLiteral("Følgende filer blev ændret eller kom til, mens flytningen kørte, og ligger "
                                 "derfor stadig i kilden:\r")
                  + m_aendrede.mid(0, 20).join(QLatin1Char('\r'))
                  + (m_aendrede.size() > 20 ? QStringLiteral("\r… og ") + dansk::heltal(m_aendrede.size() - 20)
                                                  + QStringLiteral(" flere.")
                                            : QString()));
}

bool TPasteObjekt::uaendret(const QString &kilde) const
{
    const filkopi::Kendetegn foer = m_ankomne.value(kilde);
    return foer.ok && filkopi::kendetegn(kilde) == foer;
}

void TPasteObjekt::flytMappe(const QString &mappe, QStringList &andetDrev)
{
    if (const int fejl = mappeFejl(mappe)) {
        // Reported while counting; only a vanished folder is no loss.
        if (fejl != ENOENT)
            ikkeAnkommet(mappe);
        return;
    }
    if (this->andetDrev(mappe, ConstDest)) {
        andetDrev.append(mappe);
        return;
    }
    // Moving an element to where it already is changes nothing, whatever
    // the method says.
    const QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(mappe);
    if (identitet::sammeElement(mappe, target)) {
        sprungetSomSamme(mappe);
        return;
    }
    flytElement(mappe, target, true, m_optalt.value(mappe), andetDrev);
}

void TPasteObjekt::flytElement(const QString &kilde, const QString &target, bool mappe,
                               QPair<qint64, qint64> optalt, QStringList &andetDrev)
{
    const auto flyt = [&](const QString &til, bool erstat) {
        // A taken file is replaced in the same step as the move, so it is
        // never gone before the new one stands in its place.
        const Flytning f = erstat && mappe ? erstatMappe(kilde, til) : omdoeb(kilde, til, erstat);
        if (f == Flytning::Flyttet) {
            flyttet(optalt.first, optalt.second);
            brugt(til);
        } else if (f == Flytning::AndetDrev) {
            andetDrev.append(kilde);
        }
    };
    const auto nytNavn = [&] {
        return mappe ? TMetoder::getNewDirectoryName(target, Kopi) : TMetoder::getNewFilnavn(target, Kopi);
    };
    if (!filinfo::findes(target)) {
        flyt(target, false);
        return;
    }
    if (brugtAfDennePaste(target)) {
        // Moved here earlier in this move: never replaced by a namesake.
        flyt(nytNavn(), false);
        return;
    }
    switch (konfliktValg(target)) {
    case Valg::LadVaere:
        ++ikkePastede;
        return;
    case Valg::NytNavn:
        flyt(nytNavn(), false);
        return;
    case Valg::Erstat:
        if (!mappe || spoergErstatMappe(target))
            flyt(target, true);
        return;
    }
}

bool TPasteObjekt::spoergErstatMappe(const QString &target)
{
    // A remembered answer only ever stands for folders whose name is taken.
    if (m_erstatHuskes)
        return m_erstatSvar;
    if (!m_vinduer.dialogs)
        return false;
    bool alle = false;
    const bool ja = m_vinduer.dialogs->ask(QStringLiteral("Der eksisterer allerede en mappe med navnet:\r") + target
                                               + QStringLiteral("\rMå denne mappe slettes og erstattes af den nye mappe?"),
                                           true, &alle);
    if (alle) {
        m_erstatHuskes = true;
        m_erstatSvar = ja;
    }
    return ja;
}

void TPasteObjekt::flytFil(const QString &fil, QStringList &andetDrev)
{
    if (!filinfo::findes(fil)) {
        ikkeAnkommet(fil);
        return;
    }
    if (this->andetDrev(fil, ConstDest)) {
        andetDrev.append(fil);
        return;
    }
    const QString target = stier::delimKon(ConstDest) + stier::getLastDirectory(fil);
    if (identitet::sammeElement(fil, target)) {
        sprungetSomSamme(fil);
        return;
    }
    flytElement(fil, target, false, {1, qMax<qint64>(0, TMetoder::getFilensSize(fil))}, andetDrev);
}

TPasteObjekt::Flytning TPasteObjekt::omdoeb(const QString &fra, const QString &til, bool erstat)
{
    const navneskift::Udfald u = erstat ? navneskift::flytOver(fra, til) : navneskift::flyt(fra, til);
    switch (u) {
    case navneskift::Udfald::Ok:
        return Flytning::Flyttet;
    case navneskift::Udfald::AndetDrev:
        return Flytning::AndetDrev;
    case navneskift::Udfald::Findes:
        ++ikkePastede;   // taken since it was looked at: left alone
        return Flytning::Findes;
    case navneskift::Udfald::Fejl:
        break;
    }
    ikkeAnkommet(fra);
    return Flytning::Fejlet;
}

TPasteObjekt::Flytning TPasteObjekt::erstatMappe(const QString &fra, const QString &til)
{
    // The old folder steps aside under a hidden name and is only removed
    // once the new one stands in its place; if the move fails it comes back.
    const QString side = TMetoder::getNewDirectoryName(
        stier::delimKon(stier::mappeAf(til)) + QLatin1Char('.') + stier::getLastDirectory(til)
            + QStringLiteral(".erstattes"),
        Kopi);
    if (navneskift::flyt(til, side) != navneskift::Udfald::Ok) {
        ikkeAnkommet(fra);
        return Flytning::Fejlet;
    }
    const Flytning f = omdoeb(fra, til, false);
    if (f != Flytning::Flyttet) {
        navneskift::flyt(side, til);
        return f;
    }
    sletning::Resultat r;
    if (!sletning::slet(side, r) && m_vinduer.dialogs)
        m_vinduer.dialogs->inform(QStringLiteral("Den erstattede mappe kunne ikke slettes helt. Resten ligger i:\r")
                                  + side + QLatin1Char('\r') + sletning::linjer(r.fejl).join(QLatin1Char('\r')));
    return f;
}

void TPasteObjekt::flyttet(qint64 filer, qint64 bytes)
{
    m_udfoerteFiler += filer;
    m_udfoerteBytes += bytes;
}

// ---------------------------------------------------------------------------
// Removing the moved sources

bool TPasteObjekt::DeleteFraLister()
{
    Fremdrift *d = m_vinduer.DeleteBox;
    const QString tekst = QStringLiteral("Sletningen er permanent");
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = PasteMapper.size();
    d->forberedSletning(tekst, antalMapper);
    for (const QString &mappe : std::as_const(PasteMapper)) {
        d->tilfoejMappe(mappe);
        stoerrelsesberegning::Resultat r;
        if (!filinfo::erMappe(mappe) || !stoerrelsesberegning::laegMappeTil(mappe, r)) {
            if (m_vinduer.dialogs)
                m_vinduer.dialogs->inform(QStringLiteral("Mappen\r") + mappe + QStringLiteral("\reksisterer ikke."));
            continue;
        }
        totalSize += r.totalSize;
        antalFiler += r.antalFiler;
        antalMapper += r.antalMapper;
    }
    for (const QString &fil : std::as_const(PasteFiler)) {
        totalSize += qMax<qint64>(0, TMetoder::getFilensSize(fil));
        ++antalFiler;
    }
    d->setDestination(tekst + QStringLiteral(": ") + TMetoder::kortStoerrelse(totalSize));
    d->setInformation(QStringLiteral("Antal filer: ") + dansk::heltal(antalFiler));
    d->vis();

    bool ok = true;
    for (int i = 0; i < PasteMapper.size(); ++i) {
        const QString &mappe = PasteMapper.at(i);
        if (!filinfo::erMappe(mappe))
            continue;
        MappeLaeser rod(mappe);
        ok = fjernAnkomne(mappe, !ikkeAnkomne().contains(mappe), rod.sted()) && ok;
        if (!filinfo::findes(mappe))
            d->markerMappe(i);
        d->holdILive();
    }
    for (const QString &fil : std::as_const(PasteFiler)) {
        antalFiler = qMax<qint64>(0, antalFiler - 1);
        posSize += qMax<qint64>(0, TMetoder::getFilensSize(fil));
        // Only a file whose own copy is complete may go, and only while it
        // is still the file that was copied.
        if (m_ankomne.contains(fil)) {
            if (uaendret(fil))
                ok = fjernFil(fil) && ok;
            else
                m_aendrede.append(fil);
        }
        progressInfoDel();
    }
    if (CloseBoxAfter)
        d->luk();
    return ok;
}

bool TPasteObjekt::fjernAnkomne(const QString &mappe, bool helt, const montering::Sted &rod)
{
    MappeLaeser laeser(mappe, true);
    if (!laeser.aaben())
        return true;   // nothing of it can have arrived unseen; it stays
    // Nothing is ever deleted inside another mounted volume.
    const montering::Sted her = laeser.sted();
    if (!her.ok || !rod.ok || montering::andenMontering(rod, her))
        return true;
    std::vector<MappeLaeser::Post> poster;
    MappeLaeser::Post p;
    while (laeser.naeste(p))
        poster.push_back(p);
    bool ok = true;
    const QString fra = stier::delimKon(mappe);
    for (const MappeLaeser::Post &post : poster) {
        const QString sti = fra + post.navn;
        if (post.art == MappeLaeser::Art::Mappe && !post.erLink && post.fejl == 0) {
            ok = fjernAnkomne(sti, helt, rod) && ok;
            continue;
        }
        if (!m_ankomne.contains(sti)) {
            // Skipped, stopped or failed: it stays where it was, as the
            // user was told. In a folder that arrived whole, it came
            // after the copy.
            if (helt)
                m_aendrede.append(sti);
            continue;
        }
        if (!uaendret(sti)) {
            m_aendrede.append(sti);
            continue;
        }
        ok = fjernFil(sti) && ok;
        antalFiler = qMax<qint64>(0, antalFiler - 1);
        posSize += post.stoerrelse;
        progressInfoDel();
    }
    // A folder goes only once it is empty and has its counterpart at the
    // destination; one still holding what did not arrive stays, which is not
    // a failure of the deletion.
    if (m_ankomne.contains(mappe)) {
        sletning::Resultat r;
        sletning::sletTomMappe(mappe, r);
    }
    return ok;
}

void TPasteObjekt::progressInfoDel()
{
    Fremdrift *d = m_vinduer.DeleteBox;
    const int procent = totalSize <= 0 ? 0 : int(qMin<qint64>(100, posSize * 100 / totalSize));
    d->setProcent(procent);
    d->setResterende(dansk::heltal(antalFiler) + QStringLiteral(" (")
                     + TMetoder::kortStoerrelse(qMax<qint64>(0, totalSize - posSize)) + QLatin1Char(')'));
    d->setBar(procent);
    d->holdILive();
}
