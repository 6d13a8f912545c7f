// The fitter of rooms and blocks, with the fixed-width measurer: a
// 10-point character is 5 points wide, a line 12 points high.
#include "Vyer/Faktura/Rumsplan.h"

#include "Displaylista.h"
#include "Plattform/Ritning/PangoWatch.h"
#include "Provfaktura.h"
#include "Stegvy.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace displaylista;
using rumsplan::Förankring;
using rumsplan::Plan;
using rumsplan::Text;

namespace {

class Rumsplan : public ::testing::Test {
protected:
    prov::Stegvy steg;
    std::unique_ptr<Fakturavy> vy = steg.vy();

    // `n` lines of "rad" in 10 points (12 points high each).
    static AttributedString rader(size_t n, double storlek = 10) {
        std::string t = "rad";
        for (size_t i = 1; i < n; ++i) t += "\nrad";
        return AttributedString(t, prov::attribut(storlek));
    }
    static double storlek(const CachatObjekt& o) { return text(o)->runs().front().attributes.font->pointSize; }
    // What the plan writes on every page.
    std::vector<CachatObjekt> lagt(Plan& plan) {
        vy->innehållFörAllaSidor.clear();
        std::move(plan).placera();
        return vy->innehållFörAllaSidor;
    }
};

TEST_F(Rumsplan, BlocksStandWhereTheyWerePutPushedDownByLongerOnesAndUpFromTheFoot) {
    struct Fall {
        size_t raderOvan;
        Rect väntatOvan, väntatUnder;
    } fall[] = {
        {1, {0, 10, 100, 12}, {0, 30, 100, 12}},  // both fit their frames
        {3, {0, 10, 100, 37}, {0, 50, 100, 12}},  // the lower pushed down by the gap under the upper
        {7, {0, 0, 100, 85}, {0, 88, 100, 12}},   // both moved up to end at the foot
    };
    for (const Fall& f : fall) {
        Plan plan(*vy);
        plan.rum("room", {0, 0, 100, 100})
            .block("upper", Text{rader(f.raderOvan), {0, 10, 100, 12}})
            .block("lower", Text{rader(1), {0, 30, 100, 12}}, {.avstånd = 4});
        const auto ut = lagt(plan);
        ASSERT_EQ(ut.size(), 2u);
        EXPECT_EQ(ram(ut[0]), f.väntatOvan) << f.raderOvan;
        EXPECT_EQ(ram(ut[1]), f.väntatUnder) << f.raderOvan;
        EXPECT_EQ(storlek(ut[0]), 10);
    }
}

TEST_F(Rumsplan, ABlockOnItsFootGrowsUp) {
    for (auto [n, topp] : {std::pair{1, 80.0}, {3, 64.0}}) {
        Plan plan(*vy);
        plan.rum("foot", {0, 0, 100, 100})
            .block("table", Text{rader(size_t(n)), {0, 80, 100, 20}}, {.förankring = Förankring::påFoten(100)});
        EXPECT_EQ(ram(lagt(plan).front()).y, topp) << n;
    }
}

// A block that keeps to a band from y 50 moves up from the foot no higher
// than that: 5 lines (60 high) in the 50 below it are set smaller instead,
// and stay below a block above them that ends lower.
TEST_F(Rumsplan, ABlockMovesUpNoHigherThanItMay) {
    for (size_t ovan : {1, 5}) {
        Plan plan(*vy);
        plan.rum("band", {0, 0, 100, 100})
            .block("above", Text{rader(ovan), {0, 0, 100, 12}})
            .block("facts", Text{rader(5), {0, 60, 100, 12}}, {.avstånd = 4, .översta = 50});
        const auto ut = lagt(plan);
        ASSERT_EQ(ut.size(), 2u);
        const double k = storlek(ut[1]) / 10;
        EXPECT_LT(k, 1) << ovan;
        const Rect r = ram(ut[1]);
        EXPECT_GE(r.y, 50 - passningsmån) << ovan;
        EXPECT_GE(r.y, ram(ut[0]).y + 12 * k * double(ovan) + 4 * k - passningsmån) << ovan;
        EXPECT_LE(r.y + 60 * k, 100 + passningsmån) << ovan;
    }
}

TEST_F(Rumsplan, RoomsOfAGroupAreSetSmallerByOneFactorOthersStay) {
    Plan plan(*vy);
    auto& full = plan.rum("full", {0, 0, 100, 40});
    full.block("four lines", Text{rader(4), {0, 0, 100, 12}});  // 48 high: fits at 84 %
    auto& med = plan.rum("with it", {200, 0, 100, 40});
    med.block("one line", Text{rader(1), {200, 0, 100, 12}});
    plan.rum("alone", {400, 0, 100, 40}).block("one line", Text{rader(1), {400, 0, 100, 12}});
    plan.krymperMed(full, med);
    const auto ut = lagt(plan);
    ASSERT_EQ(ut.size(), 3u);
    EXPECT_NEAR(storlek(ut[0]), 8.4, 1e-9);
    EXPECT_NEAR(storlek(ut[1]), 8.4, 1e-9);
    EXPECT_EQ(storlek(ut[2]), 10);
    // The rooms are recorded with the frames of their texts.
    ASSERT_EQ(vy->planeradeRum.size(), 3u);
    EXPECT_EQ(vy->planeradeRum[1].yta, (Rect{200, 0, 100, 40}));
    EXPECT_EQ(vy->planeradeRum[1].texter, std::vector<Rect>{ram(ut[1])});
}

TEST_F(Rumsplan, PastSeventyPercentTheBlockAtTheFootIsCutVisiblyAndTheRestLeftOut) {
    // At 70 % a line is 8.4 high: 40 points show four lines.
    for (int n : {4, 5}) {
        rumsplan::Rum rum("room", {0, 0, 100, 40});
        rum.block("lines", Text{rader(n), {0, 0, 100, 12}});
        EXPECT_EQ(Plan(*vy).rymmer(rum, minstaProcent), n == 4) << n;
    }
    {
        Plan plan(*vy);
        plan.rum("room", {0, 0, 100, 40})
            .block("long", Text{rader(10), {0, 0, 100, 12}})
            .block("after", Text{rader(1), {0, 20, 100, 12}});
        const auto ut = lagt(plan);
        ASSERT_EQ(ut.size(), 1u);
        EXPECT_EQ(text(ut[0])->text(), "rad\nrad\nrad\nrad\u2026");
        EXPECT_LE(ram(ut[0]).maxY(), 40);
    }
    {
        // No room for a line of the second: the first gives up its last.
        Plan plan(*vy);
        plan.rum("room", {0, 0, 100, 40})
            .block("first", Text{rader(4), {0, 0, 100, 12}})
            .block("second", Text{rader(2), {0, 20, 100, 12}}, {.avstånd = 4});
        const auto ut = lagt(plan);
        ASSERT_EQ(ut.size(), 1u);
        EXPECT_EQ(text(ut[0])->text(), "rad\nrad\nrad\u2026");
    }
}


// A caption whose dots run past its frame stands there at full size with
// them (the frame's edge cuts them), where a frame 30 characters wide
// holds "Datum" alone; and a room's blocks at full size end where they end
// however short the room, for a foot that gives way.
TEST_F(Rumsplan, ACaptionIsMeasuredWithoutItsLeaderAndFullSizeIgnoresTheFoot) {
    Plan plan(*vy);
    const AttributedString rubrik("Datum " + std::string(60, '.'), påEnRad(prov::attribut(10)));
    auto& rum = plan.rum("facts", {0, 0, 150, 12});
    rum.block("fact", Text{rubrik, {0, 0, 150, 12}, rumsplan::Sättning::medLedare});
    rumsplan::Rum prov("trial", {0, 0, 150, 12});
    prov.block("three lines", Text{rader(3), {0, 0, 150, 12}});
    EXPECT_EQ(plan.höjd(prov), 36);
    const auto ut = lagt(plan);
    ASSERT_EQ(ut.size(), 1u);
    EXPECT_EQ(text(ut[0])->text(), rubrik.text());
    EXPECT_EQ(storlek(ut[0]), 10);
}

// A caption in a frame lower than its line stands there at full size in
// the template's frame; a room of it holds no more than that line.
TEST_F(Rumsplan, ARoomIsAtLeastAsHighAsItsFirstLine) {
    Plan plan(*vy);
    plan.text("caption", rader(1), {0, 0, 100, 8});
    plan.text("lines", rader(2), {0, 100, 100, 8});
    const auto ut = lagt(plan);
    ASSERT_EQ(ut.size(), 2u);
    EXPECT_EQ(storlek(ut[0]), 10);
    EXPECT_EQ(ram(ut[0]), (Rect{0, 0, 100, 8}));
    EXPECT_LT(storlek(ut[1]), 10) << "two lines of 12 in 12";
}

// A column whose text does not fit even at 70 % takes width from its
// neighbour to the right, which still holds its own; the gap stays.
TEST_F(Rumsplan, ColumnsLendWidthWhereOneDoesNotFitEvenAt70Percent) {
    Plan plan(*vy);
    auto& vänster = plan.rum("left", {0, 0, 100, 12});
    vänster.block("short", Text{AttributedString("a", prov::attribut(10)), {0, 0, 100, 12}});
    auto& mitten = plan.rum("middle", {110, 0, 100, 12});
    // 40 characters: 200 wide, 140 at 70 %, on two lines below that.
    mitten.block("long", Text{AttributedString(std::string(20, 'a') + " " + std::string(19, 'b'), prov::attribut(10)),
                              {110, 0, 100, 12}});
    auto& höger = plan.rum("right", {220, 0, 100, 12});
    höger.block("short", Text{AttributedString("c", prov::attribut(10)), {220, 0, 100, 12}});
    plan.delarBredd({&vänster, &mitten, &höger});
    const auto ut = lagt(plan);
    ASSERT_EQ(ut.size(), 3u);
    EXPECT_EQ(ram(ut[0]), (Rect{0, 0, 100, 12}));
    EXPECT_EQ(ram(ut[1]).x, 110);
    EXPECT_GE(ram(ut[1]).width, 140);
    EXPECT_EQ(ram(ut[2]).x, ram(ut[1]).maxX() + 10);
    EXPECT_EQ(ram(ut[2]).maxX(), 320);
}

// A room in a turned system: its texts carry the turn, the page records
// the room's box on the page.
TEST_F(Rumsplan, ATurnedRoomIsRecordedWhereItLandsOnThePage) {
    Plan plan(*vy);
    const AffineTransform uppåt = AffineTransform::translation(200, 300).rotated(-std::numbers::pi / 2);
    plan.vridetRum("caption", {0, 0, 100, 14}, uppåt).block("caption", Text{rader(1), {0, 0, 100, 14}});
    const auto ut = lagt(plan);
    ASSERT_EQ(ut.size(), 1u);
    EXPECT_EQ(ut[0].transform, uppåt);
    const Rect& yta = vy->planeradeRum.back().yta;
    EXPECT_NEAR(yta.x, 200, 1e-9);
    EXPECT_NEAR(yta.y, 200, 1e-9);
    EXPECT_NEAR(yta.width, 14, 1e-9);
    EXPECT_NEAR(yta.height, 100, 1e-9);
}

// Each size the fitter tries is laid out only as far as the room shows: a
// name of 3 000 lines in a room of ten costs as little as a short one.
TEST(RumsplanMedTextmotorn, EachSizeTriedIsLaidOutOnlyAsFarAsTheRoomShows) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    Fakturavy vy(faktura, *bok, false);
    std::string namn;
    for (int i = 0; i < 3000; ++i) namn += "a\n";
    Plan plan(vy);
    plan.text("name", AttributedString(namn, TextAttributes{.font = Font{"Helvetica", 10}}), {0, 0, 240, 115});
    vy.innehållFörAllaSidor.clear();
    pangowatch::reset();
    std::move(plan).placera();
    EXPECT_LT(pangowatch::seen().texts, 200u);
    ASSERT_EQ(vy.innehållFörAllaSidor.size(), 1u);
    EXPECT_LT(text(vy.innehållFörAllaSidor.front())->text().size(), 100u) << "cut to what the room shows";
}

}  // namespace
