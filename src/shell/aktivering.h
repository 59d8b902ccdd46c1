#pragma once

#include <functional>

class QEvent;
class QWidget;

// A child window is activated by the window system while it stands free, and
// through its sub-window while it sits in the frame. Called from a window's
// event(), this runs `aktiveret` each time the window becomes active, either way.
void foelgAktivering(QWidget *vindue, QEvent *e, const std::function<void()> &aktiveret);

// Closes a tool window: inside the frame its sub-window closes with it, so no
// empty frame window is left behind.
void lukVindue(QWidget *vindue);
