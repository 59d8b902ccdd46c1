#pragma once

#include "app/tbeskedform.h"
#include "app/tbeskedlabel.h"

class QPushButton;

// The information box "Information": a text and one OK button.
class Tinfform : public TBeskedform
{
    Q_OBJECT

public:
    explicit Tinfform(QWidget *parent = nullptr);

    TBeskedLabel *const Label1;
    QPushButton *const OKKnap;

protected:
    void placerKontroller(int knapY) override;
};
