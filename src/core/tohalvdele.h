#pragma once

#include <cstddef>
#include <thread>

// Work on many items that two cores can share: from DeltFra items on, the
// second half runs on a thread of its own beside the first, and the call
// returns when both are done. `arbejde(fra, til)` handles items [fra, til)
// and must only read what the two halves share.
constexpr std::size_t DeltFra = 20000;

template<typename F>
void iToHalvdele(std::size_t antal, F &&arbejde)
{
    if (antal < DeltFra) {
        arbejde(std::size_t(0), antal);
        return;
    }
    std::thread hjaelper([&] { arbejde(antal / 2, antal); });
    arbejde(std::size_t(0), antal / 2);
    hjaelper.join();
}
