#include "engines/tdeletecompo.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/bekraeftelse.h"
#include "engines/fremdrift.h"
#include "engines/tmetoder.h"
#include "platform/filinfo.h"
#include "platform/systemmapper.h"

#include <QDir>


namespace {

const QString Papirkurvssletning = QStringLiteral("Papirkurvs sletning");
const QString VedvarendeSletning = QStringLiteral("Vedvarende sletning");

bool erUnder(const QString &sti, const QString &mappe)
{
    return mappe == QLatin1String("/") ? sti != mappe : sti.startsWith(mappe + QLatin1Char('/'));
}

// The list without repeats and without elements inside a listed folder:
// each element is deleted, counted and reported once.
QStringList udenGentagelser(const QStringList &liste, const QStringList &mapper)
{
    QStringList ud;
    QSet<QString> set;
    for (const QString &e : liste) {
        const QString sti = stier::udenSkraastreg(e);
        bool inde = false;
        for (const QString &m : mapper)
            inde = inde || erUnder(sti, stier::udenSkraastreg(m));
        if (!inde && !set.contains(sti)) {
            set.insert(sti);
            ud.append(sti);
        }
    }
    return ud;
}

// The folders not inside another listed folder.
QStringList yderste(const QStringList &mapper)
{
    QStringList ud;
    for (const QString &m : mapper) {
        bool inde = false;
        for (const QString &n : mapper)
            inde = inde || erUnder(m, n);
        if (!inde)
            ud.append(m);
    }
    return ud;
}

// What a listed file weighs for the progress: its size (a link's target's),
// at least one byte; nullopt when it is gone. One look at most files.
std::optional<qint64> filVaegt(const QString &fil)
{
    const std::optional<filinfo::Element> e = filinfo::element(fil);
    if (!e)
        return std::nullopt;
    return qMax<qint64>(e->stoerrelse, 1);
}

} // namespace

TDeleteCompo::TDeleteCompo(Dialogs *dialogs, Bekraeftelse *spm, Fremdrift *boks, QObject *ejer)
    : QObject(ejer)
    , m_dialogs(dialogs)
    , SpmDelBox(spm)
    , DeleteBox(boks)
{
}

bool TDeleteCompo::skalSpoerge(bool tilPapirkurv) const
{
    return IntSpm == Spoergsmaal::Altid || (IntSpm == Spoergsmaal::KunFoerSlet && !tilPapirkurv);
}

QSet<QString> TDeleteCompo::monteringspunkter() const
{
    // The real mount points are recognised by the kernel; these are the
    // ones a test fakes.
    if (m_vagt)
        return m_vagt->monteringer;
    return m_monteringer.value_or(QSet<QString>());
}

QStringList TDeleteCompo::vigtigeMapper() const
{
    if (m_vagt)
        return m_vagt->vigtige;
    QStringList ud;
    const QStringList altid = {QDir::homePath(), systemmapper::grundMappe(), systemmapper::programMappe()};
    for (const QString &v : altid + m_beskyttede) {
        if (!v.isEmpty())
            ud.append(stier::udenSkraastreg(sletning::kanonisk(stier::udenSkraastreg(v))));
    }
    return ud;
}

QString TDeleteCompo::beskyttelse(const QString &sti) const
{
    const QString uden = stier::udenSkraastreg(sti);
    const QString rent = stier::udenSkraastreg(m_vagt ? m_vagt->kanonisk.kanonisk(uden) : sletning::kanonisk(uden));
    if (rent == QLatin1String("/"))
        return QStringLiteral("roden af filsystemet");
    for (const QString &k : vigtigeMapper()) {
        if (k == rent || erUnder(k, rent))
            return k == rent ? QStringLiteral("en beskyttet mappe") : QStringLiteral("rummer en beskyttet mappe");
    }
    if (!filinfo::erLink(rent) && sletning::erMonteringspunkt(rent, monteringspunkter()))
        return QStringLiteral("et drev");
    return {};
}

bool TDeleteCompo::fjernBeskyttede()
{
    QStringList afvist;
    for (QStringList *liste : {&DeleteMapper, &DeleteFiler}) {
        for (qsizetype i = liste->size() - 1; i >= 0; --i) {
            const QString grund = beskyttelse(liste->at(i));
            if (!grund.isEmpty()) {
                afvist.prepend(liste->at(i) + QStringLiteral(" (") + grund + QLatin1Char(')'));
                liste->removeAt(i);
            }
        }
    }
    if (!afvist.isEmpty())
        m_dialogs->inform(QStringLiteral("Følgende må aldrig slettes og bliver ikke slettet:\r") + afvist.join(QLatin1Char('\r')));
    return !DeleteMapper.isEmpty() || !DeleteFiler.isEmpty();
}

