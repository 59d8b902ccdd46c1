// The explorer window's command table: one row per command with its
// caption, hint, keys, picture, enable rule and handler.

#include "engines/tklipbord.h"
#include "engines/tmappemodel.h"
#include "explorer/tegenskabskommandoer.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"

namespace stifinderkommandoer {

namespace {

using K = QKeySequence;
using F = Forudsaetning;
namespace r = stifinderregler::regel;
constexpr auto Ingen = QStyle::SP_CustomBase;

// The templates of "Ny fil": caption and the name of the file made.
constexpr char Tekstfil[] = "Tekstfil.txt";
constexpr char RichText[] = "RichText.rtf";
constexpr char Hjemmeside[] = "Hjemmeside.html";
constexpr char Asp[] = "ASP.asp";
constexpr char Include[] = "Includefile.inc";
constexpr char Asa[] = "ASA.asa";
constexpr char Css[] = "StyleSheet.css";
constexpr char Js[] = "JavaScript.js";
constexpr char Vbs[] = "VBscript.vbs";
constexpr char Wsf[] = "WindowsScriptFiles.wsf";
constexpr char Bat[] = "Batch.bat";
constexpr char Ps1[] = "PowerShell.ps1";

template <const char *Fil>
void nyFil(Twinform &w)
{
    w.elementKommandoer()->nyFil(QString::fromLatin1(Fil));
}

TStifinderNavigation &nav(Twinform &w)
{
    return *w.navigation();
}

// The work of a button that only opens its menu.
void menuKnap(Twinform &) {}

} // namespace

const QList<Raekke> &tabel()
{
    static const QList<Raekke> t = {
        {Kommando::ActionUpd, "ActionUpd", "Opdater", "Skift opdateringsmetode for funktionerne: Ctrl+Alt+O",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_O)}, "", Ingen, r::altid,
         [](Twinform &w) { w.ramme().skiftBlokerFunktioner(); }},
        {Kommando::AnnullerKopiering, "AnnullerKopiering", "", "Annuller kopiering: Ctrl+Z", {K(Qt::CTRL | Qt::Key_Z)},
         "edit-undo", QStyle::SP_DialogCancelButton, r::annullerKopiering,
         [](Twinform &w) { w.klipbordsKommandoer()->klipbord()->annullerAlle(); }},
        {Kommando::Cut, "Cut", "Klip", "Klipper til sletning efter Sæt ind: Ctrl+X", {K(Qt::CTRL | Qt::Key_X)},
         "edit-cut", QStyle::SP_DialogDiscardButton, r::klip,
         [](Twinform &w) { w.klipbordsKommandoer()->kopier(true); }},
        {Kommando::Copy, "Copy", "Kopier", "Indsæt i kopieringslisten: Ctrl+C eller Insert",
         {K(Qt::CTRL | Qt::Key_C), K(Qt::Key_Insert)}, "edit-copy", QStyle::SP_FileLinkIcon, r::kopier,
         [](Twinform &w) { w.klipbordsKommandoer()->kopier(false); }},
        {Kommando::Paste, "Paste", "Sæt ind", "Sæt ind fra kopieringslisten: Ctrl+V", {K(Qt::CTRL | Qt::Key_V)},
         "edit-paste", QStyle::SP_DialogSaveButton, r::saetInd,
         [](Twinform &w) { w.klipbordsKommandoer()->Paste(); }},
        {Kommando::DeleteToPapirkurv, "DeleteToPapirkurv", "Slet", "Slet til papirkurv: Ctrl+D",
         {K(Qt::CTRL | Qt::Key_D)}, "user-trash", QStyle::SP_TrashIcon, r::markeretElement,
         [](Twinform &w) { w.elementKommandoer()->slet(true); }},
        {Kommando::DeletePermanent, "DeletePermanent", "Slet", "Slet permanent: Shift+Del",
         {K(Qt::SHIFT | Qt::Key_Delete)}, "edit-delete", QStyle::SP_DialogCloseButton, r::markeretElement,
         [](Twinform &w) { w.elementKommandoer()->slet(false); }},
        {Kommando::Rename2, "Rename2", "Omdøb", "Omdøb valgte: F2", {K(Qt::Key_F2)}, "edit-rename|insert-text",
         QStyle::SP_FileDialogDetailedView, r::markeretElement, [](Twinform &w) { nav(w).startOmdoeb(); },
         F::Omdoebning},
        {Kommando::Rename, "Rename", "Omdøb", "Indfør det nye navn og omdøb: Ctrl+O", {K(Qt::CTRL | Qt::Key_O)},
         "document-edit|document-save-as", QStyle::SP_FileDialogContentsView, r::markeretElement,
         [](Twinform &w) { w.elementKommandoer()->Rename(); }},
        {Kommando::RenameExt, "RenameExt", "Omdøb",
         "Indfør det nye efternavn og ombøb samtlige filer også i undermapper: Ctrl+U", {K(Qt::CTRL | Qt::Key_U)},
         "edit-find-replace", QStyle::SP_FileDialogListView, r::omdoebFiltype,
         [](Twinform &w) { w.elementKommandoer()->RenameExt(); }},
        {Kommando::NyMappe, "NyMappe", "Mappe", "Opret en ny mappe: Ctrl+M", {K(Qt::CTRL | Qt::Key_M)},
         "folder-new", QStyle::SP_FileDialogNewFolder, r::nytElement,
         [](Twinform &w) { w.elementKommandoer()->NyMappe(); }},
        {Kommando::aOpretTekstfil, "aOpretTekstfil", "Ny fil", "Opret en ny tekstfil", {}, "document-new",
         QStyle::SP_FileIcon, r::nytElement, nyFil<Tekstfil>},
        {Kommando::Info, "Info", "Egenskaber", "Se valgte elements egenskaber: Ctrl+E", {K(Qt::CTRL | Qt::Key_E)},
         "document-properties", QStyle::SP_FileDialogInfoView, r::egenskaber,
         [](Twinform &w) { w.egenskabsKommandoer()->Info(); }},
        {Kommando::insertFilSFWS, "insertFilSFWS", "Tilføj", "Indfør fil i skrivebordets Seneste filer", {},
         "document-open-recent", QStyle::SP_ArrowUp, r::fil,
         [](Twinform &w) { w.elementKommandoer()->tilfoejSeneste(); }},
        {Kommando::Rens, "Rens", "Rens", "Rens skrivebordets Seneste filer", {}, "edit-clear-history|document-revert",
         QStyle::SP_LineEditClearButton, r::altid, [](Twinform &w) { w.elementKommandoer()->rensSeneste(); }},
        {Kommando::aEmptyRB, "aEmptyRB", "Tøm", "Tøm papirkurv på aktuelle drev", {}, "trash-empty|user-trash-full",
         QStyle::SP_TrashIcon, r::altid, [](Twinform &w) { w.elementKommandoer()->toemPapirkurv(); }},

