#include "engines/tklipbord.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/strukturrec.h"
#include "engines/tfilmodel.h"
#include "engines/tkopilister.h"
#include "engines/tmappemodel.h"
#include "engines/tmetoder.h"
#include "engines/tpasteobjekt.h"
#include "engines/tstrukturcompo.h"
#include "platform/filinfo.h"

TKlipbord::TKlipbord(TMetoder *metoder, TKopilister *lister, TPasteObjekt *paste, Dialogs *dialogs,
                     QObject *parent)
    : QObject(parent)
    , m_metoder(metoder)
    , m_lister(nullptr)
    , m_paste(paste)
    , m_dialogs(dialogs)
{
    setLister(lister);
    m_paste->onLoadLister = [this] { loadListerne(); };
    m_paste->onPasteElements = [this](bool bekraeftet) { lukKlipbordKontrol(bekraeftet); };
}

void TKlipbord::setLister(TKopilister *lister)
{
    if (m_lister)
        disconnect(m_lister, nullptr, this, nullptr);
    m_lister = lister;
    m_metoder->setKlipbord(lister);
    connect(lister, &TKopilister::stoerrelsesfelt, this, &TKlipbord::stoerrelsesfelt);
}

int TKlipbord::CopyElementer()
{
    TStrukturCompo *motor = m_metoder->StrukturY;
    QList<TKopiliste::Post> mapper, filer;
    if (motor->aktiveStruktur() == Trae::Mappe) {
        for (const QModelIndex &node : motor->struktur1()->valgteNoder()) {
            const QString mappe = motor->struktur1()->rec(node).mappe;
            if (filinfo::erMappe(mappe))
                mapper.append({TKopilister::MappeBillede, mappe, true});
        }
        m_lister->tilfoejFlere(mapper, {});
        if (m_metoder->BoolVisKlipbord)
            emit visKlipbordOensket();
        return 0;
    }
    const TFilModel *filmodel = motor->struktur2();
    if (filmodel->antal() == 0) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er ikke valgt elementer til kopiering.\r"
                                             "Der skal vælges elementer til kopiering."));
        return 0;
    }
    const QList<int> valgte = filmodel->valgteRaekker();
    // One question to the file system per row, all asked at once: a file
    // row whose file has vanished does not bring its folder along.
    std::vector<FilRaekke> raekker;
    raekker.reserve(size_t(valgte.size()));
    QStringList stier;
    stier.reserve(valgte.size());
    for (int r : valgte) {
        raekker.push_back(filmodel->raekke(r));
        const StrukturRec &rec = raekker.back().rec;
        stier.append(rec.filnavn.isEmpty() ? rec.mappe : rec.filnavn);
    }
    const std::vector<filinfo::Art> arter = filinfo::arter(stier);
    for (size_t i = 0; i < raekker.size(); ++i) {
        const StrukturRec &rec = raekker[i].rec;
        const bool harFil = !rec.filnavn.isEmpty();
        if (harFil && arter[i] == filinfo::Art::Fil) {
            filer.append({raekker[i].billede, rec.filnavn, true});
        } else if (rec.ID == IdMappe) {
            // A folder row names no file; one that does was asked for that.
            const filinfo::Art art = harFil ? filinfo::art(rec.mappe) : arter[i];
            if (art == filinfo::Art::Mappe)
                mapper.append({TKopilister::MappeBillede, rec.mappe, true});
        }
    }
    // The whole selection joins the lists at once: one change for the window.
    m_lister->tilfoejFlere(mapper, filer);
    if (m_metoder->BoolVisKlipbord)
        emit visKlipbordOensket();
    return int(valgte.size());
}

void TKlipbord::KopierElementer(bool cut, const Valg &valg)
{
    m_metoder->setFlytElementer(cut);
    CopyElementer();
    if (valg.gaaTilIndstillinger)
        emit visIndstillingerOensket();
}

