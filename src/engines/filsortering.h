#pragma once

#include "platform/filinfo.h"

#include <QString>
#include <Qt>

#include <functional>
#include <vector>

// The columns of the file tree, in the order shown.
enum class FilKolonne : int {
    Navn = 0,
    Stoerrelse = 1,
    Aendret = 2,
    Type = 3,
};
constexpr int AntalFilKolonner = 4;

// How the file tree is sorted: by one column, either way. Folders always
// come before files; names that tie on the column keep the Danish name order.
struct Sortering
{
    FilKolonne kolonne = FilKolonne::Navn;
    Qt::SortOrder orden = Qt::AscendingOrder;

    bool operator==(const Sortering &) const = default;
};

namespace filsortering {

// One row as the sort sees it: its name in a buffer of names and whether it
// is a folder.
struct Navn
{
    quint32 fra = 0;
    quint32 laengde = 0;
    bool mappe = false;
};

// The rows to sort, read in place from the caller's own records: row i is
// navn(i). It is called from two threads at once for a big folder, so it
// must only read.
struct Raekker
{
    size_t antal = 0;
    std::function<Navn(size_t)> navn;
};

// Sizes and dates must be known for every row before sorting by them.
bool behoeverDetaljer(Sortering s);

// The rows in the order shown: folders first, then by the column, ties in
// the Danish name order (numbers by value, "fil9" before "fil10"). Each
// name's collation key is made once; a big folder's keys are made on two
// threads. `detaljer` is read only when the sort needs it. A pure function
// of its arguments: it may run on any thread.
std::vector<quint32> orden(QStringView navne, const Raekker &raekker, const filinfo::DetaljeListe &detaljer,
                           Sortering s);

// Puts `v` in the order `orden` gave, in place: element i becomes the one
// that was at orden[i]. Each cycle of the order is followed once, so a big
// array is not copied into fresh memory.
template<typename V>
void anvend(V &v, const std::vector<quint32> &orden)
{
    if (v.size() != orden.size())
        return;
    std::vector<bool> paaPlads(orden.size());
    for (size_t start = 0; start < orden.size(); ++start) {
        if (paaPlads[start])
            continue;
        auto foerste = std::move(v[start]);
        size_t i = start;
        for (;;) {
            paaPlads[i] = true;
            const size_t fra = orden[i];
            if (fra == start) {
                v[i] = std::move(foerste);
                break;
            }
            v[i] = std::move(v[fra]);
            i = fra;
        }
    }
}

} // namespace filsortering
