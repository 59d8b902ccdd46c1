#include "gallery/tgalform.h"

#include "core/dialogs.h"
#include "core/tekstfil.h"
#include "engines/galleri/farver.h"
#include "engines/galleri/tbilledindlaeser.h"
#include "engines/stier.h"
#include "gallery/tbibpan.h"
#include "gallery/tprogresscompo.h"
#include "gallery/trulskakt.h"
#include "platform/skrivebord.h"
#include "shell/aktivering.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int panelBredde = 150;
constexpr int udeBredde = 900;
constexpr int maxAntal = 50;   // cells across or down; beyond it no thumbnail fits

QLineEdit *laesefelt(const QString &navn)
{
    auto *e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(true);
    return e;
}

QIcon farveikon(const QColor &farve)
{
    QPixmap pm(16, 16);
    pm.fill(farve);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pm);
}

// A button for a command whose caption may be longer than the room the
// panel's groups leave: the caption breaks at the blank nearest its middle.
QPushButton *panelknap(QAction *a, const QString &tekst, int plads)
{
    auto *k = new QPushButton;
    k->setObjectName(QStringLiteral("knap_") + a->objectName());
    QString vist = tekst;
    if (k->fontMetrics().horizontalAdvance(tekst) > plads - 16) {
        int bedst = -1;
        for (int i = 0; i < tekst.size(); ++i)
            if (tekst.at(i) == QLatin1Char(' ')
                && (bedst < 0 || qAbs(i - tekst.size() / 2) < qAbs(bedst - tekst.size() / 2)))
                bedst = i;
        if (bedst > 0)
            vist = tekst.left(bedst) + QLatin1Char('\n') + tekst.mid(bedst + 1);
    }
    k->setText(vist);
    k->setToolTip(a->toolTip());
    QObject::connect(k, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::changed, k, [k, a] { k->setEnabled(a->isEnabled()); });
    k->setEnabled(a->isEnabled());
    return k;
}

} // namespace

// The window's side of a load: the bar follows the percentages, pending
// events run, and a new load or a close stops it. It holds nothing of the
// window that could vanish while events run.
class TGalForm::Fremdriftsled : public TBilledIndlaeser::Fremdrift
{
public:
    Fremdriftsled(TProgressCompo *bjaelke, std::shared_ptr<bool> stop)
        : m_bjaelke(bjaelke)
        , m_stop(std::move(stop))
    {
    }
    void procent(int p) override
    {
        if (m_bjaelke && !*m_stop)
            m_bjaelke->setPosition(p);
    }
    void holdILive() override { QCoreApplication::processEvents(); }
    bool stoppet() const override { return *m_stop; }

private:
    QPointer<TProgressCompo> m_bjaelke;
    std::shared_ptr<bool> m_stop;
};

QList<TGalForm::Format> TGalForm::formater(int knap)
{
    switch (knap) {
    case 0: return {{"14 x 16", 14, 16}, {"13 x 15", 13, 15}, {"12 x 14", 12, 14}, {"11 x 13", 11, 13},
                    {"10 x 12", 10, 12}};
    case 1: return {{"9 x 11", 9, 11}, {"8 x 10", 8, 10}, {"7 x 9", 7, 9}, {"6 x 8", 6, 8}, {"5 x 7", 5, 7}};
    default: return {{"4 x 6", 4, 6}, {"3 x 5", 3, 5}, {"", 0, 0},     {"2 x 4", 2, 4}, {"2 x 3", 2, 3},
                     {"2 x 2", 2, 2}, {"", 0, 0},     {"1 x 3", 1, 3}, {"1 x 2", 1, 2}, {"1 x 1", 1, 1}};
    }
}

