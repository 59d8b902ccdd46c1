#include "explorer/tdeleteform.h"

#include "explorer/motorvinduer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

Tdeleteform::Tdeleteform(QWidget *parent)
    : QDialog(parent, motorvinduer::flag(false))
    , infoLabel(new QLabel)
    , destLabel(new QLabel(QStringLiteral("Der slettes til papirkurv / Sletningen er permanent")))
    , mappeLabel(new QLabel(QStringLiteral("Følgende mapper slettes")))
    , mappeListe(new QListWidget)
    , procentLabel(new QLabel(QStringLiteral("0%")))
    , resterendeLabel(new QLabel)
    , bar(new QProgressBar)
{
    setWindowTitle(QStringLiteral("Sletter mapper og filer"));
    setModal(false);
    resize(420, 330);

    QFont fed = destLabel->font();
    fed.setBold(true);
    destLabel->setFont(fed);
    mappeListe->setEnabled(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(16);

    auto *rest = new QHBoxLayout;
    rest->setContentsMargins(6, 3, 6, 3);
    rest->addWidget(new QLabel(QStringLiteral(" Resterende elementer: ")));
    rest->addWidget(procentLabel);
    rest->addSpacing(12);
    rest->addWidget(resterendeLabel, 1);
    auto *restPanel = new QFrame;
    restPanel->setFrameShape(QFrame::StyledPanel);
    restPanel->setFrameShadow(QFrame::Sunken);
    restPanel->setLayout(rest);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(infoLabel);
    layout->addWidget(destLabel);
    layout->addWidget(mappeLabel);
    layout->addWidget(mappeListe, 1);
    layout->addWidget(restPanel);
    layout->addWidget(bar);
}

void Tdeleteform::visVindue()
{
    if (!isVisible())
        motorvinduer::centrer(this);
    show();
    raise();
}

void Tdeleteform::luk()
{
    hide();
}

void Tdeleteform::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void Tdeleteform::reject()
{
}

void Tdeleteform::setInformation(const QString &tekst)
{
    infoLabel->setText(tekst);
}

void Tdeleteform::setDestination(const QString &tekst)
{
    destLabel->setText(tekst);
}

void Tdeleteform::setMappeOverskrift(const QString &tekst)
{
    mappeLabel->setText(tekst);
}

void Tdeleteform::rydMapper()
{
    mappeListe->clear();
}

void Tdeleteform::tilfoejMappe(const QString &sti)
{
    auto *post = new QListWidgetItem(sti, mappeListe);
    post->setCheckState(Qt::Unchecked);
}

void Tdeleteform::markerMappe(int raekke)
{
    if (QListWidgetItem *post = mappeListe->item(raekke))
        post->setCheckState(Qt::Checked);
}

void Tdeleteform::setProcent(int procent)
{
    procentLabel->setText(QString::number(procent) + QLatin1Char('%'));
}

void Tdeleteform::setResterende(const QString &tekst)
{
    resterendeLabel->setText(tekst);
}

void Tdeleteform::setBar(int procent)
{
    bar->setValue(qBound(0, procent, 100));
}
