#include "explorer/twinform.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tdeletecompo.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "engines/tstrukturcompo.h"
#include "explorer/knapper.h"
#include "explorer/taktivitetsviser.h"
#include "explorer/tdeleteform.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tkopieringsform.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tsoegside.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstiboks.h"
#include "explorer/tegenskabskommandoer.h"
#include "explorer/tstifinderegenskabsside.h"
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstifinderlinjer.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/ttraekogslip.h"
#include "platform/filinfo.h"
#include "shell/aktivering.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace stifinderregler;

namespace {

const QString Stifinder = QStringLiteral("Stifinder ");

} // namespace

// ---------------------------------------------------------------- creation

Twinform::Twinform(int nummer, TRammeForbindelse &ramme, QWidget *parent)
    : QWidget(parent)
    , m_ramme(ramme)
    , m_nummer(nummer)
{
    FormCreate();
}

void Twinform::FormCreate()
{
    setObjectName(QStringLiteral("Twinform"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_navn = Stifinder + QString::number(m_nummer);
    setWindowTitle(m_navn);
    m_optFilnavn = m_ramme.optMappe() + m_navn + QStringLiteral(".txt");
    m_detaljeFilnavn = m_ramme.optMappe() + m_navn + QStringLiteral(" detaljer.txt");

    opretLister();
    m_motor = new TStrukturCompo(this);
    m_metodeX = new TMetodeCompo(&m_ramme.dialogs(), this);
    m_metodeX->setStrukturY(m_motor);
    opretRegioner();
    m_navigation = new TStifinderNavigation(*this);

    StifinderEgenskaber e;
    e.HentOpt(m_optFilnavn);
    anvendEgenskaber(e);
    hentDetaljer();
    m_metodeX->setBoolVisKlipbord(e.visKlipbord);
    m_metodeX->setFlytElementer(false);

    forbindMotor();
    forbindTraeer();
    forbindSider();
    bindDrevmenuer();
    bindOmdoebning();
    // The delete engine gets the window's confirmation and delete window,
    // as the paste engine gets its windows.
    auto *sletter = new TDeleteCompo(&m_ramme.dialogs(), new Tkopieringsform(m_ramme.optMappe(), this),
                                     new Tdeleteform(this), this);
    m_elementKommandoer = new TElementKommandoer(*this, m_ramme, *m_metodeX, *sletter);
    m_egenskabsKommandoer = new TEgenskabsKommandoer(*this, m_ramme);
    m_klipbordsKommandoer = new TKlipbordsKommandoer(*this, m_ramme);
    m_klipbordsKommandoer->bind();
    m_traek = new TTraekOgSlip(*this);
    anvendFaellesValg();
    if (!makeOpstartStrukturer()) {
        m_motor->setAktiveStruktur(Trae::Mappe);
        m_motor->makePreDrives();
        const QString p = m_motor->makeStruktur2({});
        mappeKontrol(p, true);
    }
    m_favDir->HentReopenFiler();
    m_favFiler->HentReopenFiler();
    setAcceptDrops(true);

    // Keys of enabled commands act at window level, also inside text fields,
    // those made later (the pages' combo boxes) included.
    for (QLineEdit *felt : findChildren<QLineEdit *>())
        felt->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ny) { filtrerTekstfelt(ny); });
    opdaterKommandoer();
}

Twinform::~Twinform()
{
    if (!m_lukket)
        FormClose();
}

void Twinform::anvendEgenskaber(const StifinderEgenskaber &e)
{
    m_egenskaber = e;
    m_motor->setMappenavn(e.Mappenavn);
    m_motor->setFilnavn(e.Filnavn);
    m_breddeSat = false;
    m_motor->setShowPrivate(e.startPrivat);
    m_motor->setShowHidden(e.visSkjulte);
    if (QAbstractButton *b = m_sidebog->strukturVisning()->button(e.strukturVisning))
        b->setChecked(true);
    m_sidebog->egenskabsside()->saet(e);
    m_sidebog->indstillingsside()->saet(e);
    if (m_sidebog->erBygget(TSidebog::Favoritter))
        m_sidebog->favoritside()->setCurrentIndex(e.favoritSide);
    m_sidebog->setFanePlacering(e.fanePlacering);
    m_sidebog->bestemTabs();
    m_sidebog->visSide(e.side);
    anvendRedskabPlacering(e.redskabPlacering);
    m_linjer->setMarkerButton(e.alleMarkerknapper);
    m_sidebog->egenskabsside()->setStifinderNavn(m_navn);
}

