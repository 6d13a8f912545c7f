#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseHeader.h"
#include "Plattform/Lzfse/LzfseLzvnEncoder.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lzfsetest;

namespace {

// Walks the blocks of one of our streams: every block complete, each LZFSE
// block within the format's limits, each LZVN block closed by its end
// instruction, the end marker last. Gives the number of bvx2 blocks, or -1
// when the stream is malformed.
int checkBlocks(const Bytes& s) {
    size_t at = 0;
    int compressed = 0;
    while (s.size() - at >= 4) {
        uint32_t magic = lzfse::load32(s.data() + at);
        if (magic == lzfse::magicEnd) return at + 4 == s.size() ? compressed : -1;
        if (magic == lzfse::magicRaw) {
            if (s.size() - at < 8) return -1;
            at += 8 + lzfse::load32(s.data() + at + 4);
            continue;
        }
        if (magic == lzfse::magicLzvn) {
            if (s.size() - at < 12) return -1;
            uint32_t nRaw = lzfse::load32(s.data() + at + 4), nPayload = lzfse::load32(s.data() + at + 8);
            if (nRaw == 0 || nPayload < 8 || s.size() - at - 12 < nPayload) return -1;
            at += 12 + nPayload;
            if (s[at - 8] != 0x06) return -1;  // ends with the end instruction
            continue;
        }
        if (magic != lzfse::magicV2) return -1;
        lzfse::LzfseBlockHeader h;
        size_t headerSize = lzfse::readV2Header(std::span(s).subspan(at), h);
        if (headerSize == 0 || h.nLiterals > 40000 || h.nLiterals % 4 != 0 || h.nMatches > 10000 ||
            h.nLmdPayloadBytes < 8)
            return -1;
        at += headerSize + h.nLiteralPayloadBytes + h.nLmdPayloadBytes;
        ++compressed;
    }
    return -1;
}

Bytes ledgerText(size_t n, uint64_t seed) {
    static const char* names[] = {"Kundfaktura", "Lön Åsa Öberg", "Hyra kontor", "Inköp varor", "Bankavgift",
                                  "Moms redovisning", "Försäljning Märta Ljungström"};
    static const int accounts[] = {1510, 1930, 2440, 2611, 2641, 3001, 4010, 5010, 6570, 7010};
    Random r{seed};
    std::string s;
    for (int v = 1; s.size() < n; ++v) {
        char line[160];
        const char* name = names[r.next() % 7];
        long cents = long(r.next() % 5000000);
        std::snprintf(line, sizeof line, "VER A%05d 2024-%02u-%02u \"%s\"\n", v, 1 + r.next() % 12, 1 + r.next() % 28, name);
        s += line;
        std::snprintf(line, sizeof line, "  #TRANS %d {} %ld.%02ld \"\" \"%s\"\n", accounts[r.next() % 10], cents / 100, cents % 100, name);
        s += line;
        std::snprintf(line, sizeof line, "  #TRANS %d {} -%ld.%02ld \"\" \"%s\"\n}\n", accounts[r.next() % 10], cents / 100, cents % 100, name);
        s += line;
    }
    s.resize(n);
    return bytesOf(s);
}

void expectRoundTrip(const Bytes& input) {
    Bytes stream = lzfse::encode(input);
    EXPECT_GE(checkBlocks(stream), 0);
    auto decoded = lzfse::decode(stream, input.size());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(*decoded == input);
}

}  // namespace

TEST(LzfseEncode, EveryVectorInputRoundTripsAndLargeOnesCompressLikeTheReference) {
    for (const auto& stem : vectorStems()) {
        if (stem.find('.') != std::string::npos) continue;  // a second stream of the same input
        SCOPED_TRACE(stem);
        Bytes input = inputFor(stem);
        Bytes stream = lzfse::encode(input);
        EXPECT_GE(checkBlocks(stream), 0);
        auto decoded = lzfse::decode(stream, input.size());
        ASSERT_TRUE(decoded.has_value());
        EXPECT_TRUE(*decoded == input);
        // Never worse than storing the input raw.
        EXPECT_LE(stream.size(), input.size() + 12 + 8 * (input.size() / 40000 + 1));
        if (input.size() > 4096) {
            size_t reference = readFile(vectorDir() / (stem + ".lzfse")).size();
            EXPECT_LE(double(stream.size()), 1.10 * double(reference)) << "reference " << reference;
        }
    }
}

