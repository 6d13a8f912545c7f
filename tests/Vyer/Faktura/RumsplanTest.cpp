// The fitter of rooms and blocks, with the fixed-width measurer: a
// 10-point character is 5 points wide, a line 12 points high.
#include "Vyer/Faktura/Rumsplan.h"

#include "Displaylista.h"
#include "Stegvy.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <gtest/gtest.h>

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
        const auto ut = std::move(plan).placeraTexter();
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
        EXPECT_EQ(ram(std::move(plan).placeraTexter().front()).y, topp) << n;
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
        const auto ut = std::move(plan).placeraTexter();
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
    const auto ut = std::move(plan).placeraTexter();
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
        EXPECT_EQ(rumsplan::rymmer(vy->mätare, rum, minstaProcent), n == 4) << n;
    }
    {
        Plan plan(*vy);
        plan.rum("room", {0, 0, 100, 40})
            .block("long", Text{rader(10), {0, 0, 100, 12}})
            .block("after", Text{rader(1), {0, 20, 100, 12}});
        const auto ut = std::move(plan).placeraTexter();
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
        const auto ut = std::move(plan).placeraTexter();
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
    const auto full = plan.vidFullStorlek(prov);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(ram(full[0]).maxY(), 37) << "36 high, with a point to spare";
    const auto ut = std::move(plan).placeraTexter();
    ASSERT_EQ(ut.size(), 1u);
    EXPECT_EQ(text(ut[0])->text(), rubrik.text());
    EXPECT_EQ(storlek(ut[0]), 10);
}

}  // namespace
