#include "app/tspform.h"

#include <QCheckBox>
#include <QPushButton>

namespace {
constexpr int KnapBredde = 75;
constexpr int KnapMellemrum = 15;
}

Tspform::Tspform(QWidget *parent)
    : TBeskedform(QStringLiteral("Spørgsmål"), QStyle::SP_MessageBoxQuestion, parent)
    , textLabel(tekstLabel())
    , alleCheck(new QCheckBox(QStringLiteral("Gør det samme med alle"), this))
    , NejKnap(new QPushButton(QStringLiteral("Nej"), this))
    , JaKnap(new QPushButton(QStringLiteral("Ja"), this))
{
    textLabel->setObjectName(QStringLiteral("textLabel"));
    alleCheck->setObjectName(QStringLiteral("alleCheck"));
    NejKnap->setObjectName(QStringLiteral("NejKnap"));
    JaKnap->setObjectName(QStringLiteral("JaKnap"));
    alleCheck->hide();
    JaKnap->setDefault(true);
    setTabOrder(JaKnap, NejKnap);
    setTabOrder(NejKnap, alleCheck);
    connect(JaKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(NejKnap, &QPushButton::clicked, this, &QDialog::reject);
}

int Tspform::ekstraHoejde() const
{
    // isHidden, not isVisible: the window itself is still hidden here.
    return alleCheck->isHidden() ? 0 : AlleCheckHoejde;
}

void Tspform::foerVisning()
{
    alleCheck->setChecked(false);
}

void Tspform::placerKontroller(int knapY)
{
    alleCheck->setGeometry(Sidemargen, knapY - KnapHoejde, TekstBredde,
                           alleCheck->sizeHint().height());
    const int venstre = (Bredde - 2 * KnapBredde - KnapMellemrum) / 2;
    NejKnap->setGeometry(venstre, knapY, KnapBredde, KnapHoejde);
    JaKnap->setGeometry(venstre + KnapBredde + KnapMellemrum, knapY, KnapBredde, KnapHoejde);
    // "Ja" takes the focus on every show, whichever button had it last.
    JaKnap->setDefault(true);
    JaKnap->setFocus();
}
