#include "app/tmainform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/skaermplacering.h"
#include "app/tbakkeikon.h"
#include "app/tbeskeddialogs.h"
#include "app/tboernevinduer.h"
#include "app/tdosside.h"
#include "app/tegenskabsside.h"
#include "app/tindholdsside.h"
#include "app/tinfobar.h"
#include "app/tnetside.h"
#include "app/tnotatside.h"
#include "app/tsenereside.h"
#include "app/tstifinderramme.h"
#include "app/tstilmanager.h"
#include "app/tstistrimmel.h"
#include "app/tstrukturmenu.h"
#include "core/dialogs.h"
#include "engines/datamappe/tdatamappe.h"
#include "engines/genveje/topstartsprogram.h"
#include "engines/tmenuexefiler.h"
#include "engines/tstarter.h"
#include "engines/tstrukturcompo.h"
#include "explorer/twinform.h"
#include "platform/netadresse.h"
#include "platform/notifikation.h"
#include "platform/skrivebord.h"
#include "platform/tekstfil.h"
#include "shell/tgenvejslister.h"
#include "shell/thjaelp.h"
#include "shell/thjaelpside.h"
#include "shell/tprogramboks.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tvinduesstyring.h"
#include "shell/vinduesart.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmapCache>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace mainregler;
using namespace mainregler::maal;

namespace {

constexpr int BilledcacheKB = 2048;

// The program's message and question windows while it runs. Once the
// session ends nothing may wait for an answer: messages go to the error
// output and every question is answered "Nej".
class TSlutvagt : public Dialogs
{
public:
    TSlutvagt(Dialogs &dialogs, const bool &slutter)
        : m_dialogs(dialogs)
        , m_slutter(slutter)
    {
    }

    void inform(const QString &tekst) override
    {
        if (m_slutter)
            qWarning().noquote() << QString(tekst).replace(u'\r', u' ');
        else
            m_dialogs.inform(tekst);
    }

    bool ask(const QString &tekst, bool visAlleCheck, bool *alle) override
    {
        if (!m_slutter)
            return m_dialogs.ask(tekst, visAlleCheck, alle);
        if (alle)
            *alle = false;
        return false;
    }

private:
    Dialogs &m_dialogs;
    const bool &m_slutter;
};

} // namespace

