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

namespace {

// The fields that hold a column's choice and width; the name column is
// always shown and has no field for it.
bool E::*vistFelt(FilKolonne k)
{
    switch (k) {
    case FilKolonne::Navn:
        return nullptr;
    case FilKolonne::Stoerrelse:
        return &E::visStoerrelse;
    case FilKolonne::Aendret:
        return &E::visAendret;
    case FilKolonne::Type:
        return &E::visType;
    }
    return nullptr;
}

int E::*breddeFelt(FilKolonne k)
{
    switch (k) {
    case FilKolonne::Navn:
        return &E::breddeNavn;
    case FilKolonne::Stoerrelse:
        return &E::breddeStoerrelse;
    case FilKolonne::Aendret:
        return &E::breddeAendret;
    case FilKolonne::Type:
        return &E::breddeType;
    }
    return nullptr;
}

} // namespace

bool DetaljeEgenskaber::kolonneVist(FilKolonne k) const
{
    const auto felt = vistFelt(k);
    return !felt || this->*felt;
}

void DetaljeEgenskaber::setKolonneVist(FilKolonne k, bool vist)
{
    if (const auto felt = vistFelt(k))
        this->*felt = vist;
}

int DetaljeEgenskaber::bredde(FilKolonne k) const
{
    const auto felt = breddeFelt(k);
    return felt ? this->*felt : mindsteBredde;
}

void DetaljeEgenskaber::setBredde(FilKolonne k, int bredde)
{
    if (const auto felt = breddeFelt(k))
        this->*felt = qBound(mindsteBredde, bredde, stoersteBredde);
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