void Twinform::forbindMotor()
{
    m_motor->setGemHentFilnavn(m_ramme.optMappe() + QStringLiteral("GemHentStruktur ") + m_navn
                               + QStringLiteral(".txt"));
    m_motor->setDialogs(&m_ramme.dialogs());
    m_motor->setBrugernavn(m_ramme.brugernavn());
    connect(m_motor, &TStrukturCompo::onDirectoryChange, this, &Twinform::mappeKontrol);
}

bool Twinform::makeOpstartStrukturer()
{
    const int opstart = m_egenskaber.programOpstart;
    if (opstart == 0) {
        m_motor->setAktiveStruktur(Trae::Mappe);
        m_motor->makePreDrives();
        m_motor->setAktiveStruktur(Trae::Fil);
        const QString p = m_motor->makeStruktur2({});
        if (p.isEmpty())
            return false;
        mappeKontrol(p, true);
        return true;
    }
    const QString mappe = m_motor->mappenavn();
    const QString fil = m_motor->filnavn();
    if (!m_motor->udfoldStruktur1(mappe, opstart == 2))
        return false;
    m_motor->setAktiveStruktur(Trae::Fil);
    QString p;
    if (filinfo::erFil(fil) && !filinfo::erMappe(fil))
        p = m_motor->SelectFil(fil);
    else
        p = m_motor->makeStruktur2(filinfo::erMappe(mappe) ? mappe : QString());
    if (p.isEmpty())
        return false;
    mappeKontrol(p, true);
    return true;
}

// ---------------------------------------------------------------- the frame's choices

void Twinform::anvendFaellesValg()
{
    const RammeValg v = m_ramme.valg();
    // The chosen font is the trees' font; the rest of the window keeps the
    // desktop's.
    m_visning->mappeStruktur()->setFont(v.skrift);
    m_visning->filStruktur()->setFont(v.skrift);
    m_visning->setMappeLinjer(v.strukturLinjer);
    m_stiboks->setUdseende(v.bogfaner);
    if (m_sidebog->erBygget(TSidebog::Favoritter))
        m_sidebog->favoritside()->setDocumentMode(v.bogfaner == 0);
    m_linjer->topPanel()->setVisible(v.vistoppanel);
}

void Twinform::setActionUpdates(bool bloker)
{
    const bool skift = bloker != m_bloker;
    m_bloker = bloker;
    kommando(Kommando::ActionUpd)->setIcon(TStifinderKommandoer::opdateringsBillede(bloker));
    if (skift) {
        if (bloker)
            m_ramme.UdskrivInfo(QStringLiteral("Andre funktioner blokeres nu ved aktive tidskrævende funktioner."));
        else if (m_ramme.valg().informer)
            m_ramme.UdskrivInfo(QStringLiteral(
                "Andre funktioner blokeres ikke ved aktive tidskrævende funktioner, men der informeres."));
        else
            m_ramme.UdskrivInfo(QStringLiteral(
                "Andre funktioner blokeres ikke ved aktive tidskrævende funktioner, og der informeres ikke."));
    }
    planlaegOpdatering();
}

void Twinform::showStrukturInfo()
{
    aabnHjaelp(m_motor->aktiveStruktur() == Trae::Mappe ? QStringLiteral("Mappestrukturen.html")
                                              : QStringLiteral("Filstrukturen.html"));
}

void Twinform::aabnHjaelp(const QString &side)
{
    m_ramme.InfoHelp(side);
}

// ---------------------------------------------------------------- activity

void Twinform::setAktivitetsNr(int delta, Aktivitet art, const QString &resultat)
{
    m_aktivitetsAntal += delta;
    m_funkTilladt = m_aktivitetsAntal <= 0;
    if (m_funkTilladt)
        m_linjer->aktivitetsviser()->stop();
    else
        m_linjer->aktivitetsviser()->start();
    const QString tekst = resultat.isEmpty() ? QStringLiteral("0 bytes") : resultat;
    if (art == Aktivitet::Kopiering)
        setBeskedInfo(QStringLiteral("Der blev kopieret ") + tekst);
    else if (art == Aktivitet::Sletning)
        setBeskedInfo(QStringLiteral("Der blev slettet ") + tekst);
    opdaterKommandoer();
}

void Twinform::begyndFunktion()
{
    m_ramme.aendrProcessCount(1);
    setAktivitetsNr(1, Aktivitet::Anden);
    m_ramme.opdaterKommandoer();
}

void Twinform::afslutFunktion(Aktivitet art, const QString &resultat)
{
    m_ramme.aendrProcessCount(-1);
    setAktivitetsNr(-1, art, resultat);
    m_ramme.opdaterKommandoer();
}

