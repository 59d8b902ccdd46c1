#include "explorer/tsidebog.h"

#include "app/ikoner.h"

#include "explorer/knapper.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tindstillingsside.h"
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

TSidebog::TSidebog(TReopenFilerY *historie, TReopenFilerX *favMapper, TReopenFilerX *favFiler, QAction *fokus,
                   QAction *fokus2, Dialogs &dialogs, QWidget *parent)
    : QTabWidget(parent)
    , m_historie(new THistorieside(historie, dialogs, this))
    , m_favoritter(new TFavoritside(favMapper, favFiler, dialogs, this))
    , m_egenskaber(new TStifinderEgenskabsside(this))
    , m_indstillinger(new TIndstillingsside(fokus, fokus2, this))
{
    setObjectName(QStringLiteral("sidebog"));
    const QList<QWidget *> sider = {lavKendteMapper(), m_historie, m_favoritter, lavSoeg(), m_egenskaber,
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

QWidget *TSidebog::lavKendteMapper()
{
    auto *side = new QWidget(this);
    side->setObjectName(QStringLiteral("kendteMapperSide"));
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(knapper::overskrift(QStringLiteral("Kendte mapper"), side));
    auto *boks = new QGroupBox(QStringLiteral("Vælg struktur til visning af mappe"), side);
    m_strukturVisning = new QButtonGroup(boks);
    m_strukturVisning->setObjectName(QStringLiteral("strukturVisning"));
    auto *l = new QHBoxLayout(boks);
    const QStringList valg = {QStringLiteral("Mappestuktur"), QStringLiteral("Filstruktur")};
    for (int i = 0; i < valg.size(); ++i) {
        auto *r = new QRadioButton(valg.at(i), boks);
        m_strukturVisning->addButton(r, i);
        l->addWidget(r);
    }
    m_strukturVisning->button(1)->setChecked(true);
    layout->addWidget(boks);
    auto *genveje = knapper::overskrift(QStringLiteral("Genveje i Fast placering"), side);
    genveje->setObjectName(QStringLiteral("genvejsOverskrift"));
    layout->addWidget(genveje);
    layout->addStretch();
    return side;
}

QWidget *TSidebog::lavSoeg()
{
    auto *side = new QWidget(this);
    side->setObjectName(QStringLiteral("soegSide"));
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(knapper::overskrift(QStringLiteral("Søg efter"), side));
    m_soegMappe = new QLabel(side);
    m_soegMappe->setObjectName(QStringLiteral("soegMappe"));
    m_soegMappe->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_soegMappe);
    layout->addStretch();
    return side;
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
