#include "explorer/tfilinfoform.h"

#include "engines/tfilmappedrevinfo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int SmalBredde = 350;
constexpr int BreddeSkridt = 140;
constexpr int MaksBredde = 1920;
constexpr int IkonStoerrelse = 32;

// The tab of each kind: pages "Fil", "Mappe", "Drev" for kinds 0 file,
// 2 folder and 1 drive.
int fane(int sideNummer)
{
    return sideNummer == 0 ? 0 : sideNummer == 2 ? 1 : 2;
}

QLabel *vaerdi(QWidget *ejer)
{
    auto *l = new QLabel(ejer);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    return l;
}

QLineEdit *felt(QWidget *ejer)
{
    auto *e = new QLineEdit(ejer);
    e->setReadOnly(true);
    return e;
}

QHBoxLayout *ikonOgNavn(QLabel *&ikon, QLineEdit *navn, QWidget *ejer)
{
    ikon = new QLabel(ejer);
    ikon->setFixedSize(IkonStoerrelse, IkonStoerrelse);
    auto *r = new QHBoxLayout;
    r->addWidget(ikon);
    r->addWidget(navn, 1);
    return r;
}

void saetIkon(QLabel *boks, const QIcon &ikon)
{
    boks->setPixmap(ikon.pixmap(IkonStoerrelse, IkonStoerrelse));
}

} // namespace

