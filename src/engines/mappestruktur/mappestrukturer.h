#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The saved folder structures on disk: one text file per structure in the
// structures folder, one folder path a line, in the structure's order. The
// structure's name is the file's name without ".txt", stored through the
// program's one rule for typed names (filnavn), so any name the user types,
// "/" and very long ones included, finds a file of its own.
namespace mappestrukturer {

struct Struktur
{
    QString navn;   // as the user sees it
    QString fil;    // the full path of its file
};

// Every structure of `mappe`, in name order; empty when the folder is missing.
QList<Struktur> liste(const QString &mappe);

// The name a typed text stands for: surrounding blanks and a trailing
// ".txt" (any letter case) removed. Empty when nothing is left.
QString navnAf(const QString &skrevet);

// The file of the structure named `navn` in `mappe` (which ends in "/").
QString filFor(const QString &mappe, const QString &navn);

// What could be read of a structure file. `sprunget` counts the lines that
// were left out: blank lines and lines that are no absolute path.
struct Indhold
{
    QStringList mapper;
    bool laest = false;   // false: the file is missing or could not be read
    int sprunget = 0;
};

// Reads a structure file: a byte-order mark, Windows-1252 bytes and CR LF
// or LF endings are all accepted. Folders that no longer exist are kept:
// they are part of the structure until the user removes them.
Indhold hent(const QString &fil);

} // namespace mappestrukturer