Tmainform::Tmainform(Dialogs *dialogs, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainform"));
    // The toolkit keeps drawn pictures in one shared cache, keyed by the
    // colours of the widget they were drawn for. Widgets styled by a style
    // sheet get colours of their own, so every explorer window that opens
    // adds pictures no later window can use. The cache is kept at what the
    // program's windows need at a time instead of the toolkit's 10 MB.
    QPixmapCache::setCacheLimit(BilledcacheKB);
    if (!dialogs) {
        m_egneDialogs = std::make_unique<TBeskedDialogs>(this);
        dialogs = m_egneDialogs.get();
    }
    m_slutvagt = std::make_unique<TSlutvagt>(*dialogs, m_sessionSlutter);
    m_dialogs = m_slutvagt.get();
    // Problems with stored files found from here on reach the user.
    tekstfil::saetMelder([this](const QString &besked) {
        QMetaObject::invokeMethod(this, [this, besked] { filbesked(besked); }, Qt::QueuedConnection);
    });

    opretKommandoer();

    m_klientomraade = new QMdiArea(this);
    m_klientomraade->setObjectName(QStringLiteral("klientomraade"));
    m_stistrimmel = new TStistrimmel(this);
    m_stistrimmel->bindKommandoer(kommando("aOpenStifinder"), kommando("aPanelV"));
    QWidget *topstrimmel = lavTopstrimmel();
    m_boern = new TBoernevinduer({this, m_klientomraade, m_tc, m_dialogs, [this] { return m_stistrimmel->sti(); }},
                                 this);
    m_boern->setGalleriFelter(&GBoxV, &GBoxL, &colIndex);
    m_boern->setPlaceringsMappe(&PlaceringsMappe);
    connect(m_boern, &TBoernevinduer::infoProg, this, &Tmainform::InfoProg);
    connect(m_boern, &TBoernevinduer::exeProgramSkiftet, this, [this](const QString &sti) { exeProgram = sti; });
    connect(m_boern, &TBoernevinduer::visSide, this, [this](int side) { vaelgSide(side); });
    connect(m_boern, &TBoernevinduer::aktuelleElement, m_stistrimmel, &TStistrimmel::setSti);
    connect(m_boern, &TBoernevinduer::boernSkiftet, this, &Tmainform::planlaegOpdatering);
    connect(m_boern, &TBoernevinduer::stifinderLedig, this, &Tmainform::lukNaarLedigt);
    connect(m_boern->hjaelp(), &THjaelp::hint, this, &Tmainform::HintInfo);
    connect(m_boern, &TBoernevinduer::hint, this, &Tmainform::HintInfo);
    lavStrukturmenu();

    auto *midte = new QHBoxLayout;
    midte->setContentsMargins(0, 0, 0, 0);
    midte->setSpacing(0);
    midte->addWidget(lavVenstrePanel());
    midte->addWidget(m_klientomraade, 1);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topstrimmel);
    layout->addLayout(midte, 1);
    layout->addWidget(m_stistrimmel);
    setCentralWidget(central);

    m_infobar = new TInfobar(this);
    setStatusBar(m_infobar);

    connect(m_stistrimmel, &TStistrimmel::udskrivInfo, this, &Tmainform::UdskrivInfo);
    connect(m_klientomraade, &QMdiArea::subWindowActivated, this, &Tmainform::planlaegOpdatering);
    // Commands such as "Genveje" depend on the current element.
    connect(m_stistrimmel->EditSti(), &QLineEdit::textChanged, this, &Tmainform::planlaegOpdatering);

    FormCreate();
    opdaterSidetitel();
    opdaterKommandoer();
}

Tmainform::~Tmainform()
{
    tekstfil::saetMelder({});
    // Explorer windows still open save their settings through their frame
    // connection, so they go while it is there.
    delete m_klientomraade;
}

void Tmainform::lavStrukturmenu()
{
    auto *bestemFremstilling = new QAction(QStringLiteral("Bestem fremstillingsform"), this);
    hint::saet(bestemFremstilling, QStringLiteral("Strukturer kan fremstilles som punkt eller niveau strukturer"));
    connect(bestemFremstilling, &QAction::triggered, this, [this] { vaelgSide(SideEgenskaber, 2); });
    TStrukturmenu::Ramme ramme{this, m_dialogs, [this] { return m_boern->aktivStifinder(true); },
                               [this] { return samlEgenskaber().FremFormCheck; }, &OnClickIndex, &OnClickCaption};
    m_strukturmenu = new TStrukturmenu(ramme, kommando("OpretSmappe"), bestemFremstilling, this);
    m_stifinderRamme = std::make_unique<TStifinderRamme>(*this, *m_strukturmenu);
    m_boern->setStifinderRamme(m_stifinderRamme.get());
    m_boern->setStrukturFelter(&MsRedigeret, [this] { m_strukturmenu->loadMappeStruktur(); });
}

// ---------------------------------------------------------------- regions

