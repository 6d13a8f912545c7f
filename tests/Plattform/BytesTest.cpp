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
