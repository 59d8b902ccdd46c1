#include "app/tindholdsside.h"

#include "app/hint.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char *const grupper[] = {
    "Side 1: Programmer", "Side 2: Programmer", "Side 3: Søg", "Side 4: Notater",
    "Side 5: Egenskaber", "Side 6: Information", "Side 7: Genveje",
};

struct Raekke
{
    int gruppe;           // 1-7
    const char *tekst;
    int side;             // page to select, -1 for none
    const char *hjaelp;   // help page to open, nullptr for none
};

// In list order: the position is what the rows are known by.
const Raekke raekker[] = {
    {1, "Programmer med funktioner", 0, nullptr},
    {1, "Opret genveje", -1, "Genveje.html"},
    {1, "Indfør programmer", -1, "Indfør programmer.html"},
    {1, "Opret egne mappestrukturer", -1, "Opret mappestrukturer.html"},
    {1, "Søg efter tekst i tekstfiler", -1, "Søg i tekstfiler.html"},
    {1, "Billeder, Kalender, WMI og Applets", -1, nullptr},
    {2, "Udvalgte programmer", 1, nullptr},
    {2, "Der kan indføres programmer", -1, "Indfører et program.html"},
    {3, "Søg på nettet", 2, nullptr},
    {4, "Skriv notater", 3, nullptr},
    {5, "Program egenskaber", 4, nullptr},
    {6, "Program information", 5, nullptr},
    {7, "Program genveje", 6, nullptr},
    {3, "Med Google, Bing eller YouTube", -1, "Søg på nettet.html"},
    {4, "Til smånotater og beskeder", -1, "Notater.html"},
    {5, "Lidt design og funktion", -1, "Egenskaber1.html"},
    {6, "Hele informationsstrukturen", -1, nullptr},
    {7, "Viser grupperede genveje", -1, "Program genveje.html"},
    {2, "Filer kan startes op med program", -1, "Programmer.html"},
    {5, "Struktur og klipbord", -1, "Egenskaber2.html"},
};

constexpr int RaekkeRolle = Qt::UserRole;

} // namespace

TIndholdsside::TIndholdsside(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("indholdsside"));
    m_liste = new QTreeWidget(this);
    m_liste->setObjectName(QStringLiteral("indholdListe"));
    m_liste->setHeaderHidden(true);
    m_liste->setRootIsDecorated(true);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);

    QList<QTreeWidgetItem *> gruppeItems;
    for (const char *navn : grupper) {
        auto *g = new QTreeWidgetItem(m_liste, {QString::fromUtf8(navn)});
        g->setFlags(Qt::ItemIsEnabled);
        QFont f = g->font(0);
        f.setBold(true);
        g->setFont(0, f);
        g->setData(0, RaekkeRolle, -1);
        gruppeItems.append(g);
    }
    for (int i = 0; i < int(std::size(raekker)); ++i) {
        auto *item = new QTreeWidgetItem(gruppeItems.at(raekker[i].gruppe - 1),
                                         {QString::fromUtf8(raekker[i].tekst)});
        item->setData(0, RaekkeRolle, i);
    }
    m_liste->expandAll();

    auto *ud = new QToolButton(this);
    ud->setObjectName(QStringLiteral("foldUdKnap"));
    ud->setText(QStringLiteral("Fold alle ud"));
    hint::saet(ud, QStringLiteral("Udfold struktur"));
    auto *sammen = new QToolButton(this);
    sammen->setObjectName(QStringLiteral("foldSammenKnap"));
    sammen->setText(QStringLiteral("Fold alle sammen"));
    hint::saet(sammen, QStringLiteral("Sammenfold struktur"));
    for (QToolButton *knap : {ud, sammen})
        knap->setAutoRaise(true);

    auto *vaerktoej = new QHBoxLayout;
    vaerktoej->setContentsMargins(4, 2, 4, 2);
    vaerktoej->addWidget(ud);
    vaerktoej->addWidget(sammen);
    vaerktoej->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(vaerktoej);
    layout->addWidget(m_liste);

    connect(ud, &QToolButton::clicked, this, &TIndholdsside::foldAlleUd);
    connect(sammen, &QToolButton::clicked, this, &TIndholdsside::foldAlleSammen);
    connect(m_liste, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { klik(item); });
    connect(m_liste, &QTreeWidget::itemDoubleClicked, m_liste, &QTreeWidget::clearSelection);
}

QTreeWidgetItem *TIndholdsside::raekke(int nr) const
{
    for (int g = 0; g < m_liste->topLevelItemCount(); ++g) {
        QTreeWidgetItem *gruppe = m_liste->topLevelItem(g);
        for (int i = 0; i < gruppe->childCount(); ++i)
            if (gruppe->child(i)->data(0, RaekkeRolle).toInt() == nr)
                return gruppe->child(i);
    }
    return nullptr;
}

void TIndholdsside::foldAlleUd()
{
    m_liste->expandAll();
}

void TIndholdsside::foldAlleSammen()
{
    m_liste->collapseAll();
}

void TIndholdsside::klik(QTreeWidgetItem *item)
{
    const int nr = item ? item->data(0, RaekkeRolle).toInt() : -1;
    if (item && nr < 0)   // a group heading folds or unfolds its group
        item->setExpanded(!item->isExpanded());
    if (nr >= 0) {
        const Raekke &r = raekker[nr];
        if (r.side >= 0)
            emit vaelgSide(r.side);
        else if (r.hjaelp)
            emit aabnHjaelp(QString::fromUtf8(r.hjaelp));
    }
    m_liste->clearSelection();
    emit klikket();
}
