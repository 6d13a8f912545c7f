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

namespace {

// `n` lines "rad" at 10 points: 12 points each with the fixed-width measurer.
AttributedString rader(int n) {
    AttributedString t;
    for (int i = 0; i < n; ++i) t.append(i ? "\nrad" : "rad", TextAttributes{.font = Font{"", 10}});
    return t;
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

// Tables on a foot share the tallest's height, each measured at its own
// width, so that their tops line up. Ten lines of 12 points: 120 high.
TEST(MallverktygTabeller, TablesOnAFootTakeTheTallestsHeight) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    Fakturavy vy(faktura, *bok, false, mätare);
    rumsplan::Plan plan(vy);
    const auto texter = mallverktyg::tabellerPåFot(plan, {{rader(2), 50, 100}, {rader(10), 200, 80}}, 800);
    ASSERT_EQ(texter.size(), 2u);
    EXPECT_EQ(texter[0].ram.origin(), (Point{50, 680}));
    EXPECT_EQ(texter[1].ram.origin(), (Point{200, 680}));
    EXPECT_EQ(texter[1].ram.width, 80);
    EXPECT_EQ(texter[0].text.text(), rader(2).text());
    EXPECT_EQ(texter[1].sättning, rumsplan::Sättning::tabell);
}

// A sender's name too long for its table even at 70 % wraps within the
// value column, as the text engine sets it, and the rows below it move
// down: no line runs past the frame or starts left of the values.
TEST(MallverktygTabeller, ALongValueWrapsInItsValueColumn) {
    auto bok = prov::bokföring();
    bok->namn = "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice och Byggkonsult i Stockholm AB";
    bok->telefon = "08-123 456 78";
    prov::Faktura faktura;
    Fakturavy vy(faktura, *bok, false);
    const TextAttributes etikett{rightAligned(), std::nullopt, Font{"GillSans-Light", 8}};
    const TextAttributes värde{std::nullopt, std::nullopt, Font{"GillSans-Light", 8}};
    const AttributedString tabell =
        vy.tabellMedData({{"Avsändare", bok->namn}, {"Telefon", *bok->telefon}}, etikett, värde).tabell;
    const double värdenasX = tabell.paragraphStyleAt(0)->tabStops.back().location;
    const Rect ram{32, 700, 186, 80};

    rumsplan::Plan plan(vy);
    plan.text("sender", tabell, ram, {.sättning = rumsplan::Sättning::tabell});
    vy.innehållFörAllaSidor.clear();
    std::move(plan).placera();
    ASSERT_EQ(vy.innehållFörAllaSidor.size(), 1u);
    const AttributedString& satt = *text(vy.innehållFörAllaSidor.front());
    EXPECT_EQ(satt.text(), tabell.text()) << "nothing cut";
    const auto rader = vy.mätare.extent(satt, ram, TextDrawingMode::layoutManager).lines;
    ASSERT_GE(rader.size(), 3u) << "two rows, the name on more than one line";
    for (size_t i = 0; i < rader.size(); ++i) {
        EXPECT_LE(rader[i].maxX(), ram.maxX() + 0.5) << i;
        EXPECT_LE(rader[i].maxY(), ram.maxY() + 0.5) << i;
    }
    // The name's lines after its first; then the telephone's row, below.
    const double skala = satt.runs().back().attributes.font->pointSize / 8;
    for (size_t i = 1; i + 1 < rader.size(); ++i) EXPECT_GE(rader[i].minX(), ram.x + värdenasX * skala - 0.5) << i;
    EXPECT_LT(rader.back().minX(), ram.x + värdenasX * skala);
    EXPECT_GT(rader.back().minY(), rader[rader.size() - 2].maxY());
}

}  // namespace
