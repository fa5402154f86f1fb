#include "common/Pamet.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <thread>
#endif

namespace lomvira {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

// Faults the block in from another core while this one reads the notebook: the system
// zeroes every fresh page, and that zeroing was a third of a large load. MADV_POPULATE_WRITE
// maps the pages without writing to them, so the block may be in use meanwhile; a system
// that lacks it refuses it and nothing happens.
void PredemZmapuj(std::uintptr_t od, std::size_t delka)
{
    static std::atomic<bool> bezi{false};
    if (std::thread::hardware_concurrency() < 2 || bezi.exchange(true))
        return;
    try {
        std::thread([od, delka] {
            constexpr std::size_t Kus = std::size_t{4} << 20;
            for (std::size_t i = 0; i < delka; i += Kus)
                if (madvise(reinterpret_cast<void*>(od + i), std::min(Kus, delka - i), MADV_POPULATE_WRITE) != 0)
                    break;
            bezi = false;
        }).detach();
    } catch (const std::system_error&) {
        bezi = false; // no thread to spare: the pages fault in as they are used
    }
}

} // namespace

void PripravPamet(std::size_t bajty)
{
    // Where the heap stood when first asked; what lies below belongs to the start-up.
    static char* const zacatek = [] {
        // Large blocks from the heap too, so that they share its advice, and freed memory
        // kept rather than handed back and faulted in again by the next table.
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, INT_MAX);
        return static_cast<char*>(sbrk(0));
    }();
    // Grown at once; the block goes back to the heap's free top at once, where the tables
    // will be placed.
    std::uintptr_t blok = 0;
    if (bajty > 0) {
        if (void* p = std::malloc(bajty)) {
            blok = reinterpret_cast<std::uintptr_t>(p);
            std::free(p);
        }
    }
    char* const konec = static_cast<char*>(sbrk(0));
    const auto stranka = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto od = reinterpret_cast<std::uintptr_t>(zacatek) & ~(stranka - 1);
    const auto po = reinterpret_cast<std::uintptr_t>(konec);
    if (po > od)
        madvise(reinterpret_cast<void*>(od), po - od, MADV_HUGEPAGE);
    // About half of what the survey will take; the rest faults in as it is used.
    const std::uintptr_t zacatekBloku = (blok + stranka - 1) & ~(stranka - 1);
    if (blok != 0 && zacatekBloku < po)
        PredemZmapuj(zacatekBloku, std::min<std::size_t>(bajty / 2, po - zacatekBloku));
}

#else

void PripravPamet(std::size_t) {}

#endif

} // namespace lomvira
