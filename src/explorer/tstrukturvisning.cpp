#include "explorer/tstrukturvisning.h"

#include "core/dansk.h"
#include "core/stier.h"
#include "engines/strukturrec.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "explorer/billedlager.h"
#include "explorer/tstedredigering.h"
#include "platform/filinfo.h"
#include "shell/tlinjetrae.h"

#include <QHBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The engine gives image indexes; the style's standard icons show them,
// each made once and shared by every row.
QIcon mappeBillede(int indeks)
{
    switch (indeks) {
    case 1:
    case 2: return billedlager::ikon(QStyle::SP_DriveHDIcon);
    case 12: return billedlager::ikon(QStyle::SP_DriveCDIcon);
    case 11: return billedlager::ikon(QStyle::SP_DirHomeIcon);
    case 9: return billedlager::ikon(QStyle::SP_DesktopIcon);
    default: return billedlager::ikon(QStyle::SP_DirIcon);
    }
}

QIcon filBillede(int indeks)
{
    if (indeks == 1)
        return billedlager::ikon(QStyle::SP_DirIcon);
    if (indeks == 15)
        return billedlager::ikon(QStyle::SP_DialogApplyButton);
    return billedlager::ikon(QStyle::SP_FileIcon);
}

class BilledDelegate : public QStyledItemDelegate
{
public:
    BilledDelegate(QIcon (*billede)(int), QObject *parent)
        : QStyledItemDelegate(parent)
        , m_billede(billede)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Only the name carries a picture; the detail columns are text.
        if (index.column() != 0)
            return;
        option->icon = m_billede(index.data(BilledeRolle).toInt());
        option->features |= QStyleOptionViewItem::HasDecoration;
    }

private:
    QIcon (*m_billede)(int);
};

TTraeVisning *lavTrae(QAbstractItemModel *model, QItemSelectionModel *valg, QIcon (*billede)(int), QWidget *parent)
{
    auto *v = new TTraeVisning(parent);
    v->setModel(model);
    v->setSelectionModel(valg);
    v->setItemDelegate(new BilledDelegate(billede, v));
    v->setHeaderHidden(true);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setExpandsOnDoubleClick(false);
    return v;
}

} // namespace

TTraeVisning::TTraeVisning(QWidget *parent)
    : TLinjeVisning(parent)
{
}

void TTraeVisning::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex foer = currentIndex();
    TLinjeVisning::keyPressEvent(event);
    if (currentIndex() != foer && currentIndex().isValid())
        emit tastValg(event->modifiers());
}

bool TTraeVisning::redigerer() const
{
    if (state() == EditingState)
        return true;
    const auto felter = viewport()->findChildren<TStedRedigering *>(Qt::FindDirectChildrenOnly);
    return std::any_of(felter.begin(), felter.end(), [](const TStedRedigering *f) { return f->isVisible(); });
}

// The node shown below `node`, and after the last one the first again.
QModelIndex TTraeVisning::naesteViste(const QModelIndex &node) const
{
    QAbstractItemModel *m = model();
    if (node.isValid() && m->hasChildren(node) && isExpanded(node))
        return m->index(0, 0, node);
    for (QModelIndex n = node; n.isValid(); n = n.parent()) {
        const QModelIndex soeskende = n.sibling(n.row() + 1, 0);
        if (soeskende.isValid())
            return soeskende;
    }
    return m->index(0, 0, rootIndex());
}

void TTraeVisning::keyboardSearch(const QString &search)
{
    if (!model() || model()->rowCount(rootIndex()) == 0)
        return;
    const TSoegeTaster::Soegning s = m_taster.tast(search);
    if (s.tekst.isEmpty())
        return;
    QModelIndex start = currentIndex().siblingAtColumn(0);
    if (!start.isValid())
        start = model()->index(0, 0, rootIndex());
    else if (s.fraNaeste)
        start = naesteViste(start);
    QModelIndex n = start;
    do {
        if (dansk::begynderMed(n.data(Qt::DisplayRole).toString(), s.tekst)) {
            setCurrentIndex(n);
            return;
        }
        n = naesteViste(n);
    } while (n.isValid() && n != start);
}

