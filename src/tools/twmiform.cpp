#include "tools/twmiform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "engines/systeminfo/tapplets.h"
#include "engines/systeminfo/twmi.h"
#include "platform/tekstfil.h"
#include "shell/aktivering.h"
#include "shell/vinduesdele.h"
#include "shell/vinduesdele.h"
#include "tools/thjaelpevisning.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int fastBredde = 570;
constexpr int hoejde = 576;

QPushButton *knap(const QString &tekst, const char *navn, const QString &hint = {})
{
    auto *k = new QPushButton(tekst);
    k->setObjectName(QLatin1String(navn));
    if (!hint.isEmpty())
        hint::saet(k, hint);
    return k;
}

} // namespace

TwmiForm::TwmiForm(Dialogs &dialogs, const Mapper &mapper, bool inde, const Hovedvindue &hoved, QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Dialog)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : mapper.optMappe + QStringLiteral("WMI.txt"))
    , m_wmi(new TWmi(dialogs, mapper.wmidir, mapper.wmiMappe, this))
    , m_applets(new TApplets(dialogs, mapper.appletsDir, this))
    , m_regler(new QTimer(this))
{
    setObjectName(QStringLiteral("TwmiForm"));
    setWindowTitle(QStringLiteral("WMI"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_wmi->visMappe = [this](const QString &mappe) {
        if (m_hoved.visMappe)
            m_hoved.visMappe(mappe);
    };
    connect(m_wmi, &TWmi::klasserKlar, this, &TwmiForm::opdaterKnapper);

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(vinduesdele::overskrift(QStringLiteral("WMI"), 1.3));
    venstre->addWidget(bygKnapper());
    venstre->addWidget(bygSoegning());
    venstre->addStretch();

    auto *bund = new QHBoxLayout;
    if (QToolButton *stifinder = vinduesdele::stifinderKnap(m_hoved.aVisStifinder))
        bund->addWidget(stifinder);
    auto *luk = knap(QStringLiteral("Luk"), "lukKnap");
    connect(luk, &QPushButton::clicked, this, [this] { lukVindue(this); });
    bund->addWidget(luk);
    bund->addStretch();
    auto *info = new QToolButton;
    info->setObjectName(QStringLiteral("infoKnap"));
    info->setIcon(ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    hint::saet(info, QStringLiteral("Information"));
    connect(info, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("WMI.html"));
    });
    info->setVisible(!m_showInternt);
    bund->addWidget(info);
    venstre->addLayout(bund);

    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    auto *venstreW = new QWidget;
    venstreW->setLayout(venstre);
    venstreW->setFixedWidth(fastBredde - 12);
    l->addWidget(venstreW);
    if (m_showInternt) {
        auto *hoejre = new QVBoxLayout;
        hoejre->addWidget(vinduesdele::overskrift(QStringLiteral("Information"), 1.3));
        hoejre->addWidget(new THjaelpevisning(mapper.infoDir + QStringLiteral("WMI2.html"), m_hoved.infoHelp), 1);
        l->addLayout(hoejre, 1);
    }

    // The class list file appears without telling us; the rules are looked
    // at again while the window is open.
    m_regler->setInterval(500);
    connect(m_regler, &QTimer::timeout, this, &TwmiForm::opdaterKnapper);
    m_regler->start();
    if (!m_showInternt)
        placerEksternt();
    opdaterKnapper();
}

QWidget *TwmiForm::bygKnapper()
{
    auto *gruppe = new QGroupBox;
    auto *l = new QVBoxLayout(gruppe);
    l->addWidget(new QLabel(QStringLiteral("1. Indlæs WMI klasser  2. Vælg klasse  3. Skriv scriptet eller Skriv HTML 4. Se output")));
    l->itemAt(0)->widget()->setProperty("wordWrap", true);
    auto *g = new QGridLayout;
    auto *hent = knap(QStringLiteral("Hent classes"), "AloadListe",
                      QStringLiteral("Hent (opdater) systemets klasser med systemoplysninger. Dette kan tage lidt tid!"));
    connect(hent, &QPushButton::clicked, this, &TwmiForm::AloadListe);
    auto *indlaes = knap(QStringLiteral("Indlæs classes"), "Awmi", QStringLiteral("Indlæs classes til listen "));
    connect(indlaes, &QPushButton::clicked, this, &TwmiForm::Awmi);
    auto *skriv = knap(QStringLiteral("Skriv scriptet"), "AmakeFile", QStringLiteral("Skriver scriptet og åbner det"));
    connect(skriv, &QPushButton::clicked, this, [this] { AmakeFile(false); });
    auto *html = knap(QStringLiteral("Skriv HTML"), "AmakeFileHTML",
                      QStringLiteral("Skriver scriptet og åbner det. Når det køres er output en html fil"));
    connect(html, &QPushButton::clicked, this, [this] { AmakeFile(true); });
    g->addWidget(hent, 0, 0);
    g->addWidget(indlaes, 0, 1);
    g->addWidget(skriv, 1, 0);
    g->addWidget(html, 1, 1);
    l->addLayout(g);
    l->addWidget(new QLabel(QStringLiteral("root\\cimv2")));
    m_wmiBox = new QComboBox;
    m_wmiBox->setObjectName(QStringLiteral("wmiBox"));
    m_wmiBox->setMaxVisibleItems(24);
    connect(m_wmiBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index > 0)
            m_findEdit->setText(m_wmiBox->itemText(index));
        opdaterKnapper();
    });
    l->addWidget(m_wmiBox);
    return gruppe;
}

