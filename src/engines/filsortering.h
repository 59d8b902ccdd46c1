#pragma once

#include "platform/filinfo.h"

#include <QString>
#include <Qt>

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

// Sizes and dates must be known for every row before sorting by them.
bool behoeverDetaljer(Sortering s);

// The rows in the order shown: folders first, then by the column, ties in
// the Danish name order (numbers by value, "fil9" before "fil10"). Each
// name's collation key is made once; a big folder's keys are made on two
// threads. `detaljer` is read only when the sort needs it. A pure function
// of its arguments: it may run on any thread.
std::vector<quint32> orden(QStringView navne, const std::vector<Navn> &raekker,
                           const std::vector<filinfo::Detaljer> &detaljer, Sortering s);

// Puts `v` in the order `orden` gave.
template<typename T>
void anvend(std::vector<T> &v, const std::vector<quint32> &orden)
{
    if (v.size() != orden.size())
        return;
    std::vector<T> ny;
    ny.reserve(v.size());
    for (quint32 i : orden)
        ny.push_back(std::move(v[i]));
    v = std::move(ny);
}

} // namespace filsortering