        {Kommando::Action1, "Action1", Tekstfil, "Almindelig tekstfil", {}, "", Ingen, r::altid, nyFil<Tekstfil>},
        {Kommando::Action2, "Action2", RichText, "Rich Text tekstfil", {}, "", Ingen, r::altid, nyFil<RichText>},
        {Kommando::Action3, "Action3", Hjemmeside, "Hjemmeside fil", {}, "", Ingen, r::altid, nyFil<Hjemmeside>},
        {Kommando::Action4, "Action4", Asp, "Active Server Page", {}, "", Ingen, r::altid, nyFil<Asp>},
        {Kommando::Action5, "Action5", Include, "Include files kan anvendes i forbindelse med asp-sider", {}, "",
         Ingen, r::altid, nyFil<Include>},
        {Kommando::Action6, "Action6", Asa, "Active Server Application er af filtypen asp", {}, "", Ingen, r::altid,
         nyFil<Asa>},
        {Kommando::Action7, "Action7", Css, "CSS bruges til at definere layoutet på dine HTML-sider", {}, "", Ingen,
         r::altid, nyFil<Css>},
        {Kommando::Action8, "Action8", Js,
         "JavaScript er et programmeringssprog, der kan anvendes til hjemmesider", {}, "", Ingen, r::altid,
         nyFil<Js>},
        {Kommando::Action10, "Action10", Vbs,
         "VBScript er et \"script\"-sprog, der fortolkes via Microsofts Windows Script Host", {}, "", Ingen,
         r::altid, nyFil<Vbs>},
        {Kommando::Action11, "Action11", Wsf,
         "En Windows Script File er en filtype, der køres med Microsoft Windows Script Host", {}, "", Ingen,
         r::altid, nyFil<Wsf>},
        {Kommando::Action12, "Action12", Bat,
         "En batch fil er en script fil, der kan udføre forskellige kommandoer via en dos-konsol", {}, "", Ingen,
         r::altid, nyFil<Bat>},
        {Kommando::Action13, "Action13", Ps1, "Windows PowerShell er en kommandolinjegrænseflade", {}, "", Ingen,
         r::altid, nyFil<Ps1>},

