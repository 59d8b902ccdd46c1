#pragma once

#include "app/tbeskedform.h"
#include "app/tbeskedlabel.h"

class QCheckBox;
class QPushButton;

// The question box "Spørgsmål": a question, "Nej" and "Ja", and the check box
// "Gør det samme med alle", which stays hidden unless a caller shows it and
// keeps whatever visibility its last caller gave it. "Ja" accepts the window;
// "Nej", Escape and the close box reject it.
class Tspform : public TBeskedform
{
    Q_OBJECT

public:
    // The check box's row, added to the height when it is shown.
    static constexpr int AlleCheckHoejde = 23;

    explicit Tspform(QWidget *parent = nullptr);

    TBeskedLabel *const textLabel;
    QCheckBox *const alleCheck;
    QPushButton *const NejKnap;
    QPushButton *const JaKnap;

protected:
    int ekstraHoejde() const override;
    void foerVisning() override;
    void placerKontroller(int knapY) override;
};
