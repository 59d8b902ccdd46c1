#pragma once

#include "platform/tekstfil.h"

#include <QList>
#include <QString>

// The user's notes: one text file per note in the notes folder, named by
// the note's title through filnavn::fraNavn() plus ".txt", so a title can
// hold any character ("/", "..", a leading ".") and its file still lies in
// the notes folder. The content is stored as lines, CR LF, UTF-8.
class TNotater
{
public:
    struct Notat
    {
        QString titel;     // what the list shows
        QString filnavn;   // the file's name in the folder, ".txt" included
    };

    // `notatMappe` ends in "/".
    explicit TNotater(QString notatMappe);

    QString mappe() const { return m_mappe; }

    // The notes of the folder in the order the file system lists them.
    // False when the folder could not be read through; `ud` then holds the
    // notes read before the error.
    bool list(QList<Notat> &ud) const;

    // The file of a note with this title; empty for an empty title.
    QString sti(const QString &titel) const;
    // The file of a listed note.
    QString stiForFil(const QString &filnavn) const { return m_mappe + filnavn; }

    static bool findes(const QString &sti);

    // False for a path whose name is not valid UTF-8 (the title of a note
    // some other program named so): such a note can be read but is saved
    // under another title.
    static bool kanGemmes(const QString &sti);

    // The note's text; false when the file is not there or not readable
    // (a file in the way that is not ours has been told to the user).
    static bool hent(const QString &sti, QString &tekst);

    // Writes the text atomically: the old note stays whole unless the new
    // one was written completely. The folder is made when it is missing.
    tekstfil::Skrivning gem(const QString &sti, const QString &tekst) const;

private:
    QString m_mappe;
};
