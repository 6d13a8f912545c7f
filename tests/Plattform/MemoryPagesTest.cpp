#include "Plattform/MemoryPages.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

namespace {

// Only the whole pages inside the range read as zeros afterwards; the bytes
// of partly covered pages at either end, and everything outside, are kept.
TEST(MemoryPagesTest, GivesBackOnlyWholePagesInsideTheRange) {
    const size_t sida = size_t(sysconf(_SC_PAGESIZE));
    std::vector<uint8_t> minne(8 * sida, 0x5A);
    uint8_t* sidstart = reinterpret_cast<uint8_t*>((reinterpret_cast<uintptr_t>(minne.data()) + sida - 1) / sida * sida);
    struct Fall {
        size_t början, slut;  // from the first page boundary in the block
    };
    for (Fall f : {Fall{10, 10}, Fall{1, sida - 1}, Fall{sida - 3, 3 * sida + 7}, Fall{0, 2 * sida}}) {
        std::fill(minne.begin(), minne.end(), uint8_t{0x5A});
        releaseWholePages({sidstart + f.början, f.slut - f.början});
        const size_t förstaHela = (f.början + sida - 1) / sida * sida, slutHela = f.slut / sida * sida;
        for (size_t i = 0; i < minne.size(); ++i) {
            const size_t frånSidstart = size_t(minne.data() + i - sidstart);
            const bool inuti = minne.data() + i >= sidstart && frånSidstart >= förstaHela && frånSidstart < slutHela;
            ASSERT_EQ(minne[i], inuti ? 0 : 0x5A) << "byte " << i << " in case " << f.början << ".." << f.slut;
        }
    }
}

}  // namespace
