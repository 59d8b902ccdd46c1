#include "explorer/tindstillingsside.h"

#include "core/dansk.h"
#include "engines/stifinderegenskaber.h"
#include "explorer/knapper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QButtonGroup *gruppe(const QString &navn, const QString &titel, const QString &hint, const QStringList &valg,
                     QWidget *side, QVBoxLayout *layout)
{
    auto *boks = new QGroupBox(titel, side);
    boks->setObjectName(navn);
    boks->setToolTip(hint);
    auto *g = new QButtonGroup(boks);
    g->setObjectName(navn);
    auto *l = new QGridLayout(boks);
    l->setContentsMargins(6, 2, 6, 4);
    for (int i = 0; i < valg.size(); ++i) {
        auto *r = new QRadioButton(valg.at(i), boks);
        r->setObjectName(navn + QString::number(i));
        g->addButton(r, i);
        l->addWidget(r, i / 2, i % 2);
    }
    layout->addWidget(boks);
    return g;
}

} // namespace

TIndstillingsside::TIndstillingsside(QAction *fokus, QAction *fokus2, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("mainside"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto *fokusRad = new QHBoxLayout;
    fokusRad->addWidget(knapper::knap(fokus, this));
    fokusRad->addWidget(knapper::knap(fokus2, this));
    fokusRad->addWidget(new QLabel(QStringLiteral("Aktive struktur"), this));
    m_aktivStruktur = felt(QStringLiteral("aktivStruktur"), QStringLiteral("Struktur 1"));
    fokusRad->addWidget(m_aktivStruktur, 1);
    layout->addLayout(fokusRad);

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_art = felt(QStringLiteral("elementetsArt"), QStringLiteral("Adgang forbudt"));
    m_mappenavn = felt(QStringLiteral("mappenavn"), {});
    m_filnavn = felt(QStringLiteral("filnavn"), {});
    form->addRow(QStringLiteral("Elementets art"), m_art);
    form->addRow(QStringLiteral("Mappenavn"), m_mappenavn);
    form->addRow(QStringLiteral("Filnavn"), m_filnavn);
    m_antalMapper = felt(QStringLiteral("antalMapper"), QStringLiteral("Ingen"));
    m_antalFiler = felt(QStringLiteral("antalFiler"), QStringLiteral("Ingen"));
    form->addRow(QStringLiteral("Antal mapper i klipbordet"), m_antalMapper);
    form->addRow(QStringLiteral("Antal filer i klipbordet"), m_antalFiler);
    layout->addLayout(form);

    auto *stoerrelse = new QHBoxLayout;
    m_beregn = new QPushButton(QStringLiteral("Info"), this);
    m_beregn->setObjectName(QStringLiteral("aMappeFilSize"));
    m_beregn->setToolTip(QStringLiteral("Informer om størrelsen på valgte elementer i klipbordet"));
    connect(m_beregn, &QPushButton::clicked, this, &TIndstillingsside::beregnOensket);
    QToolButton *stoerrelseInfo = knapper::infoKnap(this);
    m_stoerrelse = felt(QStringLiteral("stoerrelse"), {});
    stoerrelse->addWidget(m_beregn);
    stoerrelse->addWidget(m_stoerrelse, 1);
    for (const auto &[navn, hint] : {std::pair{QStringLiteral("aAnnullerMapper"), QStringLiteral("Annuller kopiering af mapper")},
                                     std::pair{QStringLiteral("aAnnullerFiler"), QStringLiteral("Annuller kopiering af filer")}}) {
        auto *annuller = new QToolButton(this);
        annuller->setObjectName(navn);
        annuller->setToolTip(hint);
        annuller->setStatusTip(hint);
        annuller->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"),
                                           style()->standardIcon(QStyle::SP_DialogCancelButton)));
        annuller->setAutoRaise(true);
        const bool mapper = navn == QLatin1String("aAnnullerMapper");
        connect(annuller, &QToolButton::clicked, this, mapper ? &TIndstillingsside::annullerMapperOensket
                                                              : &TIndstillingsside::annullerFilerOensket);
        stoerrelse->addWidget(annuller);
    }
    stoerrelse->addWidget(stoerrelseInfo);
    layout->addLayout(stoerrelse);
    connect(stoerrelseInfo, &QToolButton::clicked, this, [this] {
        emit information(QStringLiteral("Funktionen beregner hvor meget valgte mapper og filer i Klipbordet fylder.\r"
                                        "Dette kan tage lidt tid, alt efter hvor meget der er placeret i Klipbordet."));
    });

    auto *overskrifter = new QHBoxLayout;
    for (const auto &[tekst, side] : {std::pair{QStringLiteral("Indstillinger"), QStringLiteral("indstillinger.html")},
                                      std::pair{QStringLiteral("Information"), QStringLiteral("Aktuel information.html")}}) {
        overskrifter->addWidget(knapper::overskrift(tekst, this));
        QToolButton *h = knapper::infoKnap(this);
        h->setText(QStringLiteral("?"));
        overskrifter->addWidget(h);
        const QString s = side;
        connect(h, &QToolButton::clicked, this, [this, s] { emit hjaelp(s); });
        overskrifter->addSpacing(12);
    }
    overskrifter->addStretch();
    layout->addLayout(overskrifter);

    m_saetIndSlet = gruppe(QStringLiteral("saetIndSlet"), QStringLiteral("Sæt ind og slet"),
                           QStringLiteral("Hvornår skal der spørges om handling skal gennemføres"),
                           {QStringLiteral("Spørg altid"), QStringLiteral("Kun før Slet"), QStringLiteral("Spørg aldrig")},
                           this, layout);
    m_saetInd = gruppe(QStringLiteral("saetInd"), QStringLiteral("Sæt ind"),
                       QStringLiteral("Hvad skal der gøres i forbindelse med Sæt-ind funktionen"),
                       {QStringLiteral("Overskriv ikke"), QStringLiteral("Overskriv"), QStringLiteral("Opret kopi"),
                        QStringLiteral("Spørg")},
                       this, layout);

    auto *afkryds = new QVBoxLayout;
    afkryds->setSpacing(0);
    layout->addLayout(afkryds);
    m_dragDrop = afkrydsning(QStringLiteral("dragDrop"), QStringLiteral("Anvend Drag-Drop-kopiering"),
                             QStringLiteral("Slet ikke efter drag-drop selvom det er på samme drev"),
                             QStringLiteral("Hvis \"Anvend Drag-Drop-kopiering\" er valg, slettes der ikke efter "
                                            "Drag-Drop-kopiering selvom det foregår på samme drev.\r"
                                            "Det svarer således til normalkopiering men udført som drag-drop handling."));
    m_autoOpdater = afkrydsning(QStringLiteral("autoOpdater"), QStringLiteral("Auto-opdater efter sæt ind"),
                                QStringLiteral("Opdater altid struktur 1 automatisk efter Sæt-ind funktion"),
                                QStringLiteral("Bestem om mappestrukturen altid skal opdateres efter \"Sæt-Ind\" eller ej.\r"
                                               "Hvis ikke skal den opdateres manuelt efter handlinger, hvor det er nødvendigt."));
    m_lukProgress = afkrydsning(QStringLiteral("lukProgress"), QStringLiteral("Luk progressbokse"),
                                QStringLiteral("Luk progress bokse efter handlinger"),
                                QStringLiteral("Bestemmer om progressbokse skal lukkes automatisk efter brug.\r"
                                               "I modsat fald skal de lukkes manuelt."));
    m_rydLister = afkrydsning(QStringLiteral("rydLister"), QStringLiteral("Ryd kopieringslister"),
                              QStringLiteral("Ryd lister efter Sæt-ind funktionen"),
                              QStringLiteral("Vælg om alle valgte emner i listerne skal slettes efter \"Sæt-ind\".\r"
                                             "Imodsat fald bevares de. De skal så slettes manuelt, når det er relevant.\r"
                                             "Det kan anvendes, hvis det kopierede skal indsættes flere steder."));
    m_visKlipbord = afkrydsning(QStringLiteral("visKlipbord"), QStringLiteral("Vis Klipbord"),
                                QStringLiteral("Vis Klipbordet efter hver kopiering"),
                                QStringLiteral("Vælg om kopierings-listerne skal vises efter hver kopierings-handling."));
    m_gaaTil = afkrydsning(QStringLiteral("gaaTilIndstillinger"), QStringLiteral("Gå til indstillinger"),
                           QStringLiteral("Gå til indstillinger ved klip og kopiering"),
                           QStringLiteral("Åben altid siden med indstillinger for funktioner, når der klippes eller kopieres."));
    m_visDetaljer = afkrydsning(QStringLiteral("visDetaljer"), QStringLiteral("Vis detaljer"),
                                QStringLiteral("Vis størrelse, dato og type i filstrukturen"),
                                QStringLiteral("Vælg om filstrukturen skal vise størrelse, ændringsdato og type ved siden "
                                               "af navnene.\r"
                                               "Højreklik på overskrifterne for at vælge kolonner, og klik på en "
                                               "overskrift for at sortere efter den. Klik igen for at vende "
                                               "rækkefølgen."));
    m_visDetaljer->setChecked(true);
    connect(m_visDetaljer, &QCheckBox::toggled, this, &TIndstillingsside::visDetaljerAendret);
    for (QCheckBox *c : {m_dragDrop, m_autoOpdater, m_lukProgress, m_rydLister, m_visKlipbord, m_gaaTil, m_visDetaljer}) {
        auto *rad = new QHBoxLayout;
        rad->addWidget(c, 1);
        QToolButton *i = knapper::infoKnap(this);
        const QString tekst = c->property("infotekst").toString();
        connect(i, &QToolButton::clicked, this, [this, tekst] { emit information(tekst); });
        rad->addWidget(i);
        afkryds->addLayout(rad);
    }
    layout->addStretch();
}

