// Damaged streams must give none (or, where the format cannot tell, some
// output of the expected size), never a crash or a read outside the input;
// run under the sanitizer build to catch the latter.
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseHeader.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

using namespace lzfsetest;

namespace {

struct Stream {
    std::string name;
    Bytes input;
    Bytes stream;
};

std::vector<Stream> damageSubjects() {
    std::vector<Stream> subjects;
    for (const char* stem : {"s05-ledger-300", "s07-lzvn-mix-3000", "s09-ledger-4096", "s10-ledger-64k",
                             "s12-random-256k.cap-plus-12"}) {
        Bytes input = inputFor(stem);
        subjects.push_back({stem, input, readFile(vectorDir() / (std::string(stem) + ".lzfse"))});
    }
    Bytes ledger = readFile(vectorDir() / "s11-ledger-1m.bin");
    subjects.push_back({"our encoding of s11", ledger, lzfse::encode(ledger)});
    return subjects;
}

// Every offset of short streams, fewer spread over long ones so that each
// subject costs about the same decoding work.
std::vector<size_t> offsets(const Stream& s) {
    size_t size = s.stream.size();
    size_t samples = std::clamp<size_t>((size_t(16) << 20) / std::max<size_t>(s.input.size(), 1), 40, 1500);
    std::vector<size_t> at;
    size_t step = size <= samples ? 1 : size / samples;
    for (size_t i = 0; i < size; i += step) at.push_back(i);
    return at;
}

}  // namespace

TEST(LzfseDamage, EveryCutStreamGivesNone) {
    for (const auto& s : damageSubjects()) {
        SCOPED_TRACE(s.name);
        for (size_t cut : offsets(s)) {
            if (cut == s.stream.size()) continue;
            auto got = lzfse::decode(std::span(s.stream).first(cut), s.input.size());
            EXPECT_FALSE(got.has_value()) << "cut at " << cut;
        }
    }
}

TEST(LzfseDamage, FlippedBytesAreRejectedOrKeepTheSize) {
    for (const auto& s : damageSubjects()) {
        SCOPED_TRACE(s.name);
        size_t rejected = 0, tried = 0;
        Bytes damaged = s.stream;
        for (size_t at : offsets(s)) {
            for (uint8_t mask : {uint8_t(0x01), uint8_t(0xFF)}) {
                damaged[at] ^= mask;
                auto got = lzfse::decode(damaged, s.input.size());
                damaged[at] ^= mask;
                ++tried;
                if (!got) {
                    ++rejected;
                } else {
                    EXPECT_EQ(got->size(), s.input.size());
                }
            }
        }
        // There is no checksum: a flipped raw byte, or a literal coded as
        // another one, still decodes to the expected size. Framing and
        // triplet damage is caught, so some flips must be.
        EXPECT_GT(rejected, 0u) << "of " << tried;
    }
}

TEST(LzfseDamage, DamagedBlockFramingGivesNone) {
    for (const auto& s : damageSubjects()) {
        SCOPED_TRACE(s.name);
        // Every magic and every block's size fields.
        size_t at = 0;
        while (at + 4 <= s.stream.size()) {
            Bytes damaged = s.stream;
            damaged[at + 3] ^= 0x04;
            EXPECT_FALSE(lzfse::decode(damaged, s.input.size())) << "magic at " << at;
            uint32_t magic = std::memcmp(s.stream.data() + at, "bvx$", 4) == 0 ? 0 : 1;
            if (magic == 0) break;
            damaged = s.stream;
            damaged[at + 4] ^= 0x01;  // the block's decoded size
            EXPECT_FALSE(lzfse::decode(damaged, s.input.size())) << "size at " << at;
            if (std::memcmp(s.stream.data() + at, "bvx-", 4) == 0) {
                at += 8 + lzfse::load32(s.stream.data() + at + 4);
            } else if (std::memcmp(s.stream.data() + at, "bvxn", 4) == 0) {
                at += 12 + lzfse::load32(s.stream.data() + at + 8);
            } else {
                lzfse::LzfseBlockHeader h;
                size_t headerSize = lzfse::readV2Header(std::span(s.stream).subspan(at), h);
                ASSERT_GT(headerSize, 0u);
                at += headerSize + h.nLiteralPayloadBytes + h.nLmdPayloadBytes;
            }
        }
    }
}

// Headers that other decoders accept although their blocks cannot be
// decoded soundly: tables not covering every state, totals that disagree.
TEST(LzfseDamage, InconsistentLzfseHeadersGiveNone) {
    Bytes input = readFile(vectorDir() / "s09-ledger-4096.bin");
    Bytes stream = readFile(vectorDir() / "s09-ledger-4096.lzfse");
    lzfse::LzfseBlockHeader original;
    size_t headerSize = lzfse::readV2Header(stream, original);
    ASSERT_GT(headerSize, 0u);
    auto firstUsed = [](uint16_t* f) {
        while (*f == 0) ++f;
        return f;
    };
    struct Case {
        const char* name;
        std::function<void(lzfse::LzfseBlockHeader&)> change;
        bool version1 = false;
    };
    std::vector<Case> cases = {
        {"unchanged, version 2", [](auto&) {}},
        {"unchanged, version 1", [](auto&) {}, true},
        {"L table one state short", [&](auto& h) { --*firstUsed(h.lFreq); }},
        {"D table one state over", [&](auto& h) { ++*firstUsed(h.dFreq); }},
        {"literal table one state short", [&](auto& h) { --*firstUsed(h.literalFreq); }},
        {"decoded size one more", [](auto& h) { ++h.nRawBytes; }},
        {"decoded size one less", [](auto& h) { --h.nRawBytes; }},
        {"literal count not a multiple of 4", [](auto& h) { h.nLiterals -= 2; }},
        {"fewer literals than the triplets use", [](auto& h) { h.nLiterals -= 4; }},
        {"literal state out of range", [](auto& h) { h.literalState[0] = 1024; }, true},
        {"M state out of range", [](auto& h) { h.mState = 64; }},
        {"D state out of range", [](auto& h) { h.dState = 256; }, true},
        {"more triplets than coded", [](auto& h) { h.nMatches += 40; }},
        {"literal padding bits set", [](auto& h) { h.literalBits = -7; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        lzfse::LzfseBlockHeader h = original;
        c.change(h);
        Bytes damaged;
        if (c.version1)
            lzfse::writeV1Header(h, damaged);
        else
            lzfse::writeV2Header(h, damaged);
        damaged.insert(damaged.end(), stream.begin() + long(headerSize), stream.end());
        bool intact = std::string(c.name).starts_with("unchanged");
        EXPECT_EQ(lzfse::decode(damaged, input.size()).has_value(), intact);
    }
}

TEST(LzfseDamage, HugeExpectedSizeDoesNotAllocateAhead) {
    Bytes stream = readFile(vectorDir() / "s10-ledger-64k.lzfse");
    EXPECT_FALSE(lzfse::decode(stream, SIZE_MAX));
    EXPECT_FALSE(lzfse::decode(stream, size_t(1) << 40));
}