        {Kommando::Fokus, "Fokus", "", "Aktiv mappestruktur: Alt+1", {K(Qt::ALT | Qt::Key_1)}, "", Ingen, r::altid,
         [](Twinform &w) { nav(w).fokusMappetrae(); }},
        {Kommando::KunDrev, "KunDrev", "", "Opdater alle drev eller vælg drev til mappestrukturen", {},
         "drive-harddisk", QStyle::SP_DriveHDIcon, r::altid, [](Twinform &w) { nav(w).kunDrev(); }},
        {Kommando::OpdaterKunEn, "OpdaterKunEn", "",
         "Opdater aktuelle mappe på aktuelle drev uden at vise andre drev: F4", {K(Qt::Key_F4)}, "go-jump",
         QStyle::SP_BrowserReload, r::aktuelMappe, [](Twinform &w) { nav(w).opdaterMappe(false); }},
        {Kommando::OpdaterAlle, "OpdaterAlle", "",
         "Opdater aktuelle mappe på aktuelle drev med samtlige drev i strukturen: F5", {K(Qt::Key_F5)},
         "marvikel-opdater|view-refresh", QStyle::SP_BrowserReload, r::aktuelMappe,
         [](Twinform &w) { nav(w).opdaterMappe(true); }},
        {Kommando::aMedtagPrivat, "aMedtagPrivat", "", "Medtag eller fjern privatmapper med opdatering af alle drev",
         {}, "user-home", QStyle::SP_DirHomeIcon, r::altid, [](Twinform &w) { nav(w).medtagPrivat(); }},
        {Kommando::UdfoldStruktur, "UdfoldStruktur", "", "Udfold strukturen", {}, "list-add",
         QStyle::SP_ToolBarVerticalExtensionButton, r::altid,
         [](Twinform &w) { w.visning()->mappeModel()->udfoldAlt(); }},
        {Kommando::SammenfoldStruktur, "SammenfoldStruktur", "", "Sammenfold struktur", {}, "list-remove",
         QStyle::SP_TitleBarShadeButton, r::altid, [](Twinform &w) { w.visning()->mappeModel()->foldAltSammen(); }},
        {Kommando::strukturKnap, "strukturKnap", "", "Åben boksen til oprettelse af strukturmapper: Ctrl+5", {},
         "folder-templates", QStyle::SP_FileDialogNewFolder, r::altid,
         [](Twinform &w) { w.ramme().aabnStrukturskabeloner(); }},
        {Kommando::reloadKnap, "reloadKnap", "", "Genskab sidste aktiverede hjemmelavede struktur: F3", {},
         "edit-redo", QStyle::SP_BrowserReload, r::altid, [](Twinform &w) { w.ramme().CallOnClick(); }},
        {Kommando::aReloadStruktur, "aReloadStruktur", "", "Genskab sidste aktiverede hjemmelavede struktur: F3",
         {K(Qt::Key_F3)}, "", Ingen, r::hjemmelavetStruktur, [](Twinform &w) { w.ramme().CallOnClick(); }},
        {Kommando::deselectAll, "deselectAll", "", "Fjern alle markeringer: Alt+Mus", {}, "edit-select-none",
         QStyle::SP_DialogResetButton, r::fravaelgMapper, [](Twinform &w) { nav(w).fravaelgMapper(); }},

