#pragma once

#include "core/datamapper.h"

#include <QString>

// The outcome of setting up the data folder tree at start-up.
struct DataMappeStart
{
    DataMapper mapper;     // every field filled, also when set-up failed
    bool skrivbar = false; // the user folder and its "Egenskaber" exist and
                           // can be written; when false, write no settings
    QString besked;        // one Danish message for the information box
                           // ("\r" between lines); empty when all went well
};

// Computes the data folder tree and creates what is missing. Engines and
// tests pass the data root, the shipped program folder and the user name, so
// nothing here depends on the real home folder.
class TDataMappe
{
public:
    // In this order: the fields; the user folder; "Dos" (the template copied
    // when missing); "Noter"; "Egenskaber" (the template copied when missing);
    // "Kalender", "Notater", "Mappestrukturer". An existing folder is never
    // refreshed from a template. A missing template gives an empty folder and
    // a message, once: the folder then exists on the next start. A folder that
    // cannot be made stops the set-up with a message and skrivbar false.
    // Temporary files that interrupted saves left in the tree's folders are
    // removed.
    static DataMappeStart CreateMapper(const QString &grundMappe, const QString &programmappe,
                                       const QString &brugernavn);

    // The same with the real data root, program folder and user name.
    static DataMappeStart CreateMapper();

    // The shortcut placement folder: `gemt` (from the settings file) when it
    // names an existing folder by an absolute path, else BrugerMappe +
    // "/Genveje", created if missing. No trailing "/".
    static QString PlaceringsMappe(const DataMapper &mapper, const QString &gemt);

    // The fields alone, without touching the disk.
    static DataMapper beregnFelter(const QString &grundMappe, const QString &programmappe,
                                   const QString &brugernavn);

    // Makes the paths of a shipped console-command list ("dosfiler.txt", two
    // lines per entry: caption, path) absolute in `dosMappe` and drops entries
    // whose description file is missing there. Paths that are already
    // absolute are kept as they are.
    static bool tilpasDosListe(const QString &listefil, const QString &dosMappe);
};
