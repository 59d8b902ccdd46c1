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
    for (QTimer *t : {&m_mappeTimer, &m_filTimer}) {
        t->setSingleShot(true);
        t->setInterval(1000);
    }
    connect(&m_mappeTimer, &QTimer::timeout, this, &Twinform::mappeTimerUdloeb);
    connect(&m_filTimer, &QTimer::timeout, this, &Twinform::filTimerUdloeb);

    opretLister();
    m_motor = new TStrukturCompo(this);
    m_metodeX = new TMetodeCompo(&m_ramme.dialogs(), this);
    m_metodeX->setStrukturY(m_motor);
    opretRegioner();

    StifinderEgenskaber e;
    e.HentOpt(m_optFilnavn);
    anvendEgenskaber(e);
    m_metodeX->setBoolVisKlipbord(e.visKlipbord);
    m_metodeX->setFlytElementer(false);

    forbindMotor();
    forbindTraeer();
    forbindSider();
    bindKommandoer();
    bindOmdoebning();
    m_elementKommandoer = new TElementKommandoer(*this, m_ramme, *m_metodeX,
                                                 *new TDeleteObjekt(&m_ramme.dialogs(), m_ramme.optMappe(), this));
    m_elementKommandoer->bind();
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

    // Keys of enabled commands act at window level, also inside text fields.
    for (QLineEdit *felt : findChildren<QLineEdit *>())
        felt->installEventFilter(this);
    qApp->installEventFilter(this);
    opdaterKommandoer();
}