TGalForm::TGalForm(Dialogs &dialogs, bool inde, const QString &settingsfil, const Hovedvindue &hoved,
                   QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : settingsfil)
    , m_indlaeser(std::make_shared<TBilledIndlaeser>())
{
    setObjectName("TGalForm");
    setWindowTitle(QStringLiteral("Billeder"));
    setAttribute(Qt::WA_DeleteOnClose);
    opsaetRammer();

    nyKommando("aIndlaes", "Indlæs billeder", "Indlæs billeder fra filmappen: Ctrl +I", Qt::CTRL | Qt::Key_I);
    nyKommando("aKopierMappe", "Kopier til klipbordet", "Kopier aktuelle mappe: Ctrl+M", Qt::CTRL | Qt::Key_M);
    // The desktop's own file manager stands in for the one the caption named.
    nyKommando("aVisMappe", "Vis i filhåndtering", "Åben aktuelle mappe i systemets filhåndtering: Ctrl+F",
               Qt::CTRL | Qt::Key_F);
    nyKommando("aKopierBillede", "Kopier til klipbordet", "Kopier valgte billede: Ctrl+C", Qt::CTRL | Qt::Key_C);
    nyKommando("aSletBillede", "Slet valgte fil i stifinderen", "Slet valgte: Ctrl+D", Qt::CTRL | Qt::Key_D);
    nyKommando("aFindBillede", "Find og marker valgte billede i filstrukturen",
               "Marker valgte billede i struktur 2: Ctrl+V eller højreklik", Qt::CTRL | Qt::Key_V);
    nyKommando("aAabnBillede", "Åben valgte i andet program", "Åben valgte eventuelt til redigering: Ctrl+K",
               Qt::CTRL | Qt::Key_K);
    connect(kommando("aIndlaes"), &QAction::triggered, this, [this] { loadBilleder(m_antalV, m_antalL); });
    connect(kommando("aKopierMappe"), &QAction::triggered, this, [this] {
        if (m_hoved.RegisterEleFromGal)
            m_hoved.RegisterEleFromGal(m_gitter->Bibliotek());
    });
    connect(kommando("aVisMappe"), &QAction::triggered, this, &TGalForm::visMappe);
    connect(kommando("aKopierBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.RegisterEleFromGal)
            m_hoved.RegisterEleFromGal(m_picFilnavn);
    });
    connect(kommando("aSletBillede"), &QAction::triggered, this, &TGalForm::sletBillede);
    connect(kommando("aFindBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.selectFromGal)
            m_hoved.selectFromGal(m_picFilnavn, false);
    });
    connect(kommando("aAabnBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.runFilname)
            m_hoved.runFilname(m_picFilnavn);
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bygVenstre());
    layout->addWidget(bygMidte(), 1);
    layout->addWidget(bygHoejre());

    // Counts come from the main settings, kept within what the grid can show.
    saetAntal(m_hoved.GBoxV ? *m_hoved.GBoxV : 2, m_hoved.GBoxL ? *m_hoved.GBoxL : 2);
    if (!m_showInternt)
        hentPosition();
    m_infoKnap->setVisible(!m_showInternt);
    qApp->installEventFilter(this);
    opdaterKommandoer();
}

TGalForm::~TGalForm()
{
    // A load still on the stack below (the window went while events ran)
    // finds its stop flag set; the loader itself waits for its threads.
    *m_stopIndlaesning = true;
}

void TGalForm::setTraade(int traade)
{
    m_indlaeser = std::make_shared<TBilledIndlaeser>(traade);
}

void TGalForm::opsaetRammer()
{
    const QPalette pal = QGuiApplication::palette();
    const QColor face = pal.color(QPalette::Button);
    m_celleRamme.Art = TRammeXType::rtInd;
    m_celleRamme.Bredde = 2;
    m_celleRamme.FarveRamme = face;
    m_celleRamme.FarveOmrids = Qt::black;
    m_celleRamme.FarveOver = windowsFarve(0xFF0000);    // blue
    m_celleRamme.FarveAktiv = windowsFarve(0x00FFFF);   // yellow
    m_celleRamme.MedFeltFarve = false;
    m_celleRamme.AfstandLodret = 2;
    m_celleRamme.AfstandVandret = 2;
    m_celleRamme.Margen = 2;
    m_celleRamme.ReaktionNede = TRammeXType::rtIngen;
    m_celleRamme.ReaktionOver = TRammeXType::rtIngen;
    m_celleRamme.TilpasAlign = true;

    m_skaktRamme.Art = TRammeXType::rtInd;
    m_skaktRamme.FarveOmrids = Qt::black;
    m_skaktRamme.NytClientRect = true;
    m_skaktRamme.TilpasAlign = true;

    m_knapRamme.Art = TRammeXType::rtUd;
    m_knapRamme.ArtUaktiv = TRammeXType::rtUd;
    m_knapRamme.FarveRamme = face;
    m_knapRamme.FarveOmrids = Qt::black;

    m_posRamme.Art = TRammeXType::rtUd;
    m_posRamme.FarveRamme = windowsFarve(14737632);
    m_posRamme.FarveOmrids = Qt::black;
    m_posRamme.FocusRamme = true;
    m_posRamme.MedFeltFarve = false;
    m_posRamme.AfstandLodret = 0;
    m_posRamme.AfstandVandret = 0;
    m_posRamme.ReaktionNede = TRammeXType::rtIngen;
    m_posRamme.ReaktionOver = TRammeXType::rtIngen;
}

QAction *TGalForm::nyKommando(const QString &navn, const QString &tekst, const QString &hint, QKeySequence tast)
{
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setShortcut(tast);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
    m_kommandoer.insert(navn, a);
    return a;
}

// ---------------------------------------------------------------- regions

QToolButton *TGalForm::formatknap(int knap)
{
    const QList<Format> liste = formater(knap);
    const Format &egen = liste.first();
    auto *b = new QToolButton;
    b->setObjectName(QStringLiteral("format%1").arg(knap));
    b->setText(QStringLiteral("Felter(%1)").arg(QString::fromUtf8(egen.tekst)));
    b->setToolTip(QString::fromUtf8(egen.tekst) + QStringLiteral(" felter"));
    b->setPopupMode(QToolButton::MenuButtonPopup);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *menu = new QMenu(b);
    menu->setToolTipsVisible(true);
    for (const Format &f : liste) {
        if (f.V == 0) {
            menu->addSeparator();
            continue;
        }
        const QString tekst = QString::fromUtf8(f.tekst);
        QAction *a = menu->addAction(tekst);
        a->setToolTip(f.V * f.L == 1 ? QStringLiteral("1 felt") : tekst + QStringLiteral(" felter"));
        connect(a, &QAction::triggered, this, [this, f] { loadBilleder(f.V, f.L); });
    }
    b->setMenu(menu);
    connect(b, &QToolButton::clicked, this, [this, egen] { loadBilleder(egen.V, egen.L); });
    return b;
}

QWidget *TGalForm::antalLinje(const QString &tekst, bool vandret)
{
    // The caption above, the buttons and the count below it, so neither is
    // cut at the panel's width.
    auto *w = new QWidget;
    auto *lodret = new QVBoxLayout(w);
    lodret->setContentsMargins(0, 0, 0, 0);
    lodret->setSpacing(1);
    lodret->addWidget(new QLabel(tekst));
    auto *l = new QHBoxLayout;
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    lodret->addLayout(l);
    const QString akse = vandret ? QStringLiteral("V") : QStringLiteral("L");
    const struct
    {
        const char *tegn;
        int trin;
        const char *status;
    } knapper[] = {
        {"+", 1, vandret ? "Forøg antal felter vandret." : "Forøg antallet af felter lodret."},
        {"-", -1, vandret ? "Formindsk antallet af felter vandret." : "Formindsk antallet af felter lodret."},
    };
    for (const auto &k : knapper) {
        auto *b = new QToolButton;
        b->setObjectName((k.trin > 0 ? QStringLiteral("plus") : QStringLiteral("minus")) + akse);
        b->setText(QString::fromUtf8(k.tegn));
        b->setFixedWidth(20);
        connect(b, &QToolButton::clicked, this, [this, vandret, k] { aendrAntal(vandret, k.trin); });
        // Pointing at the button explains it in the status line.
        m_statustekster.insert(b, QString::fromUtf8(k.status));
        b->installEventFilter(this);
        l->addWidget(b);
    }
    QLineEdit *felt = laesefelt(QStringLiteral("antal") + akse);
    felt->setFixedWidth(40);
    felt->setAlignment(Qt::AlignRight);
    l->addWidget(felt);
    l->addStretch();
    (vandret ? m_antalVFelt : m_antalLFelt) = felt;
    return w;
}

QWidget *TGalForm::bygVenstre()
{
    auto *w = new QWidget;
    w->setObjectName("venstrePanel");
    w->setFixedWidth(panelBredde);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);

    m_farveknap = new QToolButton;
    m_farveknap->setObjectName("farveknap");
    m_farveknap->setText(QStringLiteral("Baggrundsfarve"));
    m_farveknap->setToolTip(QStringLiteral("Vælg baggrundsfarve"));
    m_farveknap->setPopupMode(QToolButton::MenuButtonPopup);
    m_farveknap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_farveknap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *farver = new QMenu(m_farveknap);
    farver->setObjectName("farvemenu");
    for (int i = 0; i < galleriFarver::Antal; ++i) {
        QAction *a = farver->addAction(farveikon(windowsFarve(galleriFarver::vaerdi(i))), galleriFarver::tekst(i));
        a->setObjectName(QString::fromLatin1(galleriFarver::farve(i).navn));
        connect(a, &QAction::triggered, this, [this, i] { setBgFarve(i); });
    }
    m_farveknap->setMenu(farver);
    connect(m_farveknap, &QToolButton::clicked, m_farveknap, &QToolButton::showMenu);
    l->addWidget(m_farveknap);

    for (int knap = 0; knap < 3; ++knap)
        l->addWidget(formatknap(knap));
    l->addSpacing(6);
    l->addWidget(antalLinje(QStringLiteral("Felter vandret"), true));
    l->addWidget(antalLinje(QStringLiteral("Felter lodret"), false));
    l->addSpacing(6);
    l->addWidget(panelknap(kommando("aIndlaes"), kommando("aIndlaes")->text(), panelBredde));

    m_fremdrift = new TProgressCompo;
    m_fremdrift->setObjectName("fremdrift");
    m_fremdrift->setFixedSize(138, 24);
    m_fremdrift->setMax(100);
    m_fremdrift->setMin(0);
    m_fremdrift->setTrin(1);
    m_fremdrift->setOpfrisk(true);
    l->addWidget(m_fremdrift, 0, Qt::AlignHCenter);

    m_feltLinje = new QLabel;
    m_feltLinje->setObjectName("feltLinje");
    l->addWidget(m_feltLinje);
    l->addWidget(new QLabel(QStringLiteral("Antal billeder")));
    m_antalBilleder = laesefelt("antalBilleder");
    l->addWidget(m_antalBilleder);
    l->addStretch();
    return w;
}

