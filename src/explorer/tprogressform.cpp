#include "explorer/tprogressform.h"

#include "core/dansk.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

Tprogressform::Tprogressform(QWidget *parent)
    : Fremdriftsvindue(parent, QStringLiteral("Kildemapper"))
    , oversigtLabel(new QLabel(QStringLiteral("Kopierings information")))
    , destEdit(new QLineEdit)
    , filBar(lavBar())
    , scanBar(lavBar())
    , indlaesteLabel(new QLabel(QStringLiteral("0")))
    , StopKnap(new QPushButton(QStringLiteral("Stop")))
{
    resize(460, 430);

    destEdit->setReadOnly(true);
    QFont fed = oversigtLabel->font();
    fed.setBold(true);
    oversigtLabel->setFont(fed);

    StopKnap->setToolTip(
        QStringLiteral("Stop processen på eget ansvar.\nKopieringen er muligvist ikke gennemført."));
    connect(StopKnap, &QPushButton::clicked, this, [this] { stop(); });

    auto *destRaekke = new QHBoxLayout;
    destRaekke->addWidget(new QLabel(QStringLiteral("Destination")));
    destRaekke->addWidget(destEdit, 1);

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
    layout->addWidget(resterendePanel());
    layout->addWidget(bar);
    layout->addWidget(panel(bund));
}

void Tprogressform::showEvent(QShowEvent *event)
{
    nulstilStop();
    QDialog::showEvent(event);
}

void Tprogressform::setDestination(const QString &tekst)
{
    destEdit->setText(tekst);
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
