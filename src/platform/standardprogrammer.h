#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Installed applications and the user's default application for a file
// type, by the freedesktop rules: desktop entries under
// $XDG_DATA_HOME/applications and $XDG_DATA_DIRS/applications, preferences
// in mimeapps.list (and <desktop>-mimeapps.list) under $XDG_CONFIG_HOME,
// $XDG_CONFIG_DIRS and those applications folders, then mimeinfo.cache.
namespace standardprogrammer {

// $XDG_DATA_HOME then $XDG_DATA_DIRS, with the XDG base-directory defaults.
QStringList datamapper();
// The "applications" folders of the data folders, most important first.
QStringList programmapper();

// Every installed desktop entry by its desktop-file ID ("org.x.App.desktop";
// a subfolder "kde/a.desktop" gives "kde-a.desktop"); the first found wins.
QHash<QString, QString> installerede();

// The path of the entry that opens files of `mimetype`: the type itself
// first, then the types it derives from. Hidden entries and entries that
// are not applications never count. Empty when none.
QString desktopfilFor(const QString &mimetype);

} // namespace standardprogrammer
