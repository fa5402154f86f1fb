#include "common/Pamet.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#endif

namespace lomvira {

#if defined(__linux__) && defined(__GLIBC__)

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
    if (bajty > 0) {
        // Grown at once; the block goes back to the heap's free top at once.
        if (void* p = std::malloc(bajty))
            std::free(p);
    }
    char* const konec = static_cast<char*>(sbrk(0));
    const auto stranka = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto od = reinterpret_cast<std::uintptr_t>(zacatek) & ~(stranka - 1);
    const auto po = reinterpret_cast<std::uintptr_t>(konec);
    if (po > od)
        madvise(reinterpret_cast<void*>(od), po - od, MADV_HUGEPAGE);
}

#else

void PripravPamet(std::size_t) {}

#endif

} // namespace lomvira
