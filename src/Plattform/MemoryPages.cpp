#include "Plattform/MemoryPages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

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
