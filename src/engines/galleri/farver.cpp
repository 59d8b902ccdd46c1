#include "engines/galleri/farver.h"

QColor windowsFarve(quint32 vaerdi)
{
    return QColor(int(vaerdi & 0xFF), int((vaerdi >> 8) & 0xFF), int((vaerdi >> 16) & 0xFF));
}

namespace galleriFarver {

namespace {

const Farve tabel[Antal] = {
    {"m01", "Beige", 8437952},      {"m02", "Bleggrøn", 12639424}, {"m03", "Blå", 10158080},
    {"m04", "Blågrøn", 12632064},   {"m05", "Grå", 10526880},      {"m06", "Grøn", 32768},
    {"m07", "Gul", 65535},          {"m08", "Himmelblå", 15780518}, {"m09", "Hvid", 16777215},
    {"m10", "Karry", 49344},        {"m11", "Kastanje", 128},      {"m12", "Lysblå", 16744448},
    {"m13", "Lysbrun", 32960},      {"m14", "Mørkblå", 8388608},   {"m15", "Mørkgrå", 8421504},
    {"m16", "Oliven", 32896},       {"m17", "Orange", 33023},      {"m18", "Rød", 255},
    {"m19", "Sølvgrå", 12632256},   {"m20", "Turkis", 8421376},
};

} // namespace

const Farve &farve(int indeks)
{
    return tabel[qBound(0, indeks, Antal - 1)];
}

QString tekst(int indeks)
{
    return QString::fromUtf8(farve(indeks).tekst);
}

quint32 vaerdi(int indeks)
{
    return indeks >= 0 && indeks < Antal ? tabel[indeks].vaerdi : Ingen;
}

quint32 bjaelkeVaerdi(quint32 vaerdi)
{
    return ((vaerdi & 65535) ^ 16777215) | 32768;
}

} // namespace galleriFarver
