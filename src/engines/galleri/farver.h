#pragma once

#include <QColor>
#include <QString>

// Colours as the gallery's settings and tables give them: a 24-bit value
// with red in the low byte and blue in the high byte.
QColor windowsFarve(quint32 vaerdi);

namespace galleriFarver {

constexpr int Antal = 20;
// The value of "no colour", given for an index outside the table.
constexpr quint32 Ingen = 536870911;

struct Farve
{
    const char *navn;    // the entry's name, "m01" … "m20"
    const char *tekst;   // its caption
    quint32 vaerdi;
};

// The background colours, in the order of their index (`colIndex`).
const Farve &farve(int indeks);
QString tekst(int indeks);
// The colour value of an index; Ingen outside 0 … 19.
quint32 vaerdi(int indeks);
// The progress bar's colour against a background of `vaerdi`.
quint32 bjaelkeVaerdi(quint32 vaerdi);

} // namespace galleriFarver
