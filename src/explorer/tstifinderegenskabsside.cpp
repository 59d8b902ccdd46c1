#include "explorer/tstifinderegenskabsside.h"

#include "engines/stifinderegenskaber.h"
#include "explorer/knapper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QButtonGroup *radiogruppe(const QString &navn, const QString &titel, const QStringList &valg, QWidget *side,
                          QVBoxLayout *layout, bool ombryd = false)
{
    auto *boks = new QGroupBox(titel, side);
    boks->setObjectName(navn);
    auto *g = new QButtonGroup(boks);
    g->setObjectName(navn);
    auto *l = new QVBoxLayout(boks);
    l->setContentsMargins(6, 2, 6, 4);
    for (int i = 0; i < valg.size(); ++i) {
        auto *r = new QRadioButton(ombryd ? QString() : valg.at(i), boks);
        r->setObjectName(navn + QString::number(i));
        g->addButton(r, i);
        if (ombryd)
            l->addLayout(knapper::ombrudt(r, valg.at(i), boks));
        else
            l->addWidget(r);
    }
    layout->addWidget(boks);
    return g;
}

void vaelg(QButtonGroup *g, int id)
{
    if (QAbstractButton *b = g->button(id))
        b->setChecked(true);
}

QWidget *rulbar(QWidget *indhold, QWidget *parent)
{
    auto *r = new QScrollArea(parent);
    r->setWidget(indhold);
    r->setWidgetResizable(true);
    r->setFrameShape(QFrame::NoFrame);
    r->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return r;
}

} // namespace

TStifinderEgenskabsside::TStifinderEgenskabsside(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("EgenSiden"));
    addTab(rulbar(lavEgenskaber(), this), QStringLiteral("Egenskaber"));
    addTab(rulbar(lavStifinder(), this), QStringLiteral("Stifinder"));
}

QPushButton *TStifinderEgenskabsside::lavKontakt(const QString &navn, const QString &tekst, QWidget *side)
{
    auto *k = new QPushButton(QStringLiteral("Vist"), side);
    k->setObjectName(navn);
    k->setCheckable(true);
    k->setChecked(true);
    k->setToolTip(tekst);
    connect(k, &QPushButton::toggled, this, [this, k](bool vist) {
        k->setText(vist ? QStringLiteral("Vist") : QStringLiteral("Skjult"));
        emit siderAendret();
    });
    return k;
}

QWidget *TStifinderEgenskabsside::lavEgenskaber()
{
    auto *side = new QWidget;
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 4, 4);

    layout->addWidget(knapper::overskrift(QStringLiteral("Redskabslinje"), side));
    auto *markerRad = new QHBoxLayout;
    m_alleMarkerknapper = new QCheckBox(QStringLiteral("Vis alle markerknapper"), side);
    m_alleMarkerknapper->setObjectName(QStringLiteral("alleMarkerknapper"));
    QToolButton *markerInfo = knapper::infoKnap(side);
    markerRad->addWidget(m_alleMarkerknapper, 1);
    markerRad->addWidget(markerInfo);
    layout->addLayout(markerRad);
    m_redskabPlacering = radiogruppe(QStringLiteral("redskabPlacering"), QStringLiteral("Placering"),
                                     {QStringLiteral("Oppe"), QStringLiteral("Nede"), QStringLiteral("Ude")},
                                     side, layout);

    layout->addWidget(knapper::overskrift(QStringLiteral("Bogfaner"), side));
    m_fanePlacering = radiogruppe(QStringLiteral("fanePlacering"), QStringLiteral("Placering"),
                                  {QStringLiteral("Venstre"), QStringLiteral("Top"), QStringLiteral("Højre")}, side,
                                  layout);

    lavKlipbord(side, layout);

    layout->addWidget(knapper::overskrift(QStringLiteral("Panel indhold"), side));
    auto *kontakter = new QGridLayout;
    const QList<QPair<QString, QString>> punkter = {{"visKendte", "Kendte mapper"},
                                                    {"visFavoritter", "Favoritter"},
                                                    {"visFilnavne", "Fil og mappenavne"},
                                                    {"visBesoegte", "Besøgte mapper"}};
    QList<QPushButton *> knapperne;
    for (int i = 0; i < punkter.size(); ++i) {
        QPushButton *k = lavKontakt(punkter.at(i).first, punkter.at(i).second, side);
        kontakter->addWidget(new QLabel(punkter.at(i).second, side), i, 0);
        kontakter->addWidget(k, i, 1);
        knapperne.append(k);
    }
    m_kendte = knapperne.at(0);
    m_favoritter = knapperne.at(1);
    m_filnavne = knapperne.at(2);
    m_besoegte = knapperne.at(3);
    layout->addLayout(kontakter);
    auto *info = new QPushButton(QStringLiteral("Information"), side);
    info->setObjectName(QStringLiteral("egenskaberInformation"));
    layout->addWidget(info, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(m_alleMarkerknapper, &QCheckBox::toggled, this, &TStifinderEgenskabsside::markerknapperAendret);
    connect(markerInfo, &QToolButton::clicked, this, [this] {
        emit information(QStringLiteral("Vis alle marker-knapper på redskabslinjen i stedet for at anvende drop-down menu."));
    });
    connect(m_redskabPlacering, &QButtonGroup::idClicked, this, &TStifinderEgenskabsside::redskabPlaceringAendret);
    connect(m_fanePlacering, &QButtonGroup::idClicked, this, &TStifinderEgenskabsside::fanePlaceringAendret);
    connect(info, &QPushButton::clicked, this, [this] { emit hjaelp(QStringLiteral("Andre egenskaber.html")); });
    return side;
}

