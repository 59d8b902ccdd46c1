#include "engines/stifinderegenskaber.h"

#include "core/tekstfil.h"
#include "engines/stier.h"

#include <QFileInfo>

#include <variant>

namespace {

using E = StifinderEgenskaber;

struct Heltal
{
    int E::*felt;
    int mindst;
    int hoejst;
};

// A page switch is shown only for exactly 1; a check box for anything but 0.
struct Kontakt
{
    bool E::*felt;
};

using Felt = std::variant<QString E::*, Heltal, bool E::*, Kontakt>;

const Felt felter[E::antalLinjer] = {
    &E::Mappenavn,
    &E::Filnavn,
    Heltal{&E::mappeBredde, 100, 1600},
    &E::startPrivat,
    Heltal{&E::programOpstart, 0, 2},
    &E::visSkjulte,
    Heltal{&E::strukturVisning, 0, 1},
    Heltal{&E::side, 0, 5},
    Heltal{&E::favoritSide, 0, 1},
    Heltal{&E::saetIndSlet, 0, 2},
    Heltal{&E::saetInd, 0, 3},
    &E::dragDrop,
    &E::autoOpdater,
    &E::visKlipbord,
    &E::rydLister,
    &E::lukProgress,
    &E::gaaTilIndstillinger,
    Heltal{&E::fanePlacering, 0, 2},
    &E::alleMarkerknapper,
    Heltal{&E::redskabPlacering, 0, 2},
    Kontakt{&E::visKendte},
    Kontakt{&E::visFavoritter},
    Kontakt{&E::visFilnavne},
    Kontakt{&E::visBesoegte},
};

bool anvend(E &e, const Felt &felt, const QString &linje)
{
    if (auto tekst = std::get_if<QString E::*>(&felt)) {
        e.*(*tekst) = linje;
        return true;
    }
    bool ok = false;
    const int tal = linje.trimmed().toInt(&ok, 10);
    if (!ok)
        return false;
    if (auto h = std::get_if<Heltal>(&felt))
        e.*(h->felt) = qBound(h->mindst, tal, h->hoejst);
    else if (auto flag = std::get_if<bool E::*>(&felt))
        e.*(*flag) = tal != 0;
    else
        e.*(std::get<Kontakt>(felt).felt) = tal == 1;
    return true;
}

QString tilLinje(const E &e, const Felt &felt)
{
    if (auto tekst = std::get_if<QString E::*>(&felt)) {
        // A path with a line break would shift every later line.
        const QString &s = e.*(*tekst);
        return s.contains(u'\r') || s.contains(u'\n') ? QString() : s;
    }
    if (auto h = std::get_if<Heltal>(&felt))
        return QString::number(e.*(h->felt));
    const bool b = std::holds_alternative<Kontakt>(felt) ? e.*(std::get<Kontakt>(felt).felt)
                                                          : e.*(std::get<bool E::*>(felt));
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

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

QStringList StifinderEgenskaber::tilLinjer() const
{
    QStringList linjer;
    linjer.reserve(antalLinjer);
    for (const Felt &felt : felter)
        linjer.append(tilLinje(*this, felt));
    return linjer;
}

StifinderEgenskaber::Udfald StifinderEgenskaber::HentOpt(const QString &filnavn)
{
    const QFileInfo info(filnavn);
    if (!info.exists()) {
        defaultOpt();
        return Udfald::Mangler;
    }
    // A pipe would block and a huge file is not ours.
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
    const Udfald udfald = anvendLinjer(linjer);
    if (!stier::erMappe(Mappenavn))
        Mappenavn = StifinderEgenskaber().Mappenavn;
    if (!stier::erFil(Filnavn) || stier::erMappe(Filnavn))
        Filnavn.clear();
    return udfald;
}

bool StifinderEgenskaber::GemOpt(const QString &filnavn) const
{
    return tekstfil::gem(filnavn, tilLinjer());
}
