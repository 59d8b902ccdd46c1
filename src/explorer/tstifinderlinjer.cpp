#include "explorer/tstifinderlinjer.h"

#include "explorer/knapper.h"
#include "explorer/taktivitetsviser.h"
#include "explorer/tstifinderkommandoer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QResizeEvent>
#include <QToolBar>
#include <QToolButton>

TStifinderLinjer::TStifinderLinjer(TStifinderKommandoer *kommandoer, QWidget *vindue)
    : QObject(vindue)
    , m_k(kommandoer)
{
    lavTopPanel(vindue);
    lavRedskabslinje(vindue);
}

using stifinderregler::Kommando;

QToolBar *TStifinderLinjer::lavGruppe(const QString &navn, QWidget *parent)
{
    auto *g = new QToolBar(parent);
    g->setObjectName(navn);
    g->setIconSize(QSize(18, 18));
    g->setMovable(false);
    g->setFloatable(false);
    g->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 1px; }"));
    return g;
}

QToolButton *TStifinderLinjer::delt(QToolBar *gruppe, Kommando kommando, QMenu *menu)
{
    auto *b = knapper::knap(m_k->kommando(kommando), gruppe);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::MenuButtonPopup);
    b->setToolButtonStyle(gruppe->toolButtonStyle());
    gruppe->addWidget(b);
    return b;
}

void TStifinderLinjer::lavTopPanel(QWidget *vindue)
{
    auto *bar = lavGruppe(QStringLiteral("topPanel"), vindue);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto tilfoej = [this, bar](std::initializer_list<Kommando> kommandoer) {
        for (const Kommando id : kommandoer)
            bar->addAction(m_k->kommando(id));
    };
    tilfoej({Kommando::ActionUpd, Kommando::AnnullerKopiering});
    bar->addSeparator();
    tilfoej({Kommando::Cut, Kommando::Copy, Kommando::Paste});
    bar->addSeparator();
    tilfoej({Kommando::DeleteToPapirkurv, Kommando::DeletePermanent});
    bar->addSeparator();
    tilfoej({Kommando::Rename2, Kommando::Rename, Kommando::RenameExt});
    bar->addSeparator();
    tilfoej({Kommando::NyMappe});
    QToolButton *nyFil = delt(bar, Kommando::aOpretTekstfil, m_k->nyFilMenu());
    connect(bar, &QToolBar::toolButtonStyleChanged, nyFil, &QToolButton::setToolButtonStyle);
    tilfoej({Kommando::Info});
    bar->addSeparator();
    tilfoej({Kommando::insertFilSFWS, Kommando::Rens, Kommando::aEmptyRB});
    auto *fyld = new QWidget(bar);
    fyld->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(fyld);
    m_viser = new TAktivitetsviser(bar);
    bar->addWidget(m_viser);
    m_topPanel = bar;
    bar->installEventFilter(this);
}

