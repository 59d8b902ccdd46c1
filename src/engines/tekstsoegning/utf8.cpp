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
#if defined(__SSE2__)
    // Sixteen bytes at a time while they hold only ASCII and two-byte
    // characters (all of Latin-1 and most European text): there every
    // continuation byte must stand right after a lead byte and nowhere
    // else. `foelger` carries a lead byte in the last place over to the
    // next block.
    const __m128i c0 = _mm_set1_epi8(char(0xC0)), c80 = _mm_set1_epi8(char(0x80));
    const __m128i e0 = _mm_set1_epi8(char(0xE0)), fe = _mm_set1_epi8(char(0xFE));
    unsigned foelger = 0;
    while (i + 16 <= n) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const unsigned hoej = unsigned(_mm_movemask_epi8(v));
        if (hoej == 0 && foelger == 0) {
            i += 16;
            continue;
        }
        const unsigned lang = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(v, e0), v)));
        if (lang == 0) {
            const unsigned fort = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, c0), c80)));
            const unsigned ledende = hoej & ~fort;
            const unsigned overlang = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, fe), c0)));
            if (overlang != 0 || fort != (((ledende << 1) | foelger) & 0xFFFF))
                return false;
            foelger = ledende >> 15;
            i += 16;
            continue;
        }
        // Longer characters: this block character by character, from the
        // lead byte carried over if there is one.
        i -= foelger;
        foelger = 0;
        const qsizetype slut = i + 16;
        while (i < slut && i < n) {
            const int l = gyldigTegn(data, n, i);
            if (l == 0)
                return false;
            i += l;
        }
    }
    i -= foelger;
#endif
    while (i < n) {
        const int l = gyldigTegn(data, n, i);
        if (l == 0)
            return false;
        i += l;
    }
    return true;
}

void Kontrol::tilfoej(const char *data, qsizetype til)
{
    if (!m_gyldig || til <= m_fra)
        return;
    // Stop before a character whose bytes have not all arrived.
    qsizetype start = til - 1;
    while (start > m_fra && til - start < 4 && fortsaet(byte(data, start)))
        --start;
    const unsigned char b = byte(data, start);
    const int l = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    const qsizetype slut = start + l > til ? start : til;
    m_gyldig = gyldig(data + m_fra, slut - m_fra);
    m_fra = slut;
}

bool Kontrol::afslut(const char *data, qsizetype n)
{
    return m_gyldig && gyldig(data + m_fra, n - m_fra);
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
    // Each byte's three tests become 0 or -1 in a byte counter; subtracting
    // adds one. The counters are summed before any of them can overflow.
    const __m128i c0 = _mm_set1_epi8(char(0xC0)), c80 = _mm_set1_epi8(char(0x80));
    const __m128i f0 = _mm_set1_epi8(char(0xF0));
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    auto sum = [&](__m128i taeller) {
        const __m128i s = _mm_sad_epu8(taeller, nul);
        return qint64(_mm_cvtsi128_si32(s)) + qint64(_mm_cvtsi128_si32(_mm_srli_si128(s, 8)));
    };
    while (i + 16 <= til) {
        __m128i fort = nul, fire = nul, par = nul;
        int runder = 0;
        for (; runder < 255 && i + 16 <= til; ++runder, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            const __m128i foer = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i - 1));
            fort = _mm_sub_epi8(fort, _mm_cmpeq_epi8(_mm_and_si128(v, c0), c80));
            fire = _mm_sub_epi8(fire, _mm_cmpeq_epi8(_mm_max_epu8(v, f0), v));
            par = _mm_sub_epi8(par, _mm_and_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(foer, cr)));
        }
        antal += 16 * runder - sum(fort) + sum(fire) - sum(par);
    }
#endif
    for (; i < til; ++i)
        enkelt(i);
    return antal;
}

} // namespace utf8
