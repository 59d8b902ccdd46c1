#pragma once

#include <QAbstractButton>

// An on/off switch that names its state: "Vist" when on, "Skjult" when off.
class TVippeknap : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TVippeknap(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    void opdaterTekst();
};
