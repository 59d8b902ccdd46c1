#include "gallery/tgalform.h"

#include "engines/galleri/farver.h"
#include "gallery/tbibpan.h"
#include "gallery/tprogresscompo.h"
#include "gallery/trulskakt.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

// The gallery window's regions: the left panel with colours, formats,
// counts and progress, the grid with its shaft and info fields, and the
// right panel with the commands.

namespace {

constexpr int panelBredde = 150;

QLineEdit *laesefelt(const QString &navn)
{
    auto *e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(true);
    return e;
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

QIcon TGalForm::farveikon(const QColor &farve)
{
    QPixmap pm(16, 16);
    pm.fill(farve);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pm);
}

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

