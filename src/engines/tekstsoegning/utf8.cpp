#include "engines/tekstsoegning/utf8.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace utf8 {

namespace {

inline unsigned char byte(const char *data, qsizetype i)
{
    return static_cast<unsigned char>(data[i]);
}

inline bool fortsaet(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the valid character at i, or 0.
int gyldigTegn(const char *data, qsizetype n, qsizetype i)
{
    const unsigned char b = byte(data, i);
    if (b < 0x80)
        return 1;
    int l;
    unsigned char lav = 0x80, hoej = 0xBF;   // the allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        l = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        l = 3;
        if (b == 0xE0)
            lav = 0xA0;        // overlong
        else if (b == 0xED)
            hoej = 0x9F;       // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        l = 4;
        if (b == 0xF0)
            lav = 0x90;        // overlong
        else if (b == 0xF4)
            hoej = 0x8F;       // above U+10FFFF
    } else {
        return 0;
    }
    if (i + l > n)
        return 0;
    const unsigned char b1 = byte(data, i + 1);
    if (b1 < lav || b1 > hoej)
        return 0;
    for (int k = 2; k < l; ++k)
        if (!fortsaet(byte(data, i + k)))
            return 0;
    return l;
}

} // namespace

bool gyldig(const char *data, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
#if defined(__SSE2__)
        if (i + 16 <= n) {
            const unsigned maske =
                unsigned(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i))));
            if (maske == 0) {
                i += 16;
                continue;
            }
            i += __builtin_ctz(maske);   // straight to the first byte above ASCII
        }
#endif
        const int l = gyldigTegn(data, n, i);
        if (l == 0)
            return false;
        i += l;
    }
    return true;
}

char32_t dekod(const char *data, qsizetype n, qsizetype i, int &laengde)
{
    const unsigned char b = byte(data, i);
    if (b < 0x80 || b < 0xC0) {
        laengde = 1;
        return b;
    }
    const int l = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    if (i + l > n) {
        laengde = 1;
        return 0xFFFD;
    }
    char32_t c = b & (0x7F >> l);
    for (int k = 1; k < l; ++k)
        c = (c << 6) | (byte(data, i + k) & 0x3F);
    laengde = l;
    return c;
}

int kod(char32_t c, char *ud)
{
    if (c < 0x80) {
        ud[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        ud[0] = char(0xC0 | (c >> 6));
        ud[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        ud[0] = char(0xE0 | (c >> 12));
        ud[1] = char(0x80 | ((c >> 6) & 0x3F));
        ud[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    ud[0] = char(0xF0 | (c >> 18));
    ud[1] = char(0x80 | ((c >> 12) & 0x3F));
    ud[2] = char(0x80 | ((c >> 6) & 0x3F));
    ud[3] = char(0x80 | (c & 0x3F));
    return 4;
}

qint64 positioner(const char *data, qsizetype fra, qsizetype til)
{
    qint64 antal = 0;
    qsizetype i = fra;
    auto enkelt = [&](qsizetype k) {
        const unsigned char b = byte(data, k);
        antal += !fortsaet(b);
        antal += b >= 0xF0;   // a character beyond the BMP is two UTF-16 units
        antal -= b == '\n' && k > 0 && data[k - 1] == '\r';
    };
    if (i == 0 && i < til)
        enkelt(i++);
#if defined(__SSE2__)
    const __m128i c0 = _mm_set1_epi8(char(0xC0)), c80 = _mm_set1_epi8(char(0x80));
    const __m128i f0 = _mm_set1_epi8(char(0xF0));
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    for (; i + 16 <= til; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i foer = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i - 1));
        const unsigned fort = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, c0), c80)));
        const unsigned fire = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(v, f0), v)));
        const unsigned par = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(foer, cr))));
        antal += 16 - __builtin_popcount(fort) + __builtin_popcount(fire) - __builtin_popcount(par);
    }
#endif
    for (; i < til; ++i)
        enkelt(i);
    return antal;
}

} // namespace utf8
