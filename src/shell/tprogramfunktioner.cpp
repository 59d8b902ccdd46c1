#include "shell/tprogramfunktioner.h"

#include "shell/vinduesdele.h"
#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Knap
{
    const char *tekst;
    const char *kommando;
};

// Five rows of three: the frame's commands by name.
const Knap nemFunktioner[] = {
    {"Stifinder", "aStifinder"}, {"Klipbord", "aVisKlipbordet"}, {"Stifinder", "aVisStifinder"},
    {"Søg", "findTekst"},        {"Opret", "OpretSmappe"},       {"Billeder", "aBilledGal"},
    {"Indfør", "progInsert"},    {"Genveje", "opretGenveje"},    {"Information", "aInfo"},
    {"Tilføj", "aInsertMappe"},  {"Opret", "aInsertGenvej"},     {"Søg", "aFindDoc"},
    {"Applets", "winApp"},       {"WMI", "aWmi"},                {"Kalender", "visKalender"},
};

const struct
{
    const char *tekst;
    const char *side;
} informationsrader[] = {
    {"Klipbord", "Klipbordet.html"},
    {"Filfinder med Klipbord", "Stifinderen.html"},
    {"Opret genvej", "Genveje.html"},
    {"Indfør program", "Indfør programmer.html"},
    {"Opret mappestrukturer", "Opret mappestrukturer.html"},
    {"Søg i tekstdokumenter", "Søg i tekstfiler.html"},
    {"Galleri til jpg, ico samt bmp filer", "Billeder.html"},
    {"Kalender med funktioner", "Kalender.html"},
    {"WMI", "WMI.html"},
    {"Window applets", "Applets.html"},
};

} // namespace

TProgramfunktioner::TProgramfunktioner(const FindKommando &kommando, VisHjaelpeside infoHelp, QWidget *parent)
    : QWidget(parent)
    , m_liste(new QListWidget)
    , m_infoHelp(std::move(infoHelp))
{
    setObjectName("programfunktioner");
    auto *gitter = new QGridLayout;
    gitter->setSpacing(4);
    int i = 0;
    for (const Knap &k : nemFunktioner) {
        auto *b = new QToolButton;
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        if (QAction *a = kommando ? kommando(k.kommando) : nullptr)
            b->setDefaultAction(a);
        else
            b->setEnabled(false);   // a command without its window
        b->setText(QString::fromUtf8(k.tekst));
        b->setObjectName(QString("knap_") + k.kommando);
        gitter->addWidget(b, i / 3, i % 3);
        ++i;
    }

    m_liste->setObjectName("informationsliste");
    for (const auto &r : informationsrader)
        m_liste->addItem(QString::fromUtf8(r.tekst));
    m_liste->installEventFilter(this);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &TProgramfunktioner::aabnValgte);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(vinduesdele::overskrift("Nem-funktioner"));
    l->addLayout(gitter);
    l->addSpacing(8);
    l->addWidget(vinduesdele::overskrift("Information"));
    l->addWidget(m_liste, 1);
}

void TProgramfunktioner::aabnValgte()
{
    const int raekke = m_liste->currentRow();
    if (raekke < 0 || !m_infoHelp || !m_liste->currentItem()->isSelected())
        return;
    m_infoHelp(QString::fromUtf8(informationsrader[raekke].side));
}

bool TProgramfunktioner::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_liste && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            aabnValgte();
            return true;
        }
    }
    return QWidget::eventFilter(obj, event);
}

namespace {

const struct
{
    Vinduesart art;
    const char *navn;
    const char *titel;
} aabningsgrupper[] = {
    {Vinduesart::Information, "openInfo", "Information"},
    {Vinduesart::Genveje, "openGenveje", "Genveje"},
    {Vinduesart::Programmer, "openProgrammer", "Indfør programmer"},
    {Vinduesart::Mappestruktur, "openStrukturer", "Opret strukturer"},
    {Vinduesart::FindTekst, "openTekstfiler", "Søg i tekstfiler"},
    {Vinduesart::Billeder, "openBilleder", "Billeder"},
    {Vinduesart::Kalender, "openKalender", "Kalender"},
    {Vinduesart::Wmi, "openWmi", "WMI"},
};

} // namespace

TAabningsvalg::TAabningsvalg(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("aabningsvalg");
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    auto *tekst = new QLabel("Programmer kan åbnes internt i eller externt altså uden for programmet.");
    tekst->setWordWrap(true);
    l->addWidget(tekst);
    auto *gitter = new QGridLayout;
    int i = 0;
    for (const auto &g : aabningsgrupper) {
        auto *boks = new QGroupBox(QString::fromUtf8(g.titel));
        boks->setObjectName(g.navn);
        boks->setToolTip("Åben program internt eller externt");
        auto *gruppe = new QButtonGroup(boks);
        auto *bl = new QVBoxLayout(boks);
        bl->setContentsMargins(6, 2, 6, 2);
        bl->setSpacing(0);
        const QStringList valg{"Internt", "Externt"};
        for (int v = 0; v < valg.size(); ++v) {
            auto *r = new QRadioButton(valg.at(v));
            gruppe->addButton(r, v);
            bl->addWidget(r);
        }
        gruppe->button(0)->setChecked(true);
        m_grupper.insert(int(g.art), gruppe);
        gitter->addWidget(boks, i / 2, i % 2);
        ++i;
    }
    l->addLayout(gitter);
    l->addStretch();
}

QList<Vinduesart> TAabningsvalg::arter()
{
    QList<Vinduesart> liste;
    for (const auto &g : aabningsgrupper)
        liste.append(g.art);
    return liste;
}

QButtonGroup *TAabningsvalg::gruppe(Vinduesart art) const
{
    return m_grupper.value(int(art));
}

int TAabningsvalg::index(Vinduesart art) const
{
    const QButtonGroup *g = gruppe(art);
    return g ? qMax(0, g->checkedId()) : 0;
}

void TAabningsvalg::saetIndex(Vinduesart art, int index)
{
    // An index outside 0–1 from a settings file means "inside", the default.
    if (QButtonGroup *g = gruppe(art))
        g->button(index == 1 ? 1 : 0)->setChecked(true);
}

void TAabningsvalg::laas(Vinduesart art, bool laast)
{
    if (QButtonGroup *g = gruppe(art))
        static_cast<QWidget *>(g->parent())->setEnabled(!laast);
}

bool TAabningsvalg::erLaast(Vinduesart art) const
{
    const QButtonGroup *g = gruppe(art);
    return g && !static_cast<QWidget *>(g->parent())->isEnabled();
}
