#include "Plattform/MemoryPages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

void releaseWholePages(std::span<const uint8_t> bytes) {
    static const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(bytes.data()) + page - 1) / page * page;
    const auto end = (reinterpret_cast<uintptr_t>(bytes.data()) + bytes.size()) / page * page;
    // Advice only: a refusal leaves the memory as it was, which is no harm.
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}

void returnFreeMemory() { malloc_trim(0); }

void giveLargeBlocksPagesOfTheirOwn() { mallopt(M_MMAP_THRESHOLD, 128 * 1024); }

void prefaultPages(void* p, size_t size) {
#ifdef MADV_POPULATE_WRITE
    static const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<uintptr_t>(p) / page * page;
    const auto end = reinterpret_cast<uintptr_t>(p) + size;
    if (size > 0) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}

void adviseHugePages(std::span<uint8_t> bytes) {
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t huge = uintptr_t(2) << 20;
    const auto begin = (reinterpret_cast<uintptr_t>(bytes.data()) + huge - 1) / huge * huge;
    const auto end = (reinterpret_cast<uintptr_t>(bytes.data()) + bytes.size()) / huge * huge;
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
