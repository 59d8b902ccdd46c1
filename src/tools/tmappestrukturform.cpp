#include "tools/tmappestrukturform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/mappestruktur/tstrukturredigering.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"
#include "shell/aktivering.h"
#include "shell/vinduesdele.h"
#include "shell/vinduesdele.h"
#include "tools/tstrukturtegner.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton *knap(const QString &tekst, const char *navn, const QString &hint = {})
{
    auto *k = new QPushButton(tekst);
    k->setObjectName(QLatin1String(navn));
    if (!hint.isEmpty())
        hint::saet(k, hint);
    return k;
}

QListWidget *tegnetListe(const char *navn, const QString &hint, const QColor &cirkel, bool visMangler)
{
    auto *l = new QListWidget;
    l->setObjectName(QLatin1String(navn));
    hint::saet(l, hint);
    l->setItemDelegate(new TStrukturtegner(cirkel, visMangler, l));
    l->setUniformItemSizes(true);
    return l;
}

void fyld(QListWidget *liste, const QStringList &tekster, int valgt = -1)
{
    const QSignalBlocker blok(liste);
    liste->clear();
    liste->addItems(tekster);
    liste->setCurrentRow(valgt);
}

} // namespace

Tmappestrukturform::Tmappestrukturform(Dialogs &dialogs, bool &MsRedigeret, const QString &mappestrukturDir,
                                       const QString &optMappe, bool inde, const Hovedvindue &hoved, QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Window)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : optMappe + QStringLiteral("mappestruktur.txt"))
    , m_redigering(new TStrukturredigering(dialogs, MsRedigeret, this))
    , m_regler(new QTimer(this))
{
    setObjectName(QStringLiteral("Tmappestrukturform"));
    setWindowTitle(QStringLiteral("Mappestruktur"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_redigering->setMappe(mappestrukturDir);
    m_redigering->loadMappeStruktur = [this] {
        if (m_hoved.loadMappeStruktur)
            m_hoved.loadMappeStruktur();
    };
    connect(m_redigering, &TStrukturredigering::aendret, this, &Tmappestrukturform::visListerne);

    auto *midte = new QHBoxLayout;
    midte->addWidget(bygVenstrePanel());
    midte->addWidget(bygHoejrePanel(), 1);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addLayout(midte, 1);
    l->addWidget(bygBund());

    // The current element of the main window changes without telling us;
    // the rules are looked at again while the window is open.
    m_regler->setInterval(400);
    connect(m_regler, &QTimer::timeout, this, &Tmappestrukturform::opdaterKnapper);
    m_regler->start();

    if (!m_showInternt)
        placerEksternt();
    opdaterKnapper();
}

QWidget *Tmappestrukturform::bygVenstrePanel()
{
    m_venstrePanel = new QFrame;
    m_venstrePanel->setObjectName(QStringLiteral("venstrePanel"));
    m_venstrePanel->setFrameShape(QFrame::StyledPanel);
    auto *l = new QVBoxLayout(m_venstrePanel);
    l->setContentsMargins(6, 6, 6, 6);
    auto *titel = vinduesdele::overskrift(QStringLiteral("Eksisterende strukturer"));
    l->addWidget(titel);
    m_strukturListe = tegnetListe("strukturListe", QStringLiteral("Indførte strukturer"),
                                  TStrukturtegner::lysegroen(), false);
    connect(m_strukturListe, &QListWidget::currentRowChanged, m_redigering, &TStrukturredigering::vaelg);
    l->addWidget(m_strukturListe, 1);

    l->addWidget(new QLabel(QStringLiteral("Aktiver valgte")));
    auto *g = new QGridLayout;
    auto *punkt = knap(QStringLiteral("Punktstruktur"), "punktKnap", QStringLiteral("Konstruer en punktstruktur"));
    connect(punkt, &QPushButton::clicked, this, [this] { punktNiveau(true); });
    auto *slet = knap(QStringLiteral("Slet valgte"), "sletKnap", QStringLiteral("Slet valgte struktur"));
    connect(slet, &QPushButton::clicked, m_redigering, &TStrukturredigering::slet);
    auto *rediger = knap(QStringLiteral("Rediger valgte"), "redigerKnap");
    connect(rediger, &QPushButton::clicked, this, [this] {
        if (m_redigering->rediger())
            m_sider->setCurrentIndex(1);
    });
    auto *niveau = knap(QStringLiteral("Niveaustruktur"), "niveauKnap", QStringLiteral("Konstruer en niveaustruktur"));
    connect(niveau, &QPushButton::clicked, this, [this] { punktNiveau(false); });
    auto *opdater = knap(QStringLiteral("Opdater"), "opdaterKnap", QStringLiteral("Genindlæs mappestrukturer"));
    connect(opdater, &QPushButton::clicked, this, &Tmappestrukturform::loadMappeStruktur);
    auto *vis = knap(QStringLiteral("Vis mappe"), "visMappeKnap", QStringLiteral("Vis mappen hvor strukturfilerne ligger"));
    connect(vis, &QPushButton::clicked, this, [this] {
        if (m_hoved.visMappe)
            m_hoved.visMappe(stier::udenSkraastreg(m_redigering->mappe()), true);
    });
    g->addWidget(punkt, 0, 0);
    g->addWidget(slet, 0, 1);
    g->addWidget(rediger, 0, 2);
    g->addWidget(niveau, 1, 0);
    g->addWidget(opdater, 1, 1);
    g->addWidget(vis, 1, 2);
    l->addLayout(g);
    return m_venstrePanel;
}

QWidget *Tmappestrukturform::bygHoejrePanel()
{
    auto *gruppe = new QGroupBox(QStringLiteral("Mappestrukturer"));
    auto *l = new QVBoxLayout(gruppe);
    l->setContentsMargins(6, 6, 6, 6);
    m_sider = new QTabWidget;
    m_sider->setObjectName(QStringLiteral("sider"));
    m_mappeListe = tegnetListe("mappeListe", QStringLiteral("Indførte mapper"), TStrukturtegner::lyseblaa(), true);
    connect(m_mappeListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *emne) {
        if (m_hoved.visMappe)
            m_hoved.visMappe(emne->text(), false);
    });
    m_sider->addTab(m_mappeListe, QStringLiteral("Strukturer"));
    m_sider->addTab(bygRedigeringsside(), QStringLiteral("Opret og rediger strukturer"));
    l->addWidget(m_sider);
    return gruppe;
}

QWidget *Tmappestrukturform::bygRedigeringsside()
{
    auto *side = new QWidget;
    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(6, 6, 6, 6);
    m_redigeringsListe = tegnetListe("redigeringsListe", QStringLiteral("Mapperne i strukturen under redigering"),
                                     TStrukturtegner::lysegroen(), true);
    connect(m_redigeringsListe, &QListWidget::currentRowChanged, this, &Tmappestrukturform::opdaterKnapper);
    l->addWidget(m_redigeringsListe, 1);

    auto *navn = new QHBoxLayout;
    navn->addWidget(new QLabel(QStringLiteral("Strukturnavn")));
    m_navnFelt = new QLineEdit;
    m_navnFelt->setObjectName(QStringLiteral("navnFelt"));
    m_navnFelt->setPlaceholderText(QStringLiteral("Indfør strukturnavn og gem"));
    connect(m_navnFelt, &QLineEdit::textEdited, m_redigering, &TStrukturredigering::setNavn);
    navn->addWidget(m_navnFelt, 1);
    auto *gem = knap(QStringLiteral("Gem strukturen"), "gemKnap", QStringLiteral("Gem strukturen med valgte navn"));
    connect(gem, &QPushButton::clicked, m_redigering, &TStrukturredigering::gem);
    navn->addWidget(gem);
    l->addLayout(navn);

    auto *knapper = new QHBoxLayout;
    auto *ny = knap(QStringLiteral("Klargør til ny"), "klargoerKnap",
                    QStringLiteral("Klargør til helt ny struktur: Husk at gemme først, hvis noget er forandret!"));
    connect(ny, &QPushButton::clicked, m_redigering, &TStrukturredigering::klargoer);
    auto *fjern = knap(QStringLiteral("Fjern mappe"), "fjernKnap", QStringLiteral("Fjern valgte mappe fra strukturen"));
    connect(fjern, &QPushButton::clicked, this, [this] {
        const int r = m_redigeringsListe->currentRow();
        if (m_redigering->fjern(r))
            m_redigeringsListe->setCurrentRow(qMin(r, m_redigeringsListe->count() - 1));
    });
    auto *op = knap(QStringLiteral("OP"), "opKnap", QStringLiteral("Flyt valgte element op"));
    auto *ned = knap(QStringLiteral("Ned"), "nedKnap", QStringLiteral("Flyt valgte element ned"));
    for (auto [k, retning] : {std::pair{op, -1}, std::pair{ned, 1}}) {
        connect(k, &QPushButton::clicked, this, [this, retning] {
            const int r = m_redigeringsListe->currentRow();
            if (m_redigering->flyt(r, retning))
                m_redigeringsListe->setCurrentRow(r + retning);
        });
    }
    auto *aktuelle = knap(QStringLiteral("Aktuelle mappe"), "aktuelleKnap",
                          QStringLiteral("Indfør aktuelle mappe i strukturen"));
    connect(aktuelle, &QPushButton::clicked, this, [this] {
        const QString sti = m_hoved.editSti ? m_hoved.editSti() : QString();
        if (filinfo::erMappe(sti))
            tilfoejMappe(sti);
    });
    for (QPushButton *k : {ny, fjern, op, ned, aktuelle})
        knapper->addWidget(k);
    knapper->addStretch();
    l->addLayout(knapper);
    return side;
}

QWidget *Tmappestrukturform::bygBund()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    if (QToolButton *stifinder = vinduesdele::stifinderKnap(m_hoved.aVisStifinder))
        l->addWidget(stifinder);
    auto *luk = knap(QStringLiteral("Luk"), "lukKnap");
    connect(luk, &QPushButton::clicked, this, [this] { lukVindue(this); });
    l->addWidget(luk);
    l->addStretch();
    m_panelKnap = new QToolButton;
    m_panelKnap->setObjectName(QStringLiteral("panelKnap"));
    m_panelKnap->setIcon(ikoner::hent("view-split-left-right|view-sidetree", QStyle::SP_ArrowLeft));
    hint::saet(m_panelKnap, QStringLiteral("Åben eller luk venstre panel"));
    connect(m_panelKnap, &QToolButton::clicked, this, &Tmappestrukturform::skiftPanel);
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName(QStringLiteral("infoKnap"));
    m_infoKnap->setIcon(ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    hint::saet(m_infoKnap, QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("Opret mappestrukturer.html"));
    });
    m_panelKnap->setVisible(!m_showInternt);
    m_infoKnap->setVisible(!m_showInternt);
    l->addWidget(m_panelKnap);
    l->addWidget(m_infoKnap);
    return w;
}

