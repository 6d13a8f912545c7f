#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseHeader.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lzfsetest;

TEST(LzfseDecode, EveryReferenceVectorGivesItsInput) {
    auto stems = vectorStems();
    ASSERT_GE(stems.size(), 14u);
    for (const auto& stem : stems) {
        SCOPED_TRACE(stem);
        Bytes input = inputFor(stem);
        auto decoded = lzfse::decode(readFile(vectorDir() / (stem + ".lzfse")), input.size());
        ASSERT_TRUE(decoded.has_value());
        EXPECT_TRUE(*decoded == input);
    }
}

TEST(LzfseDecode, WrongExpectedSizeGivesNone) {
    Bytes input = readFile(vectorDir() / "s10-ledger-64k.bin");
    Bytes stream = readFile(vectorDir() / "s10-ledger-64k.lzfse");
    EXPECT_FALSE(lzfse::decode(stream, input.size() - 1));
    EXPECT_FALSE(lzfse::decode(stream, input.size() + 1));
    EXPECT_FALSE(lzfse::decode(stream, 0));
}

TEST(LzfseDecode, HandBuiltStreams) {
    struct Case {
        const char* name;
        Bytes stream;
        std::optional<std::string> output;
    };
    auto b = [](std::initializer_list<int> v) {
        Bytes r;
        for (int x : v) r.push_back(uint8_t(x));
        return r;
    };
    const Bytes end = bytesOf("bvx$");
    auto lzvn = [&](uint32_t nRaw, Bytes payload) {
        Bytes s = bytesOf("bvxn");
        for (uint32_t v : {nRaw, uint32_t(payload.size())})
            for (int i = 0; i < 4; ++i) s.push_back(uint8_t(v >> (8 * i)));
        s.insert(s.end(), payload.begin(), payload.end());
        s.insert(s.end(), end.begin(), end.end());
        return s;
    };
    const Bytes stop = b({6, 0, 0, 0, 0, 0, 0, 0});
    auto cat = [](std::initializer_list<Bytes> parts) {
        Bytes r;
        for (auto& p : parts) r.insert(r.end(), p.begin(), p.end());
        return r;
    };
    std::vector<Case> cases = {
        {"end marker only", end, ""},
        {"empty raw block", cat({b({'b', 'v', 'x', '-', 0, 0, 0, 0}), end}), ""},
        {"raw block", cat({b({'b', 'v', 'x', '-', 1, 0, 0, 0, 'A'}), end}), "A"},
        {"lzvn worked example",
         lzvn(24, cat({b({0xE6, 'h', 'e', 'l', 'l', 'o', ' ', 0x38, 0x06, 0xF7, 0xE1, '\n'}), stop})),
         "hello hello hello hello\n"},
        {"lzvn medium distance", lzvn(8, cat({b({0xE4, 'a', 'b', 'c', 'd', 0xA0, 0x11, 0x00}), stop})), "abcdabcd"},
        {"lzvn no-ops", lzvn(1, cat({b({0x0E, 0xE1, 'x', 0x16}), stop})), "x"},
        {"lzvn match before any distance", lzvn(4, cat({b({0xE1, 'a', 0xF3}), stop})), std::nullopt},
        {"lzvn distance zero", lzvn(4, cat({b({0xE1, 'a', 0x18, 0x00}), stop})), std::nullopt},
        {"lzvn distance beyond output", lzvn(4, cat({b({0xE1, 'a', 0x18, 0x02}), stop})), std::nullopt},
        {"lzvn invalid opcode", lzvn(2, cat({b({0xE1, 'a', 0x1E}), stop})), std::nullopt},
        {"lzvn output past its size", lzvn(2, cat({b({0xE3, 'a', 'b', 'c'}), stop})), std::nullopt},
        {"lzvn output short of its size", lzvn(4, cat({b({0xE3, 'a', 'b', 'c'}), stop})), std::nullopt},
        {"lzvn bytes after the end instruction", lzvn(1, cat({b({0xE1, 'a'}), stop, b({0})})), std::nullopt},
        {"lzvn empty block", lzvn(0, stop), std::nullopt},
        {"unknown magic", cat({bytesOf("bvx3"), end}), std::nullopt},
        {"no end marker", b({'b', 'v', 'x', '-', 1, 0, 0, 0, 'A'}), std::nullopt},
        {"empty input", Bytes{}, std::nullopt},
        {"raw count beyond the input", cat({b({'b', 'v', 'x', '-', 9, 0, 0, 0, 'A'}), end}), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        size_t expected = c.output ? c.output->size() : 1;
        auto got = lzfse::decode(c.stream, expected);
        ASSERT_EQ(got.has_value(), c.output.has_value());
        if (c.output) {
            EXPECT_EQ(std::string(got->begin(), got->end()), *c.output);
        }
    }
}

// The reference vectors carry version 2 blocks only; re-storing their headers
// in version 1 form exercises that reader on real blocks.
TEST(LzfseDecode, VersionOneHeadersOfRealBlocks) {
    for (const char* stem : {"s09-ledger-4096", "s11-ledger-1m", "s13-mixed-4m"}) {
        SCOPED_TRACE(stem);
        Bytes input = readFile(vectorDir() / (std::string(stem) + ".bin"));
        Bytes stream = readFile(vectorDir() / (std::string(stem) + ".lzfse"));
        Bytes v1;
        size_t at = 0;
        while (std::memcmp(stream.data() + at, "bvx2", 4) == 0) {
            lzfse::LzfseBlockHeader h;
            size_t headerSize = lzfse::readV2Header(std::span(stream).subspan(at), h);
            ASSERT_GT(headerSize, 0u);
            size_t payload = size_t(h.nLiteralPayloadBytes) + h.nLmdPayloadBytes;
            lzfse::writeV1Header(h, v1);
            v1.insert(v1.end(), stream.begin() + long(at + headerSize), stream.begin() + long(at + headerSize + payload));
            at += headerSize + payload;
        }
        v1.insert(v1.end(), stream.begin() + long(at), stream.end());
        auto decoded = lzfse::decode(v1, input.size());
        ASSERT_TRUE(decoded.has_value());
        EXPECT_TRUE(*decoded == input);
    }
}

// Matches are copied in whole words where the block leaves room and a byte
// at a time near its end; repeats shorter than a word take their own path.
// Every short period, run lengths around the word sizes, and runs that end
// right at or just before the block's end, in LZVN and in LZFSE blocks.
TEST(LzfseDecode, RepeatsOfEveryShortPeriodEndingNearTheBlockEnd) {
    lzfse::Encoder encoder;
    for (size_t prefix : {size_t(200), size_t(20000)}) {
        for (size_t period = 1; period <= 40; ++period) {
            for (size_t run : {3u, 16u, 17u, 33u, 100u}) {
                for (size_t tail : {0u, 1u, 17u, 33u}) {
                    Bytes input = randomBytes(prefix + period, prefix * 131 + period);
                    for (size_t i = 0; i < run; ++i) input.push_back(input[input.size() - period]);
                    Bytes end = randomBytes(tail, tail + 7);
                    input.insert(input.end(), end.begin(), end.end());
                    SCOPED_TRACE(testing::Message() << prefix << " " << period << " " << run << " " << tail);
                    auto decoded = lzfse::decode(encoder.encode(input), input.size());
                    ASSERT_TRUE(decoded.has_value());
                    ASSERT_TRUE(*decoded == input);
                }
            }
        }
    }
}
