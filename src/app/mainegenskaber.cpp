#include "app/mainegenskaber.h"

#include "platform/indstillingsfil.h"
#include "platform/tekstfil.h"


namespace {

using M = MainEgenskaber;
using namespace indstillingsfil;

// The file's line order. Numbers are brought within what their use allows:
// the window's place and size within any screen (the window fits them to its
// screen when it applies them), indexes within their control, counts within
// their control's range. The page switches of lines 39-42 are shown only for
// exactly 1.
constexpr int Graense = 100000;   // pixels; larger than any screen

const std::array<Felt<M>, MainEgenskaber::antalLinjer> felter = {{
    &M::designName,
    Heltal<M>{&M::top, -Graense, Graense},
    Heltal<M>{&M::left, -Graense, Graense},
    Heltal<M>{&M::width, 1, Graense},
    Heltal<M>{&M::height, 1, Graense},
    Heltal<M>{&M::maxElementer, 10},
    Heltal<M>{&M::Fontbox, 0, 2},
    Flag<M>{&M::trayCheck},
    Flag<M>{&M::panelVist},
    Heltal<M>{&M::FontnavnBox, 0, 5},
    &M::exeProgram,
    Heltal<M>{&M::openInfo, 0, 1},
    Heltal<M>{&M::openGenveje, 0, 1},
    Heltal<M>{&M::openProgrammer, 0, 1},
    Heltal<M>{&M::openStrukturer, 0, 1},
    Heltal<M>{&M::openTekstfiler, 0, 1},
    Heltal<M>{&M::openBilleder, 0, 1},
    Heltal<M>{&M::openKalender, 0, 1},
    Heltal<M>{&M::OnClickIndex, -1},
    &M::OnClickCaption,
    Heltal<M>{&M::FremFormCheck, 0, 1},
    Heltal<M>{&M::openWmi, 0, 1},
    Heltal<M>{&M::hovedSide, 0, 7},
    Heltal<M>{&M::egenskabsSide, 0, 4},
    &M::PlaceringsMappe,
    Heltal<M>{&M::visProgrammer, 0, 1},
    Heltal<M>{&M::funktionsSide, 0, 2},
    Heltal<M>{&M::GBoxV, 1, 100},
    Heltal<M>{&M::GBoxL, 1, 100},
    Heltal<M>{&M::colIndex},   // an index outside 0-19 means "no colour"
    Flag<M>{&M::CheckStrukturLinjer},
    Heltal<M>{&M::TryedBefore, 0, 1},
    Heltal<M>{&M::Vistoppanel, 0, 1},
    Heltal<M>{&M::bogfanerBox, 0, 2},
    Heltal<M>{&M::genvejsSide, 0, 3},
    Flag<M>{&M::sammeKlipbord},
    Flag<M>{&M::minimerCheck},
    Flag<M>{&M::sikkerhedsCheck},
    Flag<M>{&M::blokerCheck},
    Kontakt<M>{&M::tabVisCheck1},
    Kontakt<M>{&M::tabVisCheck2},
    Kontakt<M>{&M::tabVisCheck3},
    Kontakt<M>{&M::tabVisCheck4},
    Flag<M>{&M::beskedCheck},
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
    return tekstfil::skriv(filnavn, tilLinjer()) != tekstfil::Skrivning::Fejl;
}