void Tmappestrukturform::loadMappeStruktur()
{
    m_redigering->genlaes();
    if (m_hoved.loadMappeStruktur)
        m_hoved.loadMappeStruktur();
}

void Tmappestrukturform::tilfoejMappe(const QString &mappe)
{
    m_sider->setCurrentIndex(1);
    m_redigering->tilfoej(mappe);
    m_redigeringsListe->setCurrentRow(m_redigeringsListe->count() - 1);
}

void Tmappestrukturform::punktNiveau(bool punkt)
{
    if (!m_redigering->mapper().isEmpty() && m_hoved.visStruktur)
        m_hoved.visStruktur(m_redigering->mapper(), punkt);
}

void Tmappestrukturform::visListerne()
{
    QStringList navne;
    for (const auto &s : m_redigering->strukturer())
        navne << s.navn;
    fyld(m_strukturListe, navne, m_redigering->valgt());
    fyld(m_mappeListe, m_redigering->mapper());
    const int r = m_redigeringsListe->currentRow();
    fyld(m_redigeringsListe, m_redigering->redigering(), qMin(r, int(m_redigering->redigering().size()) - 1));
    if (m_navnFelt->text() != m_redigering->navn())
        m_navnFelt->setText(m_redigering->navn());
    opdaterKnapper();
}

