#include "shell/tinfoform.h"

#include "app/skaermplacering.h"
#include "engines/hjaelp/thjaelpsoegning.h"
#include "platform/tekstfil.h"
#include "shell/thjaelp.h"
#include "shell/turlform1.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int udeBredde = 650;
constexpr int sidepanelBredde = 300;

QToolButton *knapFor(QAction *a)
{
    auto *b = new QToolButton;
    b->setDefaultAction(a);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}

} // namespace

Tinfoform::Tinfoform(THjaelp &hjaelp, bool inde, const QString &settingsfil,
                     const Hovedkommandoer &kommandoer, QWidget *parent)
    : QWidget(parent)
    , m_hjaelp(hjaelp)
    , m_inde(inde)
    , m_settingsfil(settingsfil)
    , m_browser(new QTextBrowser)
    , m_edit(new QLineEdit)
{
    setObjectName("Tinfoform");
    setWindowTitle("Information");
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setObjectName("browser");
    m_browser->setOpenLinks(false);
    m_browser->setSearchPaths({hjaelp.infoDir()});
    connect(m_browser, &QTextBrowser::anchorClicked, this, &Tinfoform::linkKlikket);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        const QString titel = QFileInfo(url.toLocalFile()).fileName();
        m_edit->setText(titel);
        m_hjaelp.titelSkiftet(titel);
        opdaterKommandoer();
    });

    auto *midte = new QHBoxLayout;
    midte->setContentsMargins(0, 0, 0, 0);
    midte->addWidget(m_browser, 1);
    midte->addWidget(inde ? bygSidepanel(kommandoer) : bygLillePanel(kommandoer));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(bygNavigation());
    layout->addLayout(midte, 1);

    connect(&m_hjaelp, &THjaelp::historikSkiftet, this, &Tinfoform::opdaterKommandoer);
    connect(m_edit, &QLineEdit::textChanged, this, &Tinfoform::opdaterKommandoer);
    if (!inde)
        hentPosition();
    m_hjaelp.saetBrowser(this);
    opdaterKommandoer();
}

Tinfoform::~Tinfoform() = default;

QAction *Tinfoform::nyKommando(const QString &navn, const QString &tekst, QStyle::StandardPixmap ikon)
{
    auto *a = new QAction(style()->standardIcon(ikon), tekst, this);
    a->setObjectName(navn);
    a->setToolTip(tekst);
    return a;
}

QAction *Tinfoform::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn);
}

QWidget *Tinfoform::bygNavigation()
{
    auto &h = m_hjaelp.historik();
    QAction *foerste = nyKommando("Afirst", "Gå til første", QStyle::SP_MediaSkipBackward);
    QAction *tilbage = nyKommando("Aback", "Tilbage", QStyle::SP_ArrowBack);
    QAction *frem = nyKommando("Aforward", "Frem", QStyle::SP_ArrowForward);
    QAction *sidste = nyKommando("Alast", "Gå til sidste", QStyle::SP_MediaSkipForward);
    QAction *gaa = nyKommando("Ago", "Opdater/Gå", QStyle::SP_BrowserReload);
    QAction *luk = nyKommando("Luk", "Luk", QStyle::SP_DialogCloseButton);
    luk->setToolTip("Luk informationen");
    connect(foerste, &QAction::triggered, this, [this] { m_hjaelp.goToStruktur(0); });
    connect(tilbage, &QAction::triggered, this, [this, &h] { m_hjaelp.goToStruktur(h.tilbageIndex()); });
    connect(frem, &QAction::triggered, this, [this, &h] { m_hjaelp.goToStruktur(h.fremIndex()); });
    connect(sidste, &QAction::triggered, this, [this, &h] { m_hjaelp.goToStruktur(h.antal() - 1); });
    connect(gaa, &QAction::triggered, this, [this] {
        const QString fil = findHjaelpeside(m_hjaelp.infoDir(), m_edit->text());
        if (!fil.isEmpty())
            m_browser->setSource(QUrl::fromLocalFile(fil));
    });
    connect(luk, &QAction::triggered, this, &QWidget::close);
    connect(m_edit, &QLineEdit::returnPressed, gaa, &QAction::trigger);

    auto *bar = new QWidget;
    auto *l = new QHBoxLayout(bar);
    l->setContentsMargins(0, 0, 0, 0);
    for (QAction *a : {foerste, tilbage, frem, sidste})
        l->addWidget(knapFor(a));
    m_edit->setObjectName("Edit");
    l->addWidget(m_edit, 1);
    l->addWidget(knapFor(gaa));
    l->addWidget(knapFor(luk));
    return bar;
}

