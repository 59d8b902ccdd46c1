#pragma once

#include <Qt>

class QWidget;

// What the file engines' four question and progress windows share: they
// stay above other windows and open centred over the main window, kept on
// its screen.
namespace motorvinduer {

Qt::WindowFlags flag(bool medLukkeknap);

// Centres `vindue` over its parent's top-level window (over the screen when
// it has none) before it is shown.
void centrer(QWidget *vindue);

} // namespace motorvinduer
