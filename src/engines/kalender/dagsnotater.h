#pragma once

#include <QDate>
#include <QString>

class Dialogs;

// The notes of the calendar's days: one plain text file per day in the notes
// folder, named by the day's date text. Notes are the user's own data: they
// are written atomically, and every failure is told in the information box
// with the file's name.
namespace dagsnotater {

// The note file of a day: `notatMappe` + "/" + dd-MM-yyyy + ".txt".
QString notatfil(const QString &notatMappe, const QDate &dato);

enum class Status { Ok, Mangler, Fejl };

struct Notat
{
    Status status = Status::Mangler;
    QString tekst;   // the lines joined by "\n"; empty unless status is Ok
};

// Reads a note. A missing file is Mangler; a file that exists but cannot be
// read (no permission, not a regular file) is Fejl and is told.
Notat hent(const QString &fil, Dialogs &dialogs);

// Writes the text as the note's lines, creating the notes folder when it is
// missing. The old note stays intact unless the new one was written whole.
bool gem(const QString &fil, const QString &tekst, Dialogs &dialogs);

// Deletes the note file (never a folder of that name, never through a link
// to its target). True when it is gone, also when it was not there.
bool slet(const QString &fil, Dialogs &dialogs);

} // namespace dagsnotater
