#pragma once

#include <QString>

// The data folder tree, computed once at start-up and handed to every window
// and engine that reads or writes user data. Paths are built by plain
// concatenation, so whether a field ends in "/" is part of its contract and
// is noted on each field.
struct DataMapper
{
    QString Abrugernavn;          // the user name ("Brugernavn" when unknown)

    QString grundMappe;           // $HOME/Marvikel                     no trailing "/"
    QString programmappe;         // the shipped, read-only Program folder   no "/"
    QString appletsDir;           // programmappe + "/Window applets/"   trailing "/"
    QString infoDir;              // programmappe + "/Stifinder/tekstfiler/"  "/"
    QString strukturDir;          // programmappe + "/Stifinder"         no "/"
    QString scriptDir;            // programmappe + "/scripts/"          "/"
    QString ikonDir;              // programmappe + "/Ikoner/"           "/"

    QString BrugerMappe;          // grundMappe + "/" + Abrugernavn      no "/"
    QString dosMappe;             // BrugerMappe + "/Dos/"               "/"
    QString NotatMappe;           // BrugerMappe + "/Noter/"             "/"
    QString OptMappe;             // BrugerMappe + "/Egenskaber/"        "/"
    QString optFilnavn;           // OptMappe + "MainEgenskaber.txt"
    QString brugerKalenderMappe;  // BrugerMappe + "/Kalender"           no "/"
    QString brugerNotatMappe;     // BrugerMappe + "/Notater"            no "/"
    QString mappestrukturDir;     // BrugerMappe + "/Mappestrukturer/"   "/"
};
