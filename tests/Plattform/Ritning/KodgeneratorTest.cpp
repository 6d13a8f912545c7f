#include "Plattform/Ritning/Code128Generator.h"
#include "Plattform/Ritning/QRGenerator.h"
#include "Streckkodslasare.h"

#include <gtest/gtest.h>

namespace {
bool ärVit(const Bild& b, int x, int y) { return b.pixel(x, y) == 0xFFFFFFFFu; }
}  // namespace

TEST(QRGenerator, DecodesToTheSameUtf8Bytes) {
    const std::string text = "{\"nme\":\"Åkes Öl & Bröd\",\"adr\":\"Storgatan 1\u2028Malmö\"}";
    std::optional<Bild> bild = qrkodsbild(text, 5);
    ASSERT_TRUE(bild);
    EXPECT_EQ(testhjalp::avkoda(*bild, "qr-utf8"), text);
}

TEST(QRGenerator, SquareWithQuietZoneOfFourModules) {
    std::optional<Bild> bild = qrkodsbild("HELLO", 5);
    ASSERT_TRUE(bild);
    EXPECT_EQ(bild->bredd, bild->höjd);
    // "HELLO" at level H is version 1: 21 modules plus 2 × 4 quiet modules.
    EXPECT_EQ(bild->bredd, (21 + 8) * 5);
    for (int i = 0; i < bild->bredd; ++i)
        for (int kant = 0; kant < 20; ++kant) {
            EXPECT_TRUE(ärVit(*bild, i, kant));
            EXPECT_TRUE(ärVit(*bild, kant, i));
            EXPECT_TRUE(ärVit(*bild, i, bild->höjd - 1 - kant));
        }
    // The finder pattern starts right after the quiet zone.
    EXPECT_FALSE(ärVit(*bild, 20, 20));
}

TEST(QRGenerator, RefusesWhatDoesNotFit) {
    // Level H holds at most 1273 bytes in 8-bit mode.
    EXPECT_TRUE(qrkodsbild(std::string(1273, 'x'), 1));
    EXPECT_FALSE(qrkodsbild(std::string(1274, 'x'), 1));
    EXPECT_FALSE(qrkodsbild("", 5));
}

TEST(Code128Generator, DecodesToTheSameText) {
    const std::string text = "421123456000007850012340500000000000000000012344260305";
    std::optional<Bild> bild = code128Bild(text);
    ASSERT_TRUE(bild);
    EXPECT_GT(bild->bredd, bild->höjd);
    EXPECT_EQ(testhjalp::avkoda(*bild, "code128"), text);
    EXPECT_FALSE(code128Bild(""));
    EXPECT_FALSE(code128Bild("caf\xc3\xa9"));
}

TEST(Bild, PremultipliesAndWritesPng) {
    Bild b = Bild::fylld(3, 2, Bild::Format::argb32, 0x80FF0000u);
    EXPECT_EQ(b.radsteg % 4, 0);
    EXPECT_EQ(b.pixel(2, 1), 0x80800000u);
    Bild g = Bild::fylld(5, 1, Bild::Format::grå8, 0x40);
    EXPECT_EQ(g.radsteg, 8);  // rows of 8-bit pixels are padded to 4 bytes
    EXPECT_EQ(g.pixel(4, 0), 0xFF404040u);
    const auto fil = testhjalp::tillfälligFil("gra.png");
    EXPECT_TRUE(g.skrivPNG(fil));
    EXPECT_GT(std::filesystem::file_size(fil), 0u);
    std::filesystem::remove(fil);
    EXPECT_FALSE(Bild{}.skrivPNG(fil));
}