void Tmappestrukturform::opdaterKnapper()
{
    const auto saet = [this](const char *navn, bool til) {
        if (auto *k = findChild<QPushButton *>(QLatin1String(navn)))
            k->setEnabled(til);
    };
    const bool harMapper = !m_redigering->mapper().isEmpty();
    const bool valgt = m_redigering->valgt() >= 0;
    const int r = m_redigeringsListe->currentRow();
    saet("punktKnap", harMapper);
    saet("niveauKnap", harMapper);
    saet("sletKnap", valgt);
    saet("redigerKnap", valgt);
    saet("gemKnap", m_redigering->kanGemme());
    saet("fjernKnap", r >= 0 && r < m_redigeringsListe->count());
    saet("opKnap", m_redigering->kanFlytte(r, -1));
    saet("nedKnap", m_redigering->kanFlytte(r, 1));
    saet("aktuelleKnap", m_hoved.editSti && filinfo::erMappe(m_hoved.editSti()));
}

void Tmappestrukturform::skiftPanel()
{
    const bool vis = !m_venstrePanel->isVisible();
    const int bredde = m_venstrePanel->isVisible() ? m_venstrePanel->width() : m_venstrePanel->sizeHint().width();
    m_venstrePanel->setVisible(vis);
    if (m_showInternt || !isVisible())
        return;
    // The minimum size must leave the panel out before the window shrinks.
    layout()->activate();
    resize(width() + (vis ? bredde : -bredde), height());
}