void TStifinderEgenskabsside::lavKlipbord(QWidget *side, QVBoxLayout *layout)
{
    layout->addWidget(knapper::overskrift(QStringLiteral("Klipbord"), side));
    m_overfoer = new QPushButton(QStringLiteral("Overfør klipbords data"), side);
    m_overfoer->setObjectName(QStringLiteral("KlipbordsdataTransfer"));
    m_overfoer->setToolTip(QStringLiteral("Overfør klipbordsdata til andre klipborde"));
    m_overfoer->setEnabled(false);
    m_aktiver = new QCheckBox(QStringLiteral("Aktiver"), side);
    m_aktiver->setObjectName(QStringLiteral("aktiver"));
    m_aktiver->setToolTip(QStringLiteral("Aktiver funktionen"));
    QToolButton *overfoerInfo = knapper::infoKnap(side);
    overfoerInfo->setObjectName(QStringLiteral("overfoerInfo"));
    auto *bestem = new QPushButton(QStringLiteral("Bestem indstilling"), side);
    bestem->setObjectName(QStringLiteral("bestemIndstilling"));
    QToolButton *bestemInfo = knapper::infoKnap(side);
    bestemInfo->setObjectName(QStringLiteral("bestemIndstillingInfo"));
    m_gendan = new QPushButton(QStringLiteral("Gendan data"), side);
    m_gendan->setObjectName(QStringLiteral("klipbordsGendannelse"));
    m_gendan->setToolTip(QStringLiteral("Gendan sidste klipbordsdata"));
    m_gendan->setEnabled(false);
    QToolButton *gendanInfo = knapper::infoKnap(side);
    gendanInfo->setObjectName(QStringLiteral("gendanInfo"));
    // One row per button with its help, so the page keeps the side book's width.
    for (const auto &rad : {std::initializer_list<QWidget *>{m_overfoer, m_aktiver, overfoerInfo},
                            std::initializer_list<QWidget *>{bestem, bestemInfo},
                            std::initializer_list<QWidget *>{m_gendan, gendanInfo}}) {
        auto *r = new QHBoxLayout;
        for (QWidget *w : rad)
            r->addWidget(w);
        r->addStretch();
        layout->addLayout(r);
    }

    connect(m_overfoer, &QPushButton::clicked, this, &TStifinderEgenskabsside::overfoerOensket);
    connect(m_aktiver, &QCheckBox::toggled, this, &TStifinderEgenskabsside::aktiverAendret);
    connect(overfoerInfo, &QToolButton::clicked, this, [this] {
        emit information(m_delt ? QStringLiteral("Denne funktion er ikke anvendelig, når filfinderne har fælles klipbord.")
                                : QStringLiteral("Overfør data fra klipbordet til andre klipborde.\r"
                                                 "Afkryds feltet for at aktivere muligheden for at overføre data."));
    });
    connect(bestem, &QPushButton::clicked, this, &TStifinderEgenskabsside::bestemIndstilling);
    connect(bestemInfo, &QToolButton::clicked, this, [this] {
        emit information(QStringLiteral("Hvis \"Anvend samme klipbord\" vælges, anvender alle stifindere samme klipbord.\r"
                                        "I modsat fald har hver stifinder sit eget klipbord."));
    });
    connect(m_gendan, &QPushButton::clicked, this, &TStifinderEgenskabsside::gendanOensket);
    connect(gendanInfo, &QToolButton::clicked, this,
            [this] { emit information(QStringLiteral("Gendan klipbordsdata.\rEr kun muligt efter kopiering.")); });
}

