#include "explorer/tsidebog.h"

#include "app/ikoner.h"

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
    , m_historie(new THistorieside(historie, dialogs, this))
    , m_favoritter(new TFavoritside(favMapper, favFiler, dialogs, this))
    , m_egenskaber(new TStifinderEgenskabsside(this))
    , m_indstillinger(new TIndstillingsside(fokus, fokus2, this))
    , m_soeg(new TSoegside(findDir, findFiler, dialogs, this))
{
    setObjectName(QStringLiteral("sidebog"));
    const QList<QWidget *> sider = {m_kendte, m_historie, m_favoritter, m_soeg, m_egenskaber,
                                    m_indstillinger};
    for (int i = 0; i < sider.size(); ++i) {
        addTab(sider.at(i), ikoner::hent(faner[i].tema, faner[i].reserve), QString());
        setTabToolTip(i, QString::fromUtf8(faner[i].hint));
    }
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 26px; min-height: 26px; padding: 0px; }"));
    setUsesScrollButtons(false);
    setIconSize(QSize(18, 18));
    setFanePlacering(0);
}

QLabel *TSidebog::soegMappe() const
{
    return m_soeg->mappeLabel();
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