        {Kommando::Fokus2, "Fokus2", "", "Aktiv filstruktur: Alt+2", {K(Qt::ALT | Qt::Key_2)}, "", Ingen, r::altid,
         [](Twinform &w) { nav(w).fokusFiltrae(); }},
        {Kommando::indstilMappestruktur, "indstilMappestruktur", "", "Indstil mappestrukturen til denne mappe", {},
         "go-up", QStyle::SP_FileDialogToParent, r::aktuelMappe,
         [](Twinform &w) { nav(w).indstilMappestruktur(); }},
        {Kommando::drevKnap, "drevKnap", "", "Vælg drev til visning i filstrukturen", {}, "drive-removable-media",
         QStyle::SP_DriveFDIcon, r::altid, menuKnap},
        {Kommando::opdater2, "opdater2", "", "Opdater mappe-fil-strukturen: F6", {K(Qt::Key_F6)},
         "marvikel-opdater|view-refresh", QStyle::SP_BrowserReload, r::altid,
         [](Twinform &w) { nav(w).opdaterFiltrae(); }},
        {Kommando::aSelectButton, "aSelectButton", "", "Vælg alle elementer i filstrukturen", {}, "edit-select-all",
         QStyle::SP_DialogApplyButton, r::filtraeAktivt, [](Twinform &w) { nav(w).markerKnap(); }},
        {Kommando::selectAlleElementer, "selectAlleElementer", "", "Vælg alle elementer i aktive struktur 2: Ctrl+A",
         {K(Qt::CTRL | Qt::Key_A)}, "edit-select-all", QStyle::SP_DialogApplyButton, r::markerAlle,
         [](Twinform &w) { nav(w).marker(1); }},
        {Kommando::deselectElementer, "deselectElementer", "", "Fravælg alle elementer i aktive struktur 2: Ctrl+F",
         {K(Qt::CTRL | Qt::Key_F)}, "edit-select-none", QStyle::SP_DialogResetButton, r::fravaelgElementer,
         [](Twinform &w) { nav(w).marker(2); }},
        {Kommando::inverterSelection, "inverterSelection", "", "Inverter valgte elementer i aktive struktur 2: Ctrl+I",
         {K(Qt::CTRL | Qt::Key_I)}, "edit-select-invert", QStyle::SP_BrowserReload, r::inverter,
         [](Twinform &w) { nav(w).marker(3); }},
        {Kommando::aRun, "aRun", "Kør", "Kør valgte fil, hvis muligt: Ctrl+K eller F9",
         {K(Qt::CTRL | Qt::Key_K), K(Qt::Key_F9)}, "system-run", QStyle::SP_MediaPlay, r::fil,
         [](Twinform &w) { w.koerValgteFil(0); }, F::Starter},
        {Kommando::aProgram, "aProgram", "Program", "Åben valgte program eventuelt med valgt/valgte fil/filer: Ctrl+P",
         {K(Qt::CTRL | Qt::Key_P)}, "application-x-executable", QStyle::SP_ComputerIcon, r::aktivtProgram,
         [](Twinform &w) { w.aabnMedProgram(); }, F::MedProgram},
        {Kommando::aRediger, "aRediger", "Rediger", "Rediger valgte fil om muligt: Ctrl+R", {K(Qt::CTRL | Qt::Key_R)},
         "accessories-text-editor", QStyle::SP_FileDialogDetailedView, r::fil,
         [](Twinform &w) { w.koerValgteFil(1); }, F::Starter},
        {Kommando::aHTMLbutton, "aHTMLbutton", "", "Musik, film og billeder", {}, "text-html", QStyle::SP_MediaVolume,
         r::fil, [](Twinform &w) { w.elementKommandoer()->htmlForklaring(); }},
        {Kommando::aHTMLmusikliste, "aHTMLmusikliste", "Musikliste",
         "Skriver en hjemmeside hvorfra den valgte musik kan afspilles", {}, "", Ingen, r::aktuelFil, [](Twinform &w) { w.egenskabsKommandoer()->htmlListe(THtmlLister::Art::Musik); },
         F::Starter},
        {Kommando::aHTMLfilmliste, "aHTMLfilmliste", "Filmliste",
         "Skriver en hjemmeside hvorfra de valgte film kan afspilles", {}, "", Ingen, r::aktuelFil, [](Twinform &w) { w.egenskabsKommandoer()->htmlListe(THtmlLister::Art::Film); },
         F::Starter},
        {Kommando::aHTMLbilledliste, "aHTMLbilledliste", "Billedliste",
         "Skriver en hjemmeside hvorfra de valgte billeder kan vises", {}, "", Ingen, r::aktuelFil, [](Twinform &w) { w.egenskabsKommandoer()->htmlListe(THtmlLister::Art::Billeder); },
         F::Starter},
        {Kommando::aShowPic, "aShowPic", "Billeder", "Vis billeder af type jpg, ico eller bmp", {}, "image-x-generic",
         QStyle::SP_DesktopIcon, r::fil, nullptr, F::Mangler},

