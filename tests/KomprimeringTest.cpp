#include "Komprimering.h"

#include <gtest/gtest.h>

#include <string>

TEST(Komprimering, BodyRoundTripsAndMustMatchItsStoredSize) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "VER A" + std::to_string(i) + " 2024-05-08 \"Kundfaktura Åsa\"\n";
    Bytes body(text.begin(), text.end());
    Bytes packed = komprimerad(body);
    EXPECT_LT(packed.size(), body.size() / 4);
    auto size = int64_t(body.size());
    EXPECT_EQ(dekomprimerad(packed, size), body);
    EXPECT_FALSE(dekomprimerad(packed, size - 1));
    EXPECT_FALSE(dekomprimerad(packed, size + 1));
    EXPECT_FALSE(dekomprimerad(packed, -1));
    EXPECT_FALSE(dekomprimerad(std::span(packed).first(packed.size() - 1), size));
}

TEST(Komprimering, EmptyBodyIsWrittenButNeverReadBack) {
    Bytes packed = komprimerad({});
    EXPECT_FALSE(dekomprimerad(packed, 0));
}

// The check a save makes before it replaces the document: the stream must
// give back exactly the body, byte for byte and to its last byte.
TEST(Komprimering, SaveCheckAcceptsOnlyTheBodyItself) {
    std::string text;
    for (int i = 0; text.size() < 300'000; ++i) text += "VER B" + std::to_string(i * 7919 % 100'003) + " \"Hyra\"\n";
    const Bytes body(text.begin(), text.end());
    const Bytes packed = komprimerad(body);
    EXPECT_TRUE(avkodasTill(packed, body));

    Bytes changed = body;
    for (size_t at : {size_t(0), size_t(1) << 16, body.size() - 1}) {
        changed[at] ^= 1;
        EXPECT_FALSE(avkodasTill(packed, changed)) << "byte " << at;
        changed[at] ^= 1;
    }
    EXPECT_FALSE(avkodasTill(packed, std::span(body).first(body.size() - 1)));
    Bytes longer = body;
    longer.push_back('\n');
    EXPECT_FALSE(avkodasTill(packed, longer));
    EXPECT_FALSE(avkodasTill(std::span(packed).first(packed.size() - 1), body));
    EXPECT_FALSE(avkodasTill({}, body));

    Bytes damaged = packed;
    damaged[damaged.size() / 2] ^= 0x40;
    EXPECT_FALSE(avkodasTill(damaged, body));
}

// The save check takes the body a piece at a time, as the document writes
// it, and still insists on every byte and on the end.
TEST(Komprimering, SaveCheckTakesTheBodyInPieces) {
    Bytes body;
    for (int i = 0; i < 40'000; ++i) body.push_back(uint8_t(i * 7 % 251));
    const Bytes packed = komprimerad(body);
    auto inPieces = [&](size_t piece, std::span<const uint8_t> what) {
        return [=](ByteSink& sink) {
            for (size_t at = 0; at < what.size(); at += piece) sink.write(what.subspan(at, std::min(piece, what.size() - at)));
        };
    };
    EXPECT_TRUE(avkodasTill(packed, body.size(), inPieces(1, body)));
    EXPECT_TRUE(avkodasTill(packed, body.size(), inPieces(70'000, body)));
    EXPECT_FALSE(avkodasTill(packed, body.size(), inPieces(999, std::span(body).first(body.size() - 1))));
    Bytes changed = body;
    changed[39'999] ^= 1;
    EXPECT_FALSE(avkodasTill(packed, body.size(), inPieces(4096, changed)));
}