Twinform::~Twinform()
{
    qApp->removeEventFilter(this);
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
    m_kommandoer = new TStifinderKommandoer(this);
    connect(m_kommandoer, &TStifinderKommandoer::ledig, this, &Twinform::blevLedig);
    m_linjer = new TStifinderLinjer(m_kommandoer, this);
    m_visning = new TStrukturVisning(m_motor, this);
    // The window keeps the drive menus on its own toolbar.
    for (QToolButton *b : m_visning->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        b->hide();
    m_stiboks = new TStiboks(this);
    m_sidebog = new TSidebog(m_historieDir, m_favDir, m_favFiler, kommando("Fokus"), kommando("Fokus2"),
                             m_ramme.dialogs(), this);
    m_sidebog->setFixedWidth(302);

    auto *stiRaekke = new QHBoxLayout;
    stiRaekke->setContentsMargins(2, 0, 2, 0);
    stiRaekke->setSpacing(1);
    stiRaekke->addWidget(knapper::knap(kommando("Tilbage"), this));
    stiRaekke->addWidget(knapper::knap(kommando("Frem"), this));
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

    if (auto *splitter = m_visning->findChild<QSplitter *>()) {
        splitter->setStretchFactor(0, 0);
        splitter->setStretchFactor(1, 1);
        splitter->setChildrenCollapsible(false);
        splitter->installEventFilter(this);
    }
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
    kommando("ActionUpd")->setIcon(TStifinderKommandoer::opdateringsBillede(bloker));
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
    auto koer = [this](int maade) {
        return std::function<void()>([this, maade] { m_runFilname(m_motor->filnavn(), maade); });
    };
    m_kommandoer->setArbejde(QStringLiteral("aRun"), m_runFilname ? koer(0) : nullptr);
    m_kommandoer->setArbejde(QStringLiteral("aRediger"), m_runFilname ? koer(1) : nullptr);
    m_kommandoer->setArbejde(QStringLiteral("aProgram"), m_medProgram ? std::function<void()>([this] {
        m_medProgram(m_motor->getParamListe());
    }) : nullptr);
    opdaterKommandoer();
}

void Twinform::setOmdoebning(Omdoeber RenameMappe, Omdoeber RenameFil, std::function<QModelIndex()> editSelected)
{
    m_renameMappe = std::move(RenameMappe);
    m_renameFil = std::move(RenameFil);
    m_editSelected = std::move(editSelected);
    m_kommandoer->setArbejde(QStringLiteral("Rename2"),
                             m_renameMappe && m_renameFil ? std::function<void()>([this] { startOmdoeb(); }) : nullptr);
    opdaterKommandoer();
}

void Twinform::setKopilister(std::function<void(const QStringList &, const QStringList &)> RegisterElements,
                             std::function<int()> elementAntal)
{
    m_registerElements = std::move(RegisterElements);
    m_elementAntal = std::move(elementAntal);
    opdaterKommandoer();
}

void Twinform::setArbejde(const QString &kommando, std::function<void()> arbejde)
{
    m_kommandoer->setArbejde(kommando, std::move(arbejde));
    opdaterKommandoer();
}

void Twinform::bindOmdoebning()
{
    // The window's own operations object renames what is edited in place;
    // tests may bind other functions afterwards.
    TMetodeCompo *m = m_metodeX;
    setOmdoebning([m](const QString &gammel, const QString &ny,
                      const QModelIndex &node) { return m->RenameMappe(gammel, ny, node); },
                  [m](const QString &gammel, const QString &ny,
                      const QModelIndex &node) { return m->RenameFil(gammel, ny, node); },
                  [m] { return m->editSelected(); });
    connect(m, &TMetodeCompo::mappetraeFokusOenskes, this, [this] { m_visning->mappeStruktur()->setFocus(); });
}

void Twinform::setOmdoebInterval(int ms)
{
    m_mappeTimer.setInterval(ms);
    m_filTimer.setInterval(ms);
}

QAction *Twinform::kommando(const QString &navn) const
{
    return m_kommandoer->kommando(navn);
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
    kommando("Fokus")->setIcon(TStifinderKommandoer::fokusBillede(trae1));
    kommando("Fokus2")->setIcon(TStifinderKommandoer::fokusBillede(!trae1));
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

void Twinform::stiValgt(const QString &p)
{
    m_motor->setAktiveStruktur(2);
    QString resultat;
    if (stier::erFil(p) && !stier::erMappe(p)) {
        m_motor->setFilnavn(p);
        m_motor->setMappenavn(stier::mappeAf(p));
        resultat = m_motor->SelectFil(p);
    } else {
        m_motor->setFilnavn({});
        m_motor->setMappenavn(p);
        resultat = m_motor->makeStruktur2(p);
    }
    mappeKontrol(resultat, false);
}

void Twinform::visMappeIFiltrae(const QString &sti)
{
    m_motor->setAktiveStruktur(2);
    const QString p = m_motor->makeStruktur2(sti);
    mappeKontrol(p, true);
}

void Twinform::visFilIFiltrae(const QString &sti)
{
    m_motor->setAktiveStruktur(2);
    m_motor->SelectFil(sti);
    mappeKontrol(m_motor->filnavn(), true);
}

void Twinform::visIMappetrae(const QString &sti)
{
    // With the start-up option "current drive" the tree shows only the
    // folder's own drive; the option is read as it stands now.
    StifinderEgenskaber e;
    m_sidebog->egenskabsside()->saml(e);
    const bool iPrivat = m_motor->valgtIPrivat();
    m_motor->udfoldStruktur1(sti, e.programOpstart != 1);
    // Rebuilding starts from the drives; the user's place under the home
    // folder or a standard folder is found again there.
    if (iPrivat)
        m_motor->udfoldIPrivat(sti);
}

void Twinform::visMappeITraeer(const QString &sti)
{
    visIMappetrae(sti);
    mappeKontrol(m_motor->makeStruktur2(sti), true);
}

void Twinform::bygStruktur(const QStringList &mapper, bool punkt)
{
    QStringList liste = mapper;
    m_motor->setAktiveStruktur(1);
    if (punkt)
        m_motor->makePunktStruktur(liste);
    else
        m_motor->makeHistoryStruktur(liste);
}

void Twinform::lavStruktur(const QStringList &mapper, bool punkt)
{
    bygStruktur(mapper, punkt);
    mappeKontrol({}, false);
}

void Twinform::visHjemmelavetStruktur(const QStringList &mapper, bool punkt)
{
    bygStruktur(mapper, punkt);
    const QString mappe = m_motor->mappenavn();
    if (stier::erMappe(mappe)) {
        m_motor->setAktiveStruktur(2);
        mappeKontrol(m_motor->makeStruktur2(mappe), true);
    }
    m_motor->setAktiveStruktur(1);
    mappeKontrol({}, false);
}

void Twinform::genaktiverStrukturKnapper()
{
    m_strukturKnapper = true;
    planlaegOpdatering();
}

void Twinform::tilbageFrem(bool tilbage)
{
    const int antal = m_historieDir->antal();
    const int linje = m_historieDir->valgtLinje();
    if (!kanTilbageFrem(linje, antal))
        return;
    const int ny = tilbage ? stifinderregler::tilbage(linje, antal) : frem(linje, antal);
    m_historieDir->vaelgLinje(ny);
    if (m_historieDir->findes(ny))
        visMappeIFiltrae(m_historieDir->GetFilnavn(ny));
}

void Twinform::insertFavorit()
{
    const QString element = stier::udenSkraastreg(m_ramme.editSti());
    if (stier::erFil(element) && !stier::erMappe(element)) {
        if (m_favFiler->InsertItem(element, stier::getLastDirectory(element)))
            m_favFiler->GemReopenFiler();
        m_sidebog->visSide(TSidebog::Favoritter);
        m_sidebog->favoritside()->setCurrentIndex(1);
    } else if (stier::erMappe(element)) {
        if (m_favDir->InsertItem(element, favoritmappeCaption(element, {drevAf(element)})))
            m_favDir->GemReopenFiler();
        m_sidebog->visSide(TSidebog::Favoritter);
        m_sidebog->favoritside()->setCurrentIndex(0);
    }
    m_favChanged = false;
    opdaterKommandoer();
}

// ---------------------------------------------------------------- trees

void Twinform::forbindTraeer()
{
    TTraeVisning *mapper = m_visning->mappeStruktur();
    TTraeVisning *filer = m_visning->filStruktur();
    // The window does the clicking itself so that every click ends in its
    // bookkeeping; the trees widget keeps its expansion handling.
    for (TTraeVisning *v : {mapper, filer}) {
        disconnect(v, &QTreeView::clicked, m_visning, nullptr);
        disconnect(v, &QTreeView::doubleClicked, m_visning, nullptr);
        disconnect(v, &TTraeVisning::tastValg, m_visning, nullptr);
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        v->viewport()->installEventFilter(this);
    }
    connect(mapper, &QTreeView::clicked, this, &Twinform::mappeKlik);
    connect(filer, &QTreeView::clicked, this, &Twinform::filKlik);
    // A node reached by a key is taken up as a click takes it up.
    connect(mapper, &TTraeVisning::tastValg, this, &Twinform::mappeKlik);
    connect(filer, &TTraeVisning::tastValg, this,
            [this](Qt::KeyboardModifiers taster) {
                m_motor->setMultiSelect(taster & (Qt::ShiftModifier | Qt::ControlModifier));
                filKlik();
            });
    connect(mapper, &QTreeView::doubleClicked, this, &Twinform::mappeDobbeltklik);
    connect(filer, &QTreeView::doubleClicked, this, &Twinform::filDobbeltklik);
    connect(mapper, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { visKontekstmenu(true, p); });
    connect(filer, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { visKontekstmenu(false, p); });
    connect(m_visning->mappeModel()->valg(), &QItemSelectionModel::selectionChanged, this,
            [this] { traeValgAendret(true); });
    connect(m_visning->filModel()->valg(), &QItemSelectionModel::selectionChanged, this,
            [this] { traeValgAendret(false); });
    connect(m_visning->filModel(), &QAbstractItemModel::modelReset, this, &Twinform::planlaegOpdatering);
    if (auto *splitter = m_visning->findChild<QSplitter *>())
        connect(splitter, &QSplitter::splitterMoved, this, &Twinform::justerVenstreGruppe);
    connect(m_stiboks, &TStiboks::stiValgt, this, &Twinform::stiValgt);
    connect(m_stiboks, &TStiboks::venstreTryk, this, [this] {
        opdaterKommandoer();
        if (!kommando("deselectElementer")->isEnabled())
            return;
        m_motor->SelectMapperFiler(2);
        mappeKontrol(m_motor->mappenavn(), true);
    });
}

void Twinform::mappeKlik()
{
    m_motor->setAktiveStruktur(1);
    m_motor->setFilnavn({});
    const QString p = m_motor->getDirectory();
    mappeKontrol(p, true);
}

void Twinform::filKlik()
{
    m_motor->setAktiveStruktur(2);
    const QString p = m_motor->getFileDirectory(false);
    mappeKontrol(p, true);
}

void Twinform::mappeDobbeltklik()
{
    m_motor->setAktiveStruktur(1);
    m_motor->udfoldDirectory();
}

void Twinform::filDobbeltklik()
{
    m_motor->setAktiveStruktur(2);
    const QString p = m_motor->udfoldFileDirectory();
    if (stier::erMappe(p)) {
        const QString resultat = m_motor->makeStruktur2(p);
        mappeKontrol(resultat, true);
    } else if (stier::erFil(p) && m_runFilname) {
        m_runFilname(p, 0);
    }
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

// ---------------------------------------------------------------- in-place renaming

void Twinform::startOmdoeb()
{
    if (!m_elementKommandoer->maaKoere(QStringLiteral("Skal der omdøbes alligevel?")))
        return;
    const bool mappetrae = m_motor->aktiveStruktur() == 1;
    QTreeView *v = mappetrae ? m_visning->mappeStruktur() : m_visning->filStruktur();
    QModelIndex node;
    if (m_editSelected) {
        node = m_editSelected();
    } else if (mappetrae) {
        node = m_visning->mappeModel()->valgtNode();
    } else {
        const int r = m_visning->filModel()->valgtRaekke();
        node = r >= 0 ? m_visning->filModel()->index(r) : QModelIndex();
    }
    if (!node.isValid())
        return;
    OldNodeTekst = node.data().toString();
    v->scrollTo(node);
    TStedRedigering *felt = TStedRedigering::aabn(v, node, OldNodeTekst);
    const QPersistentModelIndex fast(node);
    connect(felt, &TStedRedigering::accepteret, this,
            [this, fast, mappetrae](const QString &ny) { omdoebAccepteret(fast, mappetrae, ny); });
}

void Twinform::omdoebAccepteret(const QPersistentModelIndex &node, bool mappetrae, const QString &ny)
{
    if (!node.isValid() || ny == OldNodeTekst)
        return;
    if (mappetrae) {
        const QString resultat = m_renameMappe(OldNodeTekst, ny, node);
        if (!resultat.isEmpty())
            m_visning->mappeModel()->setTekst(node, resultat);
        m_mappeTimer.start();
        return;
    }
    TFilModel *filer = m_visning->filModel();
    const int art = filer->raekke(node.row()).rec.ID;
    if (art != IdFil && art != IdMappe)
        return;
    const QString resultat = art == IdFil ? m_renameFil(OldNodeTekst, ny, node) : m_renameMappe(OldNodeTekst, ny, node);
    // The row shows what the engine made of the name until the refresh.
    if (!resultat.isEmpty() && node.isValid())
        filer->setTekst(node.row(), resultat);
    (art == IdFil ? m_filTimer : m_mappeTimer).start();
}

void Twinform::mappeTimerUdloeb()
{
    visMappeITraeer(m_motor->mappenavn());
}

void Twinform::filTimerUdloeb()
{
    m_motor->setAktiveStruktur(2);
    const QString p = m_motor->SelectFil(m_motor->filnavn());
    mappeKontrol(p, true);
}

// ---------------------------------------------------------------- pages

void Twinform::forbindSider()
{
    THistorieside *h = m_sidebog->historieside();
    connect(h, &THistorieside::visMappe, this, &Twinform::visMappeIFiltrae);
    connect(h, &THistorieside::struktur, this, &Twinform::lavStruktur);
    connect(h, &THistorieside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(h, &THistorieside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    connect(m_historieDir->valg(), &QItemSelectionModel::currentChanged, this, &Twinform::planlaegOpdatering);
    connect(m_historieDir, &QAbstractItemModel::rowsInserted, this, &Twinform::planlaegOpdatering);

    TFavoritside *f = m_sidebog->favoritside();
    f->harAktivtProgram = [this] { return m_ramme.valg().harAktivtProgram && bool(m_medProgram); };
    connect(f, &TFavoritside::visMappe, this, &Twinform::visMappeIFiltrae);
    connect(f, &TFavoritside::visFil, this, &Twinform::visFilIFiltrae);
    connect(f, &TFavoritside::struktur, this, &Twinform::lavStruktur);
    connect(f, &TFavoritside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(f, &TFavoritside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    connect(f, &TFavoritside::aabnFil, this, [this](const QString &sti, int maade) {
        if (m_runFilname && !sti.isEmpty())
            m_runFilname(sti, maade);
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

void Twinform::bindKommandoer()
{
    auto bind = [this](const char *navn, std::function<void()> f) {
        m_kommandoer->setArbejde(QLatin1String(navn), std::move(f));
    };
    bind("ActionUpd", [this] { m_ramme.skiftBlokerFunktioner(); });
    bind("Fokus", [this] {
        if (m_motor->aktiveStruktur() != 2)
            return;
        m_motor->setAktiveStruktur(1);
        const QString p = m_motor->getDirectory();
        mappeKontrol(p.isEmpty() ? m_motor->mappenavn() : p, true);
        m_visning->mappeStruktur()->setFocus();
    });
    bind("Fokus2", [this] {
        if (m_motor->aktiveStruktur() != 1)
            return;
        m_motor->setAktiveStruktur(2);
        const QString fil = m_motor->filnavn();
        const QString p = stier::erFil(fil) ? m_motor->SelectFil(fil) : m_motor->getFileDirectory(false);
        mappeKontrol(p, true);
        m_visning->filStruktur()->setFocus();
    });
    bind("KunDrev", [this] {
        m_motor->setAktiveStruktur(1);
        m_motor->makePreDrives();
        mappeKontrol({}, false);
    });
    auto opdaterMappe = [this](bool alle) {
        m_motor->setAktiveStruktur(1);
        const QString mappe = m_motor->mappenavn();
        m_motor->udfoldStruktur1(mappe, alle);
        mappeKontrol(mappe, false);
    };
    bind("OpdaterKunEn", [opdaterMappe] { opdaterMappe(false); });
    bind("OpdaterAlle", [opdaterMappe] { opdaterMappe(true); });
    kommando("aMedtagPrivat")->setCheckable(true);
    bind("aMedtagPrivat", [this] {
        m_motor->setShowPrivate(!m_motor->showPrivate());
        kommando("aMedtagPrivat")->setChecked(m_motor->showPrivate());
        m_motor->setAktiveStruktur(1);
        m_motor->makePreDrives();
        mappeKontrol({}, false);
    });
    bind("UdfoldStruktur", [this] { m_visning->mappeModel()->udfoldAlt(); });
    bind("SammenfoldStruktur", [this] { m_visning->mappeModel()->foldAltSammen(); });
    bind("strukturKnap", [this] { m_ramme.aabnStrukturskabeloner(); });
    bind("reloadKnap", [this] { m_ramme.CallOnClick(); });
    bind("aReloadStruktur", [this] { m_ramme.CallOnClick(); });
    bind("deselectAll", [this] {
        m_motor->deselectMapper();
        mappeKontrol(m_motor->mappenavn(), true);
    });
    bind("indstilMappestruktur", [this] {
        m_motor->setAktiveStruktur(1);
        const QString mappe = m_motor->mappenavn();
        visIMappetrae(mappe);
        mappeKontrol(mappe, false);
    });
    bind("drevKnap", [] {});
    bind("opdater2", [this] {
        const QString fil = m_motor->filnavn();
        m_motor->setAktiveStruktur(2);
        if (stier::erFil(fil) && !stier::erMappe(fil))
            m_motor->SelectFil(fil);
        else
            m_motor->makeStruktur2(m_motor->mappenavn());
        mappeKontrol(m_motor->mappenavn(), true);
    });
    auto marker = [this](int handling) {
        m_motor->SelectMapperFiler(handling);
        mappeKontrol(m_motor->mappenavn(), true);
    };
    bind("selectAlleElementer", [marker] { marker(1); });
    bind("deselectElementer", [marker] { marker(2); });
    bind("inverterSelection", [marker] { marker(3); });
    bind("aSelectButton", [this, marker] {
        opdaterKommandoer();
        if (kommando("selectAlleElementer")->isEnabled())
            marker(1);
    });
    bind("aInsertFavoritmappe", [this] { insertFavorit(); });
    bind("gemStruktur", [this] {
        m_motor->GemStrukturen();
        m_strukturKnapper = false;
        opdaterKommandoer();
    });
    bind("hentStruktur", [this] {
        m_motor->setAktiveStruktur(1);
        m_motor->HentStrukturen(m_ramme.valg().visStrukturerSom);
        m_strukturKnapper = false;
        mappeKontrol({}, false);
    });
    bind("bestemFremvisning", [this] { m_ramme.visRammeIndstilling(false); });
    bind("aTopPanel", [this] { m_ramme.skiftTopPanel(); });
    bind("opdaterFunktioner",
         [this] { QMetaObject::invokeMethod(this, &Twinform::opdaterKommandoer, Qt::QueuedConnection); });
    bind("Tilbage", [this] { tilbageFrem(true); });
    bind("Frem", [this] { tilbageFrem(false); });

    // The drive menus are made when opened, for the tree they serve.
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
    m_mappeTimer.stop();
    m_filTimer.stop();
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
                if (kommando("deselectAll")->isEnabled())
                    kommando("deselectAll")->trigger();
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
