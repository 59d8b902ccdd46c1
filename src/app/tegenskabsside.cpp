#include "app/tegenskabsside.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/mainegenskaber.h"
#include "app/tvippeknap.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>

namespace {

QLabel *broedtekst(const QString &tekst, QWidget *parent)
{
    auto *label = new QLabel(tekst, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A titled box of radio buttons whose ids are their item indices.
QButtonGroup *radiogruppe(const QString &navn, const QString &titel, const QStringList &punkter,
                          int kolonner, QGroupBox **boks, QWidget *parent)
{
    *boks = new QGroupBox(titel, parent);
    (*boks)->setObjectName(navn);
    auto *gruppe = new QButtonGroup(*boks);
    gruppe->setObjectName(navn);
    auto *grid = new QGridLayout(*boks);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < punkter.size(); ++i) {
        auto *knap = new QRadioButton(punkter.at(i), *boks);
        gruppe->addButton(knap, i);
        grid->addWidget(knap, i / kolonner, i % kolonner);
    }
    return gruppe;
}

void vaelg(QButtonGroup *gruppe, int indeks)
{
    if (QAbstractButton *knap = gruppe->button(indeks))
        knap->setChecked(true);
}

int valgt(const QButtonGroup *gruppe)
{
    return gruppe->checkedId();
}

QCheckBox *afkrydsning(const QString &navn, const QString &tekst, QWidget *parent)
{
    auto *check = new QCheckBox(tekst, parent);
    check->setObjectName(navn);
    return check;
}

// Each sub-page scrolls, so no control is ever cut off in a low window.
QWidget *rulbar(QWidget *indhold, const QString &navn)
{
    auto *omraade = new QScrollArea;
    omraade->setObjectName(navn);
    omraade->setWidget(indhold);
    omraade->setWidgetResizable(true);
    omraade->setFrameShape(QFrame::NoFrame);
    omraade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return omraade;
}

QVBoxLayout *sidelayout(QWidget *side)
{
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    return layout;
}

} // namespace

TEgenskabsside::TEgenskabsside(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("egenskabsside"));
    m_undersider = new QTabWidget(this);
    m_undersider->setObjectName(QStringLiteral("egenskabsUndersider"));
    m_undersider->setUsesScrollButtons(false);

    const struct
    {
        QWidget *side;
        const char *tema;
        QStyle::StandardPixmap reserve;
        const char *tip;
    } sider[] = {
        {lavProgramside(), "preferences-desktop", QStyle::SP_ComputerIcon, "Program Egenskaber"},
        {lavKlipbordside(), "edit-paste", QStyle::SP_FileDialogContentsView, "Klipbord"},
        {lavStrukturside(), "view-list-tree", QStyle::SP_DirIcon, "Strukturer"},
        {lavSikkerhedsside(), "security-high", QStyle::SP_MessageBoxWarning, "Sikkerhed"},
        {lavPanelside(), "view-visible", QStyle::SP_FileDialogListView, "Panel indhold"},
    };
    for (const auto &s : sider) {
        const int i = m_undersider->addTab(s.side, ikoner::hent(s.tema, s.reserve), QString());
        m_undersider->setTabToolTip(i, QString::fromUtf8(s.tip));
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_undersider);
}

