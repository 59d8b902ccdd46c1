#pragma once

#include "platform/indstillingsfil.h"

#include <QString>
#include <QStringList>

// The main window's settings file "MainEgenskaber.txt": 45 values, one per
// line, in a fixed order. This is the plain value; the window applies it to
// its controls after reading and collects it back from them before writing.
//
// A default-constructed value is what a first start uses: the fields that
// defaultOpt() resets hold its values, and every other field holds the
// initial state of its control.
struct MainEgenskaber
{
    QString designName = QStringLiteral("Sky");   //  0
    int top = 50;                                  //  1
    int left = 250;                                //  2
    int width = 1270;                              //  3
    int height = 870;                              //  4
    int maxElementer = 120;                        //  5
    int Fontbox = 1;                               //  6 "Lille", "Mellem", "Stor"
    bool trayCheck = false;                        //  7
    bool panelVist = true;                         //  8 left panel shown
    int FontnavnBox = 5;                           //  9 ... "Default"
    QString exeProgram;                            // 10
    int openInfo = 0;                              // 11 0 "Internt", 1 "Externt"
    int openGenveje = 0;                           // 12
    int openProgrammer = 0;                        // 13
    int openStrukturer = 0;                        // 14
    int openTekstfiler = 0;                        // 15
    int openBilleder = 0;                          // 16
    int openKalender = 0;                          // 17
    int OnClickIndex = -1;                         // 18
    QString OnClickCaption;                        // 19
    int FremFormCheck = 0;                         // 20 "Niveaustruktur", "Punktstruktur"
    int openWmi = 0;                               // 21
    int hovedSide = 0;                             // 22 page of the left panel
    int egenskabsSide = 0;                         // 23 sub-page of the settings page
    QString PlaceringsMappe;                       // 24
    int visProgrammer = 0;                         // 25
    int funktionsSide = 0;                         // 26 sub-page of the program functions page
    int GBoxV = 2;                                 // 27
    int GBoxL = 2;                                 // 28
    int colIndex = 0;                              // 29
    bool CheckStrukturLinjer = false;              // 30
    int TryedBefore = 0;                           // 31
    int Vistoppanel = 1;                           // 32
    int bogfanerBox = 2;                           // 33 "Fladknapper", "Knapper", "Tabs"
    int genvejsSide = 0;                           // 34 sub-page of the shortcut lists page
    bool sammeKlipbord = true;                     // 35
    bool minimerCheck = false;                     // 36
    bool sikkerhedsCheck = true;                   // 37
    bool blokerCheck = false;                      // 38
    bool tabVisCheck1 = true;                      // 39 page "Søg på nettet" shown
    bool tabVisCheck2 = true;                      // 40 page "Notater" shown
    bool tabVisCheck3 = false;                     // 41 page "Program genveje" shown
    bool tabVisCheck4 = false;                     // 42 page "Indhold" shown
    bool beskedCheck = false;                      // 43
    bool vhaFunkCheck = false;                     // 44

    static constexpr int antalLinjer = 45;

    static constexpr qint64 maxFilstoerrelse = indstillingsfil::maxFilstoerrelse;
    using Udfald = indstillingsfil::Udfald;

    // Resets the window's default fields (style, geometry, maxElementer, left
    // panel, exeProgram, OnClickIndex, GBoxV/GBoxL, PlaceringsMappe,
    // Vistoppanel, shortcut-lists sub-page, sammeKlipbord) and nothing else.
    void defaultOpt();

    // Applies the lines in order on top of the current values. A line that
    // does not convert stops the reading where it stands: the lines before it
    // keep their new values, then defaultOpt() runs. Integers are decimal;
    // booleans are any integer, 0 meaning false and every other number true;
    // the page switches (lines 39-42) are shown only for exactly 1.
    Udfald anvendLinjer(const QStringList &linjer);

    // The 45 lines, in file order. A text holding a line break cannot be
    // stored on one line and is written empty so the file keeps its shape.
    QStringList tilLinjer() const;

    // Reads the file on top of the current values (a default-constructed
    // value for a first start). Never fails: anything but a proper file
    // ends in defaultOpt().
    Udfald HentOpt(const QString &filnavn);

    // Writes the 45 lines atomically; false when the write failed, which the
    // caller reports. A file that may not be written over (it could not be
    // read, or it is not a regular file) is left alone and was reported when
    // that was found: true.
    bool GemOpt(const QString &filnavn) const;

    bool operator==(const MainEgenskaber &) const = default;
};
