#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The arithmetic of the scroll shaft and the stepped progress bar: where
// the buttons, the track and the knob lie, which position a drag reaches,
// the arrows, and when the bar must be drawn again. Rectangles are
// inclusive: right() and bottom() belong to them.
namespace skakt {

// The three rectangles of a control of width w and height h: the whole
// control, and the part inside an outer frame of `ramme` rings and the
// given spacings (left, top, right, bottom). Without a frame (`ramme` < 0)
// the content is the whole control.
struct Rektangler
{
    QRect GrundRekt;
    QRect IndreRekt;
    QRect CompoRekt;
};
Rektangler beregnRektangler(int w, int h, int ramme, int afstandV = 0, int afstandO = 0, int afstandH = 0,
                            int afstandN = 0);

struct Indstilling
{
    int PosMin = 0;
    int PosMax = 10;
    int PosVisible = 11;
    int PosKnapMin = 4;
    bool PosKnapDim = false;   // the knob is always PosKnapMin long
    bool lodret = true;
};

struct Geometri
{
    QRect DecR;            // the decrement button
    QRect IncR;            // the increment button
    QRect RulRekt;         // the track between them
    int KnapH = 0;         // the knob's length
    int IntervalDim = 0;   // the track's length less the knob
    double Interval = 0;   // pixels per position
    bool lodret = true;
    int PosMin = 0;
    int PosMax = 0;

    // The knob at position p (limited to PosMin … PosMax).
    QRect PosR(int p) const;
    // The position a drag reaches: `start` plus the pointer's way along the
    // shaft in whole positions, limited to PosMin … PosMax. Without an
    // interval the position stays.
    int traekPosition(int start, const QPoint &tryk, const QPoint &nu) const;
};

// `indre` insets the track for an inner frame (its width plus its spacing,
// across and along the shaft); 0 for none.
Geometri BeregnSkakt(const QRect &CompoRekt, const Indstilling &s, int indreTvaers = 0, int indreLangs = 0);

// The filled triangle of a button's arrow: base first, then the tip.
// `inc` is the increment button; a pressed button has a margin one larger.
QList<QPoint> MakeMark(const QRect &knap, bool inc, bool lodret, int margen, bool nede);

// Rounding to the nearest integer, halves to even.
int afrund(double v);

// The stepped progress bar's state: the bar is drawn only at whole steps
// of `Trin`, and cleared first when it shrinks (or grows, with `Opfrisk`).
class Trinbar
{
public:
    enum class Handling { Intet, Tegn, RydOgTegn };

    int Min = 0;
    int Max = 100;
    int Trin = 5;
    bool Opfrisk = true;

    int Position() const { return m_position; }
    int StepPos() const { return m_stepPos; }

    // Sets the position; says whether (and how) the bar is drawn again.
    Handling setPosition(int v);
    // The drawn bar along a content rectangle from `fra` to `til`: its
    // length in pixels.
    int laengde(int fra, int til) const;
    // What the bar reports after it is drawn: the position in percent.
    int procent() const;
    // After the first paint a repeated position does nothing.
    void malet() { m_malet = true; }

private:
    int m_position = 0;
    int m_stepPos = 0;
    bool m_malet = false;
};

} // namespace skakt
