#pragma once

#include <QStringList>

#include <functional>

// Counts folders, files and bytes under a set of folders and files. It only
// looks at what the folder listings and the file system report: no file is
// opened, links to folders are counted as entries and never followed, and
// unreadable folders are skipped but make the result incomplete. A folder
// that is another mounted volume is counted as a folder but not entered
// (unless the caller asks for it) and is named in the result; it is known
// by what the kernel says of it, not by its path. Safe to run
// on a worker thread: it touches nothing but its arguments.
namespace stoerrelsesberegning {

struct Resultat
{
    qint64 totalSize = 0;
    qint64 antalFiler = 0;
    qint64 antalMapper = 0;
    bool ok = true;            // false: a folder could not be opened or a file has vanished
    bool fuldstaendig = true;  // false: some folder inside could not be read
    QStringList monteringer;   // folders inside that are other mounted volumes
};

// Called after each subfolder found, so a walk on the user-interface thread
// can show its progress and keep the program alive.
using VedMappe = std::function<void(const Resultat &r)>;

// Adds the contents of one folder (not the folder itself) to `r`. False when
// the folder itself could not be opened. With `overMonteringer` the walk
// also counts what other volumes mounted inside hold (a copy copies that).
bool laegMappeTil(const QString &mappe, Resultat &r, const VedMappe &vedMappe = {}, bool overMonteringer = false);

// The size of a file as the file system reports it, at least 1; -1 when it
// does not exist.
qint64 filStoerrelse(const QString &sti);

// The folders (each counted, with everything below it) and files together.
Resultat beregn(const QStringList &mapper, const QStringList &filer);

} // namespace stoerrelsesberegning
