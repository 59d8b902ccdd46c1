#include "core/navnenoegler.h"

#include <QtGlobal>

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>

// The collator is set up as QCollator sets up its own for navneorden():
// Danish rules, normalisation on, the default strength, numbers by value and
// punctuation counted, so both give one order.
Navnenoegler::Navnenoegler()
    : m_fra(1, 0)
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open("da_DK", &status);
    if (U_FAILURE(status)) {
        m_collator = nullptr;
        return;
    }
    ucol_setAttribute(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(m_collator, UCOL_STRENGTH, UCOL_DEFAULT_STRENGTH, &status);
    ucol_setAttribute(m_collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    ucol_setAttribute(m_collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
}

Navnenoegler::~Navnenoegler()
{
    if (m_collator)
        ucol_close(m_collator);
}

void Navnenoegler::reserver(size_t antal, size_t tegn)
{
    m_fra.reserve(antal + 1);
    // A Danish name's key is about one and a half bytes per character.
    m_bytes.reserve(tegn * 3 / 2 + antal * 8);
}

void Navnenoegler::tilfoej(QStringView navn)
{
    const size_t start = m_bytes.size();
    if (m_collator && !navn.isEmpty()) {
        const auto *tegn = reinterpret_cast<const UChar *>(navn.utf16());
        const auto laengde = int32_t(navn.size());
        size_t plads = 16 + size_t(navn.size()) * 3;
        for (;;) {
            m_bytes.resize(start + plads);
            const int32_t brugt = ucol_getSortKey(m_collator, tegn, laengde, m_bytes.data() + start, int32_t(plads));
            if (size_t(brugt) <= plads) {
                m_bytes.resize(start + size_t(brugt));
                break;
            }
            plads = size_t(brugt);
        }
    } else {
        // Without a collator the name's own code units order it.
        for (QChar c : navn) {
            m_bytes.push_back(std::uint8_t(c.unicode() >> 8));
            m_bytes.push_back(std::uint8_t(c.unicode()));
        }
        m_bytes.push_back(0);
    }
    m_fra.push_back(std::uint32_t(m_bytes.size()));
}

std::span<const std::uint8_t> Navnenoegler::noegle(size_t i) const
{
    return {m_bytes.data() + m_fra[i], m_fra[i + 1] - m_fra[i]};
}

int Navnenoegler::sammenlign(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::uint64_t Navnenoegler::praefiks(size_t i) const
{
    const std::span<const std::uint8_t> k = noegle(i);
    std::uint64_t p = 0;
    for (size_t j = 0; j < 8; ++j)
        p = (p << 8) | (j < k.size() ? k[j] : 0);
    return p;
}