QWidget *TGalForm::bygMidte()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto *gitterlinje = new QHBoxLayout;
    gitterlinje->setSpacing(0);
    m_gitter = new TBibPan;
    m_gitter->setObjectName("gitter");
    m_gitter->setRamme(&m_celleRamme);
    m_skakt = new TRulskakt;
    m_skakt->setObjectName("skakt");
    m_skakt->setFixedWidth(16);
    m_skakt->setRammer(&m_skaktRamme, &m_knapRamme, &m_posRamme);
    m_skakt->MarkFarve = windowsFarve(8421504);
    m_skakt->NyePos(2, 0, 0);
    m_skakt->Component = m_gitter;
    m_skakt->CompoFunktion = false;
    gitterlinje->addWidget(m_gitter, 1);
    gitterlinje->addWidget(m_skakt);
    l->addLayout(gitterlinje, 1);

    // The grid and the shaft follow each other without echo.
    connect(m_skakt, &TRulskakt::OnPosition, m_gitter, &TBibPan::NytStartNr);
    connect(m_gitter, &TBibPan::startNrSkiftet, m_skakt, &TRulskakt::NyPosition);
    connect(m_gitter, &TBibPan::fokusSkiftet, this, &TGalForm::BibInfo);
    connect(m_gitter, &TBibPan::klik, this, &TGalForm::klik);

    auto *info = new QHBoxLayout;
    const struct
    {
        const char *tekst;
        QLineEdit **felt;
        const char *navn;
        int stretch;
    } felter[] = {{"Filnavn", &m_filnavn, "filnavn", 3}, {"Bredde", &m_bredde, "bredde", 1},
                  {"Højde", &m_hoejde, "hoejde", 1}};
    for (const auto &f : felter) {
        info->addWidget(new QLabel(QString::fromUtf8(f.tekst)));
        *f.felt = laesefelt(QString::fromLatin1(f.navn));
        info->addWidget(*f.felt, f.stretch);
    }
    l->addLayout(info);
    auto *mappelinje = new QHBoxLayout;
    mappelinje->addWidget(new QLabel(QStringLiteral("Mappe")));
    m_mappe = laesefelt("mappe");
    mappelinje->addWidget(m_mappe, 1);
    l->addLayout(mappelinje);
    return w;
}

