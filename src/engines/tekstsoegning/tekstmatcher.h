#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Finds a search text in UTF-8 text without decoding it: a vector scan for
// the rarest byte(s) the text can hold at one or two of its places, then a
// check of each candidate character by character. Ignoring letter case
// folds every letter (æ/Æ, ø/Ø, å/Å and every other script's pairs, as
// QString's case-insensitive search does), so each character of the search
// text stands for the set of characters that fold to the same letter.
//
// The text searched must be valid UTF-8. Occurrences never overlap: after a
// hit the search goes on behind it, while a candidate that fails the
// whole-word rule lets the search go on one character later.
class Tekstmatcher
{
public:
    struct Fund
    {
        qsizetype start;   // byte offsets, [start, slut)
        qsizetype slut;
    };

    Tekstmatcher(const QString &soegetekst, bool heleOrd, bool storeSmaa);

    // False for an empty search text, and for one that holds a line break:
    // an occurrence never spans two paragraphs.
    bool kanFinde() const { return m_kanFinde; }

    // Appends every occurrence in `data` to `ud`, in order.
    void find(const char *data, qsizetype n, std::vector<Fund> &ud) const;

private:
    struct Sted
    {
        int indeks = -1;              // place in the search text
        std::vector<uint8_t> bytes;   // the first bytes its characters can have
    };

    void vaelgFiltre();
    bool passer(const char *data, qsizetype n, qsizetype start, qsizetype &slut) const;
    bool heltOrd(const char *data, qsizetype n, qsizetype start, qsizetype slut) const;
    template <typename Kandidat>
    void scan(const char *data, qsizetype n, Kandidat &&kandidat) const;

    std::vector<char32_t> m_tegn;                  // the search text, folded when case is ignored
    std::vector<std::vector<char32_t>> m_varianter;   // per place: every character that matches it
    bool m_storeSmaa;
    bool m_heleOrd;
    bool m_kanFinde = false;
    bool m_foersteErOrdtegn = false;
    bool m_sidsteErOrdtegn = false;
    Sted m_foerste;                   // the place the scan looks for
    Sted m_anden;                     // a second place at a fixed byte distance, or none
    qsizetype m_afstand = 0;          // bytes from the first place to the second
};
