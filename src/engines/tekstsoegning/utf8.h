#pragma once

#include <QtGlobal>

// UTF-8 at the speed of the search: validating a whole document, stepping
// between characters, and counting positions the way the text control
// counts them (UTF-16 units, a CR LF line break as one).
namespace utf8 {

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool gyldig(const char *data, qsizetype n);

// Validates a text piece by piece as it is read, so each piece is checked
// while it is still in the cache. A character split between two pieces is
// checked with the later one.
class Kontrol
{
public:
    // The bytes [0, til) have arrived; `data` holds all of them.
    void tilfoej(const char *data, qsizetype til);
    // Every byte has arrived: whether the whole text [fra, n) is valid.
    bool afslut(const char *data, qsizetype n);
    // Where checking starts (after a byte-order mark).
    void setFra(qsizetype fra) { m_fra = fra; }

private:
    qsizetype m_fra = 0;
    bool m_gyldig = true;
};

// The character at byte i and its length in bytes. Expects valid UTF-8 but
// never reads past n.
char32_t dekod(const char *data, qsizetype n, qsizetype i, int &laengde);

// Writes c and returns its length in bytes.
int kod(char32_t c, char *ud);

// The start of the character before byte i (i > 0).
inline qsizetype forrige(const char *data, qsizetype i)
{
    do
        --i;
    while (i > 0 && (static_cast<unsigned char>(data[i]) & 0xC0) == 0x80);
    return i;
}

// The positions the bytes [fra, til) take up in the text: one per UTF-16
// unit, less one for each LF that ends a CR LF (the pair is one break).
// `data` is the whole text, so a pair across `fra` is seen.
qint64 positioner(const char *data, qsizetype fra, qsizetype til);

} // namespace utf8