Tfilinfoform::Tfilinfoform(Dialogs *dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
    , m_motor(new TFilMappeDrevInfo(dialogs, this))
{
    setWindowTitle(QStringLiteral("Fil egenskaber"));
    m_sider = new QTabWidget(this);
    m_sider->addTab(lavFilSide(), QStringLiteral("Fil"));
    m_sider->addTab(lavMappeSide(), QStringLiteral("Mappe"));
    m_sider->addTab(lavDrevSide(), QStringLiteral("Drev"));
    auto *lag = new QVBoxLayout(this);
    lag->addWidget(m_sider, 1);
    lag->addWidget(lavKnapraekke());

    connect(m_sider, &QTabWidget::currentChanged, this, &Tfilinfoform::laasSide);
    connect(m_motor, &TFilMappeDrevInfo::totalAendret, this, [this](const QString &s, const QString &i) {
        LabelMappeSize->setText(s);
        LabelMappeIndhold->setText(i);
    });
    connect(m_motor, &TFilMappeDrevInfo::totalFaerdig, this,
            [this](const QString &s, const QString &i, const QString &o) {
                LabelMappeSize->setText(s);
                LabelMappeIndhold->setText(i);
                LabelOversprunget->setText(o);
                LabelOversprunget->setVisible(!o.isEmpty());
            });
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    resize(qMax(SmalBredde, sizeHint().width()), sizeHint().height());
    opdaterStoerrelsesknapper();
}

Tfilinfoform::~Tfilinfoform() = default;

QWidget *Tfilinfoform::lavFilSide()
{
    auto *side = new QWidget;
    auto *form = new QFormLayout(side);
    EditFilnavn = felt(side);
    form->addRow(ikonOgNavn(ikonBox, EditFilnavn, side));
    EditPath = felt(side);
    form->addRow(QStringLiteral("Placering:"), EditPath);
    form->addRow(QStringLiteral("Størrelse:"), LabelSize = vaerdi(side));
    form->addRow(QStringLiteral("Oprettet:"), LabelOprettet = vaerdi(side));
    form->addRow(QStringLiteral("Ændret:"), LabelForandret = vaerdi(side));
    form->addRow(QStringLiteral("Åbnet:"), LabelAabnet = vaerdi(side));
    cbReadOnly = new QCheckBox(QStringLiteral("Skrivebeskyttet"), side);
    cbHidden = new QCheckBox(QStringLiteral("Skjult"), side);
    Anvend = new QPushButton(QStringLiteral("Anvend"), side);
    Anvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    Anvend->setEnabled(false);
    auto *attributter = new QHBoxLayout;
    attributter->addWidget(cbReadOnly);
    attributter->addWidget(cbHidden);
    attributter->addStretch(1);
    form->addRow(QStringLiteral("Attributter:"), attributter);
    auto *anvendRaekke = new QHBoxLayout;
    anvendRaekke->addStretch(1);
    anvendRaekke->addWidget(Anvend);
    form->addRow(anvendRaekke);
    form->addRow(QStringLiteral("Filtype:"), LabelFiltype = vaerdi(side));
    connect(cbReadOnly, &QCheckBox::clicked, Anvend, [this] { Anvend->setEnabled(true); });
    connect(cbHidden, &QCheckBox::clicked, Anvend, [this] { Anvend->setEnabled(true); });
    connect(Anvend, &QPushButton::clicked, this, &Tfilinfoform::anvendAttributter);
    return side;
}

QWidget *Tfilinfoform::lavMappeSide()
{
    auto *side = new QWidget;
    auto *form = new QFormLayout(side);
    EditMappenavn = felt(side);
    form->addRow(ikonOgNavn(mappeIkon, EditMappenavn, side));
    form->addRow(QStringLiteral("Placering:"), LabelPlacering = vaerdi(side));
    form->addRow(QStringLiteral("Størrelse:"), LabelMappeSize = vaerdi(side));
    form->addRow(QStringLiteral("Indeholder:"), LabelMappeIndhold = vaerdi(side));
    form->addRow(QStringLiteral("Oprettet:"), LabeloprettelsesDato = vaerdi(side));
    form->addRow(LabelOversprunget = vaerdi(side));
    LabelOversprunget->hide();
    return side;
}

QWidget *Tfilinfoform::lavDrevSide()
{
    auto *side = new QWidget;
    auto *form = new QFormLayout(side);
    EditDisknavn = felt(side);
    form->addRow(ikonOgNavn(drevIkon, EditDisknavn, side));
    form->addRow(QStringLiteral("Ledig plads:"), LabelFreeSpace = vaerdi(side));
    form->addRow(QStringLiteral("Anvendt plads:"), LabelAnvendtSpace = vaerdi(side));
    form->addRow(QStringLiteral("Kapasitet:"), LabelKapasitet = vaerdi(side));
    ProgressBar = new QProgressBar(side);
    ProgressBar->setRange(0, 100);
    form->addRow(ProgressBar);
    form->addRow(QStringLiteral("Type:"), LabelType = vaerdi(side));
    form->addRow(QStringLiteral("Filsystem:"), LabelFilsystem = vaerdi(side));
    return side;
}

QWidget *Tfilinfoform::lavKnapraekke()
{
    auto *raekke = new QWidget(this);
    auto *lag = new QHBoxLayout(raekke);
    lag->setContentsMargins(0, 0, 0, 0);
    Information = new QPushButton(QStringLiteral("Information"), raekke);
    Information->setToolTip(QStringLiteral("Information om drev, fil og mappe egenskaber"));
    Mindre = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QString(), raekke);
    Mindre->setToolTip(QStringLiteral("Gør boksen mindre"));
    Stoerre = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QString(), raekke);
    Stoerre->setToolTip(QStringLiteral("Gør boksen større"));
    Luk = new QPushButton(QStringLiteral("Luk"), raekke);
    Luk->setToolTip(QStringLiteral("Luk egenskabsboksen"));
    lag->addWidget(Information);
    lag->addStretch(1);
    lag->addWidget(Mindre);
    lag->addWidget(Stoerre);
    lag->addWidget(Luk);
    connect(Information, &QPushButton::clicked, this, &Tfilinfoform::aabnHjaelp);
    connect(Luk, &QPushButton::clicked, this, &QWidget::close);
    connect(Stoerre, &QPushButton::clicked, this, [this] { aendrBredde(width() + BreddeSkridt); });
    connect(Mindre, &QPushButton::clicked, this, [this] { aendrBredde(SmalBredde); });
    return raekke;
}

void Tfilinfoform::visSide(int sideNummer, const QString &titel)
{
    SideNummer = sideNummer;
    setWindowTitle(titel);
    m_sider->setCurrentIndex(fane(sideNummer));
    show();
    raise();
    activateWindow();
}

void Tfilinfoform::laasSide()
{
    const int rigtig = fane(SideNummer);
    if (m_sider->currentIndex() != rigtig)
        m_sider->setCurrentIndex(rigtig);
}

