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

void TStrukturVisning::fyldDrevmenu()
{
    m_drevmenu->clear();
    const QList<QAction *> handlinger = m_motor->makeDrevMenu(m_drevmenu);
    for (QAction *a : handlinger)
        a->setIcon(mappeBillede(a->property("billede").toInt()));
    m_drevmenu->addActions(handlinger);
}
