// Fact tables placed by their measured height about a line, with the
// worked frames of the two templates that centre theirs: the top rounded
// to the nearest point (halves away from zero), or the whole frame
// rounded outward.
#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <gtest/gtest.h>

using namespace displaylista;
using mallverktyg::Avrundning;

namespace {

TEST(MallverktygTabeller, TableStandsByItsMeasuredHeightAboutALine) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    mätare.fasta["h100"] = {50, 100};
    mätare.fasta["h101"] = {50, 101};
    Fakturavy vy(faktura, *bok, false, mätare);

    struct Fall {
        const char* text;
        double x, bredd, linje, andel;
        Avrundning avrundning;
        Rect ram;
    } fall[] = {
        {"h100", 27, 208, 269, 0.5, Avrundning::överkant, {27, 219, 208, 101}},
        {"h101", 27, 208, 269, 0.5, Avrundning::överkant, {27, 219, 208, 102}},
        {"h100", 27, 208, 529, 0.7, Avrundning::överkant, {27, 459, 208, 101}},
        {"h101", 32, 203, 270, 0.5, Avrundning::utåt, {32, 219, 203, 103}},
        {"h100", 32, 203, 506, 0.5, Avrundning::utåt, {32, 456, 203, 101}},
    };
    for (const Fall& c : fall) {
        CachatObjekt o =
            mallverktyg::tabellVidLinje(vy, AttributedString(c.text), c.x, c.bredd, c.linje, c.andel, c.avrundning);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o.data));
        EXPECT_EQ(ram(o), c.ram) << beskriv(o);
    }
}

TEST(MallverktygTabeller, RecipientAndSenderValuesStartAtOneTabStop) {
    auto bok = prov::bokföring();
    bok->telefon = "031-12 34 56";
    prov::Faktura faktura;
    faktura.vårReferens_ = "Anna";
    FastMätare mätare;
    Fakturavy vy(faktura, *bok, false, mätare);
    const TextAttributes etikett{rightAligned(), std::nullopt, Font{"HelveticaNeue-Light", 8}};
    const TextAttributes värde{std::nullopt, std::nullopt, Font{"HelveticaNeue-Light", 8}};
    auto t = mallverktyg::mottagarOchAvsändartabeller(vy, etikett, värde);

    // The recipient's first row is its name, the sender's the ledger's.
    EXPECT_EQ(t.mottagare.text().find("Kund AB"), t.mottagare.text().find('\t', 1) + 1);
    EXPECT_NE(t.avsändare.text().find("Exempel AB"), std::string::npos);
    EXPECT_NE(t.avsändare.text().find("031-12 34 56"), std::string::npos);
    EXPECT_EQ(t.mottagare.text().find("Göteborg"), std::string::npos) << "the sender's address is not the recipient's";
    ASSERT_TRUE(t.mottagare.paragraphStyleAt(0) && t.avsändare.paragraphStyleAt(0));
    EXPECT_EQ(t.mottagare.paragraphStyleAt(0)->tabStops, t.avsändare.paragraphStyleAt(0)->tabStops);
}

}  // namespace
