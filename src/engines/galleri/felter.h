#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The arithmetic of the picture grid: where its cells lie in a control of
// a given size, where a picture's thumbnail is drawn inside a cell, and
// where the focus and the first picture shown go when a key is pressed.
// Rectangles are inclusive: right() and bottom() belong to them.
namespace felter {

constexpr int Mellemrum = 2;      // between cells, both ways
constexpr int Rammebredde = 2;    // the cell frame's rings
constexpr int IndreMargen = 2;    // between frame and thumbnail

struct Layout
{
    int FeltBredde = 0;
    int FeltHojde = 0;
    int x0 = 0;
    int y0 = 0;
    QList<QRect> YR;   // outer rectangles, the frame is drawn on them
    QList<QRect> IR;   // inner rectangles, for hit tests and the thumbnail's origin

    // The thumbnail store's size, (W - 1) x (H - 1) with W and H the cell's
    // inside within the frame.
    QSize lagerStoerrelse() const;
    // The cell whose IR holds the point, among the first `antal`; -1 for none.
    int feltVed(const QPoint &p, int antal) const;
};

// The cells of a V x L grid in a control of the given size, centred.
Layout BeregnFelter(QSize kontrol, int V, int L);

// Where a picture of `billede` pixels is drawn in a cell whose inside is
// W x H: reduced (never enlarged) to the area within the margin, keeping its
// proportions, and centred. The rectangle's width and height are the drawn
// size; empty when nothing is drawn.
QRect BeregnR(QSize billede, int W, int H, int margen = IndreMargen);

// The state of the grid that the keys move: V x L cells, `AntalIalt`
// pictures, `StartNr` the picture in cell 0, `ANr` the focused cell (-1
// for none).
struct Gitter
{
    int V = 1;
    int L = 1;
    int AntalIalt = 0;
    int StartNr = 0;
    int ANr = -1;

    int Antal() const;          // cells in use
    int SlutNr() const { return StartNr + Antal() - 1; }
    int maxStart() const { return qMax(0, AntalIalt - Antal()); }

    enum class Tast { Hoejre, Venstre, Ned, Op, SideOp, SideNed, Hjem, Slut };

    // Moves the focus (and the page) for a key; false when the key does
    // nothing (no cell in use). A missing focused cell counts as cell 0.
    bool tast(Tast t);
    // Scrolls so that the picture `maal` (a list index) is on the page:
    // before it, it becomes the first cell; after it, the last one.
    void RegulerStartNr(int maal);
    // A new first picture, limited to the pictures there are.
    void setStartNr(int nr) { StartNr = qBound(0, nr, maxStart()); }
    // The picture of the focused cell; -1 for none.
    int fokusBillede() const;
};

} // namespace felter