void TIndstillingsside::setKlipbordAntal(int mapper, int filer)
{
    m_antalMapper->setText(mapper > 0 ? dansk::heltal(mapper) : QStringLiteral("Ingen"));
    m_antalFiler->setText(filer > 0 ? dansk::heltal(filer) : QStringLiteral("Ingen"));
}

void TIndstillingsside::setStoerrelse(const QString &tekst)
{
    m_stoerrelse->setText(tekst);
}

void TIndstillingsside::setBeregner(bool beregner)
{
    m_beregn->setEnabled(!beregner);
    if (beregner)
        m_stoerrelse->setText(QStringLiteral("Beregner..."));
}

QLabel *TIndstillingsside::felt(const QString &navn, const QString &tekst)
{
    auto *l = new QLabel(tekst, this);
    l->setObjectName(navn);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(40);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QCheckBox *TIndstillingsside::afkrydsning(const QString &navn, const QString &tekst, const QString &hint,
                                          const QString &info)
{
    auto *c = new QCheckBox(tekst, this);
    c->setObjectName(navn);
    c->setToolTip(hint);
    c->setStatusTip(hint);
    c->setProperty("infotekst", info);
    return c;
}

void TIndstillingsside::saet(const StifinderEgenskaber &e)
{
    if (QAbstractButton *b = m_saetIndSlet->button(e.saetIndSlet))
        b->setChecked(true);
    if (QAbstractButton *b = m_saetInd->button(e.saetInd))
        b->setChecked(true);
    m_dragDrop->setChecked(e.dragDrop);
    m_autoOpdater->setChecked(e.autoOpdater);
    m_visKlipbord->setChecked(e.visKlipbord);
    m_rydLister->setChecked(e.rydLister);
    m_lukProgress->setChecked(e.lukProgress);
    m_gaaTil->setChecked(e.gaaTilIndstillinger);
}

void TIndstillingsside::saml(StifinderEgenskaber &e) const
{
    e.saetIndSlet = qMax(0, m_saetIndSlet->checkedId());
    e.saetInd = qMax(0, m_saetInd->checkedId());
    e.dragDrop = m_dragDrop->isChecked();
    e.autoOpdater = m_autoOpdater->isChecked();
    e.visKlipbord = m_visKlipbord->isChecked();
    e.rydLister = m_rydLister->isChecked();
    e.lukProgress = m_lukProgress->isChecked();
    e.gaaTilIndstillinger = m_gaaTil->isChecked();
}

void TIndstillingsside::setAktivStruktur(Trae trae)
{
    m_aktivStruktur->setText(trae == Trae::Mappe ? QStringLiteral("Struktur 1") : QStringLiteral("Struktur 2"));
}

void TIndstillingsside::setElementetsArt(const QString &art)
{
    m_art->setText(art);
}

void TIndstillingsside::setMappenavn(const QString &navn)
{
    m_mappenavn->setText(navn);
}

void TIndstillingsside::setFilnavn(const QString &navn)
{
    m_filnavn->setText(navn);
}

QString TIndstillingsside::mappenavn() const
{
    return m_mappenavn->text();
}

void TIndstillingsside::setVisDetaljer(bool vis)
{
    m_visDetaljer->setChecked(vis);
}

bool TIndstillingsside::visDetaljer() const
{
    return m_visDetaljer->isChecked();
}

bool TIndstillingsside::gaaTilIndstillinger() const
{
    return m_gaaTil->isChecked();
}