void Tmainform::opretKommandoer()
{
    const struct
    {
        const char *navn;
        const char *tekst;
        const char *hint;
        QKeySequence tast;
        const char *tema;
        QStyle::StandardPixmap reserve;
    } tabel[] = {
        {"OpenElement", "Åben nyt element", "Åben nyt element: F10", Qt::Key_F10, "window-new|document-open",
         QStyle::SP_FileDialogNewFolder},
        {"programmerAction", "Programmer", "Programmer", {}, "applications-other|applications-utilities",
         QStyle::SP_ComputerIcon},
        {"CloseElement", "Luk Stifinder", "Luk sidst åbnede Stifinder og dets Klipbord", {},
         "window-close", QStyle::SP_DialogCloseButton},
        {"CloseAlleElementer", "Luk alle", "Luk alle elementer undtagen Stifinder", {},
         "edit-clear-all", QStyle::SP_DialogCloseButton},
        // F1 itself belongs to aInfo; this is its button in the top strip.
        {"aInfo2", "Information", "Information angående aktive element: F1", {},
         "help-about", QStyle::SP_MessageBoxInformation},
        {"aPanelV", "Vis/Skjul", "Luk eller åben venstre panel: F8", Qt::Key_F8, "view-dual|view-restore",
         QStyle::SP_ToolBarHorizontalExtensionButton},
        // The desktop's own file manager stands in for the one the text named.
        {"aOpenStifinder", "Åben mappe", "Åben aktuelle mappe i systemets filhåndtering: Ctrl+Alt+S",
         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), "folder-open", QStyle::SP_DirOpenIcon},
        {"standardSize", "Standard", "Sæt standard størrelse", {}, "", QStyle::SP_CustomBase},
        {"aVisInfoStruk", "Vis infoside", "Vis informationsstrukturen", {}, "help-contents",
         QStyle::SP_FileDialogInfoView},
        {"visGT1", "Funktioner", "", {}, "", QStyle::SP_CustomBase},
        {"visGT2", "Programmer", "", {}, "", QStyle::SP_CustomBase},
        {"visGT3", "F taster", "", {}, "", QStyle::SP_CustomBase},
        {"visGT4", "Ctrl+Bogstav", "", {}, "", QStyle::SP_CustomBase},
    };
    for (const auto &k : tabel) {
        auto *a = new QAction(QString::fromUtf8(k.tekst), this);
        a->setObjectName(QLatin1String(k.navn));
        if (*k.hint)
            hint::saet(a, QString::fromUtf8(k.hint));
        a->setShortcut(k.tast);
        a->setShortcutContext(Qt::WindowShortcut);
        if (k.reserve != QStyle::SP_CustomBase)
            a->setIcon(ikoner::hent(k.tema, k.reserve));
        addAction(a);
    }

    connect(kommando("OpenElement"), &QAction::triggered, this, &Tmainform::OpenElement);
    connect(kommando("aPanelV"), &QAction::triggered, this, &Tmainform::skiftPanel);
    connect(kommando("aOpenStifinder"), &QAction::triggered, this, &Tmainform::aOpenStifinder);
    connect(kommando("standardSize"), &QAction::triggered, this, &Tmainform::standardSize);
    connect(kommando("aVisInfoStruk"), &QAction::triggered, this, &Tmainform::aVisInfoStruk);
    for (int i = 0; i < 4; ++i)
        connect(kommando(QStringLiteral("visGT%1").arg(i + 1)), &QAction::triggered, this,
                [this, i] { visGT(i); });
    connect(kommando("aInfo2"), &QAction::triggered, this, [this] { m_boern->aInfo(); });
}

QAction *Tmainform::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