bool TStifinderLinjer::eventFilter(QObject *objekt, QEvent *event)
{
    // Captions beside the pictures when the bar has room for them; pictures
    // alone (with the captions as hints) when it has not.
    if (objekt == m_topPanel && event->type() == QEvent::Resize) {
        auto *bar = static_cast<QToolBar *>(m_topPanel);
        const int bredde = static_cast<QResizeEvent *>(event)->size().width();
        if (m_fuldBredde == 0) {
            bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            m_fuldBredde = bar->sizeHint().width();
        }
        bar->setToolButtonStyle(bredde >= m_fuldBredde ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    } else if ((objekt == m_redskabslinje || objekt == m_venstre) && event->type() == QEvent::Resize) {
        placerGrupper();
    }
    return QObject::eventFilter(objekt, event);
}

void TStifinderLinjer::lavRedskabslinje(QWidget *vindue)
{
    m_redskabslinje = new QWidget(vindue);
    m_redskabslinje->setObjectName(QStringLiteral("Redskabslinje"));
    auto *layout = new QGridLayout(m_redskabslinje);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setColumnStretch(1, 1);

    m_venstre = lavGruppe(QStringLiteral("mappeGruppe"), m_redskabslinje);
    m_venstre->addAction(m_k->kommando(Kommando::Fokus));
    m_kunDrevMenu = new QMenu(m_venstre);
    delt(m_venstre, Kommando::KunDrev, m_kunDrevMenu);
    for (const Kommando n : {Kommando::OpdaterKunEn, Kommando::OpdaterAlle, Kommando::aMedtagPrivat, Kommando::UdfoldStruktur, Kommando::SammenfoldStruktur})
        m_venstre->addAction(m_k->kommando(n));
    m_strukturKnap = delt(m_venstre, Kommando::strukturKnap, nullptr);
    m_venstre->addAction(m_k->kommando(Kommando::reloadKnap));
    m_venstre->addAction(m_k->kommando(Kommando::deselectAll));
    layout->addWidget(m_venstre, 0, 0);

    auto *midte = lavGruppe(QStringLiteral("filGruppe"), m_redskabslinje);
    for (const Kommando n : {Kommando::Fokus2, Kommando::indstilMappestruktur})
        midte->addAction(m_k->kommando(n));
    m_drevMenu = new QMenu(midte);
    auto *drev = knapper::knap(m_k->kommando(Kommando::drevKnap), midte);
    drev->setMenu(m_drevMenu);
    drev->setPopupMode(QToolButton::InstantPopup);
    midte->addWidget(drev);
    midte->addAction(m_k->kommando(Kommando::opdater2));

    m_markerGruppe = new QWidget(midte);
    m_markerGruppe->setObjectName(QStringLiteral("markerGruppe"));
    auto *marker = new QHBoxLayout(m_markerGruppe);
    marker->setContentsMargins(0, 0, 0, 0);
    marker->setSpacing(0);
    m_markerKnap = knapper::knap(m_k->kommando(Kommando::aSelectButton), m_markerGruppe);
    m_markerKnap->setMenu(m_k->markerMenu());
    m_markerKnap->setPopupMode(QToolButton::MenuButtonPopup);
    marker->addWidget(m_markerKnap);
    for (const Kommando n : {Kommando::selectAlleElementer, Kommando::deselectElementer, Kommando::inverterSelection}) {
        QToolButton *b = knapper::knap(m_k->kommando(n), m_markerGruppe);
        marker->addWidget(b);
        m_markerKnapper.append(b);
    }
    midte->addWidget(m_markerGruppe);
    midte->addSeparator();
    delt(midte, Kommando::aRun, m_k->koerMenu())->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    delt(midte, Kommando::aHTMLbutton, m_k->htmlMenu());
    midte->addAction(m_k->kommando(Kommando::aShowPic));
    layout->addWidget(midte, 0, 1);
    m_midte = midte;

    auto *hoejre = lavGruppe(QStringLiteral("hoejreGruppe"), m_redskabslinje);
    for (const Kommando n : {Kommando::aInsertFavoritmappe, Kommando::gemStruktur, Kommando::hentStruktur, Kommando::bestemFremvisning, Kommando::aTopPanel, Kommando::opdaterFunktioner})
        hoejre->addAction(m_k->kommando(n));
    layout->addWidget(hoejre, 0, 2);
    m_hoejre = hoejre;
    setMarkerButton(false);
    m_redskabslinje->installEventFilter(this);
    m_venstre->installEventFilter(this);
}

void TStifinderLinjer::placerGrupper()
{
    auto *gitter = static_cast<QGridLayout *>(m_redskabslinje->layout());
    const int behov = m_venstre->width() + m_midte->sizeHint().width() + m_hoejre->sizeHint().width();
    const bool toRaekker = behov > m_redskabslinje->width();
    if (toRaekker == m_toRaekker)
        return;
    m_toRaekker = toRaekker;
    gitter->removeWidget(m_hoejre);
    if (toRaekker)
        gitter->addWidget(m_hoejre, 1, 1, Qt::AlignLeft);
    else
        gitter->addWidget(m_hoejre, 0, 2);
}

void TStifinderLinjer::setMarkerButton(bool alle)
{
    m_markerKnap->setVisible(!alle);
    const QStringList tekster = {QStringLiteral("Marker alt"), QStringLiteral("Fjern alle markeringer"),
                                 QStringLiteral("Inverter nuværende markering")};
    for (int i = 0; i < m_markerKnapper.size(); ++i) {
        m_markerKnapper.at(i)->defaultAction()->setText(alle ? QString() : tekster.at(i));
        // Without room for their captions only the split button is seen.
        m_markerKnapper.at(i)->setVisible(alle);
    }
    if (m_hoejre)
        placerGrupper();
}
