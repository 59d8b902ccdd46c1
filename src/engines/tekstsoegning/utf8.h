#pragma once

#include <QtGlobal>

// UTF-8 at the speed of the search: validating a whole document, stepping
// between characters, and counting positions the way the text control
// counts them (UTF-16 units, a CR LF line break as one).
namespace utf8 {

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool gyldig(const char *data, qsizetype n);

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
