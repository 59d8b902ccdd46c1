#include "engines/stifinderegenskaber.h"

#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/indstillingsfil.h"
#include "platform/tekstfil.h"


namespace {

using E = StifinderEgenskaber;
using namespace indstillingsfil;

// The file's line order. Numbers outside their range are brought within it,
// so a damaged file cannot hide the folder tree or choose an option that
// is not there.
const std::array<Felt<E>, E::antalLinjer> felter = {{
    &E::Mappenavn,
    &E::Filnavn,
    Heltal<E>{&E::mappeBredde, 100, 1600},
    Flag<E>{&E::startPrivat},
    Heltal<E>{&E::programOpstart, 0, 2},
    Flag<E>{&E::visSkjulte},
    Heltal<E>{&E::strukturVisning, 0, 1},
    Heltal<E>{&E::side, 0, 5},
    Heltal<E>{&E::favoritSide, 0, 1},
    Heltal<E>{&E::saetIndSlet, 0, 2},
    Heltal<E>{&E::saetInd, 0, 3},
    Flag<E>{&E::dragDrop},
    Flag<E>{&E::autoOpdater},
    Flag<E>{&E::visKlipbord},
    Flag<E>{&E::rydLister},
    Flag<E>{&E::lukProgress},
    Flag<E>{&E::gaaTilIndstillinger},
    Heltal<E>{&E::fanePlacering, 0, 2},
    Flag<E>{&E::alleMarkerknapper},
    Heltal<E>{&E::redskabPlacering, 0, 2},
    Kontakt<E>{&E::visKendte},
    Kontakt<E>{&E::visFavoritter},
    Kontakt<E>{&E::visFilnavne},
    Kontakt<E>{&E::visBesoegte},
}};

} // namespace

void StifinderEgenskaber::defaultOpt()
{
    const StifinderEgenskaber d;
    Mappenavn = d.Mappenavn;
    Filnavn = d.Filnavn;
    mappeBredde = d.mappeBredde;
    startPrivat = d.startPrivat;
    programOpstart = d.programOpstart;
    visSkjulte = d.visSkjulte;
    alleMarkerknapper = d.alleMarkerknapper;
}

StifinderEgenskaber::Udfald StifinderEgenskaber::anvendLinjer(const QStringList &linjer)
{
    return anvend(*this, felter, linjer);
}

QStringList StifinderEgenskaber::tilLinjer() const
{
    return indstillingsfil::tilLinjer(*this, felter);
}

StifinderEgenskaber::Udfald StifinderEgenskaber::HentOpt(const QString &filnavn)
{
    const Udfald udfald = hent(*this, felter, filnavn);
    if (!filinfo::erMappe(Mappenavn))
        Mappenavn = StifinderEgenskaber().Mappenavn;
    if (!filinfo::erFil(Filnavn) || filinfo::erMappe(Filnavn))
        Filnavn.clear();
    return udfald;
}

bool StifinderEgenskaber::GemOpt(const QString &filnavn) const
{
    return tekstfil::skriv(filnavn, tilLinjer()) != tekstfil::Skrivning::Fejl;
}
