#include "tools/tgenvejform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/navngivnekommandoer.h"
#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/genveje/genvejsliste.h"
#include "engines/genveje/tgenvejsmager.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"
#include "shell/aktivering.h"
#include "shell/vinduesdele.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int fastBredde = 570;
constexpr int fastHoejde = 620;

QLabel *tekst(const QString &t, bool fed = false)
{
    auto *l = new QLabel(t);
    l->setWordWrap(true);
    if (fed) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLineEdit *felt(const char *navn, const QString &hintTekst)
{
    auto *e = new QLineEdit;
    e->setObjectName(QLatin1String(navn));
    hint::saet(e, hintTekst);
    return e;
}

QPushButton *knap(QAction *a)
{
    auto *b = new QPushButton(a->text());
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    // The design's style sheet pads buttons beyond what their size hint
    // allows for; the caption always shows whole.
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
    hint::saet(b, a->toolTip());
    b->setEnabled(a->isEnabled());
    QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::changed, b, [a, b] { b->setEnabled(a->isEnabled()); });
    return b;
}

} // namespace

Tgenvejform::Tgenvejform(Dialogs &dialogs, bool inde, const QString &optMappe, const Hovedvindue &hoved,
                         QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Dialog)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(stier::delimKon(optMappe) + QStringLiteral("Genveje.txt"))
    , m_mager(new TGenvejsmager(dialogs, hoved.scriptDir, hoved.programfil, this))
{
    setObjectName(QStringLiteral("Tgenvejform"));
    setWindowTitle(QStringLiteral("Genveje"));
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_mager, &TGenvejsmager::genvejLavet, this, &Tgenvejform::genvejLavet);
    laesIndstillinger();

    lavKommando("aIndfoerMappe", QStringLiteral("Indfør mappe"),
                QStringLiteral("Indfør mappe der skal oprettes en genvej til"), &Tgenvejform::indfoerMappe);
    lavKommando("aIndfoerProgram", QStringLiteral("Indfør program eller fil"),
                QStringLiteral("Indfør fil der skal oprettes en genvej til"), &Tgenvejform::indfoerProgram);
    lavKommando("aIndfoerPlacering", QStringLiteral("Indfør placering"),
                QStringLiteral("Indfør hvor genvejen skal placeres"), &Tgenvejform::indfoerPlacering);
    lavKommando("aOpretGenvej", QStringLiteral("Opret genvej"), QStringLiteral("Opret genvejen"),
                &Tgenvejform::makeGenvej);
    lavKommando("aIndfoerFast", QStringLiteral("Indfør"), QStringLiteral("Indfør en fast placering af genveje"),
                &Tgenvejform::indfoerFast);
    lavKommando("aGemFast", QStringLiteral("Gem"), QStringLiteral("Gem mappen til senere brug"),
                &Tgenvejform::gemFast);
    lavKommando("aHent", QStringLiteral("Hent"),
                QStringLiteral("Indlæser alle genveje anbragt i den faste placering"), &Tgenvejform::loadGenveje);
    lavKommando("aVis", QStringLiteral("Vis"), QStringLiteral("Vis mappen i Stifinder"), &Tgenvejform::vis);
    lavKommando("aKoer", QStringLiteral("Kør"), QStringLiteral("Kør valgte genvej"), &Tgenvejform::koer);

    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(lavHovedpanel(), 1);
    l->addWidget(lavSidepanel());

    const QString placering = m_hoved.PlaceringsMappe ? *m_hoved.PlaceringsMappe : QString();
    m_fastPlacering->setText(placering);
    m_placering->setText(placering);
    if (m_showInternt) {
        m_loadCheck->setChecked(m_aLoadGenveje);
        m_infoKnap->hide();
    } else {
        m_sidepanel->hide();
        placerEksternt();
    }
    opdaterKommandoer();
}

QAction *Tgenvejform::lavKommando(const char *navn, const QString &tekstCaption, const QString &hintTekst,
                                  void (Tgenvejform::*handling)())
{
    QAction *a = navngivne::lav(this, navn, tekstCaption, hintTekst);
    connect(a, &QAction::triggered, this, handling);
    return a;
}

QAction *Tgenvejform::kommando(const char *navn) const
{
    return navngivne::find(this, QLatin1String(navn));
}

