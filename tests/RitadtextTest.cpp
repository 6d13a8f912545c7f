// What a page shows of its text, read from mupdf's trace of small PDFs
// written by hand: letters a clip cuts off or an opaque rectangle covers
// do not show, words are glyphs along one baseline, boxes take the face's
// ascent and descent and turn with the text.
#include "Ritadtext.h"

#include "Plattform/Ritning/HandmadePdf.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

namespace {

using namespace pdfkontroll;

class Ritadtext : public testhjalp::MedTillfälligKatalog {
protected:
    // Pages 200 x 100 whose font F1 is Helvetica with an ascent of 0.7 and
    // a descent of 0.3 (widths: H .722, e .556, l .222, o .556, space .278,
    // w .722, r .333, d .556).
    std::vector<RitadSida> läs(const std::vector<std::string>& innehåll, const std::string& toUnicode = "") {
        std::vector<testhjalp::HandmadePage> sidor;
        const int typsnitt = 3 + 2 * int(innehåll.size());
        for (const std::string& i : innehåll)
            sidor.push_back({.content = i, .resources = "/Font << /F1 " + std::to_string(typsnitt) + " 0 R >>"});
        std::vector<std::string> mer = {
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding /FontDescriptor " +
                std::to_string(typsnitt + 1) + " 0 R" +
                (toUnicode.empty() ? "" : " /ToUnicode " + std::to_string(typsnitt + 2) + " 0 R") + " >>",
            "<< /Type /FontDescriptor /FontName /Helvetica /Flags 32 /FontBBox [-166 -225 1000 931] /ItalicAngle 0 "
            "/Ascent 700 /Descent -300 /CapHeight 700 /StemV 88 >>"};
        if (!toUnicode.empty())
            mer.push_back("<< /Length " + std::to_string(toUnicode.size()) + " >>\nstream\n" + toUnicode +
                          "\nendstream");
        const auto pdf = testhjalp::handmadePdf(sidor, mer);
        const auto fil = katalog / "sida.pdf";
        testhjalp::skrivFil(fil, std::string(pdf.begin(), pdf.end()));
        return ritadeSidor(fil);
    }