TTraeVisning *TStrukturVisning::mappeStruktur() const
{
    return m_mappeView;
}

void TStrukturVisning::setMappeLinjer(bool medLinjer)
{
    m_mappeView->setLinjer(medLinjer);
}

TStrukturVisning::TStrukturVisning(TStrukturCompo *motor, QWidget *parent)
    : TStrukturVisning(motor, Valg{}, parent)
{
}

TStrukturVisning::TStrukturVisning(TStrukturCompo *motor, Valg valg, QWidget *parent)
    : QWidget(parent)
    , m_motor(motor)
    , m_mapper(new TMappeModel(this))
    , m_filer(new TFilModel(this))
{
    m_motor->setStruktur1(m_mapper);
    m_motor->setStruktur2(m_filer);

    m_mappeView = lavTrae(m_mapper, m_mapper->valg(), mappeBillede, this);
    m_mappeView->setObjectName(QStringLiteral("MappeStruktur"));
    m_mappeView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_filView = lavTrae(m_filer, m_filer->valg(), filBillede, this);
    m_filView->setObjectName(QStringLiteral("FilStruktur"));
    m_filView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_filView->setRootIsDecorated(false);
    m_filView->setUniformRowHeights(true);   // a folder may hold 100,000 rows

    m_deler = new QSplitter(this);
    m_deler->addWidget(m_mappeView);
    m_deler->addWidget(m_filView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (valg.drevknap) {
        auto *drevknap = new QToolButton(this);
        drevknap->setText(QStringLiteral("Drev"));
        drevknap->setPopupMode(QToolButton::InstantPopup);
        m_drevmenu = new QMenu(drevknap);
        drevknap->setMenu(m_drevmenu);
        connect(m_drevmenu, &QMenu::aboutToShow, this, &TStrukturVisning::fyldDrevmenu);
        layout->addWidget(drevknap, 0, Qt::AlignLeft);
    }
    layout->addWidget(m_deler);

    // The engine expands and collapses through the model; the user through the view.
    connect(m_mapper, &TMappeModel::udfoldningAendret, m_mappeView, &QTreeView::setExpanded);
    connect(m_mappeView, &QTreeView::expanded, m_mapper, [this](const QModelIndex &n) {
        m_mapper->markerUdfoldet(n, true);
    });
    connect(m_mappeView, &QTreeView::collapsed, m_mapper, [this](const QModelIndex &n) {
        m_mapper->markerUdfoldet(n, false);
    });
    connect(m_filer, &TFilModel::fokusOenskes, m_filView, [this] { m_filView->setFocus(); });
    foelgDisken();

    // The header sorts on a click and offers the columns on a right click.
    QHeaderView *hoved = m_filView->header();
    hoved->setSectionsClickable(true);
    hoved->setSortIndicatorShown(true);
    hoved->setContextMenuPolicy(Qt::CustomContextMenu);
    m_kolonnemenu = new QMenu(hoved);
    m_kolonnemenu->setObjectName(QStringLiteral("kolonnemenu"));
    connect(hoved, &QHeaderView::customContextMenuRequested, this, [this, hoved](const QPoint &p) {
        fyldKolonnemenu();
        m_kolonnemenu->popup(hoved->mapToGlobal(p));
    });
    connect(hoved, &QHeaderView::sortIndicatorChanged, this, &TStrukturVisning::sorteringValgt);
    // The name column is the user's choice unless the window squeezes it.
    connect(hoved, &QHeaderView::sectionResized, this, [this](int sektion, int, int ny) {
        if (sektion == 0 && !m_tilpasser && m_detaljer.visDetaljer)
            m_detaljer.setBredde(FilKolonne::Navn, ny);
    });
    m_filView->viewport()->installEventFilter(this);
    anvendDetaljer();

    if (!valg.egneKlik)
        return;
    connect(m_mappeView, &QTreeView::clicked, this, &TStrukturVisning::mappeKlik);
    connect(m_mappeView, &TTraeVisning::tastValg, this, [this] { mappeKlik({}); });
    connect(m_mappeView, &QTreeView::doubleClicked, this, &TStrukturVisning::mappeDobbeltklik);
    connect(m_filView, &QTreeView::clicked, this, [this] { m_motor->setAktiveStruktur(Trae::Fil); });
    connect(m_filView, &TTraeVisning::tastValg, this, [this] { m_motor->setAktiveStruktur(Trae::Fil); });
    connect(m_filView, &QTreeView::doubleClicked, this, &TStrukturVisning::filDobbeltklik);
}

QModelIndex TStrukturVisning::mappeNodeVed(const QPoint &punkt) const
{
    return m_mappeView->indexAt(punkt);
}

int TStrukturVisning::filRaekkeVed(const QPoint &punkt) const
{
    const QModelIndex i = m_filView->indexAt(punkt);
    return i.isValid() ? i.row() : -1;
}

void TStrukturVisning::mappeKlik(const QModelIndex &)
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->getDirectory();
}

