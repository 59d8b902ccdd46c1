#include "explorer/tprogressform.h"

#include "core/dansk.h"
#include "explorer/motorvinduer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QProgressBar *bar()
{
    auto *b = new QProgressBar;
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    b->setFixedHeight(16);
    return b;
}

QFrame *panel(QLayout *indhold)
{
    auto *p = new QFrame;
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    p->setLayout(indhold);
    indhold->setContentsMargins(6, 3, 6, 3);
    return p;
}

} // namespace

Tprogressform::Tprogressform(QWidget *parent)
    : QDialog(parent, motorvinduer::flag(false))
    , infoLabel(new QLabel)
    , oversigtLabel(new QLabel(QStringLiteral("Kopierings information")))
    , destEdit(new QLineEdit)
    , mappeLabel(new QLabel(QStringLiteral("Kildemapper")))
    , mappeListe(new QListWidget)
    , filBar(bar())
    , procentLabel(new QLabel(QStringLiteral("0%")))
    , resterendeLabel(new QLabel)
    , samletBar(bar())
    , scanBar(bar())
    , indlaesteLabel(new QLabel(QStringLiteral("0")))
    , StopKnap(new QPushButton(QStringLiteral("Stop")))
{
    setModal(false);
    resize(460, 430);

    destEdit->setReadOnly(true);
    mappeListe->setEnabled(false);
    QFont fed = oversigtLabel->font();
    fed.setBold(true);
    oversigtLabel->setFont(fed);

    StopKnap->setToolTip(
        QStringLiteral("Stop processen på eget ansvar.\nKopieringen er muligvist ikke gennemført."));
    connect(StopKnap, &QPushButton::clicked, this, [this] { stop(); });

    auto *destRaekke = new QHBoxLayout;
    destRaekke->addWidget(new QLabel(QStringLiteral("Destination")));
    destRaekke->addWidget(destEdit, 1);

    auto *rest = new QHBoxLayout;
    rest->addWidget(new QLabel(QStringLiteral(" Resterende elementer: ")));
    rest->addWidget(procentLabel);
    rest->addSpacing(12);
    rest->addWidget(resterendeLabel, 1);

    // The bottom panel: the folder scan with its status line, and "Stop".
    auto *status = new QHBoxLayout;
    status->addWidget(new QLabel(QStringLiteral(" Indlæste mapper")));
    status->addWidget(indlaesteLabel, 1);
    status->addWidget(StopKnap);
    auto *bund = new QVBoxLayout;
    scanBar->setFixedHeight(8);
    bund->addWidget(scanBar);
    bund->addLayout(status);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(infoLabel);
    layout->addWidget(oversigtLabel);
    layout->addLayout(destRaekke);
    layout->addWidget(mappeLabel);
    layout->addWidget(mappeListe, 1);
    layout->addWidget(filBar);
    layout->addWidget(panel(rest));
    layout->addWidget(samletBar);
    layout->addWidget(panel(bund));
}

void Tprogressform::visVindue()
{
    if (!isVisible())
        motorvinduer::centrer(this);
    show();
    raise();
}

void Tprogressform::showEvent(QShowEvent *event)
{
    nulstilStop();
    QDialog::showEvent(event);
}

void Tprogressform::luk()
{
    hide();
}

void Tprogressform::closeEvent(QCloseEvent *event)
{
    // Closing would not stop the copy; only "Stop" does, and the engine
    // closes the window when it is done.
    event->ignore();
}

void Tprogressform::reject()
{
    // Escape neither closes the window nor stops the copy.
}

void Tprogressform::setInformation(const QString &tekst)
{
    infoLabel->setText(tekst);
}

void Tprogressform::setDestination(const QString &tekst)
{
    destEdit->setText(tekst);
}

void Tprogressform::setMappeOverskrift(const QString &tekst)
{
    mappeLabel->setText(tekst);
}

void Tprogressform::rydMapper()
{
    mappeListe->clear();
}

void Tprogressform::tilfoejMappe(const QString &sti)
{
    auto *post = new QListWidgetItem(sti, mappeListe);
    post->setCheckState(Qt::Unchecked);
}

void Tprogressform::markerMappe(int raekke)
{
    if (QListWidgetItem *post = mappeListe->item(raekke))
        post->setCheckState(Qt::Checked);
}

void Tprogressform::setProcent(int procent)
{
    procentLabel->setText(QString::number(procent) + QLatin1Char('%'));
}

void Tprogressform::setResterende(const QString &tekst)
{
    resterendeLabel->setText(tekst);
}

void Tprogressform::setBar(int procent)
{
    samletBar->setValue(qBound(0, procent, 100));
}

void Tprogressform::setCaption(const QString &tekst)
{
    setWindowTitle(tekst);
}

void Tprogressform::setOversigt(const QString &tekst)
{
    oversigtLabel->setText(tekst);
}

void Tprogressform::setFilBar(int procent)
{
    filBar->setValue(qBound(0, procent, 100));
}

void Tprogressform::setScanBar(int position, int maksimum)
{
    scanBar->setRange(0, qMax(1, maksimum));
    scanBar->setValue(qBound(0, position, qMax(1, maksimum)));
}

void Tprogressform::setIndlaesteMapper(qint64 antal)
{
    indlaesteLabel->setText(dansk::heltal(antal));
}