void Twinform::setBeskedInfo(const QString &tekst)
{
    if (m_ramme.valg().informerViaBeskedcenter)
        m_ramme.makeInfo(QStringLiteral("Information"), tekst);
}

// ---------------------------------------------------------------- hooks

void Twinform::setStarter(std::function<void(const QString &, int)> runFilname,
                          std::function<void(const QStringList &)> OpenFilMedProgram)
{
    m_runFilname = std::move(runFilname);
    m_medProgram = std::move(OpenFilMedProgram);
    opdaterKommandoer();
}

void Twinform::koerFil(const QString &sti, int maade)
{
    if (m_runFilname)
        m_runFilname(sti, maade);
}

void Twinform::koerValgteFil(int maade)
{
    koerFil(m_motor->filnavn(), maade);
}

void Twinform::aabnMedProgram()
{
    if (m_medProgram)
        m_medProgram(m_motor->getParamListe());
}

bool Twinform::harForudsaetning(stifinderkommandoer::Forudsaetning f) const
{
    using F = stifinderkommandoer::Forudsaetning;
    switch (f) {
    case F::Ingen: return true;
    case F::Starter: return bool(m_runFilname);
    case F::MedProgram: return bool(m_medProgram);
    case F::Omdoebning: return m_navigation && m_navigation->kanOmdoebe();
    case F::Mangler: return false;
    }
    return false;
}

void Twinform::setKopilister(std::function<void(const QStringList &, const QStringList &)> RegisterElements,
                             std::function<int()> elementAntal)
{
    m_registerElements = std::move(RegisterElements);
    m_elementAntal = std::move(elementAntal);
    opdaterKommandoer();
}

void Twinform::registrerElementer(const QStringList &mapper, const QStringList &filer)
{
    if (m_registerElements)
        m_registerElements(mapper, filer);
}

void Twinform::setArbejde(Kommando kommando, std::function<void()> arbejde)
{
    m_kommandoer->erstat(kommando, std::move(arbejde));
    opdaterKommandoer();
}

void Twinform::bindOmdoebning()
{
    // The window's own operations object renames what is edited in place;
    // tests may bind other functions afterwards.
    TMetodeCompo *m = m_metodeX;
    m_navigation->setOmdoebning([m](const QString &gammel, const QString &ny,
                      const QModelIndex &node) { return m->RenameMappe(gammel, ny, node); },
                  [m](const QString &gammel, const QString &ny,
                      const QModelIndex &node) { return m->RenameFil(gammel, ny, node); },
                  [m] { return m->editSelected(); });
    connect(m, &TMetodeCompo::mappetraeFokusOenskes, this, [this] { m_visning->mappeStruktur()->setFocus(); });
}

void Twinform::setElementKommandoer(TElementKommandoer *k)
{
    if (k == m_elementKommandoer)
        return;
    delete m_elementKommandoer;
    m_elementKommandoer = k;
    opdaterKommandoer();
}

QAction *Twinform::kommando(Kommando id) const
{
    return m_kommandoer->kommando(id);
}

// ---------------------------------------------------------------- navigation

void Twinform::mappeKontrol(const QString &sti, bool medSti)
{
    fokusOpdatering();
    if (sti.isEmpty()) {
        planlaegOpdatering();
        return;
    }
    m_ramme.skrivSti(sti);
    m_aktuelleSti = m_ramme.editSti();
    emit aktuelleElementSkiftet(m_aktuelleSti);
    // One look at the disk serves the history and the path display.
    const QString ren = stier::udenSkraastreg(sti);
    const filinfo::Art art = filinfo::art(ren);
    if (art == filinfo::Art::Mappe
        && m_historieDir->InsertItem(ren, stier::getLastDirectory(ren, {drevAf(sti)}))) {
        if (m_sidebog->erBygget(TSidebog::Besoegte))
            m_sidebog->historieside()->markerAendret();
        else
            m_historieAendret = true;
    }
    if (medSti)
        udskrivSti(sti, art);
    m_favChanged = true;
    m_funkNo = m_motor->getNodeId();
    if (m_ramme.processCount() > 0)
        QMetaObject::invokeMethod(this, &Twinform::opdaterKommandoer, Qt::QueuedConnection);
    planlaegOpdatering();
}

