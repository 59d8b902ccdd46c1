#pragma once

#include <QString>

// Hand-overs to the desktop the program runs on.
namespace skrivebord {

enum class Aabning {
    Filhaandtering,   // asked the desktop's file manager over D-Bus
    XdgOpen,          // started "xdg-open <mappe>" detached
    Mislykket         // neither could be started
};

// Shows a folder in the desktop's own file manager without waiting for it:
// org.freedesktop.FileManager1.ShowFolders when that service is on the
// session bus or can be activated there, else "xdg-open" with the folder as
// its one argument (never through a shell). A D-Bus call that fails later
// still falls back to "xdg-open".
Aabning aabnMappe(const QString &mappe);

} // namespace skrivebord
