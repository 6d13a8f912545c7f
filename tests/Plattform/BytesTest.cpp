// A writer that hands its bytes on in pieces must hand on exactly what a
// writer that keeps them would hold, in order, and keep no more than a piece.
#include "Plattform/Bytes.h"

#include <gtest/gtest.h>

namespace {

struct Samlare : ByteSink {
    Bytes alla;
    size_t störstaBit = 0;
    int bitar = 0;
    void write(std::span<const uint8_t> bytes) override {
        alla.insert(alla.end(), bytes.begin(), bytes.end());
        störstaBit = std::max(störstaBit, bytes.size());
        ++bitar;
    }
};

template <class W>
void skrivNågot(W& w) {
    for (int i = 0; i < 1000; ++i) {
        w.i64(i * 1'000'003);
        w.u8(uint8_t(i));
        if (i % 100 == 0) w.append(Bytes(300, uint8_t(i)));  // larger than a piece
        w.u32(uint32_t(i));
    }
}

}  // namespace

TEST(ByteWriter, AWriterWithASinkHandsOnExactlyWhatAPlainWriterHolds) {
    ByteWriter vanlig;
    skrivNågot(vanlig);

    Samlare samlare;
    ByteWriter bitvis(samlare, 64);
    skrivNågot(bitvis);
    EXPECT_EQ(bitvis.written(), vanlig.bytes().size());
    bitvis.flush();
    bitvis.flush();  // nothing more to hand on
    EXPECT_EQ(samlare.alla, vanlig.bytes());
    EXPECT_GT(samlare.bitar, 40);
    EXPECT_LE(samlare.störstaBit, 300u + 64u);
}

// Every scalar value written as UTF-8 must be what the reader of stored
// text accepts, in as many bytes as its range takes.
TEST(Utf8, EveryScalarValueIsWrittenAsValidUtf8OfItsLength) {
    uint8_t b[4];
    for (uint32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const size_t n = writeUtf8(b, c);
        const size_t väntat = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        ASSERT_EQ(n, väntat) << std::hex << c;
        ASSERT_TRUE(isValidUtf8(std::span<const uint8_t>(b, n))) << std::hex << c;
    }
}

TEST(Utf8, Utf16IsReadInEitherByteOrderAndSurrogatesOnlyInPairs) {
    // "å", then U+1F600 as a surrogate pair.
    const Bytes be{0x00, 0xE5, 0xD8, 0x3D, 0xDE, 0x00};
    const Bytes le{0xE5, 0x00, 0x3D, 0xD8, 0x00, 0xDE};
    const Bytes utf8{0xC3, 0xA5, 0xF0, 0x9F, 0x98, 0x80};
    EXPECT_EQ(utf16ToUtf8(be, true), utf8);
    EXPECT_EQ(utf16ToUtf8(le, false), utf8);
    EXPECT_EQ(utf16ToUtf8(Bytes{}, true), Bytes{});

    EXPECT_EQ(utf16ToUtf8(Bytes{0x00, 0x41, 0x00}, true), std::nullopt);              // odd length
    EXPECT_EQ(utf16ToUtf8(Bytes{0xDC, 0x00, 0x00, 0x41}, true), std::nullopt);        // low alone
    EXPECT_EQ(utf16ToUtf8(Bytes{0x00, 0x41, 0xD8, 0x3D}, true), std::nullopt);        // high at the end
    EXPECT_EQ(utf16ToUtf8(Bytes{0xD8, 0x3D, 0x00, 0x41}, true), std::nullopt);        // high, no low
    EXPECT_EQ(utf16ToUtf8(Bytes{0xD8, 0x3D, 0xD8, 0x3D, 0xDE, 0x00}, true), std::nullopt);  // high, high
}
