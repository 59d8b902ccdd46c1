#include "explorer/tdeleteform.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

Tdeleteform::Tdeleteform(QWidget *parent)
    : Fremdriftsvindue(parent, QStringLiteral("Følgende mapper slettes"))
    , destLabel(new QLabel(QStringLiteral("Der slettes til papirkurv / Sletningen er permanent")))
{
    setWindowTitle(QStringLiteral("Sletter mapper og filer"));
    resize(420, 330);

    QFont fed = destLabel->font();
    fed.setBold(true);
    destLabel->setFont(fed);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(infoLabel);
    layout->addWidget(destLabel);
    layout->addWidget(mappeLabel);
    layout->addWidget(mappeListe, 1);
    layout->addWidget(resterendePanel());
    layout->addWidget(bar);
}

void Tdeleteform::setDestination(const QString &tekst)
{
    destLabel->setText(tekst);
}
