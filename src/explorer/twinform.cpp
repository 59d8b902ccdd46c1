#include "explorer/twinform.h"

#include "core/dialogs.h"
#include "engines/stier.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "engines/tstrukturcompo.h"
#include "explorer/knapper.h"
#include "explorer/taktivitetsviser.h"
#include "explorer/tdeleteobjekt.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstiboks.h"
#include "explorer/tstifinderegenskabsside.h"
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstifinderlinjer.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
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

    opretLister();
    m_motor = new TStrukturCompo(this);
    m_metodeX = new TMetodeCompo(&m_ramme.dialogs(), this);
    m_metodeX->setStrukturY(m_motor);
    opretRegioner();
    m_navigation = new TStifinderNavigation(*this);

    StifinderEgenskaber e;
    e.HentOpt(m_optFilnavn);
    anvendEgenskaber(e);
    m_metodeX->setBoolVisKlipbord(e.visKlipbord);
    m_metodeX->setFlytElementer(false);

    forbindMotor();
    forbindTraeer();
    forbindSider();
    bindDrevmenuer();
    bindOmdoebning();
    m_elementKommandoer = new TElementKommandoer(*this, m_ramme, *m_metodeX,
                                                 *new TDeleteObjekt(&m_ramme.dialogs(), m_ramme.optMappe(), this));
    m_klipbordsKommandoer = new TKlipbordsKommandoer(*this, m_ramme);
    m_klipbordsKommandoer->bind();
    anvendFaellesValg();
    if (!makeOpstartStrukturer()) {
        m_motor->setAktiveStruktur(1);
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

void Twinform::opretLister()
{
    Dialogs *d = &m_ramme.dialogs();
    const QString mappe = m_ramme.optMappe();
    const QString n = QString::number(m_nummer);
    m_historieDir = new TReopenFilerY(d, this);
    m_historieDir->SetItemfile(mappe + QStringLiteral("historiemapper") + n + QStringLiteral(".txt"));
    m_historieDir->SetItemtype(itBibliotek);
    m_favDir = new TReopenFilerX(d, this);
    m_favDir->SetItemfile(mappe + QStringLiteral("favoritmapper") + n + QStringLiteral(".txt"));
    m_favDir->SetItemtype(itBibliotek);
    m_favFiler = new TReopenFilerX(d, this);
    m_favFiler->SetItemfile(mappe + QStringLiteral("favoritfiler") + n + QStringLiteral(".txt"));
    m_favFiler->SetItemtype(itFil);
    m_findDir = new TReopenFilerX(d, this);
    m_findDir->SetItemtype(itBibliotek);
    m_findFiler = new TReopenFilerX(d, this);
    m_findFiler->SetItemtype(itFil);
}

void Twinform::opretRegioner()
{
    m_kommandoer = new TStifinderKommandoer(this, this);
    m_kommandoer->harForudsaetning = [this](stifinderkommandoer::Forudsaetning f) { return harForudsaetning(f); };
    connect(m_kommandoer, &TStifinderKommandoer::ledig, this, &Twinform::blevLedig);
    m_linjer = new TStifinderLinjer(m_kommandoer, this);
    // The window keeps the drive menus on its own toolbar and does the
    // clicking itself, so that every click ends in its bookkeeping.
    m_visning = new TStrukturVisning(m_motor, {.drevknap = false, .egneKlik = false}, this);
    m_stiboks = new TStiboks(this);
    m_sidebog = new TSidebog(m_historieDir, m_favDir, m_favFiler, kommando(Kommando::Fokus), kommando(Kommando::Fokus2),
                             m_ramme.dialogs(), this);
    m_sidebog->setFixedWidth(302);

    auto *stiRaekke = new QHBoxLayout;
    stiRaekke->setContentsMargins(2, 0, 2, 0);
    stiRaekke->setSpacing(1);
    stiRaekke->addWidget(knapper::knap(kommando(Kommando::Tilbage), this));
    stiRaekke->addWidget(knapper::knap(kommando(Kommando::Frem), this));
    stiRaekke->addWidget(m_stiboks, 1);

    m_venstreSoejle = new QWidget(this);
    auto *soejle = new QVBoxLayout(m_venstreSoejle);
    soejle->setContentsMargins(0, 0, 0, 0);
    soejle->setSpacing(0);
    soejle->addWidget(m_linjer->redskabslinje());
    soejle->addWidget(m_visning, 1);

    auto *krop = new QHBoxLayout;
    krop->setContentsMargins(0, 0, 0, 0);
    krop->setSpacing(2);
    krop->addWidget(m_venstreSoejle, 1);
    krop->addWidget(m_sidebog);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_linjer->topPanel());
    layout->addLayout(stiRaekke);
    layout->addLayout(krop, 1);

    QSplitter *deler = m_visning->deler();
    deler->setStretchFactor(0, 0);
    deler->setStretchFactor(1, 1);
    deler->setChildrenCollapsible(false);
    deler->installEventFilter(this);
    m_visning->mappeStruktur()->installEventFilter(this);
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
        m_motor->setAktiveStruktur(1);
        m_motor->makePreDrives();
        m_motor->setAktiveStruktur(2);
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
    m_motor->setAktiveStruktur(2);
    QString p;
    if (stier::erFil(fil) && !stier::erMappe(fil))
        p = m_motor->SelectFil(fil);
    else
        p = m_motor->makeStruktur2(stier::erMappe(mappe) ? mappe : QString());
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
    aabnHjaelp(m_motor->aktiveStruktur() == 1 ? QStringLiteral("Mappestrukturen.html")
                                              : QStringLiteral("Filstrukturen.html"));
}

