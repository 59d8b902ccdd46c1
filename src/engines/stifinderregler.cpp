#include "engines/stifinderregler.h"

#include "core/stier.h"
#include "engines/strukturrec.h"


namespace stifinderregler {

namespace {

// A rule that differs by tree: nothing is said while neither tree is active.
Svar efterTrae(const Tilstand &t, bool trae1, bool trae2)
{
    if (t.aktivTrae == Trae::Mappe)
        return trae1;
    if (t.aktivTrae == Trae::Fil)
        return trae2;
    return std::nullopt;
}

// With the blocking update method a command that may disturb a running
// function waits until the window is free.
Svar blokerbar(const Tilstand &t, Svar svar)
{
    if (svar && *svar && t.bloker)
        return t.fri;
    return svar;
}

} // namespace

namespace regel {

Svar altid(const Tilstand &)
{
    return true;
}

Svar annullerKopiering(const Tilstand &t)
{
    return t.poster > 0;
}

// Cut is always held back by a running function: moving elements out from
// under a paste would lose them.
Svar klip(const Tilstand &t)
{
    return efterTrae(t, t.fri && t.art == IdMappe && t.valgt, t.fri && t.valgt);
}

Svar kopier(const Tilstand &t)
{
    return efterTrae(t, t.art < 3 && t.valgt, t.valgt);
}

Svar saetInd(const Tilstand &t)
{
    return efterTrae(t, t.fri && t.valgt && t.poster > 0, t.fri && t.poster > 0);
}

Svar markeretElement(const Tilstand &t)
{
    return blokerbar(t, efterTrae(t, t.art == IdMappe && t.valgt, t.valgt));
}

Svar omdoebFiltype(const Tilstand &t)
{
    return t.fri && t.art == IdFil;
}

Svar nytElement(const Tilstand &t)
{
    if (t.bloker && t.aktivTrae == Trae::Fil)
        return t.fri;
    return blokerbar(t, t.art < IdBeskyttet);
}

Svar egenskaber(const Tilstand &t)
{
    return blokerbar(t, efterTrae(t, t.valgt, t.valgt));
}

Svar fil(const Tilstand &t)
{
    return t.art == IdFil;
}

Svar aktuelMappe(const Tilstand &t)
{
    return t.harMappe;
}

Svar hjemmelavetStruktur(const Tilstand &t)
{
    return t.hjemmelavetStruktur;
}

Svar fravaelgMapper(const Tilstand &t)
{
    return t.aktivTrae == Trae::Mappe && t.mappetraeValgt;
}

Svar filtraeAktivt(const Tilstand &t)
{
    return t.aktivTrae == Trae::Fil;
}

Svar markerAlle(const Tilstand &t)
{
    return efterTrae(t, false, t.filValgte < t.filNoder);
}

Svar fravaelgElementer(const Tilstand &t)
{
    return t.aktivTrae == Trae::Fil && t.filValgte > 0;
}

Svar inverter(const Tilstand &t)
{
    return efterTrae(t, false, t.filNoder > 0);
}

Svar aktivtProgram(const Tilstand &t)
{
    return t.harAktivtProgram;
}

Svar aktuelFil(const Tilstand &t)
{
    return t.harFil;
}

Svar favorit(const Tilstand &t)
{
    return t.favChanged && t.favoritsideVist;
}

Svar strukturKnapper(const Tilstand &t)
{
    return t.strukturKnapper;
}

Svar tilbageFrem(const Tilstand &t)
{
    return kanTilbageFrem(t.historieLinje, t.historieAntal);
}

} // namespace regel

Kontekstmenu mappetraeMenu(Trae aktivTrae, int art)
{
    if (aktivTrae == Trae::Fil)
        return Kontekstmenu::Ingen;
    switch (art) {
    case IdMappe: return Kontekstmenu::Element;
    case IdPrivat:
    case 3: return Kontekstmenu::Privat;
    case IdDrev: return Kontekstmenu::Drev;
    default: return Kontekstmenu::Ingen;
    }
}

Kontekstmenu filtraeMenu(Trae aktivTrae, int art)
{
    if (aktivTrae == Trae::Mappe)
        return Kontekstmenu::Ingen;
    return art == IdMappe || art == IdFil ? Kontekstmenu::Element : Kontekstmenu::Drev;
}

QString getStien(const QStringList &stiArray, int index)
{
    if (stiArray.isEmpty() || index < 0)
        return {};
    QString sti = stiArray.first();
    for (int i = 1; i <= index && i < stiArray.size(); ++i)
        sti = stier::delimKon(sti) + stiArray.at(i);
    return sti;
}

bool kanTilbageFrem(int linje, int antal)
{
    return linje >= 0 && linje < antal && antal > 1;
}

int tilbage(int linje, int antal)
{
    return linje <= 0 ? antal - 1 : linje - 1;
}

int frem(int linje, int antal)
{
    return linje >= antal - 1 ? 0 : linje + 1;
}

QString favoritmappeCaption(const QString &sti, const QStringList &drev)
{
    if (drev.contains(sti) || sti == QLatin1String("/"))
        return QStringLiteral("Drev ") + sti;
    return stier::getLastDirectory(sti, drev);
}

} // namespace stifinderregler
