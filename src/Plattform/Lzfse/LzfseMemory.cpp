#include "Plattform/Lzfse/LzfseMemory.h"

#include <sys/mman.h>
#include <unistd.h>

namespace lzfse {

void releaseWholePages(std::span<const uint8_t> bytes) {
    static const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(bytes.data()) + page - 1) / page * page;
    const auto end = (reinterpret_cast<uintptr_t>(bytes.data()) + bytes.size()) / page * page;
    // Advice only: a refusal leaves the memory as it was, which is no harm.
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}

void adviseHugePages(std::span<uint8_t> bytes) {
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t huge = uintptr_t(2) << 20;
    const auto begin = (reinterpret_cast<uintptr_t>(bytes.data()) + huge - 1) / huge * huge;
    const auto end = (reinterpret_cast<uintptr_t>(bytes.data()) + bytes.size()) / huge * huge;
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace lzfse
