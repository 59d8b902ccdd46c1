#include "shell/genvejsdata.h"

namespace {

// Message texts use "\r" for a hard line break, as every message does.
const QString annullerTekst = QStringLiteral(
    "Tømmer klipbordet for alle valgte mapper og filer.\r"
    "Kan benyttes, hvis klip eller kopiering skal annulleres.");
const QString ikkeAnvendt = QStringLiteral("Bogstavet er ikke anvendt til genveje.");
const QString multiTekst = QStringLiteral(
    "Anvendes til fil-mappe-strukturen, der har mulighed for multi-markering.");
const QString koerFilTekst = QStringLiteral(
    "Filer kan åbnes eller køres ved denne funktion, hvis der findes programmer dertil på "
    "computeren der er registreret af styresystemet som anvendelige dertil.\r"
    "\r"
    "Funktionen kan også aktiveres ved \"Ctrl+K\".\r"
    "\r"
    "Hvis der er indført programmer hertil kan filer også køres ved funktionen \"Program\" "
    "med genvejen \"Ctrl+P\".");
const QString opdaterMapper = QStringLiteral(
    "Opdaterer mappestrukturen med aktuelle drev for valgte mappe.\r"
    "Valgte mappe udfoldes, hvis den indeholder mapper.");

GenvejsRaekke side(const QString &tast, const QString &funktion, const QString &side)
{
    return {tast, funktion, {}, side};
}

GenvejsRaekke tekst(const QString &tast, const QString &funktion, const QString &besked)
{
    return {tast, funktion, besked, {}};
}

QList<GenvejsListe> byg()
{
    GenvejsListe funktioner{"Funktioner", "Genvej", "Funktion", {
        tekst("Ctrl+Z", "Annuller kopiering", annullerTekst),
        side("Ctrl+X", "Klipper til klipbord", "Klip.html"),
        side("Ctrl+C", "Kopierer til klipbord", "Kopier.html"),
        side("Ctrl+V", "Indsætter fra klipbord", "Sæt ind.html"),
        side("Ctrl+D", "Sletter til papirkurv", "Slet til papirkurv.html"),
        side("Shift+Del", "Sletter permanent", "Slet permanent.html"),
        side("F2", "Omdøb mappe eller fil", "Omdøb.html"),
        side("Ctrl+O", "Omdøb ved boks", "Omdøb.html"),
        side("Ctrl+M", "Ny mappe", "Ny mappe.html"),
        side("Ctrl+E", "Egenskaber", "Mappe egenskaber.html"),
        side("Ingen", "Ny fil", "Ny fil.html"),
        side("Ctrl+U", "Omdøb filefternavne", "Omdøb filtype.html"),
        tekst("Ctrl+Alt+O", "Skift opdatering",
              "Skifter opdateringsmetode for funktionerne.\r"
              "Rød: blokerer funktioner\r"
              "Blå: blokerer ikke funktioner."),
    }};

    GenvejsListe programmer{"Programmer", "Ctrl+", "Funktion", {
        side("0", "Klipbord", "Klipbordet.html"),
        side("1", "Filfinder med Klipbord", "Stifinderen.html"),
        side("2", "Genveje til oprettelse af genveje", "Genveje.html"),
        side("3", "Indfør program", "Indfør programmer.html"),
        side("4", "Opret mappestrukturer", "Opret mappestrukturer.html"),
        side("5", "Søg i tekstdokumenter", "Søg i tekstfiler.html"),
        side("6", "Galleri til jpg, ico samt bmp filer", "Billeder.html"),
        side("7", "Kalender med funktioner", "Kalender.html"),
        side("8", "WMI", "WMI.html"),
        side("9", "Window applets", "Applets.html"),
    }};

    GenvejsListe fTaster{"F taster", "Tast", "Funktion", {
        side("F1", "Information", "qenStifinder.html"),
        side("F2", "Omdøb valgte mappe eller fil", "Omdøb.html"),
        side("F3", "Indfør sidst anvendte struktur", "Opret mappestrukturer.html"),
        tekst("F4", "Opdater mappestukturen", opdaterMapper),
        tekst("F5", "Opdater mappestrukturen", opdaterMapper + "\rAlle registrerede drev medtages."),
        tekst("F6", "Opdater filstrukturen",
              "Opdaterer mappe-fil strukturen.\r"
              "Åbner eventuelt en valgt mappe for at vise dens indhold."),
        tekst("F7", "Åben og luk toppanelet",
              "Åbner eller lukker for redskabslinjen med fil og mappe funktioner.\r"
              "De fleste af funktionerne i redskabslinjen vises også i popup-menuerne til strukturene."),
        tekst("F8", "Åben og luk venstre panel",
              "Åbner eller lukker for venstre panel.\r"
              "Hvis panelet er lukket, eller siden med programmer ikke er valgt, kan programmerne "
              "åbnes fra drop-down-menuen i øverste venstre hjørne af selve programmet."),
        tekst("F9", "Åben eller kør valgte fil", koerFilTekst),
        tekst("F10", "Åben og vis programsiden", "Åbner og viser programsiden i venstre panel."),
    }};

    GenvejsListe ctrl{"Ctrl+", "Tast", "Funktion", {
        tekst("A", "Marker alle mapper og filer", multiTekst),
        tekst("B", "Ikke anvendt", ikkeAnvendt),
        side("C", "Kopier valgte elementer", "Kopier.html"),
        side("D", "Slet til papirkurv", "Slet til papirkurv.html"),
        side("E", "Drev, mappe og fil egenskaber", "Mappe egenskaber.html"),
        tekst("F", "Fjern alle markeringer", multiTekst),
        tekst("G", "Gemmer aktuelle mappestruktur",
              "Gemmer aktuelle mappestruktur, altså strukturen i struktur 1."),
        tekst("H", "Henter gemte mappestruktur",
              "Henter gemte mappestruktur, der vises i struktur 1.\r"
              "Fremstillingsmetoden kan bestemmes under \"Programegenskaber/Hjemmelavede strukturer\"."),
        tekst("I", "Inverterer markeringen", multiTekst),
        tekst("J", "Ikke anvendt", ikkeAnvendt),
        tekst("K", "Åbner fil i andet program", koerFilTekst),
        tekst("L", "Ikke anvendt", ikkeAnvendt),
        side("M", "Opretter ny mappe", "Ny mappe.html"),
        tekst("N", "Indsætter valgte i favoritliste",
              "Indsætter valgte mappe eller fil i relevante favoritliste."),
        side("O", "Omdøb ved boks", "Omdøb.html"),
        tekst("P", "Åben med program", "Forsøger at åbne fil ved indført og valgt program."),
        tekst("Q", "Lukker programmet", "Lukker programmet."),
        tekst("R", "Åbner til redigering",
              "Forsøger at åbne valgte fil til redigering i relevant program."),
        tekst("S", "Aktiver eller åben en Stifinder",
              "Aktiverer en Stifinder.\r"
              "Hvis der ikke er en Stifinder åben, åbnes en Stifinder med tilhørende Klipbord."),
        {"T", "Tilføj mappe til struktur",
         "Tilføjer en valgt mappe til programmet \"Mappestrukturer\", også kaldet \"Tilføj\" som funktion.",
         "Opret mappestrukturer.html"},
        side("U", "Omdøb filtype", "Omdøb filtype.html"),
        side("V", "Indsæt fra klipbord", "Sæt ind.html"),
        side("X", "Klipper til klipbord", "Klip.html"),
        {"Y", "Ikke anvendt", {}, {}},
        tekst("Z", "Annuller kopiering", annullerTekst),
    }};

    return {funktioner, programmer, fTaster, ctrl};
}

} // namespace

const QList<GenvejsListe> &genvejslister()
{
    static const QList<GenvejsListe> lister = byg();
    return lister;
}
