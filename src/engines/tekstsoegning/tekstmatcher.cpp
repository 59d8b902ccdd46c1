#include "engines/tekstsoegning/tekstmatcher.h"

#include "engines/ordtegn.h"
#include "engines/tekstsoegning/utf8.h"

#include <QHash>

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Every character whose case fold differs from itself, grouped by its fold:
// the letters that QString's case-insensitive search takes for one another.
const QHash<char32_t, std::vector<char32_t>> &foldKlasser()
{
    static const QHash<char32_t, std::vector<char32_t>> klasser = [] {
        QHash<char32_t, std::vector<char32_t>> k;
        // Letters with case live in the first two planes, outside the
        // ideographs, Hangul syllables, surrogates and private use.
        for (char32_t c = 0; c <= 0x1FFFF; ++c) {
            if (c == 0x3400)
                c = 0xA000;
            else if (c == 0xAC00)
                c = 0xF900;
            const char32_t f = QChar::toCaseFolded(c);
            if (f != c)
                k[f].push_back(c);
        }
        return k;
    }();
    return klasser;
}

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return c >= U'A' && c <= U'Z' ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// How often a byte begins a character in ordinary (Danish or English) text,
// roughly, in tenths of a percent: the scan looks for the rarest.
const std::array<int, 256> &hyppighed()
{
    static const std::array<int, 256> tabel = [] {
        std::array<int, 256> t{};
        t.fill(1);
        const struct
        {
            char bogstav;
            int vaegt;
        } smaa[] = {{'e', 130}, {'r', 80}, {'n', 72}, {'t', 65}, {'d', 60}, {'a', 60}, {'i', 58}, {'s', 55},
                    {'l', 50},  {'o', 45}, {'g', 40}, {'k', 32}, {'m', 32}, {'f', 24}, {'v', 23}, {'u', 18},
                    {'b', 16},  {'h', 16}, {'p', 15}, {'j', 7},  {'y', 7},  {'c', 5}};
        for (const auto &b : smaa) {
            t[uint8_t(b.bogstav)] = b.vaegt;
            t[uint8_t(b.bogstav - 32)] = b.vaegt / 15 + 1;
        }
        t[' '] = 150;
        t[0xC3] = 25;   // æ, ø, å and their capitals
        t['\n'] = 15;
        t['.'] = 10;
        t[','] = 10;
        for (char c = '0'; c <= '9'; ++c)
            t[uint8_t(c)] = 5;
        return t;
    }();
    return tabel;
}

int vaegt(const std::vector<uint8_t> &bytes)
{
    int sum = 0;
    for (uint8_t b : bytes)
        sum += hyppighed()[b];
    return sum;
}

} // namespace

Tekstmatcher::Tekstmatcher(const QString &soegetekst, bool heleOrd, bool storeSmaa)
    : m_storeSmaa(storeSmaa)
    , m_heleOrd(heleOrd)
{
    for (char32_t c : soegetekst.toUcs4()) {
        if (c == U'\n' || c == U'\r' || c == 0x2029)
            return;
        m_tegn.push_back(storeSmaa ? c : fold(c));
    }
    if (m_tegn.empty())
        return;
    for (char32_t c : m_tegn) {
        std::vector<char32_t> v{c};
        if (!storeSmaa) {
            const auto it = foldKlasser().constFind(c);
            if (it != foldKlasser().cend())
                v.insert(v.end(), it->begin(), it->end());
        }
        m_varianter.push_back(std::move(v));
    }
    m_foersteErOrdtegn = erOrdtegn(m_tegn.front());
    m_sidsteErOrdtegn = erOrdtegn(m_tegn.back());
    vaelgFiltre();
    m_kanFinde = true;
}

void Tekstmatcher::vaelgFiltre()
{
    const int n = int(m_tegn.size());
    std::vector<std::vector<uint8_t>> foersteBytes(static_cast<size_t>(n));
    std::vector<int> laengde(static_cast<size_t>(n));   // the one UTF-8 length of a place's characters, or -1
    for (int j = 0; j < n; ++j) {
        auto &bytes = foersteBytes[size_t(j)];
        int l = 0;
        for (char32_t v : m_varianter[size_t(j)]) {
            char kode[4];
            const int vl = utf8::kod(v, kode);
            if (std::find(bytes.begin(), bytes.end(), uint8_t(kode[0])) == bytes.end())
                bytes.push_back(uint8_t(kode[0]));
            l = l == 0 || l == vl ? vl : -1;
        }
        laengde[size_t(j)] = l;
    }
    auto brugbar = [&](int j) { return foersteBytes[size_t(j)].size() <= 4; };

    // One place: the rarest. Two places at a fixed distance: the pair that
    // is least likely to match by chance.
    double bedst = 1e300;
    for (int j = 0; j < n; ++j) {
        if (brugbar(j) && vaegt(foersteBytes[size_t(j)]) < bedst) {
            bedst = vaegt(foersteBytes[size_t(j)]);
            m_foerste = {j, foersteBytes[size_t(j)]};
        }
    }
    bedst = 1e300;
    for (int a = 0; a < n; ++a) {
        qsizetype afstand = 0;
        for (int b = a + 1; b < n; ++b) {
            if (laengde[size_t(b - 1)] < 0)
                break;
            afstand += laengde[size_t(b - 1)];
            if (!brugbar(a) || !brugbar(b))
                continue;
            const double p = double(vaegt(foersteBytes[size_t(a)])) * vaegt(foersteBytes[size_t(b)]);
            if (p < bedst) {
                bedst = p;
                m_foerste = {a, foersteBytes[size_t(a)]};
                m_anden = {b, foersteBytes[size_t(b)]};
                m_afstand = afstand;
            }
        }
    }
    if (m_foerste.indeks < 0) {
        // Every place has more first bytes than the scan compares: look
        // at every character start instead.
        m_foerste.indeks = 0;
        m_foerste.bytes.clear();
    }
}