QWidget *TStifinderEgenskabsside::lavStifinder()
{
    auto *side = new QWidget;
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(knapper::overskrift(QStringLiteral("Stifinder navn"), side));
    m_navn = new QLabel(side);
    m_navn->setObjectName(QStringLiteral("stifinderNavn"));
    layout->addWidget(m_navn);
    layout->addWidget(knapper::overskrift(QStringLiteral("Specifikke egenskaber"), side));
    m_startPrivat = new QCheckBox(side);
    m_startPrivat->setObjectName(QStringLiteral("startPrivat"));
    layout->addLayout(knapper::ombrudt(m_startPrivat,
                                       QStringLiteral("Start op med privatmapper øverst i mappestrukturen"), side));
    m_programOpstart = radiogruppe(
        QStringLiteral("programOpstart"), QStringLiteral("Program opstart"),
        {QStringLiteral("Standard opstart med alle drev i mappestrukturen. Filstrukturen indrettes herefter, "
                        "altså med første drev i mappestrukturen indlæst."),
         QStringLiteral("Gemmer filstrukturen når programmet lukkes og henter den næste gang programmet åbnes. "
                        "Mappestrukturen indrettes derefter med aktuelle drev."),
         QStringLiteral("Gemmer filstrukturen når programmet lukkes og henter den næste gang programmet åbnes. "
                        "Mappestrukturen indrettes derefter med alle drev.")},
        side, layout, true);
    m_visSkjulte = new QCheckBox(side);
    m_visSkjulte->setObjectName(QStringLiteral("visSkjulte"));
    layout->addLayout(knapper::ombrudt(m_visSkjulte, QStringLiteral("Vis skjulte filer og mapper"), side));
    auto *info = new QPushButton(QStringLiteral("Information"), side);
    info->setObjectName(QStringLiteral("stifinderInformation"));
    layout->addWidget(info, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(m_startPrivat, &QCheckBox::toggled, this, &TStifinderEgenskabsside::visPrivatAendret);
    connect(m_visSkjulte, &QCheckBox::toggled, this, &TStifinderEgenskabsside::visSkjulteAendret);
    connect(info, &QPushButton::clicked, this, [this] { emit hjaelp(QStringLiteral("Specifikke egenskaber.html")); });
    return side;
}

void TStifinderEgenskabsside::saet(const StifinderEgenskaber &e)
{
    const QSignalBlocker b1(m_alleMarkerknapper), b2(m_startPrivat), b3(m_visSkjulte);
    m_alleMarkerknapper->setChecked(e.alleMarkerknapper);
    vaelg(m_redskabPlacering, e.redskabPlacering);
    vaelg(m_fanePlacering, e.fanePlacering);
    m_startPrivat->setChecked(e.startPrivat);
    vaelg(m_programOpstart, e.programOpstart);
    m_visSkjulte->setChecked(e.visSkjulte);
    m_kendte->setChecked(e.visKendte);
    m_favoritter->setChecked(e.visFavoritter);
    m_filnavne->setChecked(e.visFilnavne);
    m_besoegte->setChecked(e.visBesoegte);
}

void TStifinderEgenskabsside::saml(StifinderEgenskaber &e) const
{
    e.alleMarkerknapper = m_alleMarkerknapper->isChecked();
    e.redskabPlacering = qMax(0, m_redskabPlacering->checkedId());
    e.fanePlacering = qMax(0, m_fanePlacering->checkedId());
    e.startPrivat = m_startPrivat->isChecked();
    e.programOpstart = qMax(0, m_programOpstart->checkedId());
    e.visSkjulte = m_visSkjulte->isChecked();
    e.visKendte = m_kendte->isChecked();
    e.visFavoritter = m_favoritter->isChecked();
    e.visFilnavne = m_filnavne->isChecked();
    e.visBesoegte = m_besoegte->isChecked();
}

void TStifinderEgenskabsside::setStifinderNavn(const QString &navn)
{
    m_navn->setText(navn);
}

bool TStifinderEgenskabsside::sideVist(int side) const
{
    switch (side) {
    case 0: return m_kendte->isChecked();
    case 1: return m_besoegte->isChecked();
    case 2: return m_favoritter->isChecked();
    case 3: return m_filnavne->isChecked();
    default: return true;
    }
}

void TStifinderEgenskabsside::setKanGendanne(bool kan)
{
    m_gendan->setEnabled(kan);
}

void TStifinderEgenskabsside::setDeltKlipbord(bool delt)
{
    m_delt = delt;
}

void TStifinderEgenskabsside::setKanOverfoere(bool kan)
{
    m_overfoer->setEnabled(kan);
}

bool TStifinderEgenskabsside::aktiver() const
{
    return m_aktiver->isChecked();
}

void TStifinderEgenskabsside::setAktiver(bool aktiver)
{
    m_aktiver->setChecked(aktiver);
}
