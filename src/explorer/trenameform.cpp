#include "explorer/trenameform.h"

#include "explorer/motorvinduer.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TOmdoebDialog::TOmdoebDialog(const QString &caption, const QString &gammelLabel, const QString &nyLabel,
                             QWidget *parent)
    : QDialog(parent, motorvinduer::flag(true))
    , mappeEdit(new QLineEdit)
    , oldEdit(new QLineEdit)
    , newEdit(new QLineEdit)
    , omdoebKnap(new QPushButton(QStringLiteral("Omdøb")))
    , annullerKnap(new QPushButton(QStringLiteral("Annuller")))
    , m_felter(new QGridLayout)
{
    setWindowTitle(caption);
    setModal(true);
    mappeEdit->setReadOnly(true);
    oldEdit->setReadOnly(true);
    mappeEdit->setObjectName(QStringLiteral("mappeEdit"));
    oldEdit->setObjectName(QStringLiteral("oldEdit"));
    newEdit->setObjectName(QStringLiteral("newEdit"));
    omdoebKnap->setStatusTip(QStringLiteral("Omdøb og luk boksen"));
    omdoebKnap->setToolTip(omdoebKnap->statusTip());
    annullerKnap->setStatusTip(QStringLiteral("Annuller og luk boksen"));
    annullerKnap->setToolTip(annullerKnap->statusTip());
    // Enter in the field only moves on; on a button it presses that button.
    omdoebKnap->setAutoDefault(true);
    annullerKnap->setAutoDefault(true);
    connect(omdoebKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::reject);
    for (QObject *o : {static_cast<QObject *>(newEdit), static_cast<QObject *>(omdoebKnap),
                       static_cast<QObject *>(annullerKnap)})
        o->installEventFilter(this);

    m_felter->addWidget(new QLabel(QStringLiteral("Mappe")), 0, 0);
    m_felter->addWidget(mappeEdit, 0, 1);
    m_felter->addWidget(new QLabel(gammelLabel), 1, 0);
    m_felter->addWidget(oldEdit, 1, 1);
    m_felter->addWidget(new QLabel(nyLabel), 2, 0);
    m_felter->addWidget(newEdit, 2, 1);
    auto *knapper = new QHBoxLayout;
    knapper->addStretch(1);
    knapper->addWidget(omdoebKnap);
    knapper->addWidget(annullerKnap);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_felter);
    layout->addStretch(1);
    layout->addLayout(knapper);
    resize(480, sizeHint().height());
}

bool TOmdoebDialog::vis(const QString &mappe, const QString &gammel, const QString &ny)
{
    mappeEdit->setText(mappe);
    oldEdit->setText(gammel);
    newEdit->setText(ny);
    motorvinduer::centrer(this);
    newEdit->setFocus();
    return exec() == QDialog::Accepted;
}

bool TOmdoebDialog::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == newEdit && e->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent *>(e)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            omdoebKnap->setFocus();
            return true;
        }
    } else if (e->type() == QEvent::Enter && objekt != newEdit) {
        emit hint(static_cast<QPushButton *>(objekt)->statusTip());
    }
    return QDialog::eventFilter(objekt, e);
}

TrenameForm::TrenameForm(QWidget *parent)
    : TOmdoebDialog(QStringLiteral("Omdøb"), QStringLiteral("Navn"), QStringLiteral("Nyt navn"), parent)
    , filtypeLabel(new QLabel)
{
    setObjectName(QStringLiteral("TrenameForm"));
    filtypeLabel->setObjectName(QStringLiteral("filtypeLabel"));
    filtypeLabel->setWordWrap(true);
    filtypeLabel->setVisible(false);
    felter()->addWidget(filtypeLabel, 3, 1);
}

void TrenameForm::setFiltype(const QString &ext)
{
    filtypeLabel->setText(QStringLiteral("Filtypen ") + ext
                          + QStringLiteral(" bevares: skriv det nye navn uden den."));
    filtypeLabel->setVisible(!ext.isEmpty());
}

TextForm::TextForm(QWidget *parent)
    : TOmdoebDialog(QStringLiteral("Omdøb filtype"), QStringLiteral("Filtype"), QStringLiteral("Ny filtype"), parent)
    , Check(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TextForm"));
    auto *boks = new QGroupBox;
    auto *valg = new QVBoxLayout(boks);
    const QStringList tekster = {QStringLiteral("Omdøb kun filer i denne mappe"),
                                 QStringLiteral("Omdøb filer i denne mappe samt alle undermapper")};
    for (int i = 0; i < tekster.size(); ++i) {
        auto *knap = new QRadioButton(tekster[i]);
        Check->addButton(knap, i);
        valg->addWidget(knap);
    }
    setCheckIndex(0);
    felter()->addWidget(boks, 3, 0, 1, 2);
    resize(480, sizeHint().height());
}

int TextForm::checkIndex() const
{
    return Check->checkedId();
}

void TextForm::setCheckIndex(int index)
{
    if (QAbstractButton *knap = Check->button(index))
        knap->setChecked(true);
}
