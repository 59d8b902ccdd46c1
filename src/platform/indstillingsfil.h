#pragma once

#include "platform/tekstfil.h"

#include <QString>
#include <QStringList>

#include <array>
#include <climits>
#include <variant>

// Settings files of a fixed shape: one value per line in a fixed order,
// described by a table of the struct's fields. The table decides how each
// line is read and written; the struct keeps its own defaults.
namespace indstillingsfil {

enum class Udfald {
    Laest,          // every line applied
    Mangler,        // no file: defaults
    Ulaeselig,      // not a regular file, too large or unreadable: defaults
    ForkertAntal,   // not the struct's number of lines: defaults
    IkkeEtTal       // a number line failed: reading stopped there, then defaults
};

// Files larger than this are not settings files; they are not read.
constexpr qint64 maxFilstoerrelse = tekstfil::maksStoerrelse(tekstfil::Art::Indstillinger);

// An integer, brought within [mindst, hoejst] when read.
template <class T>
struct Heltal
{
    int T::*felt;
    int mindst = INT_MIN;
    int hoejst = INT_MAX;
};

// A check box: any number but 0 is true.
template <class T>
using Flag = bool T::*;

// A page switch: shown only for exactly 1.
template <class T>
struct Kontakt
{
    bool T::*felt;
};

template <class T>
using Felt = std::variant<QString T::*, Heltal<T>, Flag<T>, Kontakt<T>>;

// The lines of a settings file, or why there are none: only a regular file
// of settings size is read (a pipe would block and a huge file is not ours);
// anything else has been told to the user and is not written over.
Udfald laes(const QString &filnavn, QStringList &linjer);

// A decimal number line, blanks around it allowed.
bool tilTal(const QString &linje, int *tal);

// A text holding a line break cannot stay on its line; it is written empty
// so the file keeps its shape.
QString somLinje(const QString &tekst);

// Applies the lines in order. A line that is not a number stops the reading
// where it stands: the lines before it keep their new values.
template <class T, std::size_t N>
Udfald anvendUdenStandard(T &e, const std::array<Felt<T>, N> &felter, const QStringList &linjer)
{
    if (linjer.size() != qsizetype(N))
        return Udfald::ForkertAntal;
    for (std::size_t i = 0; i < N; ++i) {
        const Felt<T> &felt = felter[i];
        const QString &linje = linjer.at(qsizetype(i));
        if (auto tekst = std::get_if<QString T::*>(&felt)) {
            e.*(*tekst) = linje;
            continue;
        }
        int tal = 0;
        if (!tilTal(linje, &tal))
            return Udfald::IkkeEtTal;
        if (auto h = std::get_if<Heltal<T>>(&felt))
            e.*(h->felt) = qBound(h->mindst, tal, h->hoejst);
        else if (auto flag = std::get_if<Flag<T>>(&felt))
            e.*(*flag) = tal != 0;
        else
            e.*(std::get<Kontakt<T>>(felt).felt) = tal == 1;
    }
    return Udfald::Laest;
}

template <class T, std::size_t N>
QStringList tilLinjer(const T &e, const std::array<Felt<T>, N> &felter)
{
    QStringList linjer;
    linjer.reserve(qsizetype(N));
    for (const Felt<T> &felt : felter) {
        if (auto tekst = std::get_if<QString T::*>(&felt))
            linjer.append(somLinje(e.*(*tekst)));
        else if (auto h = std::get_if<Heltal<T>>(&felt))
            linjer.append(QString::number(e.*(h->felt)));
        else if (auto flag = std::get_if<Flag<T>>(&felt))
            linjer.append(e.*(*flag) ? QStringLiteral("1") : QStringLiteral("0"));
        else
            linjer.append(e.*(std::get<Kontakt<T>>(felt).felt) ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return linjer;
}

// As anvendUdenStandard, ending in e.defaultOpt() unless every line applied.
template <class T, std::size_t N>
Udfald anvend(T &e, const std::array<Felt<T>, N> &felter, const QStringList &linjer)
{
    const Udfald udfald = anvendUdenStandard(e, felter, linjer);
    if (udfald != Udfald::Laest)
        e.defaultOpt();
    return udfald;
}

// Reads the file on top of e's values; anything but a proper file ends in
// e.defaultOpt().
template <class T, std::size_t N>
Udfald hent(T &e, const std::array<Felt<T>, N> &felter, const QString &filnavn)
{
    QStringList linjer;
    const Udfald udfald = laes(filnavn, linjer);
    if (udfald != Udfald::Laest) {
        e.defaultOpt();
        return udfald;
    }
    return anvend(e, felter, linjer);
}

} // namespace indstillingsfil
