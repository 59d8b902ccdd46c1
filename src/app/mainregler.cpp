#include "app/mainregler.h"

namespace mainregler {

bool kanOpenElement(const Tilstand &t)
{
    return !t.panelVist;
}

bool kanVisInfoStruk(const Tilstand &t)
{
    return !(t.panelVist && t.side == SideInformation);
}

bool kanVisGT(const Tilstand &t, int underside)
{
    return !(t.panelVist && t.side == SideGenveje && t.genvejsSide == underside);
}

bool kanStandardSize(const Tilstand &t)
{
    return !(t.bredde == t.standardBredde && t.hoejde == t.standardHoejde);
}

bool kanSammeKlipbord(const Tilstand &t)
{
    return t.antalBoern == 0;
}

bool kanCloseElement(const Tilstand &t)
{
    return t.antalBoern > 0 && t.processCount == 0 && t.aktivErStifinder;
}

bool kanCloseAlleElementer(const Tilstand &t)
{
    return t.antalBoern > 0 && !t.aktivErStifinder && !t.aktivErKlipbord;
}

QString panelIndholdBesked()
{
    // Message texts use a single CR as their line break.
    return QStringLiteral("Tabbene vises i venstre side af panelet.\r\r"
                          "Siderne \"Søg på nettet\", \"Notater\",\"Program genveje\""
                          " samt \"Indhold\" kan vises eller skjules.");
}

SideInfo sideInfo(int side, int underside, bool direkte)
{
    switch (side) {
    case SideFunktioner:
        if (underside == 1)
            return {"Programmer: Egenskaber", "Programmer med funktioner.html", {}};
        if (underside == 2)
            return {"Dos kommandoer", "Dos.html", {}};
        return {"Programmer med funktioner", "Programmer med funktioner.html", {}};
    case SideProgrammer:
        return {"Udvalgte programmer", "Programmer.html", {}};
    case SideNettet:
        return {"Søg på nettet", "Søg på nettet.html", {}};
    case SideNotater:
        return {"Notater", "Notater.html", {}};
    case SideEgenskaber:
        switch (underside) {
        case 1: return {"Klipbord", "Egenskaber2.html", {}};
        case 2: return {"Strukturer", "Egenskaber3.html", {}};
        case 3: return {"Sikkerhed", "Egenskaber4.html", {}};
        case 4: return {QString(), {}, panelIndholdBesked()};
        default:
            return {direkte ? "Egenskaber" : "Program Egenskaber", "Egenskaber1.html", {}};
        }
    case SideInformation:
        return {"Velkommen", "qenStifinder.html", {}};
    case SideGenveje:
        return {"Program genveje", "Program genveje.html", {}};
    case SideIndhold:
        return {"Indhold", {}, "Indholdsstruktur med informations genveje."};
    default:
        return {};
    }
}

} // namespace mainregler
