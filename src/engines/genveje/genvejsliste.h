#pragma once

#include <QString>
#include <QStringList>

// The shortcuts of a folder: its desktop entries (".desktop" files), each
// known by its file name without the extension. The fixed placement folder
// of the shortcut maker and the explorer's shortcut panel list the same.
namespace genvejsliste {

inline constexpr char16_t endelse[] = u".desktop";

// The shortcut names of `mappe` in the order the folder lists them; folders
// and other files are left out. Empty when the folder cannot be read.
QStringList hent(const QString &mappe);

// The file of shortcut `navn` in `mappe`, one "/" between them.
QString fil(const QString &mappe, const QString &navn);

} // namespace genvejsliste
