#include "engines/filsortering.h"

#include "core/dansk.h"
#include "engines/typetekster.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <numeric>
#include <thread>

namespace filsortering {

namespace {

QStringView navnAf(QStringView navne, const Navn &r)
{
    return navne.mid(r.fra, r.laengde);
}

std::vector<QCollatorSortKey> noeglerFor(QStringView navne, const std::vector<Navn> &raekker, size_t fra, size_t til)
{
    const QCollator orden = dansk::navneorden();
    std::vector<QCollatorSortKey> ud;
    ud.reserve(til - fra);
    for (size_t i = fra; i < til; ++i) {
        const QStringView n = navnAf(navne, raekker[i]);
        ud.push_back(orden.sortKey(QString::fromRawData(n.data(), n.size())));
    }
    return ud;
}

// Every row's place in the Danish name order. The collation keys of a big
// folder are made on two threads, each with a collator of its own, and the
// sort moves only row numbers, never the keys.
std::vector<quint32> navnerang(QStringView navne, const std::vector<Navn> &raekker)
{
    const size_t n = raekker.size();
    constexpr size_t DeltFra = 20000;
    const size_t halv = n >= DeltFra ? n / 2 : n;
    std::vector<QCollatorSortKey> anden;
    std::thread hjaelper;
    if (halv < n)
        hjaelper = std::thread([&] { anden = noeglerFor(navne, raekker, halv, n); });
    const std::vector<QCollatorSortKey> foerste = noeglerFor(navne, raekker, 0, halv);
    if (hjaelper.joinable())
        hjaelper.join();
    auto noegle = [&](quint32 i) -> const QCollatorSortKey & { return i < halv ? foerste[i] : anden[i - halv]; };

    std::vector<quint32> orden(n);
    std::iota(orden.begin(), orden.end(), 0u);
    std::sort(orden.begin(), orden.end(), [&](quint32 a, quint32 b) {
        const int c = noegle(a).compare(noegle(b));
        if (c != 0)
            return c < 0;
        // Names that collate alike keep one order every time.
        return navnAf(navne, raekker[a]) < navnAf(navne, raekker[b]);
    });
    std::vector<quint32> rang(n);
    for (size_t i = 0; i < n; ++i)
        rang[orden[i]] = quint32(i);
    return rang;
}

// Every row's type as a rank in the Danish order of the type texts: the
// few distinct texts are sorted, not the rows.
std::vector<qint64> typerang(QStringView navne, const std::vector<Navn> &raekker)
{
    QHash<QString, qint64> rangAf;
    std::vector<QString> tekster(raekker.size());
    for (size_t i = 0; i < raekker.size(); ++i) {
        tekster[i] = typetekster::typeTekst(navnAf(navne, raekker[i]), raekker[i].mappe);
        rangAf.insert(tekster[i], 0);
    }
    QStringList forskellige = rangAf.keys();
    dansk::sorterNavne(forskellige);
    for (qsizetype i = 0; i < forskellige.size(); ++i)
        rangAf[forskellige[i]] = i;
    std::vector<qint64> ud(raekker.size());
    for (size_t i = 0; i < raekker.size(); ++i)
        ud[i] = rangAf.value(tekster[i]);
    return ud;
}

// The value a row is sorted by in column `k`; names sort by their rank.
std::vector<qint64> noegler(QStringView navne, const std::vector<Navn> &raekker,
                            const std::vector<filinfo::Detaljer> &detaljer, FilKolonne k)
{
    std::vector<qint64> ud(raekker.size(), 0);
    if (k == FilKolonne::Type)
        return typerang(navne, raekker);
    if (detaljer.size() != raekker.size())
        return ud;
    for (size_t i = 0; i < raekker.size(); ++i) {
        // A folder shows no size: folders keep their name order there.
        if (k == FilKolonne::Stoerrelse)
            ud[i] = raekker[i].mappe ? 0 : detaljer[i].stoerrelse;
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

std::vector<quint32> orden(QStringView navne, const std::vector<Navn> &raekker,
                           const std::vector<filinfo::Detaljer> &detaljer, Sortering s)
{
    const size_t n = raekker.size();
    std::vector<quint32> ud(n);
    std::iota(ud.begin(), ud.end(), 0u);
    if (n < 2)
        return ud;
    const std::vector<quint32> rang = navnerang(navne, raekker);
    const bool faldende = s.orden == Qt::DescendingOrder;
    const std::vector<qint64> noegle
        = s.kolonne == FilKolonne::Navn ? std::vector<qint64>() : noegler(navne, raekker, detaljer, s.kolonne);
    std::sort(ud.begin(), ud.end(), [&](quint32 a, quint32 b) {
        if (raekker[a].mappe != raekker[b].mappe)
            return raekker[a].mappe;
        if (!noegle.empty() && noegle[a] != noegle[b])
            return faldende ? noegle[a] > noegle[b] : noegle[a] < noegle[b];
        // Ties on another column stay in name order; only the name column turns it round.
        if (faldende && s.kolonne == FilKolonne::Navn)
            return rang[a] > rang[b];
        return rang[a] < rang[b];
    });
    return ud;
}

} // namespace filsortering
