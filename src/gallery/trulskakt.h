#pragma once

#include "engines/galleri/skakt.h"

#include <QColor>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

class TRammeFeltX;
class TRammeGrundX;
class TRammeIndreX;

// The scroll shaft: two square buttons with arrows at its ends and a knob
// on the track between them, drawn with frame painters it holds but does
// not own. Pressing a button moves by `Step` and repeats while held (first
// after TimerDelay, then every TimerInterval); dragging the knob moves by
// whole positions. A linked component gets every key.
class TRulskakt : public QWidget
{
    Q_OBJECT

public:
    enum Del { DecKnap = 0, IncKnap = 1, Knap = 2, Forladt = 3, FikFokus = 4, Flyttet = 5, Ingen = -1 };

    explicit TRulskakt(QWidget *parent = nullptr);

    int PosMin() const { return m_s.PosMin; }
    int PosMax() const { return m_s.PosMax; }
    int PosVisible() const { return m_s.PosVisible; }
    int Position() const { return m_position; }
    void setPosMin(int v);
    void setPosMax(int v);
    void setPosVisible(int v);
    // Sets the position and reports it, as a user's change does.
    void setPosition(int v);

    int Step = 1;
    int TimerDelay = 400;
    int TimerInterval = 100;
    bool MedMark = true;
    QColor MarkFarve = Qt::gray;
    int MarkMargen = 3;
    Qt::CursorShape CursorOver = Qt::PointingHandCursor;
    bool FocusOver = true;
    bool FocusInOut = true;
    bool NoOverFocus = false;
    void setLodret(bool lodret);
    void setPosKnapMin(int v);
    void setPosKnapDim(bool til);

    // The painters; the outer and inner frames may be null.
    void setRammer(TRammeGrundX *ydre, TRammeFeltX *knap, TRammeFeltX *pos, TRammeIndreX *indre = nullptr);

    // The linked component: it gets every key; with `CompoFunktion` a
    // user's change goes to `NytStartNr` instead of OnPosition.
    QWidget *Component = nullptr;
    bool CompoFunktion = false;
    std::function<void(int)> NytStartNr;

    // A new page size, maximum and position, without reporting.
    void NyePos(int visible, int maksimum, int position);
    // Moves the knob to n without reporting, when n differs and lies within
    // PosMin … PosMax.
    void NyPosition(int n);

    // The geometry as the next paint draws it.
    skakt::Geometri geometri() const;
    int tilstand(Del del) const { return del == DecKnap ? m_TilDec : m_TilInc; }
    bool gentager() const { return m_timer.isActive(); }
    int gentagelsesInterval() const { return m_timer.interval(); }

signals:
    void OnPosition(int position);
    void OnMusOver(int del);
    void OnMusNede(int del);
    void OnMusOp(int del);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Del delVed(const QPoint &p) const;
    void trin(int retning);
    void gentag();
    // Limits the position and, when it changed or `tving`, repaints and
    // (with `meld`) reports it.
    void MakeKnapPos(bool meld, bool tving = false);
    void tegnKnap(QPainter &p, const QRect &r, int tilstand, bool inc) const;

    skakt::Indstilling m_s;
    int m_position = 0;
    int m_tegnet = -1;      // the position last drawn
    int m_TilDec = 1;
    int m_TilInc = 1;
    Del m_trykket = Ingen;  // the part held down
    Del m_over = Ingen;     // the part under the pointer
    QPoint m_trykPunkt;
    int m_trykPosition = 0;
    QTimer m_timer;
    TRammeGrundX *m_ydre = nullptr;
    TRammeFeltX *m_rammeKnap = nullptr;
    TRammeFeltX *m_rammePos = nullptr;
    TRammeIndreX *m_indre = nullptr;
};
