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
        CachatObjekt o = mallverktyg::tabellVidLinje(
            vy, AttributedString(c.text),
            {.x = c.x, .bredd = c.bredd, .linje = c.linje, .andelOvanför = c.andel, .avrundning = c.avrundning});
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o.data));
        EXPECT_EQ(ram(o), c.ram) << beskriv(o);
    }
}

// The lower of two tables keeps its own line until the upper one reaches
// down to it; then it starts the gap below the upper one's end.
TEST(MallverktygTabeller, TheUpperOfTwoTablesPushesTheLowerDownOnlyWhenItReachesIt) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    mätare.fasta["h100"] = {50, 100};
    mätare.fasta["h300"] = {50, 300};
    Fakturavy vy(faktura, *bok, false, mätare);
    const mallverktyg::Linjeval övre{.x = 27, .bredd = 208, .linje = 269, .andelOvanför = 0.5};
    const mallverktyg::Linjeval undre{.x = 27, .bredd = 208, .linje = 450, .andelOvanför = 0.5};
    // 100 high: (27, 219, 208, 101) ends at 320, clear of (27, 400, 208, 101).
    auto fria = mallverktyg::tabellUnderTabell(vy, AttributedString("h100"), övre, AttributedString("h100"), undre, 12);
    ASSERT_EQ(fria.size(), 2u);
    EXPECT_EQ(ram(fria[0]), (Rect{27, 219, 208, 101}));
    EXPECT_EQ(ram(fria[1]), (Rect{27, 400, 208, 101}));
    // 300 high: (27, 119, 208, 301) ends at 420; the lower starts at 432.
    auto trängda =
        mallverktyg::tabellUnderTabell(vy, AttributedString("h300"), övre, AttributedString("h100"), undre, 12);
    EXPECT_EQ(ram(trängda[0]), (Rect{27, 119, 208, 301}));
    EXPECT_EQ(ram(trängda[1]), (Rect{27, 432, 208, 101}));
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
    AttributedString tioRader;
    for (int i = 0; i < 10; ++i) tioRader.append(i ? "\nrad" : "rad", TextAttributes{.font = Font{"", 10}});

    EXPECT_EQ(mallverktyg::höjdSomRymmer(vy, tioRader, {10, 700, 100, 100}), 100);
    EXPECT_NEAR(mallverktyg::höjdSomRymmer(vy, tioRader, {10, 700, 100, 80}), 84, 1e-9);
    EXPECT_EQ(mallverktyg::höjdSomRymmer(vy, AttributedString("for wide"), {10, 700, 100, 80}), 80);
}

}  // namespace