QWidget *TGalForm::bygHoejre()
{
    auto *w = new QWidget;
    w->setObjectName("hoejrePanel");
    w->setFixedWidth(panelBredde);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    // Two groups inside a third leave the buttons this much of the panel.
    const int plads = panelBredde - 4 * 9;
    auto gruppe = [](const QString &titel) {
        auto *g = new QGroupBox(titel);
        auto *gl = new QVBoxLayout(g);
        gl->setContentsMargins(4, 4, 4, 4);
        return std::pair{g, gl};
    };
    auto [billeder, bl] = gruppe(QStringLiteral("Billeder"));
    auto [mappe, ml] = gruppe(QStringLiteral("Aktuelle mappe"));
    ml->addWidget(panelknap(kommando("aKopierMappe"), QStringLiteral("Kopier til klipbordet"), plads));
    ml->addWidget(panelknap(kommando("aVisMappe"), QStringLiteral("Vis i filhåndtering"), plads));
    bl->addWidget(mappe);
    auto [valgt, vl] = gruppe(QStringLiteral("Valgte billede"));
    vl->addWidget(panelknap(kommando("aKopierBillede"), QStringLiteral("Kopier til klipbordet"), plads));
    vl->addWidget(panelknap(kommando("aSletBillede"), QStringLiteral("Slet i stifinderen"), plads));
    vl->addWidget(panelknap(kommando("aFindBillede"), QStringLiteral("Find og marker i filstrukturen"), plads));
    vl->addWidget(panelknap(kommando("aAabnBillede"), QStringLiteral("Åben i andet program"), plads));
    bl->addWidget(valgt);
    l->addWidget(billeder);
    l->addStretch();

    auto *bund = new QHBoxLayout;
    auto *luk = new QToolButton;
    luk->setObjectName("lukKnap");
    luk->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    luk->setToolTip(QStringLiteral("Luk"));
    connect(luk, &QToolButton::clicked, this, &QWidget::close);
    bund->addWidget(luk);
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName("infoKnap");
    m_infoKnap->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_infoKnap->setToolTip(QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.InfoHelp)
            m_hoved.InfoHelp(QStringLiteral("Billeder.html"));
    });
    bund->addWidget(m_infoKnap);
    if (m_hoved.aVisStifinder) {
        auto *stifinder = new QToolButton;
        stifinder->setObjectName("stifinderKnap");
        stifinder->setDefaultAction(m_hoved.aVisStifinder);
        bund->addWidget(stifinder);
    }
    bund->addStretch();
    l->addLayout(bund);
    return w;
}

