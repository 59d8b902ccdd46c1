#pragma once

#include <QString>

// Removing elements permanently, the careful way: a walk never follows a
// link (the link itself goes) and never enters another mounted volume, so
// removing a folder can only ever remove what lies inside it.
namespace fjernelse {

// Removes the file, link or folder `sti` with everything inside it. False
// when anything could not be removed (what could not stays).
bool fjernTrae(const QString &sti);

// Removes a file or link. False when it could not.
bool fjernFil(const QString &sti);

// Removes an empty folder. False when it is not empty or cannot go.
bool fjernTomMappe(const QString &sti);

} // namespace fjernelse