void Twinform::aabnHjaelp(const QString &side)
{
    m_ramme.InfoHelp(side);
}

// ---------------------------------------------------------------- activity

void Twinform::setAktivitetsNr(int delta, int type, const QString &resultat)
{
    m_aktivitetsAntal += delta;
    m_funkTilladt = m_aktivitetsAntal <= 0;
    if (m_funkTilladt)
        m_linjer->aktivitetsviser()->stop();
    else
        m_linjer->aktivitetsviser()->start();
    const QString tekst = resultat.isEmpty() ? QStringLiteral("0 bytes") : resultat;
    if (type == 1)
        setBeskedInfo(QStringLiteral("Der blev kopieret ") + tekst);
    else if (type == 2)
        setBeskedInfo(QStringLiteral("Der blev slettet ") + tekst);
    opdaterKommandoer();
}

void Twinform::begyndFunktion()
{
    m_ramme.aendrProcessCount(1);
    setAktivitetsNr(1, 0);
    m_ramme.opdaterKommandoer();
}

void Twinform::afslutFunktion(int type, const QString &resultat)
{
    m_ramme.aendrProcessCount(-1);
    setAktivitetsNr(-1, type, resultat);
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
    if (stier::erMappe(sti)
        && m_historieDir->InsertItem(stier::udenSkraastreg(sti),
                                     stier::getLastDirectory(stier::udenSkraastreg(sti), {drevAf(sti)})))
        m_sidebog->historieside()->markerAendret();
    if (medSti)
        udskrivSti(sti);
    m_favChanged = true;
    m_funkNo = m_motor->getNodeId();
    if (m_ramme.valg().processCount > 0)
        QMetaObject::invokeMethod(this, &Twinform::opdaterKommandoer, Qt::QueuedConnection);
    planlaegOpdatering();
}

void Twinform::fokusOpdatering()
{
    const bool trae1 = m_motor->aktiveStruktur() == 1;
    kommando(Kommando::Fokus)->setIcon(TStifinderKommandoer::fokusBillede(trae1));
    kommando(Kommando::Fokus2)->setIcon(TStifinderKommandoer::fokusBillede(!trae1));
    m_sidebog->indstillingsside()->setAktivStruktur(trae1 ? 1 : 2);
}

QString Twinform::drevAf(const QString &sti) const
{
    return m_motor->drevAfSti(sti);
}