QWidget *Tgenvejform::lavHovedpanel()
{
    auto *panel = new QWidget;
    auto *l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    auto *titel = tekst(QStringLiteral("Genveje"), true);
    QFont f = titel->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titel->setFont(f);
    l->addWidget(titel);
    l->addWidget(tekst(QStringLiteral("Alle navne hentes fra \"Aktuelle element\", der bestemmes ved Stifinder.")));
    l->addWidget(tekst(QStringLiteral("Valgte element: Genvejens destination"), true));

    m_maal = felt("maalFelt", QStringLiteral("Genvejens mål: Mappe eller program exe fil"));
    connect(m_maal, &QLineEdit::textChanged, this, &Tgenvejform::opdaterKommandoer);
    l->addWidget(m_maal);
    auto *maalKnapper = new QHBoxLayout;
    maalKnapper->addStretch();
    maalKnapper->addWidget(knap(kommando("aIndfoerMappe")));
    maalKnapper->addWidget(knap(kommando("aIndfoerProgram")));
    l->addLayout(maalKnapper);

    auto *gitter = new QGridLayout;
    m_placering = felt("placeringFelt", QStringLiteral("Den færdige genvejs placering"));
    connect(m_placering, &QLineEdit::textChanged, this, &Tgenvejform::opdaterKommandoer);
    gitter->addWidget(new QLabel(QStringLiteral("Placering")), 0, 0);
    gitter->addWidget(m_placering, 0, 1);
    gitter->addWidget(knap(kommando("aIndfoerPlacering")), 0, 2);
    m_navn = felt("navnFelt", QStringLiteral("Genvejens navn"));
    connect(m_navn, &QLineEdit::textChanged, this, &Tgenvejform::opdaterKommandoer);
    connect(m_navn, &QLineEdit::returnPressed, this, [this] {
        if (kommando("aOpretGenvej")->isEnabled())
            makeGenvej();
    });
    gitter->addWidget(new QLabel(QStringLiteral("Navn:")), 1, 0);
    gitter->addWidget(m_navn, 1, 1);
    gitter->addWidget(knap(kommando("aOpretGenvej")), 1, 2);
    gitter->setColumnStretch(1, 1);
    l->addLayout(gitter);

    l->addWidget(tekst(QStringLiteral("Det kan tage lidt tid. Der bringes en information, når funktionen er "
                                      "gennemført.")));
    l->addWidget(tekst(QStringLiteral("Nemmeste metode til oprettelse af genvej er:"), true));
    for (const char *trin : {"1. Indfør en fast placering ved hjælp af Stifinder og gem den.",
                             "2. Åben Stifinder og vælg genvejens destination.",
                             "3. Vælg Nem-funktionen \"Opret\".", "4. Tryk \"Opret genvej\".",
                             "5. Genvejen skabes og vises i Stifinder i mappen, der er valgt til fast placering."})
        l->addWidget(tekst(QString::fromUtf8(trin)));

    auto *fast = new QHBoxLayout;
    m_fastPlacering = felt("fastPlaceringFelt", QStringLiteral("Den færdige genvejs placering"));
    connect(m_fastPlacering, &QLineEdit::textChanged, this, &Tgenvejform::opdaterKommandoer);
    fast->addWidget(new QLabel(QStringLiteral("Fast plasering")));
    fast->addWidget(m_fastPlacering, 1);
    fast->addWidget(knap(kommando("aIndfoerFast")));
    fast->addWidget(knap(kommando("aGemFast")));
    l->addLayout(fast);
    l->addWidget(tekst(QStringLiteral("Ved at oprette en fast placering anbringes alle genveje i samme mappe og er "
                                      "derved lette at finde frem til.")));
    l->addWidget(tekst(QStringLiteral("Filer anbragt her kan naturligvis flyttes senere, hvis relevant.")));
    l->addStretch();

    auto *bund = new QHBoxLayout;
    auto *luk = new QPushButton(QStringLiteral("Luk"));
    luk->setObjectName(QStringLiteral("lukKnap"));
    connect(luk, &QPushButton::clicked, this, [this] { lukVindue(this); });
    bund->addWidget(luk);
    if (QToolButton *stifinder = vinduesdele::stifinderKnap(m_hoved.aVisStifinder))
        bund->addWidget(stifinder);
    bund->addStretch();
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName(QStringLiteral("infoKnap"));
    m_infoKnap->setIcon(ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    hint::saet(m_infoKnap, QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("Genveje.html"));
    });
    bund->addWidget(m_infoKnap);
    l->addLayout(bund);
    return panel;
}

