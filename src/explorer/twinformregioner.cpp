// The explorer window's regions: its lists, its controls and how they are
// laid out, and the wiring of the trees, the pages and the drive menus to
// the window and its navigation.

#include "explorer/twinform.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "engines/tstrukturcompo.h"
#include "explorer/knapper.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tindstillingsside.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstiboks.h"
#include "explorer/tstifinderegenskabsside.h"
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstifinderlinjer.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace stifinderregler;

// ---------------------------------------------------------------- creation

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
    m_sidebog = new TSidebog(m_historieDir, m_favDir, m_favFiler, m_findDir, m_findFiler, kommando(Kommando::Fokus),
                             kommando(Kommando::Fokus2), m_ramme.dialogs(), this);
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
    const Trae aktiv = m_motor->aktiveStruktur();
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
    m_sidebog->naarBygget(TSidebog::Besoegte, this, [this] { forbindHistorie(); });
    m_sidebog->naarBygget(TSidebog::Favoritter, this, [this] { forbindFavoritter(); });
    m_sidebog->naarBygget(TSidebog::Soeg, this, [this] { forbindSoeg(); });
    forbindKendteMapper();

    // The visited list's own changes count whether or not its page is built.
    connect(m_historieDir->valg(), &QItemSelectionModel::currentChanged, this, &Twinform::planlaegOpdatering);
    connect(m_historieDir, &QAbstractItemModel::rowsInserted, this, &Twinform::planlaegOpdatering);

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

void Twinform::forbindHistorie()
{
    TStifinderNavigation *n = m_navigation;
    THistorieside *h = m_sidebog->historieside();
    connect(h, &THistorieside::visMappe, n, &TStifinderNavigation::visMappeIFiltrae);
    connect(h, &THistorieside::struktur, n, &TStifinderNavigation::lavStruktur);
    connect(h, &THistorieside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(h, &THistorieside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    if (m_historieAendret)
        h->markerAendret();
}

void Twinform::forbindFavoritter()
{
    TStifinderNavigation *n = m_navigation;
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
    f->setCurrentIndex(m_egenskaber.favoritSide);
    f->setDocumentMode(m_ramme.valg().bogfaner == 0);
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

// ---------------------------------------------------------------- drive menus

// The drive menus are made when opened, for the tree they serve.
void Twinform::bindDrevmenuer()
{
    connect(m_linjer->kunDrevMenu(), &QMenu::aboutToShow, this, [this] {
        QMenu *menu = m_linjer->kunDrevMenu();
        menu->clear();
        m_motor->setAktiveStruktur(Trae::Mappe);
        menu->addActions(m_motor->makeDrevMenu(menu));
    });
    connect(m_linjer->drevMenu(), &QMenu::aboutToShow, this, [this] {
        QMenu *menu = m_linjer->drevMenu();
        menu->clear();
        m_motor->setAktiveStruktur(Trae::Fil);
        menu->addActions(m_motor->makeDrevMenu(menu));
    });
    m_linjer->strukturKnap()->setMenu(m_ramme.strukturMenu());
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
