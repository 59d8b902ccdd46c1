#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window may stand. Sizes and positions read from a settings file
// (or fixed defaults) are brought onto a screen before they are used: a
// window never asks for more than the screen's available area and never
// opens where the user cannot reach it.
//
// A window's stored geometry is its frame's top-left corner with its inner
// size, as QWidget::pos() and size() give them; the frame's own margins are
// what the window manager adds.
namespace skaermplacering {

// The available area of the screen a window with frame `ramme` belongs on:
// the screen holding the frame's centre, else its top-left corner, else the
// primary screen. Invalid when there is no screen at all.
QRect omraadeFor(const QRect &ramme);

// The frame margins `vindue` gets: its native window's once they are known,
// else an allowance for a title bar and borders.
QMargins rammeFor(const QWidget *vindue);

// The largest inner size a window with frame margins `ramme` can have in
// `omraade`.
QSize maksIndre(const QRect &omraade, const QMargins &ramme);

// `oensket` (frame corner and inner size) brought onto a screen: the size at
// most the area less the frame and at least `mindst` (as far as the area
// allows), the whole frame within the area.
QRect tilpas(const QRect &oensket, const QMargins &ramme, const QSize &mindst = QSize());

// tilpas() for a window, with its frame and its minimum size. Call it, and
// move the window, before its native window exists: Qt then takes the
// position as the frame's corner and lets the window manager place the
// frame there. A position given to a native window that exists but is not
// yet shown would place its inside there, with the title bar above it.
QRect tilpas(QWidget *vindue, const QRect &oensket);

// Moves and sizes `vindue` to tilpas(vindue, oensket): a free window's
// stored place, however the file was left, never hides the window.
void placer(QWidget *vindue, const QRect &oensket);

// The largest inner size `vindue` can have on the screen it stands on.
QSize maksIndre(const QWidget *vindue);

} // namespace skaermplacering
