#pragma once

#include <QStringView>

#include <cstdint>
#include <span>
#include <vector>

struct UCollator;

// The collation keys of many names in one buffer, made by the rules of
// dansk::navneorden(): comparing two keys byte by byte gives the order the
// collator would. A folder of a hundred thousand names then sorts by
// comparing bytes that lie together, instead of chasing one allocated key
// per name. Not to be shared between threads while keys are added.
class Navnenoegler
{
public:
    Navnenoegler();
    ~Navnenoegler();
    Navnenoegler(const Navnenoegler &) = delete;
    Navnenoegler &operator=(const Navnenoegler &) = delete;

    void reserver(size_t antal, size_t tegn);
    // Adds the key of the next name; keys are numbered from 0 in that order.
    void tilfoej(QStringView navn);
    size_t antal() const { return m_fra.size() - 1; }

    std::span<const std::uint8_t> noegle(size_t i) const;
    // <0, 0, >0 as the names collate, also for keys of two collections.
    static int sammenlign(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);
    int sammenlign(size_t a, size_t b) const { return sammenlign(noegle(a), noegle(b)); }
    // The key's first eight bytes as one number, for comparing most pairs
    // without looking further.
    std::uint64_t praefiks(size_t i) const;

private:
    UCollator *m_collator = nullptr;
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::uint32_t> m_fra;   // key i is m_bytes[m_fra[i], m_fra[i + 1])
};
