#include "explorer/texistsform.h"

#include "explorer/motorvinduer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLineEdit *soegefelt()
{
    auto *felt = new QLineEdit;
    felt->setReadOnly(true);
    felt->setToolTip(QStringLiteral("Søgefelt"));
    return felt;
}

} // namespace

TExistsForm::TExistsForm(QWidget *parent)
    : QDialog(parent, motorvinduer::flag(true))
    , filEdit(soegefelt())
    , dirEdit(soegefelt())
    , resultBox(new QGroupBox(QStringLiteral("Handling")))
    , checkOverskriv(new QCheckBox(QStringLiteral("Overskriv dette element")))
    , OKKnap(new QPushButton(QStringLiteral("OK")))
    , m_valg(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Bestem handling"));
    motorvinduer::goerTilSpoergsmaal(this);
    setFixedHeight(Hoejde);
    setMinimumWidth(MinBredde);
    resize(MinBredde, Hoejde);

    // Two columns, filled top to bottom.
    auto *valgLayout = new QGridLayout(resultBox);
    const char *tekster[] = {"Overskriv ingen", "Overskriv alle", "Opret kopier", "Spørg hver gang"};
    for (int i = 0; i < 4; ++i) {
        auto *knap = new QRadioButton(QString::fromUtf8(tekster[i]));
        m_valg->addButton(knap, i);
        valgLayout->addWidget(knap, i % 2, i / 2);
    }
    m_valg->button(int(KonfliktHandling::SpoergHverGang))->setChecked(true);
    checkOverskriv->setChecked(true);
    connect(m_valg, &QButtonGroup::idToggled, this, [this](int, bool valgt) {
        if (valgt)
            foelgValget();
    });

    auto *spoergsmaal = new QLabel(
        QStringLiteral("Hvis der findes filer eller mapper med samme navn, hvad skal der så gøres?"));
    spoergsmaal->setWordWrap(true);

    OKKnap->setDefault(true);
    connect(OKKnap, &QPushButton::clicked, this, &QDialog::accept);
    auto *knapRaekke = new QHBoxLayout;
    knapRaekke->addWidget(checkOverskriv);
    knapRaekke->addStretch();
    knapRaekke->addWidget(OKKnap);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Filnavn")));
    layout->addWidget(filEdit);
    layout->addWidget(new QLabel(QStringLiteral("Mappenavn")));
    layout->addWidget(dirEdit);
    layout->addSpacing(4);
    layout->addWidget(spoergsmaal);
    layout->addWidget(resultBox);
    layout->addStretch();
    layout->addLayout(knapRaekke);
}

KonfliktHandling TExistsForm::itemIndex() const
{
    return konfliktHandlingFraTal(m_valg->checkedId());
}

void TExistsForm::setItemIndex(KonfliktHandling handling)
{
    m_valg->button(int(handling))->setChecked(true);
}

void TExistsForm::foelgValget()
{
    checkOverskriv->setChecked(overskrivDetteVed(itemIndex()));
}

void TExistsForm::showEvent(QShowEvent *event)
{
    foelgValget();
    QDialog::showEvent(event);
}

KonfliktSvar TExistsForm::askUser(const QString &filnavn, const QString &mappenavn)
{
    filEdit->setText(filnavn);
    dirEdit->setText(mappenavn);
    motorvinduer::centrer(this);
    exec();
    // The window has no "cancel": however it was closed, what it shows is
    // the answer.
    return {itemIndex(), checkOverskriv->isChecked()};
}
