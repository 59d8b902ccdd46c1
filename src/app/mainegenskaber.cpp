#include "app/mainegenskaber.h"

#include "core/indstillingsfil.h"
#include "core/tekstfil.h"


namespace {

using M = MainEgenskaber;
using namespace indstillingsfil;

// The file's line order. Line i holds felter[i]. Integers are read as they
// stand; the page switches of lines 39-42 are shown only for exactly 1.
const std::array<Felt<M>, MainEgenskaber::antalLinjer> felter = {{
    &M::designName, Heltal<M>{&M::top}, Heltal<M>{&M::left}, Heltal<M>{&M::width}, Heltal<M>{&M::height},
    Heltal<M>{&M::maxElementer}, Heltal<M>{&M::Fontbox}, Flag<M>{&M::trayCheck}, Flag<M>{&M::panelVist},
    Heltal<M>{&M::FontnavnBox}, &M::exeProgram, Heltal<M>{&M::openInfo}, Heltal<M>{&M::openGenveje},
    Heltal<M>{&M::openProgrammer}, Heltal<M>{&M::openStrukturer}, Heltal<M>{&M::openTekstfiler},
    Heltal<M>{&M::openBilleder}, Heltal<M>{&M::openKalender}, Heltal<M>{&M::OnClickIndex}, &M::OnClickCaption,
    Heltal<M>{&M::FremFormCheck}, Heltal<M>{&M::openWmi}, Heltal<M>{&M::hovedSide}, Heltal<M>{&M::egenskabsSide},
    &M::PlaceringsMappe, Heltal<M>{&M::visProgrammer}, Heltal<M>{&M::funktionsSide}, Heltal<M>{&M::GBoxV},
    Heltal<M>{&M::GBoxL}, Heltal<M>{&M::colIndex}, Flag<M>{&M::CheckStrukturLinjer}, Heltal<M>{&M::TryedBefore},
    Heltal<M>{&M::Vistoppanel}, Heltal<M>{&M::bogfanerBox}, Heltal<M>{&M::genvejsSide},
    Flag<M>{&M::sammeKlipbord}, Flag<M>{&M::minimerCheck}, Flag<M>{&M::sikkerhedsCheck},
    Flag<M>{&M::blokerCheck}, Kontakt<M>{&M::tabVisCheck1}, Kontakt<M>{&M::tabVisCheck2},
    Kontakt<M>{&M::tabVisCheck3}, Kontakt<M>{&M::tabVisCheck4}, Flag<M>{&M::beskedCheck},
    Flag<M>{&M::vhaFunkCheck},
}};

} // namespace

void MainEgenskaber::defaultOpt()
{
    const MainEgenskaber d;
    designName = d.designName;
    top = d.top;
    left = d.left;
    width = d.width;
    height = d.height;
    maxElementer = d.maxElementer;
    panelVist = d.panelVist;
    exeProgram = d.exeProgram;
    OnClickIndex = d.OnClickIndex;
    GBoxV = d.GBoxV;
    GBoxL = d.GBoxL;
    PlaceringsMappe = d.PlaceringsMappe;
    Vistoppanel = d.Vistoppanel;
    genvejsSide = d.genvejsSide;
    sammeKlipbord = d.sammeKlipbord;
}

MainEgenskaber::Udfald MainEgenskaber::anvendLinjer(const QStringList &linjer)
{
    return anvend(*this, felter, linjer);
}

QStringList MainEgenskaber::tilLinjer() const
{
    return indstillingsfil::tilLinjer(*this, felter);
}

MainEgenskaber::Udfald MainEgenskaber::HentOpt(const QString &filnavn)
{
    return hent(*this, felter, filnavn);
}

bool MainEgenskaber::GemOpt(const QString &filnavn) const
{
    return tekstfil::gem(filnavn, tilLinjer());
}
