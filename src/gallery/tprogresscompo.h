#pragma once

#include "engines/galleri/skakt.h"

#include <QColor>
#include <QWidget>

class TRammeGrundX;

// The stepped progress bar: a bar of `ColorStep` on the background colour
// that moves only at whole steps of `Trin`, horizontal or growing upwards,
// with an optional outer frame.
class TProgressCompo : public QWidget
{
    Q_OBJECT

public:
    explicit TProgressCompo(QWidget *parent = nullptr);

    void setPosition(int v);
    int Position() const { return m_bar.Position(); }
    int StepPos() const { return m_bar.StepPos(); }
    void setMin(int v);
    void setMax(int v);
    void setTrin(int v);
    void setOpfrisk(bool til) { m_bar.Opfrisk = til; }
    void setLodret(bool lodret);
    void setColorStep(const QColor &c);
    void setBaggrund(const QColor &c);
    QColor ColorStep() const { return m_colorStep; }
    QColor baggrund() const { return m_baggrund; }
    // An outer frame, held, never owned; null for none.
    void setRammeYdre(TRammeGrundX *ramme);

    // The content rectangle the bar is drawn in.
    QRect CompoRekt() const;
    // The bar's rectangle as it is drawn now; empty for none.
    QRect bjaelke() const;

signals:
    // After the bar was drawn anew: the position in percent.
    void OnProgress(int procent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    skakt::Trinbar m_bar;
    QColor m_colorStep;
    QColor m_baggrund;
    bool m_lodret = false;
    TRammeGrundX *m_ramme = nullptr;
};
