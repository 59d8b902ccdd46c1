#include "explorer/tsidebog.h"

#include "app/ikoner.h"
#include "app/tsenereside.h"

#include "explorer/knapper.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tkendtemapperside.h"
#include "explorer/tsoegside.h"
#include "explorer/tstifinderegenskabsside.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

struct Fane
{
    const char *tema;
    QStyle::StandardPixmap reserve;
    const char *hint;
};

const Fane faner[] = {
    {"folder-favorites|user-bookmarks", QStyle::SP_DirLinkIcon, "Kendte mapper"},
    {"document-open-recent", QStyle::SP_FileDialogBack, "Besøgte mapper"},
    {"bookmarks|starred", QStyle::SP_DialogYesButton, "Favoritter"},
    {"edit-find", QStyle::SP_FileDialogContentsView, "Søg efter"},
    {"document-properties", QStyle::SP_FileDialogInfoView, "Egenskaber"},
    {"preferences-system", QStyle::SP_FileDialogDetailedView, "Indstillinger"},
};

} // namespace

TSidebog::TSidebog(TReopenFilerY *historie, TReopenFilerX *favMapper, TReopenFilerX *favFiler, TReopenFilerX *findDir,
                   TReopenFilerX *findFiler, QAction *fokus, QAction *fokus2, Dialogs &dialogs, QWidget *parent)
    : QTabWidget(parent)
    , m_kendte(new TKendteMapperSide(dialogs, this))
    , m_egenskaber(new TStifinderEgenskabsside(this))
    , m_indstillinger(new TIndstillingsside(fokus, fokus2, this))
{
    setObjectName(QStringLiteral("sidebog"));
    const QList<QWidget *> sider = {
        m_kendte,
        senere(Besoegte, [historie, &dialogs] { return new THistorieside(historie, dialogs); }),
        senere(Favoritter, [favMapper, favFiler, &dialogs] { return new TFavoritside(favMapper, favFiler, dialogs); }),
        senere(Soeg, [findDir, findFiler, &dialogs] { return new TSoegside(findDir, findFiler, dialogs); }),
        m_egenskaber,
        m_indstillinger,
    };
    for (int i = 0; i < sider.size(); ++i) {
        addTab(sider.at(i), ikoner::hent(faner[i].tema, faner[i].reserve), QString());
        setTabToolTip(i, QString::fromUtf8(faner[i].hint));
    }
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 26px; min-height: 26px; padding: 0px; }"));
    setUsesScrollButtons(false);
    setIconSize(QSize(18, 18));
    setFanePlacering(0);
}

TSenereSide *TSidebog::senere(int side, std::function<QWidget *()> byg)
{
    m_senere[side] = new TSenereSide(std::move(byg), [this, side](QWidget *) { emit sideBygget(side); }, this);
    return m_senere[side];
}

THistorieside *TSidebog::historieside() const
{
    return static_cast<THistorieside *>(m_senere[Besoegte]->indhold());
}

TFavoritside *TSidebog::favoritside() const
{
    return static_cast<TFavoritside *>(m_senere[Favoritter]->indhold());
}

TSoegside *TSidebog::soegside() const
{
    return static_cast<TSoegside *>(m_senere[Soeg]->indhold());
}

bool TSidebog::erBygget(int side) const
{
    return !m_senere[side] || m_senere[side]->erBygget();
}

void TSidebog::naarBygget(int side, QObject *kontekst, const std::function<void()> &goer)
{
    if (erBygget(side)) {
        goer();
        return;
    }
    connect(this, &TSidebog::sideBygget, kontekst, [side, goer](int bygget) {
        if (bygget == side)
            goer();
    });
}

QLabel *TSidebog::soegMappe() const
{
    return soegside()->mappeLabel();
}

QButtonGroup *TSidebog::strukturVisning() const
{
    return m_kendte->strukturVisning();
}

void TSidebog::setFanePlacering(int placering)
{
    switch (placering) {
    case 1: setTabPosition(QTabWidget::North); break;
    case 2: setTabPosition(QTabWidget::East); break;
    default: setTabPosition(QTabWidget::West); break;
    }
}

void TSidebog::bestemTabs()
{
    for (int side : {KendteMapper, Besoegte, Favoritter, Soeg})
        setTabVisible(side, m_egenskaber->sideVist(side));
}

void TSidebog::visSide(int side)
{
    if (side >= 0 && side < count() && isTabVisible(side))
        setCurrentIndex(side);
}
