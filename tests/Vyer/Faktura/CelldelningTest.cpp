// Cells cut between their lines: with the fixed-width measurer, whose
// lines a test can count (10-point data: 12 points a line), and with the
// text engine, whose parts are set anew.
#include "Vyer/Faktura/Celldelning.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Langtext.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

const TextAttributes data{std::nullopt, std::nullopt, Font{"Data", 10}};

// "l01\nl02\n..." up to line `till`, from line `från`.
std::string rader(int från, int till) {
    std::string ut;
    for (int i = från; i <= till; ++i) {
        char rad[8];
        std::snprintf(rad, sizeof rad, "l%02d", i);
        ut += rad + std::string(i < till ? "\n" : "");
    }
    return ut;
}

TEST(Celldelning, EachPartHoldsTheLinesThatEndInItsRoom) {
    FastMätare mätare;
    Celldelning delning(mätare, AttributedString(rader(1, 10), data), 100);
    auto del = delning.nästa(40, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), rader(1, 3) + "\n");
    EXPECT_EQ(del->höjd, 36);
    // Not a line in 11 points: nothing is given out, unless a line must be.
    EXPECT_FALSE(delning.nästa(11, false));
    del = delning.nästa(11, true);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), "l04\n");
    EXPECT_FALSE(delning.slut());
    del = delning.nästa(1000, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), rader(5, 10));
    EXPECT_EQ(del->höjd, 72);
    EXPECT_TRUE(delning.slut());
}

// Lines of the whole text 10 points high, of any part of it 12: each part
// set alone is taller than the whole promised.
class Ojämn : public FastMätare {
public:
    explicit Ojämn(size_t hela) : hela_(hela) {}
    std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const override {
        auto rader = FastMätare::lines(text, width, mode);
        if (text.length() == hela_)
            for (TextLine& r : rader) r.top *= 10.0 / 12, r.bottom *= 10.0 / 12;
        return rader;
    }

private:
    size_t hela_;
};

TEST(Celldelning, APartTallerAloneThanInTheWholeIsCutAgainAtItsOwnLines) {
    const std::string text = rader(1, 12);
    Ojämn mätare(text.size());
    Celldelning delning(mätare, AttributedString(text, data), 100);
    // The whole has five lines in 50 points, which alone take 60: four go.
    auto del = delning.nästa(50, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), rader(1, 4) + "\n");
    EXPECT_EQ(del->höjd, 48);
    del = delning.nästa(50, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), rader(5, 8) + "\n");
    del = delning.nästa(50, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text.text(), rader(9, 12));
    EXPECT_TRUE(delning.slut());
}

TEST(Celldelning, TheEnginesPartsMakeUpTheTextAndFillTheirRoom) {
    const TextMeasurer& mätare = systemTextMeasurer();
    const TextAttributes a{std::nullopt, std::nullopt, Font{"HelveticaNeue", 9}};
    const double rad = mätare.defaultLineHeight(*a.font);
    auto texter = långtext::treLångaPoster();
    texter.push_back(långtext::ord("stycke", 40) + "\n\n" + långtext::ord("nästa", 40) + "\u2029" +
                     std::string("med\0nul", 7) + " \u0301" + långtext::ord("sist", 20));
    for (const std::string& text : texter) {
        SCOPED_TRACE(text.substr(0, 20));
        Celldelning delning(mätare, AttributedString(text, a), 150);
        std::string ihop;
        while (!delning.slut()) {
            auto del = delning.nästa(100, true);
            ASSERT_TRUE(del);
            EXPECT_LE(del->höjd, 100);
            if (!delning.slut()) {
                EXPECT_GT(del->höjd, 100 - 2 * rad);
            }
            ihop += del->text.text();
        }
        EXPECT_EQ(ihop, text);
    }
}

// The cells of a row go out at the same breaks, each part as tall as its
// tallest cell; a cell given out whole takes no part after, and an empty
// text none at all.
TEST(Raddelning, EachPartTakesTheNextLinesOfTheCellsNotYetGivenOut) {
    FastMätare mätare;
    Raddelning delning(mätare);
    delning.läggTill(0, AttributedString(rader(1, 5), data), 100);
    delning.läggTill(1, AttributedString("", data), 100);
    delning.läggTill(3, AttributedString(rader(1, 2), data), 100);
    auto del = delning.nästa(40, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->höjd, 36);
    using Celler = std::vector<std::pair<size_t, std::string>>;
    auto celler = [](const Raddelning::Del& d) {
        Celler ut;
        for (const auto& [cell, text] : d.celler) ut.emplace_back(cell, text.text());
        return ut;
    };
    EXPECT_EQ(celler(*del), (Celler{{0, rader(1, 3) + "\n"}, {3, rader(1, 2)}}));
    EXPECT_FALSE(delning.slut());
    EXPECT_FALSE(delning.nästa(11, false));
    del = delning.nästa(100, false);
    ASSERT_TRUE(del);
    EXPECT_EQ(del->höjd, 24);
    EXPECT_EQ(celler(*del), (Celler{{0, rader(4, 5)}}));
    EXPECT_TRUE(delning.slut());
}

// Empty texts have no line to give out, however tall they measure.
TEST(Raddelning, ARowOfEmptyTextsIsGivenOutBeforeItStarts) {
    FastMätare mätare;
    mätare.fasta[""] = {30, 150};
    Raddelning delning(mätare);
    delning.läggTill(0, AttributedString("", data), 100);
    delning.läggTill(1, AttributedString("", data), 100);
    EXPECT_TRUE(delning.slut());
    EXPECT_FALSE(delning.nästa(1000, true));
}

// In the view's other string mode each line stands on the foot of its own
// band, the last on the foot of the frame.
TEST(Celldelning, RadvisStandsEachLineOnItsOwnFoot) {
    FastMätare mätare;
    std::vector<CachatObjekt> sida;
    läggTillRadvis(sida, mätare, AttributedString(rader(1, 3), data), {10, 100, 50, 40});
    ASSERT_EQ(sida.size(), 3u);
    const Rect väntade[] = {{10, 104, 50, 12}, {10, 116, 50, 12}, {10, 128, 50, 12}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(displaylista::ram(sida[i]), väntade[i]) << i;
        EXPECT_EQ(displaylista::text(sida[i])->text(), rader(int(i) + 1, int(i) + 1) + (i < 2 ? "\n" : ""));
    }
}

}  // namespace