void TStrukturVisning::mappeDobbeltklik(const QModelIndex &)
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    const QString mappe = m_motor->udfoldDirectory();
    if (filinfo::erMappe(mappe))
        m_motor->makeStruktur2(mappe);
}

void TStrukturVisning::filDobbeltklik(const QModelIndex &)
{
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString element = m_motor->udfoldFileDirectory();
    if (filinfo::erMappe(element))
        m_motor->makeStruktur2(element);
}

void TStrukturVisning::foelgDisken()
{
    m_motor->setFoelgDisken(true);
    // A node being renamed in place keeps its editor: the change waits.
    // The engine may outlive this view.
    const QPointer<TTraeVisning> fil = m_filView;
    const QPointer<TTraeVisning> mappe = m_mappeView;
    m_motor->setMaaOpdatere([fil, mappe] { return (!fil || !fil->redigerer()) && (!mappe || !mappe->redigerer()); });
    connect(m_motor, &TStrukturCompo::foerOpdateringFraDisk, this, &TStrukturVisning::gemRulning);
    connect(m_motor, &TStrukturCompo::efterOpdateringFraDisk, this, &TStrukturVisning::genskabRulning);
}

void TStrukturVisning::gemRulning()
{
    m_filRulning = {m_filView->horizontalScrollBar()->value(), m_filView->verticalScrollBar()->value()};
    m_mappeRulning = {m_mappeView->horizontalScrollBar()->value(), m_mappeView->verticalScrollBar()->value()};
}

// A listing made again lays out anew at the top; the rows are laid out now
// so the old position can be set before anything is painted.
void TStrukturVisning::genskabRulning(bool sammeMappe)
{
    m_mappeView->horizontalScrollBar()->setValue(m_mappeRulning.x());
    m_mappeView->verticalScrollBar()->setValue(m_mappeRulning.y());
    if (!sammeMappe)
        return;
    m_filView->doItemsLayout();
    m_filView->horizontalScrollBar()->setValue(m_filRulning.x());
    m_filView->verticalScrollBar()->setValue(m_filRulning.y());
}

void TStrukturVisning::setDetaljer(const DetaljeEgenskaber &d)
{
    m_detaljer = d;
    anvendDetaljer();
}

DetaljeEgenskaber TStrukturVisning::detaljer() const
{
    DetaljeEgenskaber d = m_detaljer;
    const QHeaderView *hoved = m_filView->header();
    // A hidden column keeps the width it had; the last shown one stretches
    // to the edge, which is no width the user chose.
    // The name column's own width is kept as it changes.
    for (int k = 1; k < AntalFilKolonner; ++k) {
        if (d.visDetaljer && !hoved->isSectionHidden(k) && k != hoved->logicalIndex(hoved->count() - 1))
            d.setBredde(FilKolonne(k), hoved->sectionSize(k));
    }
    return d;
}

bool TStrukturVisning::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_filView->viewport() && event->type() == QEvent::Resize)
        tilpasNavnekolonne();
    return QWidget::eventFilter(objekt, event);
}

