#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

// The interface is Danish whatever the system locale says: numbers, sizes
// and dates are always shown in Danish formats, and texts are compared by the
// program's own case rule.
namespace dansk {

QLocale locale();

// "1.500", "-12"
QString heltal(qint64 tal);

// "1,50" with the given number of decimals.
QString decimaltal(double tal, int decimaler);

// The case rule for captions, names and search texts: only the letters A–Z
// fold to a–z; every other character (æ, ø, å included) compares by its code.
QChar foldAZ(QChar c);
// The same rule on one byte of a UTF-8 (or raw) name: bytes of other
// letters are 0x80 and above and stay as they are.
constexpr char foldAZ(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}
QString foldAZ(const QString &tekst);
bool ensAZ(const QString &a, const QString &b);
// <0, 0, >0 like strcmp, with A–Z folded.
int sammenlignAZ(const QString &a, const QString &b);

// Whether `navn` starts with the letters a user typed to find it: case is
// ignored for every letter ("æ" finds "Æble"), but a letter is never taken
// for another ("a" does not find "å", even when the name writes "å" as "a"
// and a combining ring, as names made on some systems do).
bool begynderMed(const QString &navn, const QString &begyndelse);

// The order of names in every list the program sorts, as a Danish user
// expects it: æ, ø, å after z, "aa" as the Danish rules say, and numbers by
// their value ("fil9" before "fil10"). Qt collates through ICU, which
// carries its own Danish rules, so no system locale needs to be installed.
QCollator navneorden();

// Sorts the items from `fra` on by the name `navn(item)` gives, in the
// Danish name order. Each name's collation key is made once, not per
// comparison, so a folder of a hundred thousand names sorts quickly. Names
// that collate alike are ordered by their exact text, so the order is the
// same every time.
template<typename T, typename Navn>
void sorterEfterNavn(std::vector<T> &liste, size_t fra, Navn navn)
{
    if (liste.size() < fra + 2)
        return;
    const QCollator orden = navneorden();
    std::vector<std::pair<QCollatorSortKey, size_t>> noegler;
    noegler.reserve(liste.size() - fra);
    for (size_t i = fra; i < liste.size(); ++i)
        noegler.emplace_back(orden.sortKey(navn(liste[i])), i);
    std::sort(noegler.begin(), noegler.end(), [&](const auto &a, const auto &b) {
        const int c = a.first.compare(b.first);
        return c != 0 ? c < 0 : navn(liste[a.second]) < navn(liste[b.second]);
    });
    std::vector<T> sorteret;
    sorteret.reserve(noegler.size());
    for (const auto &n : noegler)
        sorteret.push_back(std::move(liste[n.second]));
    std::move(sorteret.begin(), sorteret.end(), liste.begin() + qsizetype(fra));
}

// A list of names in the Danish name order.
void sorterNavne(QStringList &navne);

} // namespace dansk