void Twinform::fokusOpdatering()
{
    const bool trae1 = m_motor->aktiveStruktur() == Trae::Mappe;
    // Every key in a tree comes here; a new icon makes every button and
    // menu that shows the command lay itself out again, so only a change
    // of tree sets them.
    if (m_fokusVist == int(trae1))
        return;
    m_fokusVist = int(trae1);
    kommando(Kommando::Fokus)->setIcon(TStifinderKommandoer::fokusBillede(trae1));
    kommando(Kommando::Fokus2)->setIcon(TStifinderKommandoer::fokusBillede(!trae1));
    m_sidebog->indstillingsside()->setAktivStruktur(trae1 ? Trae::Mappe : Trae::Fil);
}

QString Twinform::drevAf(const QString &sti) const
{
    return m_motor->drevAfSti(sti);
}

void Twinform::udskrivSti(const QString &sti, filinfo::Art art)
{
    m_stiboks->udskrivSti(sti, drevAf(sti));
    TIndstillingsside *s = m_sidebog->indstillingsside();
    const QString ren = stier::udenSkraastreg(sti);
    if (art == filinfo::Art::Mappe) {
        m_motor->setMappenavn(ren);
        s->setElementetsArt(QStringLiteral("Mappe"));
        s->setMappenavn(stier::getLastDirectory(ren, {drevAf(ren)}));
        s->setFilnavn(stier::getLastDirectory(m_motor->filnavn()));
    } else if (art == filinfo::Art::Fil) {
        m_motor->setFilnavn(ren);
        m_motor->setMappenavn(stier::mappeAf(ren));
        s->setMappenavn(stier::getLastDirectory(m_motor->mappenavn(), {drevAf(m_motor->mappenavn())}));
        s->setFilnavn(stier::getLastDirectory(ren));
        s->setElementetsArt(QStringLiteral("Fil"));
    }
    if (m_sidebog->erBygget(TSidebog::Soeg))
        m_sidebog->soegMappe()->setText(s->mappenavn());
}

void Twinform::setStrukturKnapper(bool aabne)
{
    m_strukturKnapper = aabne;
    planlaegOpdatering();
}

void Twinform::favoritIndsat()
{
    m_favChanged = false;
    opdaterKommandoer();
}

// ---------------------------------------------------------------- commands

stifinderregler::Tilstand Twinform::tilstand() const
{
    const RammeValg v = m_ramme.valg();
    Tilstand t;
    t.aktivTrae = m_motor->aktiveStruktur();
    const bool mappeValgt = m_visning->mappeModel()->valgtNode().isValid();
    t.valgt = t.aktivTrae == Trae::Mappe ? mappeValgt : t.aktivTrae == Trae::Fil && m_visning->filModel()->valgtRaekke() >= 0;
    t.art = m_funkNo;
    t.fri = m_funkTilladt;
    t.bloker = m_bloker;
    t.poster = m_elementAntal ? m_elementAntal() : 0;
    t.harMappe = !m_motor->mappenavn().isEmpty();
    t.harFil = !m_motor->filnavn().isEmpty();
    t.mappetraeValgt = mappeValgt;
    t.filNoder = m_visning->filModel()->antal();
    t.filValgte = m_visning->filModel()->antalValgte();
    t.favChanged = m_favChanged;
    t.favoritsideVist = m_sidebog->isTabVisible(TSidebog::Favoritter);
    t.harAktivtProgram = v.harAktivtProgram;
    t.hjemmelavetStruktur = v.hjemmelavetStruktur;
    t.strukturKnapper = m_strukturKnapper;
    t.historieLinje = m_historieDir->valgtLinje();
    t.historieAntal = m_historieDir->antal();
    return t;
}

void Twinform::opdaterKommandoer()
{
    m_opdateringPlanlagt = false;
    m_kommandoer->opdater(tilstand());
}

void Twinform::planlaegOpdatering()
{
    if (m_opdateringPlanlagt)
        return;
    m_opdateringPlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        if (m_opdateringPlanlagt)
            opdaterKommandoer();
    });
}

// ---------------------------------------------------------------- life cycle

void Twinform::FormActivate()
{
    if (m_opstart) {
        m_opstart = false;
        m_linjer->setMarkerButton(m_egenskaber.alleMarkerknapper);
        justerVenstreGruppe();
        if (m_motor->aktiveStruktur() == Trae::Mappe)
            m_visning->mappeStruktur()->setFocus();
        else
            m_visning->filStruktur()->setFocus();
        m_ramme.loadMappeStruktur();
        m_linjer->strukturKnap()->setMenu(m_ramme.strukturMenu());
        if (m_ramme.valg().foersteKoersel) {
            m_sidebog->visSide(TSidebog::Egenskaber);
            m_sidebog->egenskabsside()->setCurrentIndex(1);
        }
        m_funkNo = m_motor->getNodeId();
        const bool bloker = m_ramme.valg().blokerFunktioner;
        m_bloker = bloker;
        setActionUpdates(bloker);
    }
    m_sidebog->egenskabsside()->setStifinderNavn(m_navn);
    m_ramme.skrivSti(m_aktuelleSti);
}