QWidget *TwmiForm::bygSoegning()
{
    auto *w = new QWidget;
    auto *l = new QGridLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Søge tekst")), 0, 0);
    m_findEdit = new QLineEdit;
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    hint::saet(m_findEdit, QStringLiteral("Søgefelt"));
    l->addWidget(m_findEdit, 0, 1);
    auto *soeg = knap(QStringLiteral("Søg"), "soegKnap", QStringLiteral("Indfør søgetekst og søg på Google"));
    connect(soeg, &QPushButton::clicked, this, [this] {
        if (m_hoved.webSoeg && !m_findEdit->text().trimmed().isEmpty())
            m_hoved.webSoeg(m_findEdit->text().trimmed());
    });
    l->addWidget(soeg, 0, 2);
    auto *knapper = new QHBoxLayout;
    for (const char *script : {"systemoplysninger.sh", "enhedshåndtering.sh"}) {
        const TApplets::Applet *a = TApplets::find(QString::fromUtf8(script));
        auto *k = knap(QString::fromUtf8(a->tekst), script, QString::fromUtf8(a->hint));
        connect(k, &QPushButton::clicked, this, [this, a] {
            m_applets->koer(QString::fromUtf8(a->script), QString::fromUtf8(a->tekst));
        });
        knapper->addWidget(k);
    }
    knapper->addStretch();
    l->addLayout(knapper, 1, 0, 1, 3);
    return w;
}

void TwmiForm::AloadListe()
{
    if (!m_wmi->hentClasses())
        return;
    m_wmiBox->clear();
    opdaterKnapper();
}

void TwmiForm::Awmi()
{
    const QStringList klasser = m_wmi->indlaesClasses();
    if (klasser.isEmpty())
        return;
    const QSignalBlocker blok(m_wmiBox);
    m_wmiBox->clear();
    m_wmiBox->addItems(klasser);
    m_wmiBox->setCurrentIndex(0);
    opdaterKnapper();
}

void TwmiForm::AmakeFile(bool html)
{
    if (m_wmiBox->currentIndex() > 0)
        m_wmi->skrivProgram(m_wmiBox->currentText(), html);
}

void TwmiForm::opdaterKnapper()
{
    const auto saet = [this](const char *navn, bool til) {
        if (auto *k = findChild<QPushButton *>(QLatin1String(navn)))
            k->setEnabled(til);
    };
    const QString klasse = m_wmiBox->currentIndex() > 0 ? m_wmiBox->currentText() : QString();
    saet("AloadListe", !m_wmi->namespaceDone());
    saet("Awmi", m_wmi->kanIndlaese());
    saet("AmakeFile", m_wmi->kanSkrive(klasse, false));
    saet("AmakeFileHTML", m_wmi->kanSkrive(klasse, true));
}

void TwmiForm::placerEksternt()
{
    setFixedWidth(fastBredde);
    resize(fastBredde, hoejde);
    const QStringList linjer = tekstfil::hent(m_optFilnavn, tekstfil::Art::Indstillinger);
    bool okV = false, okT = false;
    int venstre = linjer.value(0).toInt(&okV);
    int top = linjer.value(1).toInt(&okT);
    if (!okV || !okT) {
        venstre = 20;
        top = 40;
    }
    skaermplacering::placer(this, QRect(venstre, top, fastBredde, hoejde));
}

void TwmiForm::closeEvent(QCloseEvent *e)
{
    m_wmi->stop();
    m_regler->stop();
    if (!m_optFilnavn.isEmpty())
        tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y())});
    QWidget::closeEvent(e);
}