bool TDeleteCompo::DeleteElementer(const QStringList &aMappeListe, const QStringList &aFilListe, bool tilPapirkurv)
{
    DeleteBox->setDestination({});
    m_resultat.clear();
    m_fejl.clear();
    m_slettet = 0;
    // The mount table and the protected folders are read once per deletion.
    m_vagt.reset();
    m_vagt = Vagt{monteringspunkter(), vigtigeMapper(), {}};
    const bool ok = sletElementer(aMappeListe, aFilListe, tilPapirkurv);
    m_vagt.reset();
    return ok;
}

bool TDeleteCompo::sletElementer(const QStringList &aMappeListe, const QStringList &aFilListe, bool tilPapirkurv)
{
    // Protected folders go first, so that what they hold is not taken for
    // part of a listed folder.
    DeleteMapper.clear();
    DeleteFiler.clear();
    for (const QString &m : aMappeListe)
        DeleteMapper.append(stier::udenSkraastreg(m));
    for (const QString &f : aFilListe)
        DeleteFiler.append(stier::udenSkraastreg(f));
    if (!fjernBeskyttede())
        return false;
    DeleteMapper = yderste(udenGentagelser(DeleteMapper, {}));
    DeleteFiler = udenGentagelser(DeleteFiler, DeleteMapper);
    if (skalSpoerge(tilPapirkurv) && !SpmDelBox->skalElementerSlettes(DeleteFiler, DeleteMapper, tilPapirkurv))
        return false;

    sizeOfDelElementer(tilPapirkurv ? Papirkurvssletning : VedvarendeSletning);
    if (tilPapirkurv)
        m_kurv.emplace(m_kilder ? *m_kilder : papirkurv::Kilder::system());
    DeleteBox->holdILive(true);
    DeleteBox->vis();
    sletMapper(tilPapirkurv);
    sletFiler(tilPapirkurv);
    m_kurv.reset();
    progressInfoDel();
    DeleteBox->holdILive(true);
    if (CloseBoxAfter)
        DeleteBox->luk();
    m_resultat = TMetoder::kortStoerrelse(m_slettet);
    rapporter();
    return true;
}

qint64 TDeleteCompo::sizeOfDelElementer(const QString &aDeleteTekst)
{
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = DeleteMapper.size();
    DeleteBox->forberedSletning(aDeleteTekst, DeleteMapper.size());
    DeleteBox->holdILive(true);

    m_mappeTal.clear();
    m_optaelling = {};
    for (const QString &mappe : DeleteMapper) {
        DeleteBox->tilfoejMappe(mappe);
        Optaelling tal;
        if (filinfo::erLink(mappe)) {
            // A link is removed as itself; what it leads to is not counted.
            tal = {1, 1, true};
        } else if (!filinfo::erMappe(mappe)) {
            m_dialogs->inform(QStringLiteral("Mappen\r") + mappe + QStringLiteral("\reksisterer ikke."));
        } else if (const auto r = m_optaelling.tael(mappe, [this] { DeleteBox->holdILive(); })) {
            tal = {r->filer, r->bytes, true};
            antalMapper += r->mapper;
        } else {
            m_dialogs->inform(beskeder::ukendtFejl());
        }
        antalFiler += tal.filer;
        totalSize += tal.bytes;
        m_mappeTal.append(tal);
        DeleteBox->holdILive();
    }
    DeleteBox->holdILive(true);
    for (const QString &fil : DeleteFiler) {
        // A file gone since the selection is passed over here and when deleting.
        const std::optional<qint64> bytes = filVaegt(fil);
        if (!bytes)
            continue;
        totalSize += *bytes;
        ++antalFiler;
    }
    DeleteBox->holdILive(true);
    DeleteBox->setDestination(aDeleteTekst + QStringLiteral(": ") + TMetoder::kortStoerrelse(totalSize));
    DeleteBox->setInformation(QStringLiteral("Antal filer: ") + QString::number(antalFiler));
    return totalSize;
}