// ---------------------------------------------------------------- life cycle

bool TGalForm::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

void TGalForm::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Inside the frame the first activation can come before the window is
    // shown; the colour is there from the first paint either way.
    if (m_opstart)
        FormActivate();
}

void TGalForm::FormActivate()
{
    if (m_opstart) {
        m_opstart = false;
        // A stored index outside the table falls back to the first colour.
        const int indeks = m_hoved.colIndex ? *m_hoved.colIndex : 0;
        setBgFarve(indeks >= 0 && indeks < galleriFarver::Antal ? indeks : 0);
    }
    m_gitter->setFocus();
}

bool TGalForm::eventFilter(QObject *objekt, QEvent *e)
{
    switch (e->type()) {
    case QEvent::ToolTip: {
        // Pop-up hints show only while a function runs and the user asked
        // for them; otherwise hints go to the status line.
        auto *w = qobject_cast<QWidget *>(objekt);
        if (w && (w == this || isAncestorOf(w)) && !(m_hoved.visHints && m_hoved.visHints()))
            return true;
        break;
    }
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_statustekster.contains(objekt) && m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(e->type() == QEvent::Enter ? m_statustekster.value(objekt) : QString());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objekt, e);
}

void TGalForm::closeEvent(QCloseEvent *e)
{
    if (m_indlaeser_koerer) {
        // The load unwinds first; the window closes when it has.
        *m_stopIndlaesning = true;
        m_lukEfterIndlaesning = true;
        e->ignore();
        return;
    }
    if (!m_lukket) {
        m_lukket = true;
        if (m_hoved.GBoxV)
            *m_hoved.GBoxV = m_antalV;
        if (m_hoved.GBoxL)
            *m_hoved.GBoxL = m_antalL;
        if (!m_showInternt)
            gemPosition();
    }
    e->accept();
}

