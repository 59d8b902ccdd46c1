#pragma once

#include <QString>

class Dialogs;

// The rules that invent a free name for a copy, a new folder or a renamed
// file. "Free" means no element of any kind has that name, so the name can
// be created without replacing anything.
namespace nyenavne {

// A free folder path for `aName`: a trailing marker word ("Kopi") with its
// number is stripped first, then " Kopi (1)", " Kopi (2)", … is tried.
QString getNewDirectoryName(const QString &aName, const QString &konstantS);

// The path for renaming `oldFilename` to `newName` (a bare name) in the same
// folder. A new extension is only taken when the user agrees to it through
// the question box; an existing name gets " (1)", " (2)", … before the
// extension.
QString getNewFilename(const QString &oldFilename, const QString &newName, const QString &suffix,
                       Dialogs *dialogs);

// The name a file renamed by dialog gets: the typed name followed by the
// file's own extension `ext`, unless the user typed that extension already
// (letter case of A–Z ignored), so "Ugeliste 2.txt" stays as typed.
QString medFiltype(const QString &skrevet, const QString &ext);

// A free file path for a copy of `aFilnavn`: "rapport Kopi (1).txt", … with
// a marker word and its number stripped from the name first.
QString getNewFilnavn(const QString &aFilnavn, const QString &konstantS);

} // namespace nyenavne
