#include "app/tinfform.h"

#include <QPushButton>

namespace {
// The OK button spans the button row but for this much at each side.
constexpr int OKIndrykning = 100;
}

Tinfform::Tinfform(QWidget *parent)
    : TBeskedform(QStringLiteral("Information"), QStyle::SP_MessageBoxInformation, parent)
    , Label1(tekstLabel())
    , OKKnap(new QPushButton(QStringLiteral("OK"), this))
{
    Label1->setObjectName(QStringLiteral("Label1"));
    OKKnap->setObjectName(QStringLiteral("OKKnap"));
    OKKnap->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, this));
    OKKnap->setDefault(true);
    connect(OKKnap, &QPushButton::clicked, this, &QDialog::accept);
}

void Tinfform::placerKontroller(int knapY)
{
    OKKnap->setGeometry(OKIndrykning, knapY, Bredde - 2 * OKIndrykning, KnapHoejde);
    OKKnap->setFocus();
}