QWidget *Tgenvejform::lavSidepanel()
{
    m_sidepanel = new QFrame;
    m_sidepanel->setObjectName(QStringLiteral("sidepanel"));
    m_sidepanel->setFrameShape(QFrame::StyledPanel);

    auto *l = new QVBoxLayout(m_sidepanel);
    l->addWidget(tekst(QStringLiteral("Genveje i Fast placering"), true));
    m_liste = new QListWidget;
    m_liste->setObjectName(QStringLiteral("genvejsliste"));
    hint::saet(m_liste, QStringLiteral("Favoritfiler"));
    m_liste->setItemDelegate(new vinduesdele::TMaerketRaekke(
        // A small circle in the menu highlight colour.
        [](QPainter *maler, const QRect &felt, bool valgt, const QPalette &p) {
            maler->setRenderHint(QPainter::Antialiasing);
            maler->setPen(Qt::NoPen);
            maler->setBrush(valgt ? p.color(QPalette::HighlightedText) : p.color(QPalette::Highlight));
            maler->drawEllipse(felt);
            maler->setRenderHint(QPainter::Antialiasing, false);
        },
        19, m_liste));
    m_liste->installEventFilter(this);
    connect(m_liste, &QListWidget::itemSelectionChanged, this, &Tgenvejform::opdaterKommandoer);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, [this] {
        if (kommando("aKoer")->isEnabled())
            koer();
    });
    l->addWidget(m_liste, 1);
    auto *knapper = new QHBoxLayout;
    for (const char *navn : {"aHent", "aVis", "aKoer"})
        knapper->addWidget(knap(kommando(navn)));
    l->addLayout(knapper);
    m_loadCheck = new QCheckBox(QStringLiteral("Indlæs genveje automatisk ved opstart"));
    m_loadCheck->setObjectName(QStringLiteral("loadCheck"));
    hint::saet(m_loadCheck, QStringLiteral("Indlæs altid genveje ved opstart"));
    l->addWidget(m_loadCheck);
    // As wide as the check box's caption needs, and no wider.
    m_sidepanel->setFixedWidth(qMax(260, m_loadCheck->sizeHint().width() + 40));
    return m_sidepanel;
}

void Tgenvejform::laesIndstillinger()
{
    const QStringList linjer = tekstfil::hent(m_optFilnavn, tekstfil::Art::Indstillinger);
    bool okV = false, okT = false, okL = false;
    const int venstre = linjer.value(0).trimmed().toInt(&okV);
    const int top = linjer.value(1).trimmed().toInt(&okT);
    const int load = linjer.value(2).trimmed().toInt(&okL);
    if (okV && okT) {
        m_aLeft = venstre;
        m_aTop = top;
    }
    m_aLoadGenveje = okL && load != 0;
}

void Tgenvejform::placerEksternt()
{
    setFixedSize(fastBredde, fastHoejde);
    skaermplacering::placer(this, QRect(m_aLeft, m_aTop, fastBredde, fastHoejde));
}

QString Tgenvejform::editSti() const
{
    return m_hoved.editSti ? m_hoved.editSti() : QString();
}

void Tgenvejform::opdaterKommandoer()
{
    if (!m_liste)
        return;
    const QString sti = editSti();
    const bool mappe = !sti.isEmpty() && filinfo::erMappe(sti);
    const QString fast = m_fastPlacering->text();
    const bool fastMappe = !fast.isEmpty() && filinfo::erMappe(fast);
    const QString gemt = m_hoved.PlaceringsMappe ? *m_hoved.PlaceringsMappe : QString();
    kommando("aIndfoerMappe")->setEnabled(mappe);
    kommando("aIndfoerProgram")->setEnabled(!sti.isEmpty() && filinfo::erFil(sti) && !mappe);
    kommando("aIndfoerPlacering")->setEnabled(!sti.isEmpty());
    kommando("aOpretGenvej")->setEnabled(!m_maal->text().isEmpty() && !m_navn->text().isEmpty()
                                         && !m_placering->text().isEmpty());
    kommando("aIndfoerFast")->setEnabled(mappe);
    // Paths that differ in letter case are two folders here.
    kommando("aGemFast")->setEnabled(fastMappe && stier::udenSkraastreg(fast) != stier::udenSkraastreg(gemt));
    kommando("aHent")->setEnabled(fastMappe);
    kommando("aVis")->setEnabled(fastMappe);
    kommando("aKoer")->setEnabled(m_liste->currentItem() && m_liste->currentItem()->isSelected());
}