int TDeleteCompo::progressInfoDel()
{
    const int procent = totalSize <= 0 ? 0 : int(qBound(qint64(0), posSize * 100 / totalSize, qint64(100)));
    DeleteBox->setProcent(procent);
    DeleteBox->setResterende(dansk::heltal(qMax<qint64>(antalFiler, 0)) + QStringLiteral(" (")
                             + TMetoder::kortStoerrelse(qMax<qint64>(totalSize - posSize, 0)) + QLatin1Char(')'));
    DeleteBox->setBar(procent);
    return procent;
}

bool TDeleteCompo::flytTilKurv(const QString &sti)
{
    if (!m_kurv)
        m_kurv.emplace(m_kilder ? *m_kilder : papirkurv::Kilder::system());
    const papirkurv::Svar s = m_kurv->flyt(sti);
    if (!s.ok)
        m_fejl.append({sti, QStringLiteral("kan ikke lægges i en papirkurv: ") + s.grund});
    return s.ok;
}

bool TDeleteCompo::sletMappe(const QString &mappe, bool toPapirkurv)
{
    if (!beskyttelse(mappe).isEmpty()) {
        m_fejl.append({mappe, beskyttelse(mappe)});
        return false;
    }
    if (toPapirkurv)
        return flytTilKurv(mappe);
    sletning::Valg valg;
    valg.monteringspunkter = monteringspunkter();
    valg.optaelling = &m_optaelling;
    valg.filSlettet = [this](qint64 bytes) {
        --antalFiler;
        posSize += bytes;
        m_slettet += bytes;
        // The labels are written no more often than events are processed.
        if (m_ur.hasExpired(Fremdrift::StandardInterval)) {
            progressInfoDel();
            DeleteBox->holdILive(true);
            m_ur.start();
        }
    };
    sletning::Resultat r;
    m_ur.start();
    const bool ok = sletning::slet(mappe, r, valg);
    m_fejl += r.fejl;
    return ok;
}

bool TDeleteCompo::FileDeleteRB(const QString &fil)
{
    return filinfo::findes(fil) && filTilKurv(fil);
}

bool TDeleteCompo::filTilKurv(const QString &fil)
{
    if (const QString grund = beskyttelse(fil); !grund.isEmpty()) {
        m_fejl.append({fil, grund});
        return false;
    }
    return flytTilKurv(QDir::isAbsolutePath(fil) ? fil : QDir::current().absoluteFilePath(fil));
}

void TDeleteCompo::sletMapper(bool tilPapirkurv)
{
    for (qsizetype i = 0; i < DeleteMapper.size(); ++i) {
        const QString &mappe = DeleteMapper.at(i);
        const Optaelling tal = m_mappeTal.value(i);
        if (!tal.findes || !filinfo::findes(mappe))
            continue;
        const qint64 foerFiler = antalFiler;
        const qint64 foerPos = posSize;
        const bool ok = sletMappe(mappe, tilPapirkurv);
        if (ok && tilPapirkurv)
            m_slettet += tal.bytes;
        // The bar passes the folder whatever stayed of it.
        antalFiler = foerFiler - tal.filer;
        posSize = foerPos + tal.bytes;
        progressInfoDel();
        DeleteBox->holdILive(true);
        DeleteBox->markerMappe(int(i));
        DeleteBox->holdILive();
    }
}

void TDeleteCompo::sletFiler(bool tilPapirkurv)
{
    m_ur.start();
    for (const QString &fil : DeleteFiler) {
        const std::optional<qint64> vaegt = filVaegt(fil);
        if (!vaegt)
            continue;
        --antalFiler;
        const qint64 bytes = *vaegt;
        posSize += bytes;
        bool ok;
        if (tilPapirkurv) {
            // It was there a moment ago; a file gone since is reported by the trash.
            ok = filTilKurv(fil);
        } else {
            sletning::Resultat r;
            ok = beskyttelse(fil).isEmpty() && sletning::slet(fil, r, {monteringspunkter(), {}});
            m_fejl += r.fejl;
        }
        if (ok)
            m_slettet += bytes;
        if (m_ur.hasExpired(Fremdrift::StandardInterval)) {
            progressInfoDel();
            DeleteBox->holdILive(true);
            m_ur.start();
        }
    }
}

void TDeleteCompo::rapporter()
{
    if (m_fejl.isEmpty())
        return;
    const QString overskrift = m_fejl.size() == 1 ? QStringLiteral("Dette element blev ikke slettet:\r")
                                                  : QStringLiteral("Disse elementer blev ikke slettet:\r");
    m_dialogs->inform(overskrift + sletning::linjer(m_fejl).join(QLatin1Char('\r')));
}
