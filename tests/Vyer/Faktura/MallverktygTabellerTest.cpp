// Fact tables placed by their measured height about a line, with the
// worked frames of the two templates that centre theirs: the top rounded
// to the nearest point (halves away from zero), or the whole frame
// rounded outward; and the height a frame grows to for a table too tall for
// it even set smaller.
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

// Sender tables on a common foot below a line they must not rise above:
// set smaller while that is enough, and only then their rows moved.
TEST(MallverktygTabeller, TablesOnAFootKeepTheirRowsWhileSettingThemSmallerIsEnough) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    Fakturavy vy(faktura, *bok, false, mätare);
    const TextAttributes a{std::nullopt, std::nullopt, Font{"Helvetica", 10}};
    auto tabell = [&](const Datalista& data) { return vy.tabellMedData(data, a, a).tabell; };
    const Datalista vänster = {{"Org", "556"}, {"Moms", "SE556"}};
    Datalista höger;
    for (const char* rad : {"Tel", "Fax", "Mejl", "Webb", "Bg", "Pg", "Swish", "Bank"}) höger.push_back({rad, "1"});
    const double naturlig = mätare.boundingSize(tabell(höger), {120, 10000}).height;

    auto påFot = [&](double rum) {
        return mallverktyg::faktaPåGemensamFot(
            vy, vänster, höger, tabell, {.vänster = {50, 120}, .höger = {200, 120}, .fot = 800, .överkant = 800 - rum});
    };
    auto storlek = [](const CachatObjekt& o) { return text(o)->runs().front().attributes.font->pointSize; };

    // Room for all of it: as measured.
    auto t = påFot(naturlig + 10);
    ASSERT_EQ(t.objekt.size(), 2u);
    EXPECT_EQ(ram(t.objekt[1]), (Rect{200, 800 - naturlig, 120, naturlig}));
    EXPECT_EQ(storlek(t.objekt[0]), 10);

    // Room for 80 %: both set smaller by one factor, every row in its table.
    t = påFot(naturlig * 0.8);
    EXPECT_TRUE(t.passar);
    EXPECT_EQ(text(t.objekt[0])->text(), tabell(vänster).text());
    EXPECT_EQ(text(t.objekt[1])->text(), tabell(höger).text());
    EXPECT_LT(storlek(t.objekt[1]), 10);
    EXPECT_EQ(storlek(t.objekt[0]), storlek(t.objekt[1]));
    EXPECT_LE(ram(t.objekt[1]).y, 800 - ram(t.objekt[1]).height);
    EXPECT_GE(ram(t.objekt[1]).y, 800 - naturlig * 0.8 - 0.5);

    // Room for less than 70 %: the right table's first rows go to the left.
    t = påFot(naturlig * 0.5);
    EXPECT_NE(text(t.objekt[0])->text().find("Tel"), std::string::npos);
    EXPECT_EQ(text(t.objekt[1])->text().find("Tel"), std::string::npos);
}

// Tables on a foot within a height, set smaller by one factor where they
// do not fit it, rising above it at 70 % no further than the outer limit,
// and cut there. Ten lines of 12 points: 120 high, 84 at 70 %.
TEST(MallverktygTabeller, TablesOnAFootAreSetSmallerThenRaisedThenCut) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    Fakturavy vy(faktura, *bok, false, mätare);
    auto inom = [&](int n, double högst, double yttersta = std::numeric_limits<double>::infinity()) {
        return mallverktyg::tabellerPåGemensamFotInom(vy, {{rader(n), 50, 100}, {rader(2), 200, 100}}, 800, högst,
                                                      yttersta);
    };
    auto storlek = [](const CachatObjekt& o) { return text(o)->runs()[0].attributes.font->pointSize; };

    // 83 % fits 100: both set so, in frames of the taller's height.
    auto t = inom(10, 100);
    EXPECT_TRUE(t.passar);
    EXPECT_DOUBLE_EQ(storlek(t.objekt[1]), 8.3);
    EXPECT_NEAR(ram(t.objekt[0]).height, 120 * 0.83, 1e-9);
    // Too tall at 70 %: above the height as far as the outer limit allows.
    t = inom(10, 50);
    EXPECT_FALSE(t.passar);
    EXPECT_NEAR(ram(t.objekt[0]).height, 84, 1e-9);
    EXPECT_EQ(text(t.objekt[0])->text(), rader(10).text());
    t = inom(10, 50, 60);
    EXPECT_FALSE(t.passar);
    EXPECT_EQ(t.höjd, 60);
    EXPECT_EQ(ram(t.objekt[0]), (Rect{50, 740, 100, 60}));
    // Seven lines of 8.4 fit 60; the seventh ends in the ellipsis.
    EXPECT_EQ(text(t.objekt[0])->text(), "rad\nrad\nrad\nrad\nrad\nrad\nrad\u2026");
    EXPECT_EQ(text(t.objekt[1])->text(), rader(2).text());
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

    const CachatObjekt o = mallverktyg::tabelltext(vy, tabell, ram);
    const AttributedString& satt = *text(o);
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

// A table needs its frame's height while it fits it set at 70 % or more;
// one that does not needs its height at 70 %. One that is only too wide
// needs no more than the frame's.
TEST(MallverktygTabeller, ATableNeedsMoreThanItsFrameOnlyWhenTooTallEvenAt70Percent) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    mätare.fasta["for wide"] = {500, 10};
    Fakturavy vy(faktura, *bok, false, mätare);
    // Ten lines of 12 points: 120 high, 84 at 70 %.
    const AttributedString tioRader = rader(10);

    EXPECT_EQ(mallverktyg::höjdSomRymmer(vy, tioRader, {10, 700, 100, 100}), 100);
    EXPECT_NEAR(mallverktyg::höjdSomRymmer(vy, tioRader, {10, 700, 100, 80}), 84, 1e-9);
    EXPECT_EQ(mallverktyg::höjdSomRymmer(vy, AttributedString("for wide"), {10, 700, 100, 80}), 80);
}

}  // namespace