QToolButton *Tinfoform::emneKnap(const QString &tekst, const QString &hint, const QStringList &emner,
                                 bool medTekst)
{
    auto *b = new QToolButton;
    b->setText(tekst);
    b->setToolTip(hint);
    b->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    b->setToolButtonStyle(medTekst ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    if (medTekst)
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::clicked, this, [this, emner] { m_hjaelp.fyldEmner(emner); });
    m_emneKnapper.append(b);
    return b;
}

QWidget *Tinfoform::bygSidepanel(const Hovedkommandoer &k)
{
    auto *panel = new QWidget;
    panel->setObjectName("sidepanel");
    panel->setFixedWidth(sidepanelBredde);
    auto *l = new QVBoxLayout(panel);
    auto *titel = vinduesdele::overskrift("Information");
    l->addWidget(titel);
    for (QAction *a : {k.aVisStifinder, k.aVisInfoStruk, k.aPanelV}) {
        if (a) {
            QToolButton *b = knapFor(a);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            l->addWidget(b);
        }
    }
    l->addWidget(emneKnap("Stifinder", "Vis informationssider angående Stifinder", THjaelp::emneStifinder(), true));
    l->addWidget(emneKnap("Klipbordet", "Informationssider angående Klipbordet", THjaelp::emneKlipbordet(), true));
    l->addWidget(emneKnap("Funktioner", "Vis informationssider angående fil og mappe funktioner i listen",
                          THjaelp::emneFunktioner(), true));
    l->addWidget(emneKnap("Programmer", "Vis informationssider angående programmer i listen",
                          THjaelp::emneProgrammer(), true));
    l->addWidget(new QLabel("Liste emner"));
    m_listeplads = new QVBoxLayout;
    m_hjaelp.urlform()->laanUd();
    m_listeplads->addWidget(m_hjaelp.urlform()->urlListe(), 1);
    l->addLayout(m_listeplads, 1);

    auto *knapper = new QHBoxLayout;
    auto *slet = new QPushButton("Slet liste");
    slet->setToolTip("Slet alle urls fra listen");
    slet->setObjectName("sletListe");
    connect(slet, &QPushButton::clicked, &m_hjaelp, &THjaelp::sletAlle);
    knapper->addWidget(slet);
    auto *lister = new QToolButton;
    lister->setText("Lister");
    lister->setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(lister);
    for (QAction *a : k.visGT)
        menu->addAction(a);
    lister->setMenu(menu);
    connect(lister, &QToolButton::clicked, lister, &QToolButton::showMenu);
    knapper->addWidget(lister);
    l->addLayout(knapper);
    return panel;
}

