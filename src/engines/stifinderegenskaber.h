#pragma once

#include "platform/indstillingsfil.h"

#include <QString>
#include <QStringList>

// The settings file of one explorer window, "Stifinder N.txt": 24 values,
// one per line, in a fixed order. A default-constructed value holds what a
// window starts with when it has no file: the values defaultOpt() resets and
// the initial state of every other control.
struct StifinderEgenskaber
{
    QString Mappenavn = QStringLiteral("/");      //  1 current folder (the system drive when none)
    QString Filnavn;                              //  2 current file
    int mappeBredde = 300;                        //  3 folder tree width in pixels
    bool startPrivat = false;                     //  4 "Start op med privatmapper øverst i mappestrukturen"
    int programOpstart = 0;                       //  5 "Program opstart" 0-2
    bool visSkjulte = false;                      //  6 "Vis skjulte filer og mapper"
    int strukturVisning = 1;                      //  7 "Mappestuktur", "Filstruktur"
    int side = 0;                                 //  8 active side-book page 0-5
    int favoritSide = 0;                          //  9 "Mapper", "Filer"
    int saetIndSlet = 0;                          // 10 "Spørg altid", "Kun før Slet", "Spørg aldrig"
    int saetInd = 3;                              // 11 "Overskriv ikke", "Overskriv", "Opret kopi", "Spørg"
    bool dragDrop = true;                         // 12 "Anvend Drag-Drop-kopiering"
    bool autoOpdater = true;                      // 13 "Auto-opdater efter sæt ind"
    bool visKlipbord = false;                     // 14 "Vis Klipbord"
    bool rydLister = true;                        // 15 "Ryd kopieringslister"
    bool lukProgress = true;                      // 16 "Luk progressbokse"
    bool gaaTilIndstillinger = true;              // 17 "Gå til indstillinger"
    int fanePlacering = 0;                        // 18 "Venstre", "Top", "Højre"
    bool alleMarkerknapper = false;               // 19 "Vis alle markerknapper"
    int redskabPlacering = 0;                     // 20 "Oppe", "Nede", "Ude"
    bool visKendte = true;                        // 21 page "Kendte mapper"
    bool visFavoritter = true;                    // 22 page "Favoritter"
    bool visFilnavne = true;                      // 23 page "Fil og mappenavne"
    bool visBesoegte = true;                      // 24 page "Besøgte mapper"

    static constexpr int antalLinjer = 24;
    static constexpr qint64 maxFilstoerrelse = indstillingsfil::maxFilstoerrelse;
    using Udfald = indstillingsfil::Udfald;

    // Resets the values with a plain default (lines 1-6 and 19) and nothing else.
    void defaultOpt();

    // Applies the lines in order. A line that is not a number stops the
    // reading: the lines before it keep their values, then defaultOpt() runs.
    // A number outside its field's range is brought within it, so a damaged
    // file cannot hide the folder tree or choose an option that is not there.
    Udfald anvendLinjer(const QStringList &linjer);

    QStringList tilLinjer() const;

    // Reads the file on top of the current values. A saved folder that no
    // longer exists becomes the system drive, a saved file that no longer
    // exists becomes empty.
    Udfald HentOpt(const QString &filnavn);
    // False when the write failed, which the caller reports; a file that may
    // not be written over was reported when that was found and counts as done.
    bool GemOpt(const QString &filnavn) const;

    bool operator==(const StifinderEgenskaber &) const = default;
};
