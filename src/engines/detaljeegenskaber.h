#pragma once

#include "engines/filsortering.h"

#include <QString>
#include <QStringList>

// The file tree's details of one explorer window, kept in a settings file of
// their own beside the window's ("Stifinder N detaljer.txt"), one value per
// line: whether the details show, which columns, their widths and the sort.
// A default-constructed value is what a new window starts with: details
// shown, every column on, sorted by name.
struct DetaljeEgenskaber
{
    bool visDetaljer = true;        //  1 "Vis detaljer"
    bool visStoerrelse = true;      //  2 column "Størrelse"
    bool visAendret = true;         //  3 column "Ændret"
    bool visType = true;            //  4 column "Type"
    int breddeNavn = 230;           //  5 column widths in pixels
    int breddeStoerrelse = 80;      //  6
    int breddeAendret = 115;        //  7
    int breddeType = 150;           //  8
    int sorteringsKolonne = 0;      //  9 0 name, 1 size, 2 modified, 3 type
    int faldende = 0;               // 10 0 ascending, 1 descending

    static constexpr int antalLinjer = 10;
    static constexpr int mindsteBredde = 20;
    static constexpr int stoersteBredde = 2000;

    void defaultOpt() { *this = DetaljeEgenskaber(); }

    // The name column always shows.
    bool kolonneVist(FilKolonne k) const;
    void setKolonneVist(FilKolonne k, bool vist);
    int bredde(FilKolonne k) const;
    void setBredde(FilKolonne k, int bredde);

    // The stored order.
    Sortering sortering() const;
    void setSortering(Sortering s);
    // The order the file tree shows: the stored one while the details show;
    // the names-only view keeps the name order.
    Sortering vistSortering() const;

    // Reads the file; anything but a whole, proper file gives the defaults.
    // Numbers are brought within their range. True when the file was read.
    bool HentOpt(const QString &filnavn);
    // False when the write failed.
    bool GemOpt(const QString &filnavn) const;
    QStringList tilLinjer() const;
    bool anvendLinjer(const QStringList &linjer);

    bool operator==(const DetaljeEgenskaber &) const = default;
};
