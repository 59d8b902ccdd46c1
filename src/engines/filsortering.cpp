#include "engines/filsortering.h"

#include "core/dansk.h"
#include "core/navnenoegler.h"
#include "core/tohalvdele.h"
#include "engines/typetekster.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <span>

namespace filsortering {

namespace {

QStringView navnAf(QStringView navne, const Raekker &raekker, size_t r)
{
    const Navn n = raekker.navn(r);
    return navne.mid(n.fra, n.laengde);
}

// Rows [fra, til) in the Danish name order, with their keys.
struct SorteretDel
{
    Navnenoegler noegler;
    std::vector<quint32> raekker;   // row numbers, in order
    size_t fra = 0;

    std::span<const std::uint8_t> noegle(quint32 r) const { return noegler.noegle(r - fra); }
};

// Sorts one part: each name's key is made once, and most comparisons are
// settled by the keys' first eight bytes kept beside the row number.
void sorterDel(QStringView navne, const Raekker &raekker, SorteretDel &del, size_t fra, size_t til)
{
    del.fra = fra;
    del.noegler.reserver(til - fra, size_t(navne.size()) * (til - fra) / raekker.antal);
    for (size_t r = fra; r < til; ++r)
        del.noegler.tilfoej(navnAf(navne, raekker, r));
    std::vector<std::pair<std::uint64_t, quint32>> orden;
    orden.reserve(til - fra);
    for (size_t r = fra; r < til; ++r)
        orden.emplace_back(del.noegler.praefiks(r - fra), quint32(r));
    std::sort(orden.begin(), orden.end(), [&](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        const int c = Navnenoegler::sammenlign(del.noegle(a.second), del.noegle(b.second));
        // Names that collate alike keep one order every time.
        return c != 0 ? c < 0 : navnAf(navne, raekker, a.second) < navnAf(navne, raekker, b.second);
    });
    del.raekker.reserve(orden.size());
    for (const auto &o : orden)
        del.raekker.push_back(o.second);
}

// Every row's place in the Danish name order. A big folder is sorted in
// two halves on two threads and the halves merged.
std::vector<quint32> navnerang(QStringView navne, const Raekker &raekker)
{
    const size_t n = raekker.antal;
    SorteretDel foerste, anden;
    iToHalvdele(n, [&](size_t fra, size_t til) { sorterDel(navne, raekker, fra == 0 ? foerste : anden, fra, til); });

    std::vector<quint32> rang(n);
    quint32 plads = 0;
    auto a = foerste.raekker.cbegin();
    auto b = anden.raekker.cbegin();
    while (a != foerste.raekker.cend() && b != anden.raekker.cend()) {
        int c = Navnenoegler::sammenlign(anden.noegle(*b), foerste.noegle(*a));
        if (c == 0)
            c = navnAf(navne, raekker, *b) < navnAf(navne, raekker, *a) ? -1 : 1;
        rang[c < 0 ? *b++ : *a++] = plads++;
    }
    for (; a != foerste.raekker.cend(); ++a)
        rang[*a] = plads++;
    for (; b != anden.raekker.cend(); ++b)
        rang[*b] = plads++;
    return rang;
}

// Every row's type as a rank in the Danish order of the type texts: the
// few distinct texts are sorted, not the rows.
std::vector<qint64> typerang(QStringView navne, const Raekker &raekker, const std::vector<bool> &mappe)
{
    QHash<QString, qint64> rangAf;
    std::vector<QString> tekster(raekker.antal);
    for (size_t i = 0; i < raekker.antal; ++i) {
        tekster[i] = typetekster::typeTekst(navnAf(navne, raekker, i), mappe[i]);
        rangAf.insert(tekster[i], 0);
    }
    QStringList forskellige = rangAf.keys();
    dansk::sorterNavne(forskellige);
    for (qsizetype i = 0; i < forskellige.size(); ++i)
        rangAf[forskellige[i]] = i;
    std::vector<qint64> ud(raekker.antal);
    for (size_t i = 0; i < raekker.antal; ++i)
        ud[i] = rangAf.value(tekster[i]);
    return ud;
}

// The value a row is sorted by in column `k`; names sort by their rank.
std::vector<qint64> noegler(QStringView navne, const Raekker &raekker, const std::vector<bool> &mappe,
                            const filinfo::DetaljeListe &detaljer, FilKolonne k)
{
    std::vector<qint64> ud(raekker.antal, 0);
    if (k == FilKolonne::Type)
        return typerang(navne, raekker, mappe);
    if (detaljer.size() != raekker.antal)
        return ud;
    for (size_t i = 0; i < raekker.antal; ++i) {
        // A folder shows no size: folders keep their name order there.
        if (k == FilKolonne::Stoerrelse)
            ud[i] = mappe[i] ? 0 : detaljer[i].stoerrelse;
        else if (k == FilKolonne::Aendret)
            ud[i] = detaljer[i].aendret;
    }
    return ud;
}

} // namespace

bool behoeverDetaljer(Sortering s)
{
    return s.kolonne == FilKolonne::Stoerrelse || s.kolonne == FilKolonne::Aendret;
}

std::vector<quint32> orden(QStringView navne, const Raekker &raekker, const filinfo::DetaljeListe &detaljer,
                           Sortering s)
{
    const size_t n = raekker.antal;
    std::vector<quint32> ud(n);
    std::iota(ud.begin(), ud.end(), 0u);
    if (n < 2)
        return ud;
    const std::vector<quint32> rang = navnerang(navne, raekker);
    const bool faldende = s.orden == Qt::DescendingOrder;
    if (s.kolonne == FilKolonne::Navn) {
        // The name order is the rank itself: laid out once, folders moved
        // to the front, no second sort.
        for (size_t i = 0; i < n; ++i)
            ud[faldende ? n - 1 - rang[i] : rang[i]] = quint32(i);
        std::stable_partition(ud.begin(), ud.end(), [&](quint32 r) { return raekker.navn(r).mappe; });
        return ud;
    }
    std::vector<bool> mappe(n);
    for (size_t i = 0; i < n; ++i)
        mappe[i] = raekker.navn(i).mappe;
    const std::vector<qint64> noegle = noegler(navne, raekker, mappe, detaljer, s.kolonne);
    std::sort(ud.begin(), ud.end(), [&](quint32 a, quint32 b) {
        if (mappe[a] != mappe[b])
            return bool(mappe[a]);
        if (noegle[a] != noegle[b])
            return faldende ? noegle[a] > noegle[b] : noegle[a] < noegle[b];
        // Ties on another column stay in name order; only the name column turns it round.
        return rang[a] < rang[b];
    });
    return ud;
}

} // namespace filsortering
