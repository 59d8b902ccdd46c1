#include "engines/stifinderregler.h"

#include "engines/stier.h"
#include "engines/strukturrec.h"

#include <QHash>

#include <functional>

namespace stifinderregler {

namespace {

using Svar = std::optional<bool>;
using Regel = std::function<Svar(const Tilstand &)>;

// A rule that differs by tree: nothing is said while neither tree is active.
Svar efterTrae(const Tilstand &t, bool trae1, bool trae2)
{
    if (t.aktivTrae == 1)
        return trae1;
    if (t.aktivTrae == 2)
        return trae2;
    return std::nullopt;
}

Svar markeretElement(const Tilstand &t)
{
    return efterTrae(t, t.art == IdMappe && t.valgt, t.valgt);
}

Svar nytElement(const Tilstand &t)
{
    if (t.bloker && t.aktivTrae == 2)
        return t.fri;
    return t.art < IdBeskyttet;
}

const QHash<QString, Regel> &regler()
{
    static const QHash<QString, Regel> r = {
        {"AnnullerKopiering", [](const Tilstand &t) -> Svar { return t.poster > 0; }},
        // Cut is always held back by a running function: moving elements
        // out from under a paste would lose them.
        {"Cut", [](const Tilstand &t) { return efterTrae(t, t.fri && t.art == IdMappe && t.valgt, t.fri && t.valgt); }},
        {"Copy", [](const Tilstand &t) { return efterTrae(t, t.art < 3 && t.valgt, t.valgt); }},
        {"Paste", [](const Tilstand &t) {
             return efterTrae(t, t.fri && t.valgt && t.poster > 0, t.fri && t.poster > 0);
         }},
        {"DeleteToPapirkurv", markeretElement},
        {"DeletePermanent", markeretElement},
        {"Rename2", markeretElement},
        {"Rename", markeretElement},
        {"RenameExt", [](const Tilstand &t) -> Svar { return t.fri && t.art == IdFil; }},
        {"NyMappe", nytElement},
        {"aOpretTekstfil", nytElement},
        {"Info", [](const Tilstand &t) { return efterTrae(t, t.valgt, t.valgt); }},
        {"insertFilSFWS", [](const Tilstand &t) -> Svar { return t.art == IdFil; }},
        {"OpdaterKunEn", [](const Tilstand &t) -> Svar { return t.harMappe; }},
        {"OpdaterAlle", [](const Tilstand &t) -> Svar { return t.harMappe; }},
        {"aReloadStruktur", [](const Tilstand &t) -> Svar { return t.hjemmelavetStruktur; }},
        {"deselectAll", [](const Tilstand &t) -> Svar { return t.aktivTrae == 1 && t.mappetraeValgt; }},
        {"indstilMappestruktur", [](const Tilstand &t) -> Svar { return t.harMappe; }},
        {"aSelectButton", [](const Tilstand &t) -> Svar { return t.aktivTrae == 2; }},
        {"selectAlleElementer", [](const Tilstand &t) { return efterTrae(t, false, t.filValgte < t.filNoder); }},
        {"deselectElementer", [](const Tilstand &t) -> Svar { return t.aktivTrae == 2 && t.filValgte > 0; }},
        {"inverterSelection", [](const Tilstand &t) { return efterTrae(t, false, t.filNoder > 0); }},
        {"aRun", [](const Tilstand &t) -> Svar { return t.art == IdFil; }},
        {"aProgram", [](const Tilstand &t) -> Svar { return t.harAktivtProgram; }},
        {"aRediger", [](const Tilstand &t) -> Svar { return t.art == IdFil; }},
        {"aHTMLbutton", [](const Tilstand &t) -> Svar { return t.art == IdFil; }},
        {"aHTMLmusikliste", [](const Tilstand &t) -> Svar { return t.harFil; }},
        {"aHTMLfilmliste", [](const Tilstand &t) -> Svar { return t.harFil; }},
        {"aHTMLbilledliste", [](const Tilstand &t) -> Svar { return t.harFil; }},
        {"aShowPic", [](const Tilstand &t) -> Svar { return t.art == IdFil; }},
        {"aInsertFavoritmappe", [](const Tilstand &t) -> Svar { return t.favChanged && t.favoritsideVist; }},
        {"gemStruktur", [](const Tilstand &t) -> Svar { return t.strukturKnapper; }},
        {"hentStruktur", [](const Tilstand &t) -> Svar { return t.strukturKnapper; }},
        {"bestemFremvisning", [](const Tilstand &t) -> Svar { return t.strukturKnapper; }},
        {"Tilbage", [](const Tilstand &t) -> Svar { return kanTilbageFrem(t.historieLinje, t.historieAntal); }},
        {"Frem", [](const Tilstand &t) -> Svar { return kanTilbageFrem(t.historieLinje, t.historieAntal); }},
    };
    return r;
}

} // namespace

bool harBlokerendeRegel(const QString &kommando)
{
    static const QStringList syv = {"DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2",
                                    "NyMappe", "Info", "aOpretTekstfil"};
    return syv.contains(kommando);
}

std::optional<bool> regel(const QString &kommando, const Tilstand &t)
{
    const auto it = regler().constFind(kommando);
    if (it == regler().constEnd())
        return true;
    const Svar svar = (*it)(t);
    if (svar && *svar && t.bloker && harBlokerendeRegel(kommando))
        return t.fri;
    return svar;
}

Kontekstmenu mappetraeMenu(int aktivTrae, int art)
{
    if (aktivTrae == 2)
        return Kontekstmenu::Ingen;
    switch (art) {
    case IdMappe: return Kontekstmenu::Element;
    case IdPrivat:
    case 3: return Kontekstmenu::Privat;
    case IdDrev: return Kontekstmenu::Drev;
    default: return Kontekstmenu::Ingen;
    }
}

Kontekstmenu filtraeMenu(int aktivTrae, int art)
{
    if (aktivTrae == 1)
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
