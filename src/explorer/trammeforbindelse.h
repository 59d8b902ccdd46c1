#pragma once

#include <QFont>
#include <QString>

class Dialogs;
class QMenu;

// The frame's shared choices as an explorer window reads them. The frame
// fills one of these whenever it is asked; nothing here is cached by the
// window beyond the moment it applies it.
struct RammeValg
{
    int processCount = 0;             // time-consuming functions running in the whole program
    bool blokerFunktioner = false;    // "Bloker funktioner"
    bool informer = true;             // "Informer"
    bool informerViaBeskedcenter = false;   // "Informer via besked-centeret"
    bool visHints = false;            // "Vis hints"
    bool strukturLinjer = false;      // "Mappestruktur med linjer"
    int bogfaner = 2;                 // tab look: 0 "Fladknapper", 1 "Knapper", 2 "Tabs"
    QFont skrift;                     // the font chosen for all windows
    bool vistoppanel = true;          // the function bar of every explorer window
    bool foersteKoersel = false;      // the program runs for the first time
    bool harAktivtProgram = false;    // a program is chosen for "Program"
    bool hjemmelavetStruktur = false; // a homemade structure was run (F3 can repeat it)
    int visStrukturerSom = 0;         // "Vis strukturer som": 0 level, 1 point structure
    bool dataSkrivbar = true;         // the data folder tree takes the settings files
    int maxElementer = 120;           // the find page's maximum number of results
    QString placeringsMappe;          // the shortcut maker's fixed placement folder
};

// Everything an explorer window needs of the frame that hosts it. The frame
// implements it; tests use a recording fake. The window never reaches the
// main window any other way.
class TRammeForbindelse
{
public:
    virtual ~TRammeForbindelse() = default;

    // The settings folder (with its trailing "/") and the user's name.
    virtual QString optMappe() const = 0;
    virtual QString brugernavn() const = 0;
    virtual Dialogs &dialogs() = 0;
    virtual RammeValg valg() const = 0;

    // Running functions: the program-wide count of time-consuming functions.
    // Asked on every key in a tree, so a frame can answer it without
    // gathering all of valg().
    virtual int processCount() const { return valg().processCount; }
    virtual void aendrProcessCount(int delta) = 0;
    // The frame re-evaluates its own commands (its close command above all).
    virtual void opdaterKommandoer() = 0;

    // The frame's path field: the window writes the current element and
    // reads back what the field shows.
    virtual void skrivSti(const QString &sti) = 0;
    virtual QString editSti() const = 0;

    virtual void UdskrivInfo(const QString &tekst) = 0;        // status line
    virtual void makeInfo(const QString &titel, const QString &tekst) = 0;   // notification
    virtual void InfoHelp(const QString &side) = 0;            // help page by file name

    // "Bloker funktioner" toggled by the window's "Opdater" command; the
    // frame then calls setActionUpdates on every explorer window.
    virtual void skiftBlokerFunktioner() = 0;
    // F7: the frame stores the choice and calls anvendFaellesValg on every
    // explorer window.
    virtual void skiftTopPanel() = 0;

    // Homemade folder structures: refill the menu, the menu itself (may be
    // null), the window that makes them, and running the last one again.
    virtual void loadMappeStruktur() = 0;
    virtual QMenu *strukturMenu() = 0;
    virtual void aabnStrukturskabeloner() = 0;
    virtual void CallOnClick() = 0;

    // Opens the frame's own settings on the sub-page with "Vis strukturer
    // som" (false) or with "Anvend samme klipbord" (true).
    virtual void visRammeIndstilling(bool klipbord) = 0;
};