bool Tekstmatcher::passer(const char *data, qsizetype n, qsizetype start, qsizetype &slut) const
{
    qsizetype i = start;
    for (char32_t t : m_tegn) {
        if (i >= n)
            return false;
        int l = 0;
        const char32_t c = utf8::dekod(data, n, i, l);
        if ((m_storeSmaa ? c : fold(c)) != t)
            return false;
        i += l;
    }
    slut = i;
    return true;
}

bool Tekstmatcher::heltOrd(const char *data, qsizetype n, qsizetype start, qsizetype slut) const
{
    if (m_foersteErOrdtegn && start > 0) {
        const qsizetype foer = utf8::forrige(data, start);
        int l = 0;
        if (erOrdtegn(utf8::dekod(data, n, foer, l)))
            return false;
    }
    if (m_sidsteErOrdtegn && slut < n) {
        int l = 0;
        if (erOrdtegn(utf8::dekod(data, n, slut, l)))
            return false;
    }
    return true;
}

// Calls kandidat(offset) for every offset where the first scanned place's
// byte set matches (and the second's at its distance), in increasing order.
template <typename Kandidat>
void Tekstmatcher::scan(const char *data, qsizetype n, Kandidat &&kandidat) const
{
    const auto &a = m_foerste.bytes;
    const auto &b = m_anden.bytes;
    const bool medAnden = m_anden.indeks >= 0;
    const qsizetype d = medAnden ? m_afstand : 0;
    auto iSaet = [](const std::vector<uint8_t> &saet, uint8_t x) {
        return std::find(saet.begin(), saet.end(), x) != saet.end();
    };
    if (a.empty()) {
        for (qsizetype i = 0; i < n; ++i)
            if ((uint8_t(data[i]) & 0xC0) != 0x80)
                kandidat(i);
        return;
    }
    qsizetype i = 0;
#if defined(__SSE2__)
    auto saet = [](const std::vector<uint8_t> &s, int k) { return _mm_set1_epi8(char(s[size_t(k) % s.size()])); };
    const __m128i a0 = saet(a, 0), a1 = saet(a, 1), a2 = saet(a, 2), a3 = saet(a, 3);
    const __m128i b0 = medAnden ? saet(b, 0) : a0, b1 = medAnden ? saet(b, 1) : a1;
    const __m128i b2 = medAnden ? saet(b, 2) : a2, b3 = medAnden ? saet(b, 3) : a3;
    auto lig = [](__m128i v, __m128i x0, __m128i x1, __m128i x2, __m128i x3) {
        return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, x0), _mm_cmpeq_epi8(v, x1)),
                            _mm_or_si128(_mm_cmpeq_epi8(v, x2), _mm_cmpeq_epi8(v, x3)));
    };
    for (; i + d + 16 <= n; i += 16) {
        __m128i m = lig(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i)), a0, a1, a2, a3);
        if (medAnden)
            m = _mm_and_si128(m, lig(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + d)), b0, b1, b2, b3));
        unsigned maske = unsigned(_mm_movemask_epi8(m));
        while (maske) {
            kandidat(i + __builtin_ctz(maske));
            maske &= maske - 1;
        }
    }
#endif
    for (; i < n; ++i)
        if (iSaet(a, uint8_t(data[i])) && (!medAnden || (i + d < n && iSaet(b, uint8_t(data[i + d])))))
            kandidat(i);
}

void Tekstmatcher::find(const char *data, qsizetype n, std::vector<Fund> &ud) const
{
    if (!m_kanFinde)
        return;
    qsizetype tidligst = 0;   // where the next occurrence may begin
    scan(data, n, [&](qsizetype q) {
        // Back from the scanned place to where the occurrence would begin.
        qsizetype start = q;
        for (int k = 0; k < m_foerste.indeks; ++k) {
            if (start == 0)
                return;
            start = utf8::forrige(data, start);
        }
        qsizetype slut = 0;
        if (start < tidligst || !passer(data, n, start, slut))
            return;
        if (m_heleOrd && !heltOrd(data, n, start, slut))
            return;
        ud.push_back({start, slut});
        tidligst = slut;
    });
}
