#include "explorer/tlisteform.h"

#include "engines/tkopilister.h"
#include "explorer/billedlager.h"
#include "explorer/knapper.h"
#include "platform/tekstfil.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The first column shows the tick and a picture for the kind of list.
class ListeDelegate : public QStyledItemDelegate
{
public:
    ListeDelegate(QStyle::StandardPixmap billede, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_billede(billede)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == 0) {
            option->icon = billedlager::ikon(m_billede);
            option->features |= QStyleOptionViewItem::HasDecoration;
        }
    }

private:
    QStyle::StandardPixmap m_billede;
};

QLabel *felt(const QString &navn, const QString &tekst, QWidget *parent)
{
    auto *l = new QLabel(tekst, parent);
    l->setObjectName(navn);
    return l;
}

} // namespace

QString Tlisteform::settingsfil(const QString &optMappe, int nummer, bool delt)
{
    const QString mappe = optMappe.endsWith(QLatin1Char('/')) ? optMappe : optMappe + QLatin1Char('/');
    return delt ? mappe + QStringLiteral("listeEgenskaber.txt")
                : mappe + QStringLiteral("listeEgenskaber") + QString::number(nummer) + QStringLiteral(".txt");
}

Tlisteform::Tlisteform(TKopilister *lister, int nummer, bool delt, const QString &optMappe, QWidget *parent)
    : QWidget(parent)
    , m_lister(lister)
    , m_optfilnavn(settingsfil(optMappe, nummer, delt))
{
    setObjectName(QStringLiteral("Tlisteform"));
    setWindowTitle(delt ? QStringLiteral("Klipbord") : QStringLiteral("Klipbord ") + QString::number(nummer));
    setMinimumWidth(MinBredde);

    bool linjevalg = true;
    const QStringList linjer = tekstfil::hent(m_optfilnavn, tekstfil::Art::Indstillinger);
    if (linjer.size() == 2) {
        bool ok = false;
        const int bredde = linjer.at(0).trimmed().toInt(&ok);
        if (ok && bredde > 0)
            m_panelFraFil = bredde;
        linjevalg = linjer.at(1).trimmed() == QLatin1String("1");
    }

    kommando(QStringLiteral("selectAlle"), QStringLiteral("Alle"), QStringLiteral("Vælg alle mapper til Sæt ind"));
    kommando(QStringLiteral("selectIngen"), QStringLiteral("Ingen"), QStringLiteral("Fravælg alle mapper til Sæt ind"));
    kommando(QStringLiteral("sletAlt1"), QStringLiteral("Ryd"), QStringLiteral("Slet alle afkrydsede elementer i listen"));
    kommando(QStringLiteral("sletValgteFraListe"), QStringLiteral("Fjern"),
             QStringLiteral("Fjern alle afkrydsede og valgte mapper fra listen"));
    kommando(QStringLiteral("selectAlle2"), QStringLiteral("Alle"), QStringLiteral("Vælg alle filer til Sæt ind"));
    kommando(QStringLiteral("selectIngen2"), QStringLiteral("Ingen"), QStringLiteral("Fravælg alle filer til Sæt ind"));
    kommando(QStringLiteral("sletAlt2"), QStringLiteral("Ryd"), QStringLiteral("Slet alle afkrydsede elementer i listen"));
    kommando(QStringLiteral("sletValgteFraListe2"), QStringLiteral("Fjern"),
             QStringLiteral("Fjern alle afkrydsede og valgte filer fra listen"));
    kommando(QStringLiteral("sletBeggeLister"), QStringLiteral("Slet begge lister"),
             QStringLiteral("Sletter alle elementer uanset afkrydsning"));
    kommando(QStringLiteral("StifinderEks"), QStringLiteral("Stifinderen"),
             QStringLiteral("Vælg destination i relevante Stifinder"));
    kommando(QStringLiteral("BeregnSize"), QStringLiteral("Info"),
             QStringLiteral("Informer om størrelsen på valgte elementer i klipbordet"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_stoerrelse = felt(QStringLiteral("stoerrelse"), QStringLiteral("Ukendt"), this);
    m_antalMapper = felt(QStringLiteral("antalMapper"), QStringLiteral("Ukendt"), this);
    m_antalFiler = felt(QStringLiteral("antalFiler"), QStringLiteral("Ukendt"), this);
    m_information = felt(QStringLiteral("information"), {}, this);
    top->addWidget(m_stoerrelse);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Mapper: "), this));
    top->addWidget(m_antalMapper);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Filer: "), this));
    top->addWidget(m_antalFiler);
    top->addSpacing(12);
    top->addWidget(m_information, 1);
    auto *info = new QPushButton(this);
    info->setObjectName(QStringLiteral("BeregnSizeKnap"));
    info->setText(kommando(QStringLiteral("BeregnSize"))->text());
    info->setToolTip(kommando(QStringLiteral("BeregnSize"))->toolTip());
    connect(info, &QPushButton::clicked, kommando(QStringLiteral("BeregnSize")), &QAction::trigger);
    top->addWidget(info);
    layout->addLayout(top);

    m_deler = new QSplitter(Qt::Horizontal, this);
    m_deler->addWidget(listePanel(lister->Mappeliste(), m_mappeVisning,
                                  {"selectAlle", "selectIngen", "sletAlt1", "sletValgteFraListe"}, false));
    m_deler->addWidget(listePanel(lister->Filliste(), m_filVisning,
                                  {"selectAlle2", "selectIngen2", "sletAlt2", "sletValgteFraListe2"}, true));
    m_deler->setSizes({m_panelFraFil, MinBredde});
    m_deler->setStretchFactor(1, 1);
    layout->addWidget(m_deler, 1);

    auto *bund = new QHBoxLayout;
    bund->addWidget(knapper::trykknap(kommando(QStringLiteral("StifinderEks")), this));
    bund->addWidget(new QLabel(QStringLiteral("Vælg destination"), this));
    bund->addStretch();
    m_linjevalg = new QCheckBox(QStringLiteral("Linjevalg"), this);
    m_linjevalg->setObjectName(QStringLiteral("Linjevalg"));
    m_linjevalg->setToolTip(QStringLiteral("Ved elementvalg vælg hele linjen"));
    m_linjevalg->setChecked(linjevalg);
    bund->addWidget(m_linjevalg);
    layout->addLayout(bund);
    connect(m_linjevalg, &QCheckBox::clicked, this, [this] {
        anvendLinjevalg();
        gemIndstillinger();
        m_linjevalg->clearFocus();
    });
    anvendLinjevalg();

    connect(kommando(QStringLiteral("selectAlle")), &QAction::triggered, this, [this] { m_lister->Mappeliste()->markerAlle(true); });
    connect(kommando(QStringLiteral("selectIngen")), &QAction::triggered, this, [this] { m_lister->Mappeliste()->markerAlle(false); });
    connect(kommando(QStringLiteral("sletAlt1")), &QAction::triggered, this, &Tlisteform::sletAlt1Execute);
    connect(kommando(QStringLiteral("sletValgteFraListe")), &QAction::triggered, this,
            [this] { fjernValgte(m_lister->Mappeliste(), m_mappeVisning); });
    connect(kommando(QStringLiteral("selectAlle2")), &QAction::triggered, this, [this] { m_lister->Filliste()->markerAlle(true); });
    connect(kommando(QStringLiteral("selectIngen2")), &QAction::triggered, this, [this] { m_lister->Filliste()->markerAlle(false); });
    connect(kommando(QStringLiteral("sletAlt2")), &QAction::triggered, this, &Tlisteform::sletAlt2Execute);
    connect(kommando(QStringLiteral("sletValgteFraListe2")), &QAction::triggered, this,
            [this] { fjernValgte(m_lister->Filliste(), m_filVisning); });
    connect(kommando(QStringLiteral("sletBeggeLister")), &QAction::triggered, this, &Tlisteform::sletBeggeListerExecute);
    connect(kommando(QStringLiteral("StifinderEks")), &QAction::triggered, this,
            [this] { emit stifinderOensket(m_lister->winformCaption()); });
    connect(kommando(QStringLiteral("BeregnSize")), &QAction::triggered, this, &Tlisteform::beregnOensket);

    connect(lister, &TKopilister::antalAendret, this, &Tlisteform::opdaterKommandoer);
    connect(lister, &TKopilister::stoerrelseVist, this, &Tlisteform::visStoerrelse);
    opdaterKommandoer();
}

QAction *Tlisteform::kommando(const QString &navn, const QString &tekst, const QString &hint)
{
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    addAction(a);
    return a;
}

QAction *Tlisteform::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

QWidget *Tlisteform::listePanel(TKopiliste *liste, QTreeView *&visning, const QStringList &kommandoer,
                                bool medSletBegge)
{
    auto *panel = new QWidget(this);
    auto *lay = new QVBoxLayout(panel);
    lay->setContentsMargins(0, 0, 0, 0);
    auto *knapRad = new QHBoxLayout;
    for (const QString &k : kommandoer)
        knapRad->addWidget(knapper::trykknap(kommando(k), panel));
    knapRad->addStretch();
    if (medSletBegge)
        knapRad->addWidget(knapper::trykknap(kommando(QStringLiteral("sletBeggeLister")), panel));
    lay->addLayout(knapRad);

    visning = new QTreeView(panel);
    visning->setObjectName(liste == m_lister->Mappeliste() ? QStringLiteral("Mappeliste") : QStringLiteral("Filliste"));
    visning->setModel(liste);
    visning->setRootIsDecorated(false);
    visning->setSelectionMode(QAbstractItemView::ExtendedSelection);
    visning->setEditTriggers(QAbstractItemView::NoEditTriggers);
    visning->setUniformRowHeights(true);
    visning->setItemDelegate(new ListeDelegate(
        liste == m_lister->Mappeliste() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon, visning));
    visning->header()->setStretchLastSection(true);
    visning->header()->resizeSection(0, 48);
    visning->header()->setSectionResizeMode(0, QHeaderView::Fixed);
    lay->addWidget(visning, 1);
    connect(visning->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Tlisteform::opdaterKommandoer);
    return panel;
}

void Tlisteform::anvendLinjevalg()
{
    const auto adfaerd = m_linjevalg->isChecked() ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems;
    m_mappeVisning->setSelectionBehavior(adfaerd);
    m_filVisning->setSelectionBehavior(adfaerd);
}

bool Tlisteform::linjevalg() const
{
    return m_linjevalg->isChecked();
}

int Tlisteform::mappePanelBredde() const
{
    return isVisible() ? m_deler->sizes().value(0) : m_panelFraFil;
}

void Tlisteform::gemIndstillinger()
{
    tekstfil::gem(m_optfilnavn, {QString::number(mappePanelBredde()), linjevalg() ? QStringLiteral("1") : QStringLiteral("0")});
}

void Tlisteform::fjernValgte(TKopiliste *liste, QTreeView *visning)
{
    // A row selected in both columns comes twice; the list takes each once.
    QList<int> valgte;
    for (const QModelIndex &i : visning->selectionModel()->selectedIndexes())
        valgte.append(i.row());
    const int naeste = liste->fjernValgteMarkerede(valgte);
    visning->selectionModel()->clearSelection();
    if (naeste >= 0)
        visning->selectionModel()->select(liste->index(naeste, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Tlisteform::opdaterKommandoer()
{
    const int mapper = m_lister->Mappeliste()->antal();
    const int filer = m_lister->Filliste()->antal();
    for (const char *k : {"selectAlle", "selectIngen", "sletAlt1"})
        kommando(QLatin1String(k))->setEnabled(mapper > 0);
    for (const char *k : {"selectAlle2", "selectIngen2", "sletAlt2"})
        kommando(QLatin1String(k))->setEnabled(filer > 0);
    kommando(QStringLiteral("sletValgteFraListe"))->setEnabled(m_mappeVisning->selectionModel()->hasSelection());
    kommando(QStringLiteral("sletValgteFraListe2"))->setEnabled(m_filVisning->selectionModel()->hasSelection());
    kommando(QStringLiteral("sletBeggeLister"))->setEnabled(mapper + filer > 0);
    kommando(QStringLiteral("StifinderEks"))->setEnabled(mapper + filer > 0);
}

int Tlisteform::getElementAntal() const
{
    return m_lister->getElementAntal();
}

void Tlisteform::ClearCopyLister()
{
    m_lister->ClearCopyLister();
}

void Tlisteform::sletAlt1Execute()
{
    m_lister->Mappeliste()->fjernMarkerede();
}

void Tlisteform::sletAlt2Execute()
{
    m_lister->Filliste()->fjernMarkerede();
}

void Tlisteform::sletBeggeListerExecute()
{
    m_lister->sletBeggeLister();
}

void Tlisteform::udskrivMappeFilInf(const QString &mapper, const QString &filer)
{
    if (!mapper.isEmpty())
        m_antalMapper->setText(mapper);
    if (!filer.isEmpty())
        m_antalFiler->setText(filer);
}

void Tlisteform::visStoerrelse(const QString &stoerrelse, const QString &mapper, const QString &filer,
                               const QString &information)
{
    m_stoerrelse->setText(stoerrelse);
    m_antalMapper->setText(mapper);
    m_antalFiler->setText(filer);
    m_information->setText(information);
}
