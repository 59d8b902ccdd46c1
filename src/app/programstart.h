#pragma once

#include <functional>

class QApplication;
class Tmainform;

// The program's start after the application object exists: names, language
// and icons, the one-instance lock and its bridge, the main window shown and
// the event loop run until the program ends. `vist` is called once the main
// window is shown, before the loop starts (the start-up benchmark watches
// the window from there).
namespace programstart {

int koer(QApplication &app, const std::function<void(Tmainform &)> &vist = {});

} // namespace programstart