void TGalForm::hentPosition()
{
    setFixedWidth(udeBredde);
    int venstre = 20, top = 40, hoejde = 580;
    const QStringList linjer = tekstfil::hent(m_optFilnavn);
    bool ok1 = false, ok2 = false, ok3 = false;
    const int v = linjer.value(0).toInt(&ok1), t = linjer.value(1).toInt(&ok2), h = linjer.value(2).toInt(&ok3);
    if (ok1 && ok2 && ok3) {
        venstre = v;
        top = t;
        hoejde = h;
    }
    // A stored place is kept on the screen the window opens on.
    if (const QScreen *skaerm = QGuiApplication::primaryScreen()) {
        const QRect s = skaerm->availableGeometry();
        hoejde = qBound(qMin(400, s.height()), hoejde, s.height());
        venstre = qBound(s.left(), venstre, qMax(s.left(), s.right() - udeBredde + 1));
        top = qBound(s.top(), top, qMax(s.top(), s.bottom() - hoejde + 1));
    }
    move(venstre, top);
    resize(udeBredde, hoejde);
}

void TGalForm::gemPosition()
{
    if (!m_optFilnavn.isEmpty())
        tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y()), QString::number(height())});
}

// ---------------------------------------------------------------- commands

void TGalForm::opdaterKommandoer()
{
    const bool mappe = !m_gitter->Bibliotek().isEmpty();
    const bool billede = !m_picFilnavn.isEmpty();
    kommando("aKopierMappe")->setEnabled(mappe);
    kommando("aVisMappe")->setEnabled(mappe);
    for (const char *navn : {"aKopierBillede", "aSletBillede", "aFindBillede", "aAabnBillede"})
        kommando(QLatin1String(navn))->setEnabled(billede);
}

bool TGalForm::udsaetUnderIndlaesning(std::function<void()> arbejde)
{
    if (!m_indlaeser_koerer)
        return false;
    *m_stopIndlaesning = true;
    m_venter = std::move(arbejde);
    return true;
}

