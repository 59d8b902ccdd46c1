#pragma once

#include <QString>

// What to do when a pasted file's name is taken at the destination. The
// numbers are those stored as the explorer window's paste method.
enum class KonfliktHandling {
    OverskrivIngen = 0,
    OverskrivAlle = 1,
    OpretKopier = 2,
    SpoergHverGang = 3,
};

// Out-of-range stored values ask each time: the choice that loses nothing.
inline KonfliktHandling konfliktHandlingFraTal(int tal)
{
    return tal >= 0 && tal <= 3 ? KonfliktHandling(tal) : KonfliktHandling::SpoergHverGang;
}

struct KonfliktSvar
{
    KonfliktHandling handling = KonfliktHandling::SpoergHverGang;
    // Only meaningful with SpoergHverGang: overwrite this one element.
    bool overskrivDette = true;
};

// The conflict question "Bestem handling", asked modally for one taken
// target. The window starts from the answer it gave last time; sticky
// answers for the rest of a paste are the engine's business.
class KonfliktSpoergsmaal
{
public:
    virtual ~KonfliktSpoergsmaal() = default;
    virtual KonfliktSvar askUser(const QString &filnavn, const QString &mappenavn) = 0;

    // "Overskriv dette element" is ticked exactly while "Spørg hver gang" is
    // chosen: the first three choices already say what happens to every
    // element, so the box would contradict them.
    static bool overskrivDetteVed(KonfliktHandling handling)
    {
        return handling == KonfliktHandling::SpoergHverGang;
    }
};