StifinderEgenskaber Twinform::samlEgenskaber() const
{
    StifinderEgenskaber e = m_egenskaber;
    e.Mappenavn = m_motor->mappenavn();
    e.Filnavn = m_motor->filnavn();
    if (m_breddeSat)
        e.mappeBredde = m_visning->mappeStruktur()->width();
    e.strukturVisning = qMax(0, m_sidebog->strukturVisning()->checkedId());
    e.side = m_sidebog->currentIndex();
    if (m_sidebog->erBygget(TSidebog::Favoritter))
        e.favoritSide = m_sidebog->favoritside()->currentIndex();
    m_sidebog->egenskabsside()->saml(e);
    m_sidebog->indstillingsside()->saml(e);
    return e;
}

bool Twinform::GemOpt()
{
    if (samlEgenskaber().GemOpt(m_optFilnavn))
        return true;
    m_ramme.dialogs().inform(QStringLiteral("Stifinderens egenskaber kunne ikke gemmes i:\r") + m_optFilnavn);
    return false;
}

// The details live in a file of their own: the window's settings file keeps
// its fixed lines, which stored files rely on. A missing or damaged file
// gives the details a new window starts with.
void Twinform::hentDetaljer()
{
    DetaljeEgenskaber d;
    d.HentOpt(m_detaljeFilnavn);
    m_visning->setDetaljer(d);
    TIndstillingsside *side = m_sidebog->indstillingsside();
    side->setVisDetaljer(d.visDetaljer);
    connect(side, &TIndstillingsside::visDetaljerAendret, m_visning, &TStrukturVisning::setVisDetaljer);
    connect(m_visning, &TStrukturVisning::visDetaljerAendret, side, &TIndstillingsside::setVisDetaljer);
}

void Twinform::FormClose()
{
    m_lukket = true;
    setAcceptDrops(false);
    m_navigation->stopTimere();
    // The frame has said once that nothing can be saved; every window
    // saying it again would only repeat that.
    if (!m_ramme.valg().dataSkrivbar)
        return;
    GemOpt();
    if (!m_visning->detaljer().GemOpt(m_detaljeFilnavn))
        m_ramme.dialogs().inform(QStringLiteral("Filstrukturens detaljer kunne ikke gemmes i:\r") + m_detaljeFilnavn);
    m_favDir->GemReopenFiler();
    m_favFiler->GemReopenFiler();
}

void Twinform::closeEvent(QCloseEvent *e)
{
    if (arbejder()) {
        // The running command still uses this window and its engines.
        stopArbejde();
        m_lukNaarLedig = true;
        e->ignore();
        return;
    }
    if (!m_lukket)
        FormClose();
    e->accept();
}

bool Twinform::arbejder() const
{
    return m_kommandoer->koerer() || (m_sidebog->erBygget(TSidebog::Soeg) && m_sidebog->soegside()->soeger());
}

void Twinform::stopArbejde()
{
    m_klipbordsKommandoer->stopPaste();
    if (m_sidebog->erBygget(TSidebog::Soeg))
        m_sidebog->soegside()->stop();
}

void Twinform::blevLedig()
{
    if (std::exchange(m_lukNaarLedig, false)) {
        // Closed the way it was asked to close, from the event loop, after
        // the command's last line has run.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (auto *ramme = qobject_cast<QMdiSubWindow *>(parentWidget()))
                    ramme->close();
                else
                    close();
            },
            Qt::QueuedConnection);
    }
    emit ledig();
}

bool Twinform::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

// ---------------------------------------------------------------- drops

void Twinform::dragEnterEvent(QDragEnterEvent *e)
{
    // Dropped elements go into the copy lists; without them the drop is refused.
    if (m_registerElements && e->mimeData()->hasUrls())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Twinform::dropEvent(QDropEvent *e)
{
    if (!m_registerElements || !e->mimeData()->hasUrls()) {
        e->ignore();
        return;
    }
    QStringList mapper, filer;
    for (const QUrl &url : e->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString sti = stier::udenSkraastreg(url.toLocalFile());
        if (filinfo::erMappe(sti))
            mapper.append(sti);
        else if (filinfo::erFil(sti))
            filer.append(sti);
    }
    m_registerElements(mapper, filer);
    e->acceptProposedAction();
}
