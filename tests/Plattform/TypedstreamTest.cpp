#include "Plattform/Typedstream.h"
#include "Exempel/Exempelarkiv.h"
#include "Typedstreamprov.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace typedstreamprov;

namespace {

Bytes ascii(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const Bytes header = hex("04 0B 73747265616D7479706564 81 E8 03");

const Bytes colourClassChain =
    concat({hex("84 84 84 07"), ascii("NSColor"), hex("00 84 84 08"), ascii("NSObject"), hex("00 85")});

}  // namespace

TEST(Typedstream, DecodesAndReproducesTheStandaloneArchives) {
    auto colour = unarchiveColor(rgbArchive);
    ASSERT_TRUE(colour);
    EXPECT_EQ(*colour, (Color{0.5, 0.25, 0, 1}));
    EXPECT_EQ(archiveColor({0.5, 0.25, 0, 1}), rgbArchive);

    auto font = unarchiveFont(helveticaArchive);
    ASSERT_TRUE(font);
    EXPECT_EQ(*font, (Font{"Helvetica", 12}));
    EXPECT_EQ(archiveFont({"Helvetica", 12}), helveticaArchive);

    EXPECT_FALSE(unarchiveFont(rgbArchive));
    EXPECT_FALSE(unarchiveColor(helveticaArchive));
}

TEST(Typedstream, DecodesTheColourOfAPlatformWrittenColourList) {
    // The object bytes of a colour written by the platform (a light green in
    // calibrated RGB), behind a root group of our own.
    Bytes archive = concat({header, hex("84 01 40"), colourClassChain,
                            hex("84 01 63 01 84 04 66666666 83 9190103F 83 EFEE6E3F 83 9190103F 01 86")});
    auto colour = unarchiveColor(archive);
    ASSERT_TRUE(colour);
    EXPECT_NEAR(colour->red, 0.5647, 1e-4);
    EXPECT_NEAR(colour->green, 0.9333, 1e-4);
    EXPECT_NEAR(colour->blue, 0.5647, 1e-4);
    EXPECT_EQ(colour->alpha, 1);
}

TEST(Typedstream, DecodesWhiteCmykAndNamedColours) {
    Bytes white = concat({header, hex("84 01 40"), colourClassChain, hex("84 01 63 03 84 02 6666 83 0000003F 01 86")});
    EXPECT_EQ(unarchiveColor(white), (Color{0.5, 0.5, 0.5, 1}));

    Bytes cmyk = concat(
        {header, hex("84 01 40"), colourClassChain, hex("84 01 63 05 84 05 6666666666 00 01 00 83 0000003F 01 86")});
    EXPECT_EQ(unarchiveColor(cmyk), (Color{0.5, 0, 0.5, 1}));

    // A named colour: catalog and name strings, then the colour it resolved
    // to. Shared strings: @ 92, NSColor 93, NSObject 94, c 95, @@@ 96,
    // NSString 97, + 98. Objects and classes: root 92, NSColor 93,
    // NSObject 94, catalog 95, NSString 96, name 97, resolved colour 98.
    Bytes named = concat({header, hex("84 01 40"), colourClassChain, hex("84 01 63 06 84 03 404040"),
                          hex("84 84 84 08"), ascii("NSString"), hex("01 94 84 01 2B 06"), ascii("System"), hex("86"),
                          hex("84 96 98 0B"), ascii("controlText"), hex("86"),
                          hex("84 93 95 01 84 04 66666666 01 00 00 01 86"), hex("86")});
    EXPECT_EQ(unarchiveColor(named), (Color{1, 0, 0, 1}));

    // A named colour whose resolved colour is itself must not loop.
    Bytes selfNamed = concat({header, hex("84 01 40"), colourClassChain, hex("84 01 63 06 84 03 404040 85 85 92 86")});
    EXPECT_FALSE(unarchiveColor(selfNamed));
}

TEST(Typedstream, RoundTripsNamesOutsideAsciiAndFractionalValues) {
    Font font{"Hoefler Text Å \xF0\x9F\x98\x80", 10.5};
    EXPECT_EQ(unarchiveFont(archiveFont(font)), font);

    Color colour{0.3f, 0.6f, 0.9f, 0.75f};
    EXPECT_EQ(unarchiveColor(archiveColor(colour)), colour);

    Font large{"Menlo-Bold", 300};  // size past one byte, name needing padding
    Bytes archive = archiveFont(large);
    EXPECT_EQ(unarchiveFont(archive), large);
}

TEST(Typedstream, GivesNoneForAnythingElse) {
    EXPECT_FALSE(unarchiveFont(Bytes{}));
    EXPECT_FALSE(unarchiveFont(ascii("not an archive at all")));
    EXPECT_FALSE(unarchiveColor(Bytes(64, 0x84)));
    EXPECT_FALSE(unarchiveColor(Bytes(64, 0xFF)));
    // Every truncation of a valid archive is refused, without over-reading.
    for (size_t n = 0; n < rgbArchive.size(); ++n)
        EXPECT_FALSE(unarchiveColor(std::span(rgbArchive.data(), n))) << n;
    for (size_t n = 0; n < helveticaArchive.size(); ++n)
        EXPECT_FALSE(unarchiveFont(std::span(helveticaArchive.data(), n))) << n;
    // Deep nesting of new objects ends in a refusal, not a stack overflow.
    Bytes deep = concat({header, hex("84 01 40")});
    for (int i = 0; i < 10000; ++i) deep.push_back(0x84);
    EXPECT_FALSE(unarchiveColor(deep));
    // Each single-byte corruption decodes or is refused, never crashes.
    for (size_t i = 0; i < helveticaArchive.size(); ++i)
        for (uint8_t v : {uint8_t(0x00), uint8_t(0x7F), uint8_t(0x81), uint8_t(0x84), uint8_t(0x92), uint8_t(0xFF)}) {
            Bytes b = helveticaArchive;
            b[i] = v;
            (void)unarchiveFont(b);
            (void)unarchiveColor(b);
        }
}

TEST(Typedstream, DecodesTheArchivesOfEveryForm) {
    // Written byte by byte after the stream rules (Exempel/Exempelarkiv),
    // not by our archiver.
    for (const auto& a : typsnittsarkiv()) {
        SCOPED_TRACE(a.namn);
        EXPECT_EQ(unarchiveFont(a.bytes), a.typsnitt);
        EXPECT_FALSE(unarchiveColor(a.bytes));
    }
    for (const auto& a : färgarkiv()) {
        SCOPED_TRACE(a.namn);
        EXPECT_EQ(unarchiveColor(a.bytes), a.färg);
        EXPECT_FALSE(unarchiveFont(a.bytes));
    }
}