void TGalForm::setBgFarve(int indeks)
{
    m_colIndex = indeks;
    if (m_hoved.colIndex)
        *m_hoved.colIndex = indeks;
    const QColor farve = windowsFarve(galleriFarver::vaerdi(indeks));
    m_farveknap->setIcon(farveikon(farve));
    m_fremdrift->setBaggrund(farve);
    m_fremdrift->setColorStep(windowsFarve(galleriFarver::bjaelkeVaerdi(galleriFarver::vaerdi(indeks))));
    m_gitter->setFeltFarve(farve);
}

void TGalForm::saetAntal(int V, int L)
{
    m_antalV = qBound(1, V, maxAntal);
    m_antalL = qBound(1, L, maxAntal);
    m_antalVFelt->setText(QString::number(m_antalV));
    m_antalLFelt->setText(QString::number(m_antalL));
    m_gitter->NyeFelterVL(m_antalV, m_antalL);
    if (m_hoved.GBoxV)
        *m_hoved.GBoxV = m_antalV;
    if (m_hoved.GBoxL)
        *m_hoved.GBoxL = m_antalL;
    m_skakt->NyePos(m_antalV * m_antalL, 0, 0);
    m_fremdrift->setPosition(0);
}

void TGalForm::aendrAntal(bool vandret, int trin)
{
    if (udsaetUnderIndlaesning([this, vandret, trin] { aendrAntal(vandret, trin); }))
        return;
    m_gitter->tom();
    BibInfo(-1);
    m_antalBilleder->setText(QStringLiteral("0"));
    int V = m_antalV, L = m_antalL;
    int &antal = vandret ? V : L;
    antal += trin;
    if (antal < 1) {
        antal = 1;
        if (m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(QStringLiteral("Et felt er mindste feltantal"));
    } else if (antal > maxAntal) {
        antal = maxAntal;
        if (m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(QStringLiteral("%1 felter er største feltantal").arg(maxAntal));
    }
    saetAntal(V, L);
    opdaterKommandoer();
}

QString TGalForm::valgtMappe() const
{
    const QString sti = stier::udenSkraastreg(m_hoved.editSti ? m_hoved.editSti().trimmed() : QString());
    if (sti.isEmpty())
        return {};
    if (stier::erMappe(sti))
        return sti;
    if (stier::erFil(sti))
        return stier::mappeAf(sti);
    return {};
}

void TGalForm::loadBilleder(int V, int L)
{
    if (udsaetUnderIndlaesning([this, V, L] { loadBilleder(V, L); }))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BibInfo(-1);
    const QString mappe = valgtMappe();
    m_mappe->setText(mappe);
    saetAntal(V, L);
    LoadListe(mappe);
    QApplication::restoreOverrideCursor();
    if (m_lukEfterIndlaesning || m_lukket)
        return;
    if (m_gitter->AntalIalt() > 0) {
        m_gitter->setFocus();
        BibInfo(0);
    } else if (!m_venter) {
        m_dialogs.inform(QStringLiteral("For at indlæse billeder skal der være valgt en billedfil af type jpg, ico "
                                        "eller bmp i mappe-fil-strukturen, altså struktur 2."));
    }
    opdaterKommandoer();
}

void TGalForm::LoadListe(const QString &mappe)
{
    m_gitter->tom();
    m_fremdrift->setPosition(0);
    TBilledIndlaeser::Resultat r;
    if (!mappe.isEmpty()) {
        const felter::Layout l = m_gitter->layout();
        const int W = l.FeltBredde - 2 * felter::Rammebredde, H = l.FeltHojde - 2 * felter::Rammebredde;
        *m_stopIndlaesning = false;
        Fremdriftsled led(m_fremdrift, m_stopIndlaesning);
        m_indlaeser_koerer = true;
        QPointer<TGalForm> selv(this);
        const std::shared_ptr<TBilledIndlaeser> laeser = m_indlaeser;
        r = laeser->indlaes(mappe, billedfiler::FilType::ftBegge, W, H, led);
        if (!selv)
            return;
        m_indlaeser_koerer = false;
        if (r.afbrudt) {
            // Stopped for a new load or a close: that comes now, the old
            // pictures are not shown.
            *m_stopIndlaesning = false;
            if (m_lukEfterIndlaesning)
                QTimer::singleShot(0, this, &QWidget::close);
            else if (m_venter)
                QTimer::singleShot(0, this, [this] {
                    if (auto f = std::exchange(m_venter, {}))
                        f();
                });
            return;
        }
        m_gitter->setListe(mappe, r.Bil, r.miniaturer, l.lagerStoerrelse());
    } else {
        m_gitter->setListe(QString(), {}, {}, QSize());
    }
    QCoreApplication::processEvents();
    const int antal = m_gitter->Antal();
    m_skakt->NyePos(m_antalV * m_antalL, m_gitter->AntalIalt() - antal, 0);
    m_antalBilleder->setText(QString::number(m_gitter->AntalIalt()));
}

void TGalForm::BibInfo(int billede)
{
    const QList<TBilRec> &bil = m_gitter->Bil();
    if (billede < 0 || billede >= bil.size()) {
        m_picFilnavn.clear();
        m_filnavn->clear();
        m_bredde->clear();
        m_hoejde->clear();
    } else {
        const TBilRec &b = bil.at(billede);
        m_picFilnavn = stier::delimKon(m_gitter->Bibliotek()) + b.Filnavn;
        m_filnavn->setText(b.Filnavn);
        m_bredde->setText(QString::number(b.Bredde));
        m_hoejde->setText(QString::number(b.Hojde));
        const felter::Layout l = m_gitter->layout();
        m_feltLinje->setText(QStringLiteral("Bredde: %1 Højde: %2").arg(l.FeltBredde).arg(l.FeltHojde));
    }
    opdaterKommandoer();
}

void TGalForm::klik(Qt::MouseButton knap, int billede)
{
    BibInfo(billede);
    if (knap == Qt::RightButton && m_hoved.selectFromGal && !m_picFilnavn.isEmpty())
        m_hoved.selectFromGal(m_picFilnavn, false);
}

void TGalForm::sletBillede()
{
    const QString fil = m_picFilnavn;
    if (fil.isEmpty())
        return;
    if (!m_dialogs.ask(QStringLiteral("Filnavn:\r") + stier::getLastDirectory(fil)
                       + QStringLiteral("\rSkal filen slettes til papirkurven?")))
        return;
    QCoreApplication::processEvents();
    if (!stier::erFil(fil) || !m_hoved.selectFromGal)
        return;
    QPointer<TGalForm> selv(this);
    m_hoved.selectFromGal(fil, true);
    if (!selv || stier::findes(fil))
        return;
    // The picture went to the trash: it leaves the grid too.
    int nr = -1;
    for (int i = 0; i < m_gitter->Bil().size(); ++i)
        if (stier::delimKon(m_gitter->Bibliotek()) + m_gitter->Bil().at(i).Filnavn == fil)
            nr = i;
    m_gitter->fjern(nr);
    m_antalBilleder->setText(QString::number(m_gitter->AntalIalt()));
    m_skakt->NyePos(m_antalV * m_antalL, m_gitter->AntalIalt() - m_gitter->Antal(), m_gitter->StartNr());
    BibInfo(m_gitter->ANr() >= 0 ? m_gitter->StartNr() + m_gitter->ANr() : -1);
}

void TGalForm::visMappe()
{
    const QString mappe = m_gitter->Bibliotek();
    if (mappe.isEmpty())
        return;
    if (skrivebord::aabnMappe(mappe) == skrivebord::Aabning::Mislykket && m_hoved.UdskrivInfo)
        m_hoved.UdskrivInfo(QStringLiteral("Mappen kunne ikke åbnes i systemets filhåndtering."));
}
