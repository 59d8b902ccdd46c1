#pragma once

#include <QString>

// The main window's rules as pure functions of a small state, so they can be
// checked row by row without a window.
namespace mainregler {

// Pages of the left panel, in tab order.
enum Side {
    SideFunktioner = 0,   // program functions
    SideProgrammer = 1,   // programs box
    SideNettet = 2,       // web search and message centre
    SideNotater = 3,
    SideEgenskaber = 4,   // settings
    SideInformation = 5,
    SideGenveje = 6,      // keyboard-shortcut lists
    SideIndhold = 7,      // contents
    AntalSider = 8
};

struct Tilstand
{
    bool panelVist = true;
    int side = 0;          // selected page of the left panel
    int genvejsSide = 0;   // selected sub-page of the shortcut lists page
    int bredde = 1270;
    int hoejde = 870;
    // The standard size as far as the screen allows.
    int standardBredde = 1270;
    int standardHoejde = 870;
    int antalBoern = 0;    // child windows in the frame
    int processCount = 0;
    bool aktivErStifinder = false;
    bool aktivErKlipbord = false;
};

bool kanOpenElement(const Tilstand &t);
bool kanVisInfoStruk(const Tilstand &t);
bool kanVisGT(const Tilstand &t, int underside);   // visGT1..visGT4 are 0..3
bool kanStandardSize(const Tilstand &t);
bool kanSammeKlipbord(const Tilstand &t);
bool kanCloseElement(const Tilstand &t);
bool kanCloseAlleElementer(const Tilstand &t);

// What the title line shows for a page and what its information button does:
// open a help page, show a message, or neither.
struct SideInfo
{
    QString titel;
    QString hjaelpeside;   // help page file name, empty when none
    QString besked;        // message for the information box, empty when none
};

// `direkte`: the sub-page was chosen on its own (not by switching page),
// which names the first settings sub-page more briefly.
SideInfo sideInfo(int side, int underside, bool direkte = false);

// The message of the information button on the settings page's tab sub-page.
QString panelIndholdBesked();

// The main window's measures in pixels.
namespace maal {
inline constexpr int panelBredde = 302;
inline constexpr int fuldMinBredde = 1228;   // with the left panel shown
inline constexpr int minHoejde = 776;
inline constexpr int standardBredde = 1270;
inline constexpr int standardHoejde = 870;
} // namespace maal

} // namespace mainregler