void Tmappestrukturform::placerEksternt()
{
    if (m_hoved.minimumHoejde > 0)
        setMinimumHeight(m_hoved.minimumHoejde);
    const QStringList linjer = tekstfil::hent(m_optFilnavn, tekstfil::Art::Indstillinger);
    bool ok[4] = {};
    int tal[4];
    for (int i = 0; i < 4; ++i)
        tal[i] = linjer.value(i).toInt(&ok[i]);
    QRect r(20, 40, 860, 580);
    if (ok[0] && ok[1] && ok[2] && ok[3] && tal[2] > 0 && tal[3] > 0)
        r = QRect(tal[0], tal[1], tal[3], tal[2]);
    skaermplacering::placer(this, r);
    m_venstrePanel->setVisible(linjer.value(4) != QStringLiteral("0"));
}

void Tmappestrukturform::gemPlacering()
{
    if (m_optFilnavn.isEmpty())
        return;
    tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y()), QString::number(height()),
                                 QString::number(width()),
                                 m_venstrePanel->isVisibleTo(this) ? QStringLiteral("1") : QStringLiteral("0")});
}

bool Tmappestrukturform::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

void Tmappestrukturform::FormActivate()
{
    if (m_opstart) {
        m_opstart = false;
        if (m_redigering->redigering().isEmpty())
            m_sider->setCurrentIndex(0);
    }
    opdaterKnapper();
}

void Tmappestrukturform::closeEvent(QCloseEvent *e)
{
    if (!m_redigering->maaLukke()) {
        e->ignore();
        return;
    }
    m_regler->stop();
    gemPlacering();
    QWidget::closeEvent(e);
}