void Twinform::udskrivSti(const QString &sti)
{
    m_stiboks->udskrivSti(sti, drevAf(sti));
    TIndstillingsside *s = m_sidebog->indstillingsside();
    const QString ren = stier::udenSkraastreg(sti);
    if (stier::erMappe(ren)) {
        m_motor->setMappenavn(ren);
        s->setElementetsArt(QStringLiteral("Mappe"));
        s->setMappenavn(stier::getLastDirectory(ren, {drevAf(ren)}));
        s->setFilnavn(stier::getLastDirectory(m_motor->filnavn()));
    } else if (stier::erFil(ren)) {
        m_motor->setFilnavn(ren);
        m_motor->setMappenavn(stier::mappeAf(ren));
        s->setMappenavn(stier::getLastDirectory(m_motor->mappenavn(), {drevAf(m_motor->mappenavn())}));
        s->setFilnavn(stier::getLastDirectory(ren));
        s->setElementetsArt(QStringLiteral("Fil"));
    }
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

// ---------------------------------------------------------------- trees

void Twinform::forbindTraeer()
{
    TTraeVisning *mapper = m_visning->mappeStruktur();
    TTraeVisning *filer = m_visning->filStruktur();
    TStifinderNavigation *n = m_navigation;
    for (TTraeVisning *v : {mapper, filer}) {
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        v->viewport()->installEventFilter(this);
    }
    connect(mapper, &QTreeView::clicked, n, &TStifinderNavigation::mappeKlik);
    connect(filer, &QTreeView::clicked, n, &TStifinderNavigation::filKlik);
    // A node reached by a key is taken up as a click takes it up.
    connect(mapper, &TTraeVisning::tastValg, n, &TStifinderNavigation::mappeKlik);
    connect(filer, &TTraeVisning::tastValg, n, [this, n](Qt::KeyboardModifiers taster) {
        m_motor->setMultiSelect(taster & (Qt::ShiftModifier | Qt::ControlModifier));
        n->filKlik();
    });
    connect(mapper, &QTreeView::doubleClicked, n, &TStifinderNavigation::mappeDobbeltklik);
    connect(filer, &QTreeView::doubleClicked, n, &TStifinderNavigation::filDobbeltklik);
    connect(mapper, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { visKontekstmenu(true, p); });
    connect(filer, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { visKontekstmenu(false, p); });
    connect(m_visning->mappeModel()->valg(), &QItemSelectionModel::selectionChanged, this,
            [this] { traeValgAendret(true); });
    connect(m_visning->filModel()->valg(), &QItemSelectionModel::selectionChanged, this,
            [this] { traeValgAendret(false); });
    connect(m_visning->filModel(), &QAbstractItemModel::modelReset, this, &Twinform::planlaegOpdatering);
    connect(m_visning->deler(), &QSplitter::splitterMoved, this, &Twinform::justerVenstreGruppe);
    connect(m_stiboks, &TStiboks::stiValgt, n, &TStifinderNavigation::stiValgt);
    connect(m_stiboks, &TStiboks::venstreTryk, this, [this] {
        opdaterKommandoer();
        if (!kommando(Kommando::deselectElementer)->isEnabled())
            return;
        m_motor->SelectMapperFiler(2);
        mappeKontrol(m_motor->mappenavn(), true);
    });
}

void Twinform::traeValgAendret(bool mappetrae)
{
    m_strukturKnapper = true;
    const bool tom = mappetrae ? !m_visning->mappeModel()->valgtNode().isValid()
                               : m_visning->filModel()->valgtRaekke() < 0;
    if (tom)
        m_funkNo = m_motor->getNodeId();
    planlaegOpdatering();
}

QMenu *Twinform::kontekstmenu(bool mappetrae) const
{
    const int aktiv = m_motor->aktiveStruktur();
    const int art = m_motor->getNodeId();
    return m_kommandoer->menuFor(mappetrae ? mappetraeMenu(aktiv, art) : filtraeMenu(aktiv, art));
}

void Twinform::visKontekstmenu(bool mappetrae, const QPoint &punkt)
{
    opdaterKommandoer();
    QTreeView *v = mappetrae ? m_visning->mappeStruktur() : m_visning->filStruktur();
    if (QMenu *menu = kontekstmenu(mappetrae))
        menu->popup(v->viewport()->mapToGlobal(punkt));
}

// ---------------------------------------------------------------- pages

void Twinform::forbindSider()
{
    TStifinderNavigation *n = m_navigation;
    THistorieside *h = m_sidebog->historieside();
    connect(h, &THistorieside::visMappe, n, &TStifinderNavigation::visMappeIFiltrae);
    connect(h, &THistorieside::struktur, n, &TStifinderNavigation::lavStruktur);
    connect(h, &THistorieside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(h, &THistorieside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    connect(m_historieDir->valg(), &QItemSelectionModel::currentChanged, this, &Twinform::planlaegOpdatering);
    connect(m_historieDir, &QAbstractItemModel::rowsInserted, this, &Twinform::planlaegOpdatering);

    TFavoritside *f = m_sidebog->favoritside();
    f->harAktivtProgram = [this] { return m_ramme.valg().harAktivtProgram && bool(m_medProgram); };
    connect(f, &TFavoritside::visMappe, n, &TStifinderNavigation::visMappeIFiltrae);
    connect(f, &TFavoritside::visFil, n, &TStifinderNavigation::visFilIFiltrae);
    connect(f, &TFavoritside::struktur, n, &TStifinderNavigation::lavStruktur);
    connect(f, &TFavoritside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(f, &TFavoritside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    connect(f, &TFavoritside::aabnFil, this, [this](const QString &sti, int maade) {
        if (!sti.isEmpty())
            koerFil(sti, maade);
    });
    connect(f, &TFavoritside::aabnMedProgram, this, [this](const QString &sti) {
        if (m_medProgram)
            m_medProgram({sti});
    });
    connect(f, &TFavoritside::kopieret, this, [this] {
        if (m_sidebog->indstillingsside()->gaaTilIndstillinger())
            m_sidebog->visSide(TSidebog::Indstillinger);
    });

    TStifinderEgenskabsside *e = m_sidebog->egenskabsside();
    connect(e, &TStifinderEgenskabsside::redskabPlaceringAendret, this, &Twinform::anvendRedskabPlacering);
    connect(e, &TStifinderEgenskabsside::fanePlaceringAendret, m_sidebog, &TSidebog::setFanePlacering);
    connect(e, &TStifinderEgenskabsside::siderAendret, this, [this] {
        m_sidebog->bestemTabs();
        planlaegOpdatering();
    });
    connect(e, &TStifinderEgenskabsside::markerknapperAendret, m_linjer, &TStifinderLinjer::setMarkerButton);
    connect(e, &TStifinderEgenskabsside::visPrivatAendret, m_motor, &TStrukturCompo::setShowPrivate);
    connect(e, &TStifinderEgenskabsside::visSkjulteAendret, m_motor, &TStrukturCompo::setShowHidden);
    connect(e, &TStifinderEgenskabsside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(e, &TStifinderEgenskabsside::information, this, [this](const QString &t) { m_ramme.dialogs().inform(t); });
    connect(e, &TStifinderEgenskabsside::bestemIndstilling, this, [this] { m_ramme.visRammeIndstilling(true); });

    TIndstillingsside *s = m_sidebog->indstillingsside();
    connect(s, &TIndstillingsside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(s, &TIndstillingsside::information, this, [this](const QString &t) { m_ramme.dialogs().inform(t); });
}

void Twinform::anvendRedskabPlacering(int placering)
{
    QWidget *linje = m_linjer->redskabslinje();
    auto *soejle = static_cast<QVBoxLayout *>(m_venstreSoejle->layout());
    soejle->removeWidget(linje);
    if (placering == 1)
        soejle->addWidget(linje);
    else
        soejle->insertWidget(0, linje);
    linje->setVisible(placering != 2);
}

void Twinform::justerVenstreGruppe()
{
    m_linjer->venstreGruppe()->setFixedWidth(m_visning->mappeStruktur()->width());
}

// ---------------------------------------------------------------- commands

// The drive menus are made when opened, for the tree they serve.
void Twinform::bindDrevmenuer()
{
    connect(m_linjer->kunDrevMenu(), &QMenu::aboutToShow, this, [this] {
        QMenu *menu = m_linjer->kunDrevMenu();
        menu->clear();
        m_motor->setAktiveStruktur(1);
        menu->addActions(m_motor->makeDrevMenu(menu));
    });
    connect(m_linjer->drevMenu(), &QMenu::aboutToShow, this, [this] {
        QMenu *menu = m_linjer->drevMenu();
        menu->clear();
        m_motor->setAktiveStruktur(2);
        menu->addActions(m_motor->makeDrevMenu(menu));
    });
    m_linjer->strukturKnap()->setMenu(m_ramme.strukturMenu());
}

stifinderregler::Tilstand Twinform::tilstand() const
{
    const RammeValg v = m_ramme.valg();
    Tilstand t;
    t.aktivTrae = m_motor->aktiveStruktur();
    const bool mappeValgt = m_visning->mappeModel()->valgtNode().isValid();
    t.valgt = t.aktivTrae == 1 ? mappeValgt : t.aktivTrae == 2 && m_visning->filModel()->valgtRaekke() >= 0;
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
        if (m_motor->aktiveStruktur() == 1)
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
    return m_kommandoer->koerer();
}

void Twinform::stopArbejde()
{
    m_klipbordsKommandoer->stopPaste();
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
        if (stier::erMappe(sti))
            mapper.append(sti);
        else if (stier::erFil(sti))
            filer.append(sti);
    }
    m_registerElements(mapper, filer);
    e->acceptProposedAction();
}

// ---------------------------------------------------------------- events

void Twinform::filtrerTekstfelt(QWidget *fokus)
{
    if (auto *felt = qobject_cast<QLineEdit *>(fokus); felt && isAncestorOf(felt))
        felt->installEventFilter(this);
}

bool Twinform::eventFilter(QObject *objekt, QEvent *e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride:
        if (auto *felt = qobject_cast<QLineEdit *>(objekt); felt && isAncestorOf(felt)
                                                             && !qobject_cast<TStedRedigering *>(felt)) {
            const QKeySequence tast(static_cast<QKeyEvent *>(e)->keyCombination());
            for (QAction *a : actions())
                if (a->isEnabled() && a->shortcuts().contains(tast))
                    return true;   // the command gets the key, not the field
        }
        break;
    case QEvent::Resize:
        if (objekt == m_visning->mappeStruktur())
            justerVenstreGruppe();
        else if (auto *splitter = qobject_cast<QSplitter *>(objekt);
                 splitter && !m_breddeSat && splitter->parent() == m_visning) {
            // The saved width is set once the trees have room for it; before
            // that the splitter would only share out proportions. Later the
            // file tree takes every change of the window's width.
            const int bredde = m_egenskaber.mappeBredde;
            if (splitter->width() >= bredde + 150) {
                m_breddeSat = true;
                splitter->setSizes({bredde, splitter->width() - bredde - splitter->handleWidth()});
            }
        }
        break;
    case QEvent::MouseButtonPress: {
        auto *mus = static_cast<QMouseEvent *>(e);
        if (objekt == m_visning->mappeStruktur()->viewport()) {
            if (mus->button() == Qt::LeftButton && (mus->modifiers() & Qt::AltModifier)) {
                opdaterKommandoer();
                if (kommando(Kommando::deselectAll)->isEnabled())
                    kommando(Kommando::deselectAll)->trigger();
                return true;
            }
        } else if (objekt == m_visning->filStruktur()->viewport()) {
            m_motor->setMultiSelect(mus->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
            if (mus->modifiers() & Qt::AltModifier)
                m_motor->getFileDirectory(true);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objekt, e);
}