QWidget *Tmainform::lavTopstrimmel()
{
    auto *strimmel = new QWidget(this);
    strimmel->setObjectName(QStringLiteral("topStrimmel"));
    strimmel->setFixedHeight(31);
    auto *layout = new QHBoxLayout(strimmel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    auto knap = [strimmel](QAction *a, Qt::ToolButtonStyle stil) {
        auto *b = new QToolButton(strimmel);
        b->setObjectName(a->objectName() + QStringLiteral("Knap"));
        b->setDefaultAction(a);
        b->setToolButtonStyle(stil);
        b->setAutoRaise(true);
        b->setIconSize(QSize(18, 18));
        b->setFixedHeight(27);
        return b;
    };
    layout->addWidget(knap(kommando("OpenElement"), Qt::ToolButtonIconOnly));
    QToolButton *programknap = knap(kommando("programmerAction"), Qt::ToolButtonTextBesideIcon);
    layout->addWidget(programknap);
    connect(kommando("programmerAction"), &QAction::triggered, this, [this, programknap] {
        m_boern->programmenu()->popup(programknap->mapToGlobal(QPoint(4, programknap->height())));
    });
    layout->addWidget(knap(kommando("CloseElement"), Qt::ToolButtonIconOnly));
    layout->addWidget(knap(kommando("CloseAlleElementer"), Qt::ToolButtonIconOnly));

    m_tc = new QTabBar(strimmel);
    m_tc->setObjectName(QStringLiteral("tc"));
    m_tc->setExpanding(false);
    m_tc->setDrawBase(false);
    layout->addWidget(m_tc, 1);
    layout->addWidget(knap(kommando("aInfo2"), Qt::ToolButtonIconOnly));
    return strimmel;
}

QTabWidget *Tmainform::lavUndersider(const QString &navn, const QStringList &titler,
                                     const QList<QWidget *> &sider)
{
    auto *bog = new QTabWidget;
    bog->setObjectName(navn);
    // A page with no list to show stays empty.
    for (int i = 0; i < titler.size(); ++i)
        bog->addTab(sider.value(i) ? sider.value(i) : new QWidget, titler.at(i));
    koblUndersider(bog);
    return bog;
}

void Tmainform::koblUndersider(QTabWidget *bog)
{
    connect(bog, &QTabWidget::currentChanged, this, [this] {
        opdaterSidetitel();
        planlaegOpdatering();
    });
}

QWidget *Tmainform::lavSide(int side)
{
    switch (side) {
    case SideFunktioner:
        m_funktionsBog = lavUndersider(QStringLiteral("funktionsBog"),
                                       {QStringLiteral("Programmer"), QStringLiteral("Egenskaber"),
                                        QStringLiteral("Dos")},
                                       {m_boern->lavProgramfunktioner(), m_boern->aabningsvalg(), lavDosside()});
        return m_funktionsBog;
    case SideProgrammer:
        m_programboks = m_boern->lavProgramboks();
        return m_programboks;
    case SideEgenskaber:
        m_egenskabsside = new TEgenskabsside;
        return m_egenskabsside;
    case SideNettet:
    case SideNotater:
    case SideInformation:
    case SideGenveje:
    case SideIndhold:
        m_senere[side] = new TSenereSide([this, side] { return bygSide(side); },
                                         [this, side](QWidget *) { forbindSide(side); });
        return m_senere[side];
    default: {
        auto *tom = new QWidget;
        tom->setObjectName(QStringLiteral("side%1").arg(side));
        return tom;
    }
    }
}

QWidget *Tmainform::bygSide(int side)
{
    switch (side) {
    case SideInformation: return new THjaelpside(*m_boern->hjaelp(), *m_dialogs);
    case SideGenveje:
        return new TGenvejslister(*m_dialogs, [this](const QString &hjaelpeside) { InfoHelp(hjaelpeside); });
    case SideIndhold: return new TIndholdsside;
    case SideNettet:
        return new TNetside({[this](const QUrl &a) { aabnAdresse(a); },
                             [this](const QString &o, const QString &t) { makeInfo(o, t); }});
    case SideNotater:
        return new TNotatside({m_dialogs, [this](const QUrl &a) { aabnAdresse(a); },
                               [this](const QString &fil) { visNotatmappe(fil); }});
    default: return new QWidget;
    }
}

// A page built after the start gets what the start gave the others: its
// connections, the settings it shows, and the lists the start reads.
void Tmainform::forbindSide(int side)
{
    switch (side) {
    case SideInformation: {
        koblUndersider(hjaelpside());
        MainEgenskaber v;
        m_egenskabsside->hent(v);
        saetHjaelpetraeLinjer(v.CheckStrukturLinjer);
        if (m_listerHentet)
            hjaelpside()->visStruktur();
        break;
    }
    case SideGenveje:
        koblUndersider(genvejsBog());
        genvejsBog()->setCurrentIndex(gemtGenvejsside());
        break;
    case SideIndhold:
        connect(indholdsside(), &TIndholdsside::vaelgSide, this, [this](int side) { vaelgSide(side); });
        connect(indholdsside(), &TIndholdsside::aabnHjaelp, this, &Tmainform::InfoHelp);
        connect(indholdsside(), &TIndholdsside::klikket, this, [this] { opdaterSidetitel(); });
        if (m_listerHentet)
            indholdsside()->foldAlleSammen();
        break;
    case SideNotater:
        if (m_listerHentet)
            hentNotater();
        break;
    default: break;
    }
}

QWidget *Tmainform::side(int side) const
{
    return m_senere[side]->indhold();
}

bool Tmainform::panelBygget() const
{
    return m_hovedbog && m_hovedbog->count() == AntalSider;
}

bool Tmainform::erBygget(int side) const
{
    return !m_senere[side] || m_senere[side]->erBygget();
}

THjaelpside *Tmainform::hjaelpside() const { return static_cast<THjaelpside *>(side(SideInformation)); }
TGenvejslister *Tmainform::genvejsBog() const { return static_cast<TGenvejslister *>(side(SideGenveje)); }
TIndholdsside *Tmainform::indholdsside() const { return static_cast<TIndholdsside *>(side(SideIndhold)); }
TNetside *Tmainform::netside() const { return static_cast<TNetside *>(side(SideNettet)); }
TNotatside *Tmainform::notatside() const { return static_cast<TNotatside *>(side(SideNotater)); }

QFrame *Tmainform::lavVenstrePanel()
{
    m_mainPanel = new QFrame(this);
    m_mainPanel->setObjectName(QStringLiteral("mainPanel"));
    m_mainPanel->setFixedWidth(panelBredde);
    m_mainPanel->setFrameShape(QFrame::StyledPanel);

    m_informationsKnappenL = new QLabel(m_mainPanel);
    m_informationsKnappenL->setObjectName(QStringLiteral("informationsKnappenL"));
    QFont titelSkrift = m_informationsKnappenL->font();
    titelSkrift.setBold(true);
    titelSkrift.setPointSizeF(titelSkrift.pointSizeF() * 1.15);
    m_informationsKnappenL->setFont(titelSkrift);

    m_informationsKnappen = new QToolButton(m_mainPanel);
    m_informationsKnappen->setObjectName(QStringLiteral("informationsKnappen"));
    m_informationsKnappen->setAutoRaise(true);
    hint::saet(m_informationsKnappen, QStringLiteral("Information om aktuelle side"));
    connect(m_informationsKnappen, &QToolButton::clicked, this, &Tmainform::informationsKnappenKlik);

    m_genvejsinfoButton = new QToolButton(m_mainPanel);
    m_genvejsinfoButton->setObjectName(QStringLiteral("genvejsinfoButton"));
    m_genvejsinfoButton->setAutoRaise(true);
    m_genvejsinfoButton->setIcon(
        ikoner::hent("preferences-desktop-keyboard|input-keyboard", QStyle::SP_TitleBarContextHelpButton));
    hint::saet(m_genvejsinfoButton, QStringLiteral("Information: Genvejstaster"));
    connect(m_genvejsinfoButton, &QToolButton::clicked, this,
            [this] { InfoHelp(QStringLiteral("Genvejstaster.html")); });

    auto *titellinje = new QHBoxLayout;
    titellinje->setContentsMargins(8, 4, 4, 4);
    titellinje->addWidget(m_informationsKnappenL, 1);
    titellinje->addWidget(m_informationsKnappen);
    titellinje->addWidget(m_genvejsinfoButton);

    m_hovedbog = new QTabWidget(m_mainPanel);
    m_hovedbog->setObjectName(QStringLiteral("Hovedbog"));
    m_hovedbog->setTabPosition(QTabWidget::West);
    m_hovedbog->setIconSize(QSize(20, 20));
    m_hovedbog->setUsesScrollButtons(false);
    const struct
    {
        const char *navn;
        const char *tema;
        QStyle::StandardPixmap reserve;
    } sider[AntalSider] = {
        {"Programmer med funktioner", "system-run", QStyle::SP_DesktopIcon},
        {"Udvalgte programmer", "applications-other|applications-utilities", QStyle::SP_ComputerIcon},
        {"Søg på nettet", "web-browser", QStyle::SP_DriveNetIcon},
        {"Notater", "accessories-text-editor", QStyle::SP_FileDialogContentsView},
        {"Egenskaber", "preferences-system", QStyle::SP_FileDialogDetailedView},
        {"Information", "help-browser", QStyle::SP_MessageBoxQuestion},
        {"Program genveje", "preferences-desktop-keyboard-shortcuts", QStyle::SP_DialogHelpButton},
        {"Indhold", "help-contents", QStyle::SP_FileDialogInfoView},
    };
    for (int i = 0; i < AntalSider; ++i) {
        m_hovedbog->addTab(lavSide(i), ikoner::hent(sider[i].tema, sider[i].reserve), QString());
        m_hovedbog->setTabToolTip(i, QString::fromUtf8(sider[i].navn));
    }
    connect(m_hovedbog, &QTabWidget::currentChanged, this, [this] {
        opdaterSidetitel();
        planlaegOpdatering();
    });

    // The settings page.
    TEgenskabsside *e = m_egenskabsside;
    e->bindStandardSize(kommando("standardSize"));
    connect(e->undersider(), &QTabWidget::currentChanged, this, [this] {
        opdaterSidetitel(true);
        planlaegOpdatering();
    });
    connect(e, &TEgenskabsside::designValgt, this, [this](const QString &navn) {
        designName = navn;
        anvendDesign(false);
    });
    connect(e, &TEgenskabsside::bogfanerAendret, this, &Tmainform::anvendBogfaner);
    connect(e, &TEgenskabsside::traeVisningAendret, this, [this] {
        MainEgenskaber v;
        m_egenskabsside->hent(v);
        saetHjaelpetraeLinjer(v.CheckStrukturLinjer);
        anvendFaellesValgPaaStifindere();
    });
    connect(e, &TEgenskabsside::fremstillingAendret, this, &Tmainform::genaktiverStrukturKnapper);
    connect(e, &TEgenskabsside::opdateringsmaadeAendret, this, &Tmainform::skiftOpdateringsmaade);
    connect(e, &TEgenskabsside::sammeKlipbordAendret, this, [this](bool til) {
        sammeKlipbord = til;
        m_boern->anvendSammeKlipbord(til);
    });
    connect(e, &TEgenskabsside::synligeSiderAendret, this, &Tmainform::bestemTabs);
    connect(e, &TEgenskabsside::startUpValgt, this, &Tmainform::makeOpstartProg);

    auto *layout = new QVBoxLayout(m_mainPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(titellinje);
    layout->addWidget(m_hovedbog, 1);
    return m_mainPanel;
}

// ---------------------------------------------------------------- status line

void Tmainform::UdskrivInfo(const QString &tekst)
{
    m_infobar->UdskrivInfo(tekst);
}

void Tmainform::makeInfo(const QString &overskrift, const QString &tekst)
{
    ++ncNumber;
    const notifikation::Besked besked{QStringLiteral("Marvikel %1").arg(ncNumber), overskrift, tekst,
                                      m_mapper.programmappe + QStringLiteral("/Lydfiler/Musik06.wav")};
    notifikation::send(besked, this, [this, overskrift, tekst] {
        if (m_bakkeikon && m_bakkeikon->visBesked(overskrift, tekst))
            return;
        UdskrivInfo(overskrift.isEmpty() ? tekst : overskrift + QStringLiteral(": ") + tekst);
    });
}

void Tmainform::aabnAdresse(const QUrl &adresse)
{
    const int kode = netadresse::aabn(adresse);
    if (kode <= 32)
        m_dialogs->inform(TStarter::ErrorTekst(kode));
}

void Tmainform::HintInfo(const QString &hint)
{
    UdskrivInfo(hint);
}

void Tmainform::InfoProg(const QString &tekst)
{
    m_infobar->InfoProg(tekst);
    m_programboks->setProgramLabel(tekst);
}

bool Tmainform::event(QEvent *e)
{
    // Hints go to panel 2 of the status line instead of replacing all of it.
    if (e->type() == QEvent::StatusTip) {
        HintInfo(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

// ---------------------------------------------------------------- help

void Tmainform::InfoHelp(const QString &side)
{
    m_boern->InfoHelp(side);
}

bool Tmainform::kanViseHjaelp() const
{
    return m_boern->kanViseHjaelp();
}

// ---------------------------------------------------------------- commands

void Tmainform::OpenElement()
{
    vaelgSide(SideFunktioner, 0);
}

void Tmainform::aVisInfoStruk()
{
    vaelgSide(SideInformation, 0);
}

void Tmainform::visGT(int underside)
{
    vaelgSide(SideGenveje, underside);
}

void Tmainform::aOpenStifinder()
{
    const QString mappe = TStistrimmel::mappeAt(m_stistrimmel->sti());
    if (mappe.isEmpty()) {
        UdskrivInfo(QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    if (skrivebord::aabnMappe(mappe) == skrivebord::Aabning::Mislykket)
        UdskrivInfo(QStringLiteral("Mappen kunne ikke åbnes i systemets filhåndtering."));
}

int Tmainform::maxElementer() const
{
    return m_egenskabsside->maxElementer();
}

void Tmainform::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    m_egenskabsside->visStoerrelse(width(), height());
    opdaterKommandoer();
}

Tilstand Tmainform::tilstand() const
{
    Tilstand t;
    t.panelVist = panelVist();
    t.side = m_hovedbog->currentIndex();
    t.genvejsSide = underside(SideGenveje);
    t.bredde = width();
    t.hoejde = height();
    const QSize standard = standardStoerrelse();
    t.standardBredde = standard.width();
    t.standardHoejde = standard.height();
    t.antalBoern = int(m_boern->styring()->boern().size());
    t.processCount = processCount;
    t.aktivErStifinder = m_boern->styring()->aktivArt() == Vinduesart::Stifinder;
    t.aktivErKlipbord = m_boern->styring()->aktivArt() == Vinduesart::Klipbord;
    return t;
}

void Tmainform::planlaegOpdatering()
{
    if (m_opdateringPlanlagt)
        return;
    m_opdateringPlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        m_opdateringPlanlagt = false;
        opdaterKommandoer();
    });
}

void Tmainform::opdaterKommandoer()
{
    if (!panelBygget())
        return;
    const Tilstand t = tilstand();
    kommando("OpenElement")->setEnabled(kanOpenElement(t));
    kommando("aVisInfoStruk")->setEnabled(kanVisInfoStruk(t));
    for (int i = 0; i < 4; ++i)
        kommando(QStringLiteral("visGT%1").arg(i + 1))->setEnabled(kanVisGT(t, i));
    kommando("standardSize")->setEnabled(kanStandardSize(t));
    kommando("CloseElement")->setEnabled(kanCloseElement(t));
    kommando("CloseAlleElementer")->setEnabled(kanCloseAlleElementer(t));
    m_egenskabsside->sammeKlipbordCheck()->setEnabled(kanSammeKlipbord(t));
    m_boern->opdaterKommandoer();
    kommando("aInfo2")->setEnabled(kanViseHjaelp());
    m_genvejsinfoButton->setEnabled(kanViseHjaelp());
}

// ------------------------------------------- settings kept for other windows

void Tmainform::aktiverBakkeikon() { m_bakkeikon = new TBakkeikon(this); }
void Tmainform::saetHjaelpetraeLinjer(bool linjer)
{
    if (erBygget(SideInformation))
        hjaelpside()->saetLinjer(linjer);
}
void Tmainform::opsaetProgramliste() { m_boern->hentProgrammer(); }
void Tmainform::opretDosliste() { m_dosside->saetMapper(m_mapper.dosMappe, m_mapper.OptMappe); }
void Tmainform::visAktivtProgram() { m_boern->menuExe()->visGemtProgram(exeProgram); }
void Tmainform::hentDosliste() { m_dosside->hent(); }
void Tmainform::hentNotater()
{
    if (!erBygget(SideNotater))
        return;
    notatside()->setMappe(m_mapper.NotatMappe);
    // Without a data folder there are no notes to read; the start-up
    // message has already said why.
    if (dataSkrivbar())
        notatside()->hentNotater();
}
void Tmainform::visNotatmappe(const QString &fil)
{
    if (m_boern->styring()->aktivArt() != Vinduesart::Stifinder) {
        m_dialogs->inform(QStringLiteral("Der skal være en Stifinder aktiv for denne funktion.\r"
                                         "Aktiver en Stifinder og prøv igen!"));
        return;
    }
    Twinform *w = m_boern->aktivStifinder();
    TStrukturCompo *motor = w->motor();
    motor->setAktiveStruktur(Trae::Fil);
    if (!fil.isEmpty() && QFileInfo(fil).isFile() && !motor->SelectFil(fil).isEmpty())
        w->mappeKontrol(QString(), true);
    else
        w->mappeKontrol(motor->makeStruktur2(m_mapper.NotatMappe.chopped(1)), true);
}
void Tmainform::hentHjaelpetrae()
{
    m_boern->hjaelp()->HentStruktur();
    if (erBygget(SideInformation))
        hjaelpside()->visStruktur();
}
void Tmainform::aabnFoersteStifinder() { m_boern->aabnFoersteStifinder(); }
void Tmainform::visVelkomstside() { m_boern->visVelkomstside(); }
void Tmainform::lukBoernevinduer() { m_boern->lukBoernevinduer(); }
void Tmainform::lukEksterneVaerktoejer() { m_boern->lukEksterneVaerktoejer(); }
void Tmainform::frigivDosliste() {}
void Tmainform::anvendFaellesValgPaaStifindere()
{
    for (Twinform *w : m_boern->stifindere())
        w->anvendFaellesValg();
}

void Tmainform::genaktiverStrukturKnapper()
{
    for (Twinform *w : m_boern->stifindere())
        w->genaktiverStrukturKnapper();
}

void Tmainform::skiftOpdateringsmaade()
{
    const bool bloker = m_egenskabsside->blokerCheck()->isChecked();
    for (Twinform *w : m_boern->stifindere())
        w->setActionUpdates(bloker);
}

QWidget *Tmainform::lavDosside()
{
    TDosside::Hovedvindue hoved;
    hoved.editSti = [this] { return m_stistrimmel->sti(); };
    hoved.fejl = [this](int kode) { m_boern->starter()->ErrorInfo(kode); };
    m_dosside = new TDosside(*m_dialogs, hoved);
    return m_dosside;
}

void Tmainform::makeOpstartProg()
{
    m_dialogs->inform(QStringLiteral("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                                     "Der bringes en information, når funktionen er gennemført."));
    if (!m_opstartsprogram) {
        m_opstartsprogram = new TOpstartsprogram(*m_dialogs, m_mapper.scriptDir, this);
        connect(m_opstartsprogram, &TOpstartsprogram::visMappe, this,
                [this](const QString &mappe) { m_boern->aktiverWinform(true, mappe); });
    }
    m_opstartsprogram->makeOpstartProg(QCoreApplication::applicationFilePath(), PlaceringsMappe);
}
