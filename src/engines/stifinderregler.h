#pragma once

#include "engines/strukturrec.h"

#include <QString>
#include <QStringList>

#include <optional>

// The explorer window's rules as pure functions of a snapshot of its state:
// the enable rules of its commands, which context menu a tree shows, the
// pieces of the path box and the walk through the visited folders.
namespace stifinderregler {

struct Tilstand
{
    Trae aktivTrae = Trae::Ingen;
    bool valgt = false;           // the active tree has a selected node
    int art = -1;                 // node kind at the last navigation (-1 before the first)
    bool fri = true;              // no time-consuming function runs in this window
    bool bloker = false;          // the blocking update method is on
    int poster = 0;               // checked entries of the copy lists
    bool harMappe = false;        // the engine has a current folder
    bool harFil = false;          // the engine has a current file
    bool mappetraeValgt = false;  // the folder tree has a selection
    int filNoder = 0;             // rows of the file tree
    int filValgte = 0;            // selected rows of the file tree
    bool favChanged = false;      // navigated since the last favourite insertion
    bool favoritsideVist = true;
    bool harAktivtProgram = false;
    bool hjemmelavetStruktur = false;  // the frame remembers a homemade structure
    bool strukturKnapper = true;  // save/load are open until the next selection change
    int historieLinje = -1;       // selected line of the visited folders
    int historieAntal = 0;
};

// The explorer window's commands, in toolbar order. The window's command
// table holds one row for each.
enum class Kommando {
    ActionUpd, AnnullerKopiering, Cut, Copy, Paste, DeleteToPapirkurv, DeletePermanent, Rename2, Rename,
    RenameExt, NyMappe, aOpretTekstfil, Info, insertFilSFWS, Rens, aEmptyRB,
    Action1, Action2, Action3, Action4, Action5, Action6, Action7, Action8, Action10, Action11, Action12,
    Action13,
    Fokus, KunDrev, OpdaterKunEn, OpdaterAlle, aMedtagPrivat, UdfoldStruktur, SammenfoldStruktur, strukturKnap,
    reloadKnap, aReloadStruktur, deselectAll,
    Fokus2, indstilMappestruktur, drevKnap, opdater2, aSelectButton, selectAlleElementer, deselectElementer,
    inverterSelection, aRun, aProgram, aRediger, aHTMLbutton, aHTMLmusikliste, aHTMLfilmliste, aHTMLbilledliste,
    aShowPic,
    aInsertFavoritmappe, gemStruktur, hentStruktur, bestemFremvisning, aTopPanel, opdaterFunktioner,
    Tilbage, Frem,
};
inline constexpr int AntalKommandoer = int(Kommando::Frem) + 1;

// An enable rule: the enabled state of a command; nullopt leaves it as it
// is (a rule given only for the two trees says nothing while neither is
// active).
using Svar = std::optional<bool>;
using Regel = Svar (*)(const Tilstand &t);

// The rules the command table names. The seven marked "blocking" allow a
// command during a running function only while the update method does not
// block.
namespace regel {
Svar altid(const Tilstand &t);
Svar annullerKopiering(const Tilstand &t);
Svar klip(const Tilstand &t);
Svar kopier(const Tilstand &t);
Svar saetInd(const Tilstand &t);
Svar markeretElement(const Tilstand &t);      // blocking
Svar omdoebFiltype(const Tilstand &t);
Svar nytElement(const Tilstand &t);           // blocking
Svar egenskaber(const Tilstand &t);           // blocking
Svar fil(const Tilstand &t);
Svar aktuelMappe(const Tilstand &t);
Svar hjemmelavetStruktur(const Tilstand &t);
Svar fravaelgMapper(const Tilstand &t);
Svar filtraeAktivt(const Tilstand &t);
Svar markerAlle(const Tilstand &t);
Svar fravaelgElementer(const Tilstand &t);
Svar inverter(const Tilstand &t);
Svar aktivtProgram(const Tilstand &t);
Svar aktuelFil(const Tilstand &t);
Svar favorit(const Tilstand &t);
Svar strukturKnapper(const Tilstand &t);
Svar tilbageFrem(const Tilstand &t);
} // namespace regel

enum class Kontekstmenu { Ingen, Element, Privat, Drev };

// A right click in the folder tree, by the active tree and the kind of its
// selected node; the file tree likewise.
Kontekstmenu mappetraeMenu(Trae aktivTrae, int art);
Kontekstmenu filtraeMenu(Trae aktivTrae, int art);

// The path of path-box piece `index`: the first piece (a drive), followed
// by each further piece up to and including `index`.
QString getStien(const QStringList &stiArray, int index);

// Back and forward through the visited folders, wrapping at the ends.
bool kanTilbageFrem(int linje, int antal);
int tilbage(int linje, int antal);
int frem(int linje, int antal);

// The favourite caption of a folder: its last name; a drive is named
// "Drev " + the drive.
QString favoritmappeCaption(const QString &sti, const QStringList &drev);

} // namespace stifinderregler