QString TKlipbord::getDestination() const
{
    TStrukturCompo *motor = m_metoder->StrukturY;
    if (motor->aktiveStruktur() == Trae::Mappe) {
        const QModelIndex node = motor->struktur1()->valgtNode();
        return node.isValid() ? motor->struktur1()->rec(node).mappe : QString();
    }
    QString dest = motor->mappenavn();
    const int r = motor->struktur2()->valgtRaekke();
    if (r >= 0) {
        const StrukturRec &rec = motor->struktur2()->raekke(r).rec;
        if (rec.ID == IdMappe)
            dest = rec.mappe;
    }
    return filinfo::erMappe(dest) ? dest : QString();
}

bool TKlipbord::PasteExecute(const Valg &valg)
{
    if (m_lister->getElementAntal() == 0) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er ingen elementer i Klipbordet.\rVælg elementer og prøv igen."));
        return false;
    }
    m_paste->setIntSpm(spoergsmaalFraTal(valg.saetIndSlet));
    m_paste->setIntPasteMetode(valg.saetInd);
    m_paste->setCloseBoxAfter(valg.lukProgress);
    m_paste->setBoxCaption(valg.navn);
    m_rydLister = valg.rydLister;
    return m_metoder->FlytElementer ? m_paste->PasteCutElementer() : m_paste->PasteElementer();
}

QString TKlipbord::getResult() const
{
    return m_paste->getResult();
}

void TKlipbord::loadListerne()
{
    const QString dest = getDestination();
    if (dest.isEmpty() || !filinfo::erMappe(dest)) {
        m_paste->setConstDest({});
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der mangler en destination for \"Sæt-ind\" funktionen.\r"
                                             "Vælg mappen, hvor elementerne skal kopieres til og prøv igen."));
        return;
    }
    QStringList mapper, filer;
    if (m_lister->loadLister(mapper, filer, dest, m_dialogs) == 0) {
        m_paste->setConstDest({});
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er ingen gyldige elementer i Klipbordet.\rIndsæt elementer og prøv igen."));
        return;
    }
    m_paste->setConstDest(dest);
    m_paste->setPasteMapper(mapper);
    m_paste->setPasteFiler(filer);
}

void TKlipbord::lukKlipbordKontrol(bool bekraeftet)
{
    // The driver keeps its own copy of the paths, so the paste goes on and
    // "Gendan data" can bring the entries back.
    if (bekraeftet && m_rydLister)
        m_lister->ClearCopyLister();
}

void TKlipbord::annullerMapper()
{
    m_lister->Mappeliste()->fjernMarkerede();
    emit stoerrelsesfelt({});
}

void TKlipbord::annullerFiler()
{
    m_lister->Filliste()->fjernMarkerede();
    emit stoerrelsesfelt({});
}

void TKlipbord::annullerAlle()
{
    m_lister->sletBeggeLister();
    emit stoerrelsesfelt({});
}

bool TKlipbord::kanGendanne() const
{
    return !m_paste->PasteMapper.isEmpty() || !m_paste->PasteFiler.isEmpty();
}

void TKlipbord::klipbordsGendannelse(const Valg &valg)
{
    RegisterElements(m_paste->PasteMapper + m_paste->PasteFiler);
    if (valg.gaaTilIndstillinger)
        emit visIndstillingerOensket();
}

bool TKlipbord::kanOverfoere(bool delt, bool aktiver, int antalStifindere, int elementAntal, int processCount)
{
    return !delt && aktiver && antalStifindere >= 2 && elementAntal > 0 && processCount == 0;
}

void TKlipbord::kopierKlipbordsdata(const QList<TKlipbord *> &andre)
{
    for (TKlipbord *anden : andre) {
        if (anden != this && anden->m_lister != m_lister)
            m_lister->overfoerTil(*anden->m_lister);
    }
}

int TKlipbord::RegisterElements(const QStringList &stier)
{
    return m_lister->RegisterElements(stier);
}
