#include "engines/detaljeegenskaber.h"

#include "platform/indstillingsfil.h"
#include "platform/tekstfil.h"

#include <array>

namespace {

using E = DetaljeEgenskaber;
using namespace indstillingsfil;

constexpr int B = E::stoersteBredde;
constexpr int b = E::mindsteBredde;

const std::array<Felt<E>, E::antalLinjer> felter = {{
    Flag<E>{&E::visDetaljer},
    Flag<E>{&E::visStoerrelse},
    Flag<E>{&E::visAendret},
    Flag<E>{&E::visType},
    Heltal<E>{&E::breddeNavn, b, B},
    Heltal<E>{&E::breddeStoerrelse, b, B},
    Heltal<E>{&E::breddeAendret, b, B},
    Heltal<E>{&E::breddeType, b, B},
    Heltal<E>{&E::sorteringsKolonne, 0, AntalFilKolonner - 1},
    Heltal<E>{&E::faldende, 0, 1},
}};

} // namespace

bool DetaljeEgenskaber::kolonneVist(FilKolonne k) const
{
    switch (k) {
    case FilKolonne::Navn:
        return true;
    case FilKolonne::Stoerrelse:
        return visStoerrelse;
    case FilKolonne::Aendret:
        return visAendret;
    case FilKolonne::Type:
        return visType;
    }
    return false;
}

void DetaljeEgenskaber::setKolonneVist(FilKolonne k, bool vist)
{
    switch (k) {
    case FilKolonne::Navn:
        break;
    case FilKolonne::Stoerrelse:
        visStoerrelse = vist;
        break;
    case FilKolonne::Aendret:
        visAendret = vist;
        break;
    case FilKolonne::Type:
        visType = vist;
        break;
    }
}

int DetaljeEgenskaber::bredde(FilKolonne k) const
{
    switch (k) {
    case FilKolonne::Navn:
        return breddeNavn;
    case FilKolonne::Stoerrelse:
        return breddeStoerrelse;
    case FilKolonne::Aendret:
        return breddeAendret;
    case FilKolonne::Type:
        return breddeType;
    }
    return mindsteBredde;
}

void DetaljeEgenskaber::setBredde(FilKolonne k, int bredde)
{
    const int v = qBound(mindsteBredde, bredde, stoersteBredde);
    switch (k) {
    case FilKolonne::Navn:
        breddeNavn = v;
        break;
    case FilKolonne::Stoerrelse:
        breddeStoerrelse = v;
        break;
    case FilKolonne::Aendret:
        breddeAendret = v;
        break;
    case FilKolonne::Type:
        breddeType = v;
        break;
    }
}

Sortering DetaljeEgenskaber::sortering() const
{
    return Sortering{FilKolonne(sorteringsKolonne), faldende ? Qt::DescendingOrder : Qt::AscendingOrder};
}

void DetaljeEgenskaber::setSortering(Sortering s)
{
    sorteringsKolonne = int(s.kolonne);
    faldende = s.orden == Qt::DescendingOrder ? 1 : 0;
}

Sortering DetaljeEgenskaber::vistSortering() const
{
    return visDetaljer ? sortering() : Sortering{};
}

bool DetaljeEgenskaber::anvendLinjer(const QStringList &linjer)
{
    return anvend(*this, felter, linjer) == Udfald::Laest;
}

QStringList DetaljeEgenskaber::tilLinjer() const
{
    return indstillingsfil::tilLinjer(*this, felter);
}

bool DetaljeEgenskaber::HentOpt(const QString &filnavn)
{
    return hent(*this, felter, filnavn) == Udfald::Laest;
}

bool DetaljeEgenskaber::GemOpt(const QString &filnavn) const
{
    return tekstfil::skriv(filnavn, tilLinjer()) != tekstfil::Skrivning::Fejl;
}