TEST(LzfseEncode, SmallTextGoesInOneLzvnBlock) {
    Bytes input = readFile(vectorDir() / "s05-ledger-300.bin");
    Bytes stream = lzfse::encode(input);
    EXPECT_EQ(std::string(stream.begin(), stream.begin() + 4), "bvxn");
    EXPECT_LE(stream.size(), readFile(vectorDir() / "s05-ledger-300.lzfse").size());
    EXPECT_TRUE(lzfse::decode(stream, input.size()) == input);
    // Every instruction form: long literal runs, short and long matches at
    // small, medium and large distances, repeated distances.
    Bytes mixed = randomBytes(300, 1);
    for (size_t back : {5u, 40u, 2000u, 12000u, 20000u}) {
        Bytes more = randomBytes(back, back);
        mixed.insert(mixed.end(), more.begin(), more.end());
        for (size_t len : {3u, 4u, 7u, 11u, 35u, 300u}) {
            size_t from = mixed.size() - back;
            for (size_t i = 0; i < len; ++i) mixed.push_back(mixed[from + i]);
            mixed.push_back(uint8_t(len));
        }
    }
    ASSERT_LT(mixed.size(), 65536u);
    Bytes lzvn;
    lzfse::encodeLzvnBlock(mixed, lzvn);
    lzvn.insert(lzvn.end(), {'b', 'v', 'x', '$'});
    EXPECT_TRUE(lzfse::decode(lzvn, mixed.size()) == mixed);
    EXPECT_LT(lzvn.size(), mixed.size());
}

TEST(LzfseEncode, EmptyAndTinyInputsAreStoredRaw) {
    EXPECT_EQ(lzfse::encode({}), bytesOf(std::string("bvx-\0\0\0\0bvx$", 12)));
    EXPECT_EQ(lzfse::encode(bytesOf("A")), bytesOf(std::string("bvx-\1\0\0\0Abvx$", 13)));
    EXPECT_TRUE(lzfse::decode(lzfse::encode({}), 0)->empty());
}

TEST(LzfseEncode, RoundTripsAcrossSizesAndShapes) {
    for (size_t n : {2u, 7u, 8u, 100u, 4095u, 4096u, 40000u, 123457u}) {
        SCOPED_TRACE(n);
        expectRoundTrip(ledgerText(n, n));
        expectRoundTrip(randomBytes(n, n));
        expectRoundTrip(Bytes(n, 0x41));
    }
}

TEST(LzfseEncode, RandomMebibyteRoundTripsNearlyRaw) {
    Bytes input = randomBytes(1 << 20, 99);
    Bytes stream = lzfse::encode(input);
    EXPECT_LE(stream.size(), input.size() + 1024);
    auto decoded = lzfse::decode(stream, input.size());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(*decoded == input);
}

TEST(LzfseEncode, RepetitiveTextCompressesInLzfseBlocks) {
    Bytes input;
    std::string line = "Kontoutdrag 2024-05-08 Märta Ljungström 1930 -1 250,00 kr\n";
    while (input.size() < 3'000'000) input.insert(input.end(), line.begin(), line.end());
    Bytes stream = lzfse::encode(input);
    EXPECT_GT(checkBlocks(stream), 0);
    EXPECT_LT(stream.size(), input.size() / 100);
    auto decoded = lzfse::decode(stream, input.size());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(*decoded == input);

    Bytes text = ledgerText(2'000'000, 5);
    Bytes textStream = lzfse::encode(text);
    EXPECT_GT(checkBlocks(textStream), 1);
    EXPECT_LT(textStream.size(), text.size() / 3);
    EXPECT_TRUE(lzfse::decode(textStream, text.size()) == text);
}

TEST(LzfseEncode, AnEncoderKeptAcrossInputsEncodesEachAsAFreshOneWould) {
    // The same input twice in a row, where entries left by the first would
    // be plausible matches for the second; sizes past the match window;
    // small inputs after a large one.
    std::vector<Bytes> inputs = {ledgerText(5000, 1), ledgerText(5000, 1), randomBytes(300, 2),
                                 ledgerText(600000, 3), Bytes(70000, 0x41), ledgerText(100, 4),
                                 Bytes{}, bytesOf("A"), ledgerText(20000, 5), ledgerText(20000, 5)};
    lzfse::Encoder encoder;
    for (size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(i);
        Bytes stream = encoder.encode(inputs[i]);
        EXPECT_EQ(stream, lzfse::encode(inputs[i]));
        EXPECT_TRUE(lzfse::decode(stream, inputs[i].size()) == inputs[i]);
    }
}

TEST(LzfseEncode, MatchTablesStartAfreshWhenStoredPositionsWouldRunOut) {
    lzfse::MatchTables tables;
    EXPECT_EQ(tables.begin(100), 0);
    EXPECT_EQ(tables.begin(50), 100);
    tables.head[7] = 120;
    EXPECT_EQ(tables.begin(size_t(INT32_MAX) - 200), 150);
    EXPECT_EQ(tables.begin(100), 0);  // would pass INT32_MAX: cleared
    EXPECT_EQ(tables.head[7], -1);
}