QWidget *Tinfoform::bygLillePanel(const Hovedkommandoer &k)
{
    auto *panel = new QWidget;
    panel->setObjectName("lillepanel");
    auto *l = new QVBoxLayout(panel);
    l->setContentsMargins(2, 0, 2, 0);
    if (k.aVisInfoStruk) {
        auto *b = knapFor(k.aVisInfoStruk);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        l->addWidget(b);
    }
    l->addWidget(new QLabel("Liste emner:"));
    l->addWidget(emneKnap("Stifinder", "Vis informationssider angående Stifinder", THjaelp::emneStifinder(), false));
    l->addWidget(emneKnap("Klipbordet", "Informationssider angående Klipbordet", THjaelp::emneKlipbordet(), false));
    l->addWidget(emneKnap("Funktioner", "Vis informationssider angående fil og mappe funktioner i listen",
                          THjaelp::emneFunktioner(), false));
    l->addWidget(emneKnap("Programmer", "Vis informationssider angående programmer i listen",
                          THjaelp::emneProgrammer(), false));
    QAction *visListe = nyKommando("aVisUrlliste", "Vis urlliste", QStyle::SP_FileDialogListView);
    visListe->setToolTip("Vis urllisten med indførte urls");
    connect(visListe, &QAction::triggered, this, [this] { m_hjaelp.urlform()->show(); });
    auto *b = knapFor(visListe);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    l->addWidget(b);
    l->addStretch();
    return panel;
}

void Tinfoform::LoadHjemmeside(const QString &side)
{
    const QString fil = findHjaelpeside(m_hjaelp.infoDir(), side);
    m_aktuelSide = m_hjaelp.infoDir() + side;
    if (fil.isEmpty())
        return;   // a missing page shows nothing and says nothing
    m_browser->setSource(QUrl::fromLocalFile(fil));
}

void Tinfoform::linkKlikket(const QUrl &url)
{
    if (url.isLocalFile() || url.isRelative()) {
        const QString navn = QFileInfo(url.isLocalFile() ? url.toLocalFile() : url.path()).fileName();
        const QString fil = findHjaelpeside(m_hjaelp.infoDir(), navn);
        if (!fil.isEmpty())
            m_browser->setSource(QUrl::fromLocalFile(fil));
        return;
    }
    if (url.scheme() == "http" || url.scheme() == "https")
        QDesktopServices::openUrl(url);
}

void Tinfoform::opdaterKommandoer()
{
    const THjaelpHistorik &h = m_hjaelp.historik();
    // The history window is created at start-up and lives as long as the help system.
    kommando("Afirst")->setEnabled(h.kanGaaTilFoerste());
    kommando("Aback")->setEnabled(h.kanGaaTilbage(true));
    kommando("Aforward")->setEnabled(h.kanGaaFrem());
    kommando("Alast")->setEnabled(h.kanGaaTilSidste());
    kommando("Ago")->setEnabled(!m_edit->text().isEmpty());
    const bool listeVises = m_hjaelp.urlform()->isVisible();
    for (QToolButton *b : std::as_const(m_emneKnapper))
        b->setEnabled(m_inde || listeVises);
    if (QAction *vis = kommando("aVisUrlliste"))
        vis->setEnabled(!listeVises);
}

void Tinfoform::hentPosition()
{
    setFixedWidth(udeBredde);
    int venstre = 20, top = 40, hoejde = 576;
    const QStringList linjer = tekstfil::hent(m_settingsfil, tekstfil::Art::Indstillinger);
    if (linjer.size() >= 3) {
        bool ok1 = false, ok2 = false, ok3 = false;
        const int v = linjer.at(0).toInt(&ok1), t = linjer.at(1).toInt(&ok2), hh = linjer.at(2).toInt(&ok3);
        if (ok1 && ok2 && ok3 && hh > 100) {
            venstre = v;
            top = t;
            hoejde = hh;
        }
    }
    // Stored numbers may belong to a larger screen or one that is gone.
    const QRect g = skaermplacering::tilpas(this, QRect(venstre, top, udeBredde, hoejde));
    move(g.topLeft());
    resize(udeBredde, g.height());
}

void Tinfoform::gemPosition()
{
    tekstfil::gem(m_settingsfil, {QString::number(x()), QString::number(y()), QString::number(height())});
}

void Tinfoform::closeEvent(QCloseEvent *event)
{
    if (m_inde) {
        m_hjaelp.urlform()->tagTilbage();
    } else {
        if (m_hjaelp.urlform()->isVisible())
            m_hjaelp.urlform()->close();
        gemPosition();
    }
    m_hjaelp.saetBrowser(nullptr);
    QWidget::closeEvent(event);
}
