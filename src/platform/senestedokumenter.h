#pragma once

#include <QDateTime>
#include <QString>

// The desktop's list of recently used documents, shared by every program:
// "recently-used.xbel" in the user's data folder. Adding keeps every other
// program's entries; clearing empties the list for all of them. The file is
// always replaced whole and atomically, and never deleted (programs watch
// it), so a reader never sees half a file.
namespace senestedokumenter {

// $XDG_DATA_HOME/recently-used.xbel, else ~/.local/share/recently-used.xbel.
QString standardfil();

// Records `fil` as just used by this program. A list that cannot be read
// is started afresh rather than failing. False when it could not be written.
bool tilfoej(const QString &fil, const QString &listefil = standardfil(),
             const QDateTime &tid = QDateTime::currentDateTimeUtc());

// Empties the list. False when it could not be written.
bool rens(const QString &listefil = standardfil());

} // namespace senestedokumenter