    static const RitatOrd& ord(const RitadSida& sida, const std::string& text) {
        for (const RitatOrd& o : sida.ord)
            if (o.text == text) return o;
        ADD_FAILURE() << "no word '" << text << "'";
        static const RitatOrd inget;
        return inget;
    }
};

TEST_F(Ritadtext, LettersOutsideTheClipDoNotShow) {
    // "world" starts at 35.56: "w" and "o" end at 48.34, "r" crosses 50.
    const auto sidor = läs({"q 0 0 50 100 re W n BT /F1 10 Tf 10 50 Td (Hello world) Tj ET Q"});
    ASSERT_EQ(sidor.size(), 1u);
    ASSERT_EQ(sidor[0].ord.size(), 2u);
    const RitatOrd& hello = ord(sidor[0], "Hello");
    EXPECT_TRUE(hello.helt());
    EXPECT_EQ(hello.syns, "Hello");
    const RitatOrd& world = ord(sidor[0], "world");
    EXPECT_EQ(world.syns, "wo");
    EXPECT_EQ(world.glyfer, 5u);
    EXPECT_EQ(world.dolda, 3u);
    EXPECT_EQ(world.varför, Dold::utanförKlipp);
    EXPECT_NEAR(world.synligRuta.maxX(), 48.34, 0.01);
}

TEST_F(Ritadtext, ClipsNestAndEndWithTheirState) {
    // The inner clip keeps only "He"; after the restore all of "Hello" shows.
    const auto sidor = läs({"q 0 0 100 100 re W n q 0 0 22 100 re W n BT /F1 10 Tf 10 50 Td (Hello) Tj ET Q "
                            "BT /F1 10 Tf 10 20 Td (Hello) Tj ET Q BT /F1 10 Tf 150 50 Td (Hello) Tj ET"});
    ASSERT_EQ(sidor[0].ord.size(), 3u);
    EXPECT_EQ(sidor[0].ord[0].syns, "He");
    EXPECT_EQ(sidor[0].ord[1].syns, "Hello");
    EXPECT_EQ(sidor[0].ord[2].syns, "Hello");
}

TEST_F(Ritadtext, AnOpaqueRectangleFilledAfterATextCoversIt) {
    const auto sidor = läs({"BT /F1 10 Tf 10 20 Td (world) Tj ET 1 1 1 rg 0 0 200 40 re f "
                            "0 0 1 rg 100 60 80 30 re f 0 g BT /F1 10 Tf 110 70 Td (Hello) Tj ET"});
    const RitatOrd& under = ord(sidor[0], "world");
    EXPECT_EQ(under.dolda, 5u);
    EXPECT_EQ(under.varför, Dold::övertäckt);
    EXPECT_EQ(under.syns, "");
    EXPECT_TRUE(ord(sidor[0], "Hello").helt());
}

TEST_F(Ritadtext, BoxesRunFromTheAscentToTheDescentAlongTheAdvances) {
    const auto sidor = läs({"BT /F1 10 Tf 10 50 Td (Hello) Tj ET BT /F1 20 Tf 100 80 Td (Hello) Tj ET"});
    const RitatOrd& liten = sidor[0].ord[0];
    // Page space runs down from the top: the baseline at 100 - 50.
    EXPECT_NEAR(liten.ruta.x, 10, 0.01);
    EXPECT_NEAR(liten.ruta.width, 22.78, 0.01);
    EXPECT_NEAR(liten.ruta.minY(), 50 - 7, 0.01);
    EXPECT_NEAR(liten.ruta.maxY(), 50 + 3, 0.01);
    EXPECT_NEAR(liten.storlek, 10, 0.01);
    EXPECT_EQ(liten.typsnitt, "Helvetica");
    const RitatOrd& stor = sidor[0].ord[1];
    EXPECT_NEAR(stor.ruta.height, 20, 0.01);
    EXPECT_NEAR(stor.storlek, 20, 0.01);
}

TEST_F(Ritadtext, TurnedTextHasTurnedBoxes) {
    // Set upward: the baseline runs up the page from (150, 80).
    const auto sidor = läs({"BT /F1 10 Tf 0 1 -1 0 150 20 Tm (Hello) Tj ET"});
    ASSERT_EQ(sidor[0].ord.size(), 1u);
    const RitatOrd& o = sidor[0].ord[0];
    EXPECT_NEAR(o.riktning.x, 0, 1e-6);
    EXPECT_NEAR(o.riktning.y, -1, 1e-6);
    EXPECT_NEAR(o.ruta.width, 10, 0.01);
    EXPECT_NEAR(o.ruta.height, 22.78, 0.01);
    EXPECT_NEAR(o.ruta.maxY(), 80, 0.01);
    EXPECT_NEAR(o.till - o.från, 22.78, 0.01);
}

TEST_F(Ritadtext, AWordRunsOnAcrossShowsAndEndsAtSpacesAndGaps) {
    // Two shows that abut make one word; one a quarter of the size away or
    // on another baseline starts the next.
    const auto sidor = läs({"BT /F1 10 Tf 10 50 Td (Hel) Tj (lo) Tj 3 0 Td (world) Tj ET "
                            "BT /F1 10 Tf 10 30 Td (Hel) Tj 0 -2 Td (lo) Tj ET"});
    std::vector<std::string> texter;
    for (const RitatOrd& o : sidor[0].ord) texter.push_back(o.text);
    EXPECT_EQ(texter, (std::vector<std::string>{"Hello", "world", "Hel", "lo"}));
}

TEST_F(Ritadtext, EveryPageIsReadWithItsSize) {
    const auto sidor = läs({"BT /F1 10 Tf 10 50 Td (Hello) Tj ET", "BT /F1 10 Tf 10 50 Td (world) Tj ET"});
    ASSERT_EQ(sidor.size(), 2u);
    EXPECT_EQ(sidor[1].nummer, 2);
    EXPECT_EQ(sidor[1].ord.at(0).text, "world");
    EXPECT_EQ(sidor[1].ord.at(0).sida, 2);
    EXPECT_EQ(sidor[1].storlek.width, 200);
    EXPECT_EQ(sidor[1].storlek.height, 100);
}

// The middle glyph as the face's map names it: a glyph kept at a private
// use point, as Accanthis keeps its "ft" ligature, is one the reader cannot
// name; a ligature mapped to its letters runs on in its word, the letters
// after its first read at its origin with no advance.
TEST_F(Ritadtext, AWordReadsItsMiddleGlyphAsTheMapNamesIt) {
    for (const auto& [bfchar, text] : {std::pair{"<E09D>", "A\uFFFDC"}, std::pair{"<00660074>", "AftC"}}) {
        const std::string cmap =
            "/CIDInit /ProcSet findresource begin 12 dict begin begincmap /CMapName /X def "
            "1 begincodespacerange <00> <FF> endcodespacerange 3 beginbfchar <41> <0041> <42> " +
            std::string(bfchar) +
            " <43> <0043> endbfchar endcmap CMapName currentdict /CMap defineresource pop end end";
        const auto sidor = läs({"BT /F1 10 Tf 10 50 Td (ABC) Tj ET"}, cmap);
        ASSERT_EQ(sidor[0].ord.size(), 1u) << bfchar;
        EXPECT_EQ(sidor[0].ord[0].text, text);
        EXPECT_NEAR(sidor[0].ord[0].till - sidor[0].ord[0].från, 6.67 + 6.67 + 7.22, 0.01) << bfchar;
    }
}

}  // namespace
