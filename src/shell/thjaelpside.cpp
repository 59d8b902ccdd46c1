#include "shell/thjaelpside.h"

#include "core/dialogs.h"
#include "engines/hjaelp/thjaelpsoegning.h"
#include "shell/thjaelp.h"
#include "shell/tinfoform.h"
#include "shell/tlinjetrae.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

THjaelpside::THjaelpside(THjaelp &hjaelp, Dialogs &dialogs, QWidget *parent)
    : QTabWidget(parent)
    , m_hjaelp(hjaelp)
    , m_dialogs(dialogs)
    , m_struktur(new TLinjeTrae)
    , m_antalLabel(new QLabel)
    , m_editFind(new QLineEdit)
    , m_findis(new QListWidget)
{
    setObjectName("hjaelpside");
    addTab(bygStrukturside(), "Struktur");
    addTab(bygSoegeside(), "Søg");
    connect(&m_hjaelp, &THjaelp::vaelgNode, this, &THjaelpside::vaelgNode);
}

QWidget *THjaelpside::bygStrukturside()
{
    auto *side = new QWidget;
    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Elementer: "));
    m_antalLabel->setObjectName("antalLabel");
    bar->addWidget(m_antalLabel);
    bar->addStretch();
    // The two buttons get a row of their own so their texts are never cut.
    auto *knapper = new QHBoxLayout;
    auto *ud = new QPushButton("Udfold struktur");
    auto *sammen = new QPushButton("Sammenfold struktur");
    connect(ud, &QPushButton::clicked, m_struktur, &QTreeWidget::expandAll);
    connect(sammen, &QPushButton::clicked, m_struktur, &QTreeWidget::collapseAll);
    knapper->addWidget(ud);
    knapper->addWidget(sammen);

    m_struktur->setObjectName("Struktur");
    m_struktur->setHeaderHidden(true);
    m_struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_struktur->installEventFilter(this);
    connect(m_struktur, &QTreeWidget::itemClicked, this, &THjaelpside::klikINode);

    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(2, 2, 2, 2);
    l->addLayout(bar);
    l->addLayout(knapper);
    l->addWidget(m_struktur, 1);
    return side;
}

QWidget *THjaelpside::bygSoegeside()
{
    auto *side = new QWidget;
    m_editFind->setObjectName("EditFind");
    m_editFind->setPlaceholderText("Indfør søgetekst");
    m_aSearch = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), "Søg", this);
    m_aSearch->setObjectName("aSearch");
    m_aSearch->setToolTip("Find tekst i infosiderne");
    m_aSearch->setEnabled(false);
    connect(m_editFind, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_aSearch->setEnabled(!t.isEmpty()); });
    connect(m_aSearch, &QAction::triggered, this, &THjaelpside::soeg);
    connect(m_editFind, &QLineEdit::returnPressed, this, [this] {
        if (!m_editFind->text().isEmpty())
            soeg();
    });
    auto *knap = new QToolButton;
    knap->setDefaultAction(m_aSearch);

    m_findis->setObjectName("findis");
    m_findis->installEventFilter(this);
    connect(m_findis, &QListWidget::itemDoubleClicked, this, &THjaelpside::aabnResultat);

    auto *linje = new QHBoxLayout;
    linje->addWidget(m_editFind, 1);
    linje->addWidget(knap);
    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(2, 2, 2, 2);
    l->addLayout(linje);
    l->addWidget(m_findis, 1);
    return side;
}

void THjaelpside::visStruktur()
{
    m_struktur->clear();
    m_noder.clear();
    const auto &noder = m_hjaelp.indhold().noder();
    const QIcon ikon = style()->standardIcon(QStyle::SP_FileIcon);
    const QIcon mappeIkon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const auto &n : noder) {
        auto *item = n.foraelder < 0 ? new QTreeWidgetItem(m_struktur)
                                     : new QTreeWidgetItem(m_noder.at(n.foraelder));
        item->setText(0, n.tekst);
        item->setIcon(0, n.billede == 0 ? mappeIkon : ikon);
        m_noder.append(item);
    }
    m_antalLabel->setText(QString::number(m_noder.size()));
    // A page filled after help was opened shows where the user is.
    vaelgNode(m_hjaelp.valgtNode());
}

void THjaelpside::saetLinjer(bool medLinjer)
{
    m_struktur->setLinjer(medLinjer);
}

void THjaelpside::vaelgNode(int node)
{
    if (node < 0 || node >= m_noder.size())
        return;
    QTreeWidgetItem *item = m_noder.at(node);
    const QSignalBlocker blok(m_struktur);
    m_struktur->setCurrentItem(item);
    item->setExpanded(true);
    m_struktur->scrollToItem(item);
}

void THjaelpside::klikINode()
{
    const int node = int(m_noder.indexOf(m_struktur->currentItem()));
    m_hjaelp.strukturKlik(node);
}

void THjaelpside::soeg()
{
    m_findis->clear();
    if (m_editFind->text().isEmpty()) {
        m_dialogs.inform("Der mangler en søgetekst.");
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList fund = soegIHjaelpesider(m_hjaelp.infoDir(), m_editFind->text());
    QApplication::restoreOverrideCursor();
    m_findis->addItems(fund);
}

void THjaelpside::aabnResultat()
{
    if (QListWidgetItem *item = m_findis->currentItem())
        m_hjaelp.InfoHelp(item->text() + ".html");
}

bool THjaelpside::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (obj == m_struktur)
                klikINode();
            else if (obj == m_findis)
                aabnResultat();
            return true;
        }
    }
    return QTabWidget::eventFilter(obj, event);
}
