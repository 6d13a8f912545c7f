#include "Plattform/MemoryPages.h"
#include "Plattform/SlotPool.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

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

// The pages come in at once (the kernel reports them resident before any
// write) and the bytes already there stay as they were.
TEST(MemoryPagesTest, PrefaultMapsThePagesAndKeepsTheirBytes) {
    const size_t sida = size_t(sysconf(_SC_PAGESIZE));
    const size_t sidor = 64;
    void* p = mmap(nullptr, sidor * sida, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    auto* minne = static_cast<uint8_t*>(p);
    minne[5] = 0x5A;  // the first page is in already, with a byte of its own
    prefaultPages(minne + 7, 40 * sida - 7);
    std::vector<unsigned char> inne(sidor);
    ASSERT_EQ(mincore(p, sidor * sida, inne.data()), 0);
    for (size_t i = 0; i < sidor; ++i) EXPECT_EQ(inne[i] & 1, i < 40 ? 1 : 0) << "page " << i;
    EXPECT_EQ(minne[5], 0x5A);
    EXPECT_TRUE(std::all_of(minne + 6, minne + sidor * sida, [](uint8_t b) { return b == 0; }));
    munmap(p, sidor * sida);
}

// Whether the kernel may back the mapping that holds `address` with huge
// pages, as /proc/self/smaps tells.
bool hugePagesEligible(const void* address) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    const auto a = reinterpret_cast<uintptr_t>(address);
    while (std::getline(smaps, line)) {
        uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> from >> dash >> to && dash == '-') inside = from <= a && a < to;
        if (inside && line.rfind("THPeligible:", 0) == 0) return line.find('1') != std::string::npos;
    }
    return false;
}

// Only the whole huge pages inside the range are asked for; the rest of the
// mapping, and the bytes already written, stay as they were.
TEST(MemoryPagesTest, HugePagesAreAskedForOnlyUnderWholeHugePagesInside) {
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(mode, modes);
    if (modes.find("[never]") != std::string::npos || modes.empty()) GTEST_SKIP() << "no huge pages here";
    const size_t huge = size_t(2) << 20;
    void* p = mmap(nullptr, 4 * huge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    auto* minne = static_cast<uint8_t*>(p);
    const auto start = reinterpret_cast<uintptr_t>(p);
    uint8_t* förstaHela = reinterpret_cast<uint8_t*>((start + 1 + huge - 1) / huge * huge);
    minne[1] = 0x5A;
    lzfse::adviseHugePages({minne + 1, static_cast<size_t>(förstaHela + huge - (minne + 1))});
    EXPECT_TRUE(hugePagesEligible(förstaHela));
    EXPECT_TRUE(hugePagesEligible(förstaHela + huge - 1));
    if (modes.find("[madvise]") != std::string::npos) {
        if (förstaHela > minne + 1) {
            EXPECT_FALSE(hugePagesEligible(förstaHela - 1));
        }
        EXPECT_FALSE(hugePagesEligible(förstaHela + huge));
    }
    EXPECT_EQ(minne[1], 0x5A);
    lzfse::adviseHugePages({minne, 100});  // no whole huge page: nothing to ask for
    munmap(p, 4 * huge);
}

// Slots cut from blocks that grow, a stretch at a time, then handed back and
// out again: every live slot distinct, aligned and fully writable.
TEST(MemoryPagesTest, SlotPoolHandsOutDistinctSlotsAcrossBlocksAndReusesFreedOnes) {
    using Pool = SlotPool<40>;
    std::vector<void*> slots;
    std::set<void*> distinct;
    for (size_t i = 0; i < 200'000; ++i) {  // past the first blocks and several stretches
        void* p = Pool::allocate(40);
        ASSERT_EQ(reinterpret_cast<uintptr_t>(p) % 8, 0u);
        std::fill_n(static_cast<uint8_t*>(p), 40, uint8_t(i));
        slots.push_back(p);
        distinct.insert(p);
    }
    EXPECT_EQ(distinct.size(), slots.size());
    for (size_t i = 0; i < slots.size(); ++i)
        ASSERT_TRUE(std::all_of(static_cast<uint8_t*>(slots[i]), static_cast<uint8_t*>(slots[i]) + 40,
                                [&](uint8_t b) { return b == uint8_t(i); }));
    for (size_t i = 0; i < slots.size(); i += 2) Pool::release(slots[i], 40);
    for (size_t i = 0; i < slots.size(); i += 2) {
        slots[i] = Pool::allocate(40);
        std::fill_n(static_cast<uint8_t*>(slots[i]), 40, uint8_t(i));
    }
    distinct = std::set<void*>(slots.begin(), slots.end());
    EXPECT_EQ(distinct.size(), slots.size());
    for (size_t i = 1; i < slots.size(); i += 2)
        ASSERT_TRUE(std::all_of(static_cast<uint8_t*>(slots[i]), static_cast<uint8_t*>(slots[i]) + 40,
                                [&](uint8_t b) { return b == uint8_t(i); }));
    for (void* p : slots) Pool::release(p, 40);
}

}  // namespace