QWidget *TEgenskabsside::lavProgramside()
{
    auto *side = new QWidget;
    auto *layout = sidelayout(side);

    auto *designRaekke = new QHBoxLayout;
    m_designBox = new QComboBox(side);
    m_designBox->setObjectName(QStringLiteral("designBox"));
    hint::saet(m_designBox, QStringLiteral("Vælg programdesign"));
    designRaekke->addWidget(new QLabel(QStringLiteral("Design"), side));
    designRaekke->addWidget(m_designBox, 1);
    layout->addLayout(designRaekke);

    QGroupBox *boks = nullptr;
    m_fontbox = radiogruppe(QStringLiteral("Fontbox"), QStringLiteral("Fontstørrelse"),
                            {QStringLiteral("Lille"), QStringLiteral("Mellem"), QStringLiteral("Stor")},
                            3, &boks, side);
    hint::saet(boks, QStringLiteral("Bestem fontstørrelse"));
    vaelg(m_fontbox, 1);
    layout->addWidget(boks);

    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Mappe og filstruktur")));
    m_fontnavnBox = radiogruppe(QStringLiteral("FontnavnBox"), QStringLiteral("Fontnavn"),
                                {QStringLiteral("Tahoma"), QStringLiteral("Lucida Fax"),
                                 QStringLiteral("Lucida Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("Verdana"), QStringLiteral("Default")},
                                2, &boks, side);
    hint::saet(boks, QStringLiteral("Bestem fontnavn"));
    vaelg(m_fontnavnBox, 5);
    layout->addWidget(boks);

    m_strukturLinjer = afkrydsning(QStringLiteral("CheckStrukturLinjer"),
                                   QStringLiteral("Mappestruktur med linjer"), side);
    hint::saet(m_strukturLinjer,
               QStringLiteral("Vis Stifindere med eller uden linjer i mappestrukturen"));
    layout->addWidget(m_strukturLinjer);

    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Bogfaner")));
    m_bogfanerBox = radiogruppe(QStringLiteral("bogfanerBox"), QStringLiteral("Fremstillings muligheder"),
                                {QStringLiteral("Fladknapper"), QStringLiteral("Knapper"),
                                 QStringLiteral("Tabs")},
                                2, &boks, side);
    hint::saet(boks, QStringLiteral("Vælg bogfaners udseende"));
    vaelg(m_bogfanerBox, 2);
    layout->addWidget(boks);

    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Program")));
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Elementer i søgelister")));
    auto *maxRaekke = new QHBoxLayout;
    m_maxFindEdit = new QLineEdit(side);
    m_maxFindEdit->setObjectName(QStringLiteral("maxFindEdit"));
    m_maxFindEdit->setReadOnly(true);
    m_maxFindEdit->setFixedWidth(70);
    m_maxFindEdit->setAlignment(Qt::AlignRight);
    auto *op = new QToolButton(side);
    op->setObjectName(QStringLiteral("maxFindOp"));
    op->setArrowType(Qt::UpArrow);
    auto *ned = new QToolButton(side);
    ned->setObjectName(QStringLiteral("maxFindNed"));
    ned->setArrowType(Qt::DownArrow);
    maxRaekke->addWidget(new QLabel(QStringLiteral("Maximum antal"), side));
    maxRaekke->addWidget(m_maxFindEdit);
    maxRaekke->addWidget(op);
    maxRaekke->addWidget(ned);
    maxRaekke->addStretch();
    layout->addLayout(maxRaekke);
    connect(op, &QToolButton::clicked, this, [this] { setMaxElementer(maxElementerOp(m_maxElementer)); });
    connect(ned, &QToolButton::clicked, this, [this] { setMaxElementer(maxElementerNed(m_maxElementer)); });
    setMaxElementer(m_maxElementer);

    auto *stoerrelse = new QHBoxLayout;
    m_bredde = new QLabel(side);
    m_bredde->setObjectName(QStringLiteral("breddeLabel"));
    m_hoejde = new QLabel(side);
    m_hoejde->setObjectName(QStringLiteral("hojdeLabel"));
    m_standardKnap = new QToolButton(side);
    m_standardKnap->setObjectName(QStringLiteral("standardKnap"));
    m_standardKnap->setText(QStringLiteral("Standard"));
    stoerrelse->addWidget(new QLabel(QStringLiteral("Bredde:"), side));
    stoerrelse->addWidget(m_bredde);
    stoerrelse->addSpacing(8);
    stoerrelse->addWidget(new QLabel(QStringLiteral("Højde:"), side));
    stoerrelse->addWidget(m_hoejde);
    stoerrelse->addStretch();
    stoerrelse->addWidget(m_standardKnap);
    layout->addLayout(stoerrelse);

    m_trayCheck = afkrydsning(QStringLiteral("trayCheck"), QStringLiteral("Minimer til system bakken"), side);
    hint::saet(m_trayCheck, QStringLiteral("Fungerer ved næste programopstart"));
    layout->addWidget(m_trayCheck);
    m_minimerCheck = afkrydsning(QStringLiteral("minimerCheck"), QStringLiteral("Minimer ved opstart"), side);
    hint::saet(m_minimerCheck, QStringLiteral("Fungerer ved næste programopstart"));
    layout->addWidget(m_minimerCheck);

    layout->addWidget(vinduesdele::overskrift(QStringLiteral("StartUp-program")));
    auto *udfoer = new QToolButton(side);
    udfoer->setObjectName(QStringLiteral("startUpKnap"));
    udfoer->setText(QStringLiteral("Udfør"));
    hint::saet(udfoer, QStringLiteral("Tilføj eller fjern programmet som StartUp-program"));
    connect(udfoer, &QToolButton::clicked, this, &TEgenskabsside::startUpValgt);
    layout->addWidget(udfoer);
    layout->addStretch();

    connect(m_designBox, &QComboBox::activated, this,
            [this](int i) { emit designValgt(m_designBox->itemText(i)); });
    connect(m_fontbox, &QButtonGroup::idClicked, this, &TEgenskabsside::traeVisningAendret);
    connect(m_fontnavnBox, &QButtonGroup::idClicked, this, &TEgenskabsside::traeVisningAendret);
    connect(m_strukturLinjer, &QCheckBox::clicked, this, &TEgenskabsside::traeVisningAendret);
    connect(m_bogfanerBox, &QButtonGroup::idClicked, this, &TEgenskabsside::bogfanerAendret);
    return rulbar(side, QStringLiteral("programEgenskaber"));
}

QWidget *TEgenskabsside::lavKlipbordside()
{
    auto *side = new QWidget;
    auto *layout = sidelayout(side);
    layout->addWidget(broedtekst(QStringLiteral("Denne egenskab kan kun ændres, hvis alle stifindere "
                                               "og andre elementer er lukkede."),
                                side));
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Klipbord")));
    m_sammeKlipbord = afkrydsning(QStringLiteral("aSammeKlipbord"),
                                  QStringLiteral("Anvend samme klipbord"), side);
    m_sammeKlipbord->setChecked(true);
    hint::saet(m_sammeKlipbord,
               QStringLiteral("Hvis valgt bruger alle stifindere samme klipbord og ellers hvert sit"));
    layout->addWidget(m_sammeKlipbord);
    layout->addStretch();
    connect(m_sammeKlipbord, &QCheckBox::clicked, this, &TEgenskabsside::sammeKlipbordAendret);
    return rulbar(side, QStringLiteral("klipbordEgenskaber"));
}

QWidget *TEgenskabsside::lavStrukturside()
{
    auto *side = new QWidget;
    auto *layout = sidelayout(side);
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Hjemmelavede strukturer")));
    layout->addWidget(broedtekst(QStringLiteral("Valget gælder for hjemmelavede strukturer samt for "
                                               "visningen af gemt struktur, når den hentes."),
                                side));
    auto *forklaring = new QFormLayout;
    forklaring->setRowWrapPolicy(QFormLayout::WrapLongRows);
    forklaring->addRow(vinduesdele::overskrift(QStringLiteral("Niveaustruktur:")),
                       broedtekst(QStringLiteral("Viser punkterne i deres egentlige sammenhæng."), side));
    forklaring->addRow(vinduesdele::overskrift(QStringLiteral("Punktstruktur:")),
                       broedtekst(QStringLiteral("Viser punkterne punkt for punkt."), side));
    layout->addLayout(forklaring);

    QGroupBox *boks = nullptr;
    m_fremFormCheck = radiogruppe(QStringLiteral("FremFormCheck"), QStringLiteral("Vis strukturer som"),
                                  {QStringLiteral("Niveaustruktur"), QStringLiteral("Punktstruktur")},
                                  1, &boks, side);
    hint::saet(boks, QStringLiteral("Fremstillingsdform for hjemmelavede strukturer"));
    vaelg(m_fremFormCheck, 0);
    layout->addWidget(boks);
    layout->addStretch();
    connect(m_fremFormCheck, &QButtonGroup::idClicked, this, &TEgenskabsside::fremstillingAendret);
    return rulbar(side, QStringLiteral("strukturEgenskaber"));
}

QWidget *TEgenskabsside::lavSikkerhedsside()
{
    auto *side = new QWidget;
    auto *layout = sidelayout(side);
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Sikkerhed")));
    layout->addWidget(broedtekst(
        QStringLiteral("Der kan være risiko for funktionsoverlapning angående nogle funktioner, "
                       "imens der kopieres eller slettes. Det kan for eksempel være, hvis en mappe, "
                       "der indgår i kopiering, omdøbes eller slettes."),
        side));
    m_sikkerhedsCheck = afkrydsning(QStringLiteral("sikkerhedsCheck"), QStringLiteral("Informer"), side);
    m_sikkerhedsCheck->setChecked(true);
    hint::saet(m_sikkerhedsCheck, QStringLiteral("Sikkerheds informering"));
    layout->addWidget(m_sikkerhedsCheck);
    layout->addWidget(broedtekst(
        QStringLiteral("Hvis valgt informeres der før udføring af funktioner, hvor der er en teoretisk "
                       "potentiel risiko for  overlapning med allerede kørende funktioner."),
        side));
    layout->addWidget(broedtekst(
        QStringLiteral("Hvis \"Informer\" ikke er valgt, skal brugeren selv være bevidst herom."), side));
    m_blokerCheck = afkrydsning(QStringLiteral("blokerCheck"), QStringLiteral("Bloker funktioner"), side);
    hint::saet(m_blokerCheck, QStringLiteral("Bloker andre funktioner, når der slettes og kopieres"));
    layout->addWidget(m_blokerCheck);
    m_beskedCheck = afkrydsning(QStringLiteral("beskedCheck"),
                                QStringLiteral("Informer via besked-centeret"), side);
    layout->addWidget(m_beskedCheck);
    layout->addWidget(broedtekst(
        QStringLiteral("Der kan informeres angående andre funktioner, hvis sæt-ind, sletning og omdøb "
                       "filtype er aktive.\nDenne egenskab har ingen betydning, hvis "
                       "\"Bloker funktioner\" er valgt."),
        side));

    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Stifindere")));
    m_vhaFunkCheck = afkrydsning(QStringLiteral("vhaFunkCheck"), QStringLiteral("Vis hints"), side);
    layout->addWidget(m_vhaFunkCheck);
    layout->addWidget(broedtekst(QStringLiteral("Vis knap og funktionsoplysning - hints - når for "
                                               "eksempel \"Sæt-ind\" er aktiv."),
                                side));
    layout->addStretch();
    connect(m_blokerCheck, &QCheckBox::clicked, this, &TEgenskabsside::opdateringsmaadeAendret);
    connect(m_vhaFunkCheck, &QCheckBox::clicked, this, &TEgenskabsside::opdateringsmaadeAendret);
    return rulbar(side, QStringLiteral("sikkerhedsEgenskaber"));
}

QWidget *TEgenskabsside::lavPanelside()
{
    auto *side = new QWidget;
    auto *layout = sidelayout(side);
    layout->addWidget(broedtekst(QStringLiteral("Bestem om følgende tabs skal være synlige eller skjulte."),
                                side));
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Panel indhold")));
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QStringList navne{QStringLiteral("Søg på nettet"), QStringLiteral("Notater"),
                            QStringLiteral("Program genveje"), QStringLiteral("Indhold")};
    const bool start[] = {true, true, false, false};
    for (int i = 0; i < 4; ++i) {
        m_tabVis[i] = new TVippeknap(side);
        m_tabVis[i]->setObjectName(QStringLiteral("tabVisCheck%1").arg(i + 1));
        m_tabVis[i]->setChecked(start[i]);
        form->addRow(navne.at(i), m_tabVis[i]);
        connect(m_tabVis[i], &TVippeknap::clicked, this, &TEgenskabsside::synligeSiderAendret);
    }
    layout->addLayout(form);
    layout->addStretch();
    return rulbar(side, QStringLiteral("panelEgenskaber"));
}

void TEgenskabsside::anvend(const MainEgenskaber &e)
{
    setMaxElementer(e.maxElementer);
    vaelg(m_fontbox, e.Fontbox);
    m_trayCheck->setChecked(e.trayCheck);
    vaelg(m_fontnavnBox, e.FontnavnBox);
    vaelg(m_fremFormCheck, e.FremFormCheck);
    if (e.egenskabsSide >= 0 && e.egenskabsSide < m_undersider->count())
        m_undersider->setCurrentIndex(e.egenskabsSide);
    m_strukturLinjer->setChecked(e.CheckStrukturLinjer);
    vaelg(m_bogfanerBox, e.bogfanerBox);
    m_sammeKlipbord->setChecked(e.sammeKlipbord);
    m_minimerCheck->setChecked(e.minimerCheck);
    m_sikkerhedsCheck->setChecked(e.sikkerhedsCheck);
    m_blokerCheck->setChecked(e.blokerCheck);
    const bool vis[] = {e.tabVisCheck1, e.tabVisCheck2, e.tabVisCheck3, e.tabVisCheck4};
    for (int i = 0; i < 4; ++i)
        m_tabVis[i]->setChecked(vis[i]);
    m_beskedCheck->setChecked(e.beskedCheck);
    m_vhaFunkCheck->setChecked(e.vhaFunkCheck);
}

void TEgenskabsside::hent(MainEgenskaber &e) const
{
    e.maxElementer = m_maxElementer;
    e.Fontbox = valgt(m_fontbox);
    e.trayCheck = m_trayCheck->isChecked();
    e.FontnavnBox = valgt(m_fontnavnBox);
    e.FremFormCheck = valgt(m_fremFormCheck);
    e.egenskabsSide = m_undersider->currentIndex();
    e.CheckStrukturLinjer = m_strukturLinjer->isChecked();
    e.bogfanerBox = valgt(m_bogfanerBox);
    e.sammeKlipbord = m_sammeKlipbord->isChecked();
    e.minimerCheck = m_minimerCheck->isChecked();
    e.sikkerhedsCheck = m_sikkerhedsCheck->isChecked();
    e.blokerCheck = m_blokerCheck->isChecked();
    e.tabVisCheck1 = m_tabVis[0]->isChecked();
    e.tabVisCheck2 = m_tabVis[1]->isChecked();
    e.tabVisCheck3 = m_tabVis[2]->isChecked();
    e.tabVisCheck4 = m_tabVis[3]->isChecked();
    e.beskedCheck = m_beskedCheck->isChecked();
    e.vhaFunkCheck = m_vhaFunkCheck->isChecked();
}

void TEgenskabsside::visDesigns(const QStringList &navne, const QString &valgtNavn)
{
    m_designBox->clear();
    m_designBox->addItems(navne);
    m_designBox->setMaxVisibleItems(qMax(1, int(navne.size())));
    m_designBox->setCurrentIndex(int(navne.indexOf(valgtNavn)));
}

void TEgenskabsside::setMaxElementer(int antal)
{
    m_maxElementer = antal;
    m_maxFindEdit->setText(QString::number(antal));
}

void TEgenskabsside::visStoerrelse(int bredde, int hoejde)
{
    m_bredde->setText(QString::number(bredde));
    m_hoejde->setText(QString::number(hoejde));
}

void TEgenskabsside::bindStandardSize(QAction *standardSize)
{
    m_standardKnap->setDefaultAction(standardSize);
}

int TEgenskabsside::bogfaner() const
{
    return valgt(m_bogfanerBox);
}

std::array<bool, 4> TEgenskabsside::synligeSider() const
{
    return {m_tabVis[0]->isChecked(), m_tabVis[1]->isChecked(), m_tabVis[2]->isChecked(),
            m_tabVis[3]->isChecked()};
}

int TEgenskabsside::maxElementerNed(int antal)
{
    return antal > 10 ? qMax(10, antal - 10) : antal;
}

int TEgenskabsside::maxElementerOp(int antal)
{
    return antal <= INT_MAX - 10 ? antal + 10 : antal;
}
