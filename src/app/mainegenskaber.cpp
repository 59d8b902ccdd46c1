#include "app/mainegenskaber.h"

#include "core/tekstfil.h"

#include <QFileInfo>

#include <array>
#include <variant>

namespace {

// A page switch: stored as a boolean, read as "shown" only for exactly 1.
struct Kontakt
{
    bool MainEgenskaber::*felt;
};

using Felt = std::variant<QString MainEgenskaber::*, int MainEgenskaber::*,
                          bool MainEgenskaber::*, Kontakt>;

using M = MainEgenskaber;

// The file's line order. Line i holds felter[i].
const std::array<Felt, MainEgenskaber::antalLinjer> felter = {
    &M::designName, &M::top, &M::left, &M::width, &M::height, &M::maxElementer,
    &M::Fontbox, &M::trayCheck, &M::panelVist, &M::FontnavnBox, &M::exeProgram,
    &M::openInfo, &M::openGenveje, &M::openProgrammer, &M::openStrukturer,
    &M::openTekstfiler, &M::openBilleder, &M::openKalender, &M::OnClickIndex,
    &M::OnClickCaption, &M::FremFormCheck, &M::openWmi, &M::hovedSide,
    &M::egenskabsSide, &M::PlaceringsMappe, &M::visProgrammer, &M::funktionsSide,
    &M::GBoxV, &M::GBoxL, &M::colIndex, &M::CheckStrukturLinjer, &M::TryedBefore,
    &M::Vistoppanel, &M::bogfanerBox, &M::genvejsSide, &M::sammeKlipbord,
    &M::minimerCheck, &M::sikkerhedsCheck, &M::blokerCheck,
    Kontakt{&M::tabVisCheck1}, Kontakt{&M::tabVisCheck2}, Kontakt{&M::tabVisCheck3},
    Kontakt{&M::tabVisCheck4}, &M::beskedCheck, &M::vhaFunkCheck,
};

bool tilTal(const QString &linje, int *tal)
{
    bool ok = false;
    const int v = linje.toInt(&ok, 10);
    if (ok)
        *tal = v;
    return ok;
}

// Applies one line to its field; false when the text does not convert.
bool anvend(MainEgenskaber &e, const Felt &felt, const QString &linje)
{
    int tal = 0;
    if (auto tekst = std::get_if<QString M::*>(&felt)) {
        e.*(*tekst) = linje;
        return true;
    }
    if (!tilTal(linje, &tal))
        return false;
    if (auto heltal = std::get_if<int M::*>(&felt))
        e.*(*heltal) = tal;
    else if (auto flag = std::get_if<bool M::*>(&felt))
        e.*(*flag) = tal != 0;
    else
        e.*(std::get<Kontakt>(felt).felt) = tal == 1;
    return true;
}

QString tilLinje(const MainEgenskaber &e, const Felt &felt)
{
    if (auto tekst = std::get_if<QString M::*>(&felt)) {
        const QString &s = e.*(*tekst);
        return s.contains(u'\r') || s.contains(u'\n') ? QString() : s;
    }
    if (auto heltal = std::get_if<int M::*>(&felt))
        return QString::number(e.*(*heltal));
    const bool b = std::holds_alternative<Kontakt>(felt)
                       ? e.*(std::get<Kontakt>(felt).felt)
                       : e.*(std::get<bool M::*>(felt));
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

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
    if (linjer.size() != antalLinjer) {
        defaultOpt();
        return Udfald::ForkertAntal;
    }
    for (int i = 0; i < antalLinjer; ++i) {
        if (!anvend(*this, felter[i], linjer.at(i))) {
            defaultOpt();
            return Udfald::IkkeEtTal;
        }
    }
    return Udfald::Laest;
}

QStringList MainEgenskaber::tilLinjer() const
{
    QStringList linjer;
    linjer.reserve(antalLinjer);
    for (const Felt &felt : felter)
        linjer.append(tilLinje(*this, felt));
    return linjer;
}

MainEgenskaber::Udfald MainEgenskaber::HentOpt(const QString &filnavn)
{
    const QFileInfo info(filnavn);
    if (!info.exists()) {
        defaultOpt();
        return Udfald::Mangler;
    }
    // Only a regular file of settings size is read: a pipe would block and a
    // huge file is not ours.
    if (!info.isFile() || info.size() > maxFilstoerrelse) {
        defaultOpt();
        return Udfald::Ulaeselig;
    }
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QStringList linjer = tekstfil::hent(filnavn, &status);
    if (status != tekstfil::Laesning::Ok) {
        defaultOpt();
        return Udfald::Ulaeselig;
    }
    return anvendLinjer(linjer);
}

bool MainEgenskaber::GemOpt(const QString &filnavn) const
{
    return tekstfil::gem(filnavn, tilLinjer());
}