bool Tfilinfoform::showFileInfo(const QString &sti)
{
    m_motor->stopTotal();
    TFilMappeDrevInfo::Fil f;
    if (!m_motor->filInfo(sti, f)) {
        close();
        return false;
    }
    Filnavn = f.sti;
    saetIkon(ikonBox, QFileIconProvider().icon(QFileInfo(sti)));
    EditFilnavn->setText(f.navn);
    EditPath->setText(f.placering);
    LabelFiltype->setText(f.filtype);
    LabelSize->setText(f.stoerrelse);
    LabelOprettet->setText(f.oprettet);
    LabelForandret->setText(f.aendret);
    LabelAabnet->setText(f.aabnet);
    cbReadOnly->setChecked(f.skrivebeskyttet);
    cbHidden->setChecked(f.skjult);
    Anvend->setEnabled(false);
    visSide(0, QStringLiteral("Fil egenskaber"));
    return true;
}

bool Tfilinfoform::showMappeInfo(const QString &sti)
{
    m_motor->stopTotal();
    TFilMappeDrevInfo::Mappe m;
    if (!m_motor->mappeInfo(sti, m)) {
        close();
        return false;
    }
    saetIkon(mappeIkon, QFileIconProvider().icon(QFileIconProvider::Folder));
    EditMappenavn->setText(m.navn);
    LabelPlacering->setText(m.placering);
    LabelMappeSize->setText(TFilMappeDrevInfo::stoerrelsesTekst(0));
    LabelMappeIndhold->setText(TFilMappeDrevInfo::indholdTekst(0, 0));
    LabeloprettelsesDato->setText(m.oprettet);
    LabelOversprunget->clear();
    LabelOversprunget->hide();
    visSide(2, QStringLiteral("Mappe egenskaber"));
    m_motor->startTotal(m.sti);
    return true;
}

bool Tfilinfoform::showDriveInfo(const QString &mappe)
{
    m_motor->stopTotal();
    TFilMappeDrevInfo::Drev d;
    if (!m_motor->drevInfo(mappe, d)) {
        close();
        return false;
    }
    saetIkon(drevIkon, QFileIconProvider().icon(QFileIconProvider::Drive));
    EditDisknavn->setText(d.disknavn);
    LabelType->setText(d.type);
    LabelFilsystem->setText(d.filsystem);
    LabelAnvendtSpace->setText(d.anvendt);
    LabelFreeSpace->setText(d.ledig);
    LabelKapasitet->setText(d.kapasitet);
    ProgressBar->setValue(d.procent);
    visSide(1, QStringLiteral("Drev egenskaber"));
    return true;
}

void Tfilinfoform::anvendAttributter()
{
    const QString gammel = Filnavn;
    const QString ny = m_motor->anvendAttributter(gammel, cbReadOnly->isChecked(), cbHidden->isChecked());
    Anvend->setEnabled(false);
    if (ny.isEmpty() || ny == gammel) {
        // Show what the file now is, whatever was refused.
        if (!ny.isEmpty())
            showFileInfo(ny);
        return;
    }
    showFileInfo(ny);
    emit omdoebt(gammel, ny);
}

void Tfilinfoform::aabnHjaelp()
{
    static const char *const sider[] = {"Fil egenskaber.html", "Mappe egenskaber.html", "Drev egenskaber.html"};
    emit hjaelp(QString::fromUtf8(sider[fane(SideNummer)]));
}

void Tfilinfoform::aendrBredde(int bredde)
{
    resize(bredde, height());
    opdaterStoerrelsesknapper();
}

void Tfilinfoform::opdaterStoerrelsesknapper()
{
    Stoerre->setEnabled(width() <= MaksBredde);
    Mindre->setEnabled(width() > SmalBredde + 10);
}

void Tfilinfoform::closeEvent(QCloseEvent *e)
{
    m_motor->stopTotal();
    QWidget::closeEvent(e);
}

void Tfilinfoform::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    opdaterStoerrelsesknapper();
}

void Tfilinfoform::hideEvent(QHideEvent *e)
{
    m_motor->stopTotal();
    QWidget::hideEvent(e);
}

bool Tfilinfoform::eventFilter(QObject *objekt, QEvent *e)
{
    if (e->type() == QEvent::Enter) {
        if (auto *w = qobject_cast<QWidget *>(objekt); w && !w->toolTip().isEmpty())
            emit hint(w->toolTip());
    }
    return QWidget::eventFilter(objekt, e);
}