// A narrow file tree gives up room in the name column (down to a readable
// minimum) before the details disappear beyond its right edge; a wide one
// gives the name back the width the user chose.
void TStrukturVisning::tilpasNavnekolonne()
{
    if (!m_detaljer.visDetaljer)
        return;
    constexpr int MindsteNavnebredde = 120;
    int andre = 0;
    for (int k = 1; k < AntalFilKolonner; ++k) {
        if (m_detaljer.kolonneVist(FilKolonne(k)))
            andre += m_detaljer.bredde(FilKolonne(k));
    }
    const int plads = m_filView->viewport()->width() - andre;
    const int navn = std::max(MindsteNavnebredde, std::min(plads, m_detaljer.breddeNavn));
    m_tilpasser = true;
    m_filView->header()->resizeSection(0, navn);
    m_tilpasser = false;
}

void TStrukturVisning::setVisDetaljer(bool vis)
{
    if (vis == m_detaljer.visDetaljer)
        return;
    gemBredder();
    m_detaljer.visDetaljer = vis;
    anvendDetaljer();
    emit visDetaljerAendret(vis);
}

void TStrukturVisning::setKolonneVist(FilKolonne k, bool vist)
{
    gemBredder();
    m_detaljer.setKolonneVist(k, vist);
    anvendDetaljer();
}

void TStrukturVisning::gemBredder()
{
    m_detaljer = detaljer();
}

void TStrukturVisning::anvendDetaljer()
{
    QHeaderView *hoved = m_filView->header();
    const bool vis = m_detaljer.visDetaljer;
    m_filView->setHeaderHidden(!vis);
    for (int k = 1; k < AntalFilKolonner; ++k)
        m_filView->setColumnHidden(k, !vis || !m_detaljer.kolonneVist(FilKolonne(k)));
    for (int k = 1; k < AntalFilKolonner; ++k) {
        if (!hoved->isSectionHidden(k))
            hoved->resizeSection(k, m_detaljer.bredde(FilKolonne(k)));
    }
    tilpasNavnekolonne();
    const Sortering s = m_detaljer.vistSortering();
    {
        const QSignalBlocker b(hoved);
        hoved->setSortIndicator(int(s.kolonne), s.orden);
    }
    m_motor->setSortering(s);
}

void TStrukturVisning::sorteringValgt(int kolonne, Qt::SortOrder orden)
{
    if (kolonne < 0 || kolonne >= AntalFilKolonner)
        return;
    m_detaljer.setSortering(Sortering{FilKolonne(kolonne), orden});
    m_motor->setSortering(m_detaljer.vistSortering());
}

void TStrukturVisning::fyldKolonnemenu()
{
    m_kolonnemenu->clear();
    QAction *alle = m_kolonnemenu->addAction(QStringLiteral("Vis detaljer"));
    alle->setObjectName(QStringLiteral("visDetaljer"));
    alle->setCheckable(true);
    alle->setChecked(m_detaljer.visDetaljer);
    connect(alle, &QAction::toggled, this, &TStrukturVisning::setVisDetaljer);
    m_kolonnemenu->addSeparator();
    for (int k = 1; k < AntalFilKolonner; ++k) {
        const auto kolonne = FilKolonne(k);
        QAction *a = m_kolonnemenu->addAction(m_filer->headerData(k, Qt::Horizontal).toString());
        a->setObjectName(QStringLiteral("kolonne") + QString::number(k));
        a->setCheckable(true);
        a->setChecked(m_detaljer.kolonneVist(kolonne));
        a->setEnabled(m_detaljer.visDetaljer);
        connect(a, &QAction::toggled, this, [this, kolonne](bool vist) { setKolonneVist(kolonne, vist); });
    }
}

void TStrukturVisning::fyldDrevmenu()
{
    m_drevmenu->clear();
    const QList<QAction *> handlinger = m_motor->makeDrevMenu(m_drevmenu);
    for (QAction *a : handlinger)
        a->setIcon(mappeBillede(a->property("billede").toInt()));
    m_drevmenu->addActions(handlinger);
}