        {Kommando::aInsertFavoritmappe, "aInsertFavoritmappe", "",
         "Indsæt aktuelle mappe eller fil i relevante favoritliste: Ctrl+N", {K(Qt::CTRL | Qt::Key_N)},
         "bookmark-new", QStyle::SP_DialogYesButton, r::favorit, [](Twinform &w) { nav(w).insertFavorit(); }},
        {Kommando::gemStruktur, "gemStruktur", "", "Gemmer aktuelle mappestruktur: Ctrl+G", {K(Qt::CTRL | Qt::Key_G)},
         "document-save", QStyle::SP_DialogSaveButton, r::strukturKnapper, [](Twinform &w) { nav(w).gemStruktur(); }},
        {Kommando::hentStruktur, "hentStruktur", "", "Hen gemte mappestruktur: Ctrl+H", {K(Qt::CTRL | Qt::Key_H)},
         "document-open", QStyle::SP_DialogOpenButton, r::strukturKnapper,
         [](Twinform &w) { nav(w).hentStruktur(); }},
        {Kommando::bestemFremvisning, "bestemFremvisning", "", "Bestem fremvisnings metode", {}, "preferences-system",
         QStyle::SP_FileDialogListView, r::strukturKnapper,
         [](Twinform &w) { w.ramme().visRammeIndstilling(false); }},
        {Kommando::aTopPanel, "aTopPanel", "", "Vis eller skjul toppanelet: F7", {K(Qt::Key_F7)},
         "view-split-top-bottom|view-restore", QStyle::SP_TitleBarUnshadeButton, r::altid,
         [](Twinform &w) { w.ramme().skiftTopPanel(); }},
        {Kommando::opdaterFunktioner, "opdaterFunktioner", "", "Opdater funktioner", {},
         "marvikel-opdater|view-refresh", QStyle::SP_BrowserReload, r::altid,
         [](Twinform &w) { QMetaObject::invokeMethod(&w, &Twinform::opdaterKommandoer, Qt::QueuedConnection); }},

        {Kommando::Tilbage, "Tilbage", "", "Gå til foregående eller sidste mappe", {}, "go-previous",
         QStyle::SP_ArrowBack, r::tilbageFrem, [](Twinform &w) { nav(w).tilbageFrem(true); }},
        {Kommando::Frem, "Frem", "", "Gå til næste eller første mappe", {}, "go-next", QStyle::SP_ArrowForward,
         r::tilbageFrem, [](Twinform &w) { nav(w).tilbageFrem(false); }},
    };
    return t;
}

const Raekke &raekke(Kommando id)
{
    return tabel().at(int(id));
}

} // namespace stifinderkommandoer
