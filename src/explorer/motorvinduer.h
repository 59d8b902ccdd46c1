#pragma once

#include <Qt>

class QWidget;

// What the file engines' four question and progress windows share: they
// stay above other windows and open centred over the main window, kept on
// its screen.
namespace motorvinduer {

Qt::WindowFlags flag(bool medLukkeknap);

// The progress windows: no close box, on top, and a window of their own
// rather than a dialog of the main window, so that window managers stack a
// question of the program above them (a dialog that belongs to no window is
// kept above all the program's windows, questions included).
Qt::WindowFlags fremdriftsflag();

// Centres `vindue` over its parent's top-level window (over the screen when
// it has none) before it is shown, no larger than the screen's available
// area allows.
void centrer(QWidget *vindue);

// A progress window stands apart from the main window's family of windows:
// the questions of the program are modal to that family only, so "Stop"
// can be pressed while a question waits for its answer (the operation,
// paused beneath the question, stops when the answer is given). Call before
// showing; the window keeps its owner.
void loesgoer(QWidget *vindue);

// The questions of the engines: modal to the main window's family of
// windows, which leaves the progress windows' "Stop" within reach.
void goerTilSpoergsmaal(QWidget *vindue);

} // namespace motorvinduer