void Tgenvejform::udfyld(const QString &maal, const QString &placering, const QString &navn)
{
    m_maal->setText(maal);
    m_placering->setText(placering);
    m_navn->setText(navn);
}

void Tgenvejform::indfoerMappe()
{
    const QString sti = editSti();
    if (filinfo::erMappe(sti))
        m_maal->setText(sti);
}

void Tgenvejform::indfoerProgram()
{
    const QString sti = editSti();
    if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
        m_maal->setText(sti);
}

void Tgenvejform::indfoerPlacering()
{
    const QString sti = editSti();
    if (sti.isEmpty())
        return;
    if (filinfo::erMappe(sti))
        m_placering->setText(sti);
    else if (filinfo::erFil(sti))
        m_placering->setText(stier::mappeAf(sti));
}

void Tgenvejform::makeGenvej()
{
    m_mager->makeGenvej(m_maal->text(), m_placering->text(), m_navn->text());
}

void Tgenvejform::genvejLavet(const QString &, const QString &placering)
{
    m_maal->clear();
    m_navn->clear();
    if (m_showInternt && m_liste->count() > 0
        && stier::udenSkraastreg(placering) == stier::udenSkraastreg(m_fastPlacering->text()))
        loadGenveje();
    if (m_hoved.aktiverWinform)
        m_hoved.aktiverWinform(placering);
}

void Tgenvejform::indfoerFast()
{
    const QString sti = editSti();
    if (!filinfo::erMappe(sti))
        return;
    m_fastPlacering->setText(sti);
    m_placering->setText(sti);
}

void Tgenvejform::gemFast()
{
    if (!kommando("aGemFast")->isEnabled() || !m_hoved.PlaceringsMappe)
        return;
    *m_hoved.PlaceringsMappe = m_fastPlacering->text();
    m_placering->setText(*m_hoved.PlaceringsMappe);
    opdaterKommandoer();
}

void Tgenvejform::loadGenveje()
{
    m_liste->clear();
    const QStringList navne = genvejsliste::hent(m_fastPlacering->text());
    m_liste->addItems(navne);
    opdaterKommandoer();
    if (navne.isEmpty())
        m_dialogs.inform(QStringLiteral("Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."));
}

void Tgenvejform::vis()
{
    if (m_hoved.visKalMappe && filinfo::erMappe(m_fastPlacering->text()))
        m_hoved.visKalMappe(m_fastPlacering->text());
}

void Tgenvejform::koer()
{
    QListWidgetItem *valgt = m_liste->currentItem();
    if (!valgt || !m_hoved.runFilname)
        return;
    m_hoved.runFilname(genvejsliste::fil(m_fastPlacering->text(), valgt->text()));
}

bool Tgenvejform::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == m_liste && e->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Space) {
        if (kommando("aKoer")->isEnabled())
            koer();
        return true;
    }
    return QWidget::eventFilter(objekt, e);
}

bool Tgenvejform::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

void Tgenvejform::FormActivate()
{
    opdaterKommandoer();
    if (!m_opstart)
        return;
    m_opstart = false;
    if (m_showInternt && m_loadCheck->isChecked() && kommando("aHent")->isEnabled())
        loadGenveje();
}

void Tgenvejform::closeEvent(QCloseEvent *e)
{
    if (m_showInternt) {
        m_aLoadGenveje = m_loadCheck->isChecked();
    } else {
        m_aLeft = x();
        m_aTop = y();
    }
    tekstfil::gem(m_optFilnavn, {QString::number(m_aLeft), QString::number(m_aTop),
                                 m_aLoadGenveje ? QStringLiteral("1") : QStringLiteral("0")});
    QWidget::closeEvent(e);
}
