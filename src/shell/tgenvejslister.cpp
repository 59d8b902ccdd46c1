#include "shell/tgenvejslister.h"

#include "core/dialogs.h"
#include "shell/genvejsdata.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTabBar>
#include <QTreeWidget>

TGenvejslister::TGenvejslister(Dialogs &dialogs, VisHjaelpeside infoHelp, QWidget *parent)
    : QTabWidget(parent)
    , m_dialogs(dialogs)
    , m_infoHelp(std::move(infoHelp))
{
    setObjectName("genvejslister");
    const auto &lister = genvejslister();
    for (int i = 0; i < lister.size(); ++i)
        addTab(bygListe(i), lister.at(i).titel);
    // The four captions share the narrow left panel: each is seen whole,
    // without scroll arrows, with a little less room around its text.
    setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideNone);
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
}

QTreeWidget *TGenvejslister::bygListe(int underside)
{
    const GenvejsListe &data = genvejslister().at(underside);
    auto *liste = new QTreeWidget;
    liste->setObjectName(QString("genvejsliste%1").arg(underside));
    liste->setRootIsDecorated(false);
    liste->setAlternatingRowColors(true);
    liste->setHeaderLabels({data.kolonne1, data.kolonne2});
    liste->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    liste->header()->setStretchLastSection(true);
    for (const GenvejsRaekke &r : data.raekker)
        new QTreeWidgetItem(liste, {r.tast, r.funktion});
    liste->installEventFilter(this);
    connect(liste, &QTreeWidget::itemDoubleClicked, this, [this, underside] { aktiverValgte(underside); });
    return liste;
}

QTreeWidget *TGenvejslister::liste(int underside) const
{
    return qobject_cast<QTreeWidget *>(widget(underside));
}

void TGenvejslister::aktiverValgte(int underside)
{
    QTreeWidget *l = liste(underside);
    QTreeWidgetItem *valgt = l ? l->currentItem() : nullptr;
    if (!valgt || !valgt->isSelected())
        return;
    const GenvejsRaekke &r = genvejslister().at(underside).raekker.at(l->indexOfTopLevelItem(valgt));
    if (!r.besked.isEmpty())
        m_dialogs.inform(r.besked);
    if (!r.side.isEmpty() && m_infoHelp)
        m_infoHelp(r.side);
}

bool TGenvejslister::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            for (int i = 0; i < count(); ++i)
                if (obj == liste(i))
                    aktiverValgte(i);
            return true;
        }
    }
    return QTabWidget::eventFilter(obj, event);
}
