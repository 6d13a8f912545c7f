// Label and value tables measured with the fixed-width measurer: a
// character is half its font size wide, a font's default line height 1.2
// times its size.
#include "Stegvy.h"
#include "Vyer/Faktura/Styckeformat.h"

#include "Plattform/Ritning/FontRegistry.h"

#include <gtest/gtest.h>

namespace {

using prov::attribut;

int antal(const std::string& text, std::string_view del) {
    int n = 0;
    for (size_t i = text.find(del); i != std::string::npos; i = text.find(del, i + del.size())) ++n;
    return n;
}

const ParagraphStyle& stilen(const AttributedString& s) { return *s.paragraphStyleAt(0); }

TEST(Tabeller, KeepsOnlyPairsWithBothPartsAndSeparatesRowsWithoutATrailingSeparator) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    Datalista data = {{"A", "1"}, {std::nullopt, "2"}, {"C", std::nullopt}, {"D", "4"}, {"E", ""}};
    auto t = vy->tabellMedData(data, attribut(10), attribut(10));
    EXPECT_EQ(t.antalRader, 3);
    EXPECT_EQ(t.tabell.text(), "A\t1\u2029D\t4\u2029E\t");
    EXPECT_EQ(antal(t.tabell.text(), "\u2029"), 2);

    auto tom = vy->tabellMedData({}, attribut(10), attribut(10));
    EXPECT_EQ(tom.antalRader, 0);
    EXPECT_TRUE(tom.tabell.empty());
}

TEST(Tabeller, TabStopsFollowTheWidestCaptionAndItsAlignment) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    // Captions 5 and 25 points wide at 10 pt: W = 25.
    Datalista data = {{"A", "1"}, {"Datum", "2"}};
    struct {
        const char* namn;
        std::optional<ParagraphStyle> rubrikstil;
        std::string text;
        std::vector<TextTab> tabbar;
    } fall[] = {
        {"no style", std::nullopt, "A\t1\u2029Datum\t2", {{TextTab::Kind::left, 30}}},
        {"centred", centerAligned(), "A\t1\u2029Datum\t2", {{TextTab::Kind::left, 30}}},
        {"right", rightAligned(), "\tA\t1\u2029\tDatum\t2",
         {{TextTab::Kind::right, 25}, {TextTab::Kind::left, 30}}},
    };
    for (const auto& f : fall) {
        auto t = vy->tabellMedData(data, attribut(10, f.rubrikstil), attribut(10));
        EXPECT_EQ(t.tabell.text(), f.text) << f.namn;
        const ParagraphStyle& stil = stilen(t.tabell);
        EXPECT_EQ(stil.tabStops, f.tabbar) << f.namn;
        EXPECT_EQ(stil.headIndent, 30) << f.namn;
        EXPECT_EQ(stil.firstLineHeadIndent, 0) << f.namn;
        // One style over the whole text, the unattributed tabs included.
        for (const auto& run : t.tabell.runs()) EXPECT_EQ(run.attributes.paragraphStyle, stil) << f.namn;
    }
}

TEST(Tabeller, CaptionsAreMeasuredAsPrintedInCapitals) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    // "STRASSE" is 7 characters, 35 points at 10 pt.
    auto t = vy->tabellMedData({{"straße", "1"}}, attribut(10), attribut(10), {.storaBokstäverPåRubrik = true});
    EXPECT_EQ(t.tabell.text(), "STRASSE\t1");
    EXPECT_EQ(stilen(t.tabell).tabStops, (std::vector<TextTab>{{TextTab::Kind::left, 40}}));
}

TEST(Tabeller, LineHeightComesFromTheCaptionFontAndSpacingIsAThirdOfIt) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    // L = ceil(1.2 x size + 1), spacing L / 3 rounded.
    struct {
        double rubrik, värde;
        double radhöjd, styckeavstånd;
    } fall[] = {{7, 7, 10, 3}, {9, 9, 12, 4}, {10, 20, 13, 4}, {12, 8, 16, 5}};
    for (const auto& f : fall) {
        auto t = vy->tabellMedData({{"A", "1"}}, attribut(f.rubrik), attribut(f.värde));
        const ParagraphStyle& stil = stilen(t.tabell);
        EXPECT_EQ(stil.minimumLineHeight, f.radhöjd) << f.rubrik;
        EXPECT_EQ(stil.maximumLineHeight, f.radhöjd) << f.rubrik;
        EXPECT_EQ(stil.paragraphSpacing, f.styckeavstånd) << f.rubrik;
    }
}

TEST(Tabeller, LineBreakModeIsTheValuesOwnElseClipping) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    auto utan = vy->tabellMedData({{"A", "1"}}, attribut(10), attribut(10));
    EXPECT_EQ(stilen(utan.tabell).lineBreakMode, LineBreakMode::clipping);
    auto med = vy->tabellMedData({{"A", "1"}}, attribut(10, rightAligned()), attribut(10, truncatedTail()));
    EXPECT_EQ(stilen(med.tabell).lineBreakMode, LineBreakMode::truncatingTail);
}

// White tables stand on dark ground: their tabs and breaks, which draw
// nothing, must not carry the default black a reader of the colours would
// hold against that ground.
TEST(Tabeller, TabsAndBreaksCarryOnlyTheColoursOfCaptionsAndValues) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    const Color vit = Color::white(), grå = Color::rgb(0.5, 0.5, 0.5);
    TextAttributes rubrik = attribut(10, rightAligned()), värde = attribut(10);
    rubrik.foregroundColor = grå;
    värde.foregroundColor = vit;
    auto t = vy->tabellMedData({{"Nr", "7"}, {"Dag", "8"}}, rubrik, värde);
    ASSERT_EQ(t.tabell.text(), "\tNr\t7\u2029\tDag\t8");
    for (const auto& run : t.tabell.runs()) {
        const std::string del = t.tabell.text().substr(run.start, run.length);
        EXPECT_TRUE(run.attributes.foregroundColor == grå || run.attributes.foregroundColor == vit) << del;
    }
    EXPECT_EQ(t.tabell.attributesAt(0)->foregroundColor, grå) << "the tab before a caption";
    EXPECT_EQ(t.tabell.attributesAt(3)->foregroundColor, vit) << "the tab before a value";
}

TEST(Tabeller, OnlyTheDatasOwnFirstPairIsBold) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    const Font vanlig{"Helvetica", 10};
    const Font fet = fonts::boldFont(vanlig);
    ASSERT_NE(fet, vanlig);
    auto typsnittVid = [](const AttributedString& s, const std::string& del) {
        return s.attributesAt(s.text().find(del))->font;
    };

    auto t = vy->tabellMedData({{"Nr", "7"}, {"Dag", "8"}}, attribut(10), attribut(10), {.fetStilPåFörstaRaden = true});
    EXPECT_EQ(typsnittVid(t.tabell, "Nr"), fet);
    EXPECT_EQ(typsnittVid(t.tabell, "7"), fet);
    EXPECT_EQ(typsnittVid(t.tabell, "Dag"), vanlig);
    EXPECT_EQ(typsnittVid(t.tabell, "8"), vanlig);
    // The row height stays that of the plain caption font.
    EXPECT_EQ(stilen(t.tabell).minimumLineHeight, 13);

    auto utanFörsta = vy->tabellMedData({{"Nr", std::nullopt}, {"Dag", "8"}}, attribut(10), attribut(10),
                                        {.fetStilPåFörstaRaden = true});
    EXPECT_EQ(utanFörsta.antalRader, 1);
    EXPECT_EQ(typsnittVid(utanFörsta.tabell, "Dag"), vanlig);
    EXPECT_EQ(typsnittVid(utanFörsta.tabell, "8"), vanlig);
}

TEST(Tabeller, ATableHoldsNoColourButItsCaptionsAndValues) {
    // White on a dark panel: tabs and separators, which draw nothing, must
    // not bring the default black into the table.
    prov::Stegvy steg;
    auto vy = steg.vy();
    TextAttributes rubrik = attribut(10, rightAligned()), värde = attribut(10);
    rubrik.foregroundColor = värde.foregroundColor = Color::white();
    auto t = vy->tabellMedData({{"Nr", "7"}, {"Dag", "8"}}, rubrik, värde, {.fetStilPåFörstaRaden = true});
    ASSERT_EQ(t.tabell.text(), "\tNr\t7\u2029\tDag\t8");
    for (const auto& run : t.tabell.runs()) EXPECT_EQ(run.attributes.foregroundColor, Color::white());
}

TEST(Tabeller, AligningTwoTablesGivesTheNearerOneTheOthersStyle) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    // First tab stops at W + 5: 7 characters at 10 pt give 40, 10 give 55;
    // 5 characters at 14 pt give 40 too, with another line height.
    auto tabell = [&](const std::string& rubrik, double storlek) {
        return vy->tabellMedData({{rubrik, "1"}}, attribut(storlek), attribut(storlek)).tabell;
    };
    struct {
        const char* namn;
        std::string rubrik1;
        double storlek1;
        std::string rubrik2;
        double storlek2;
        bool andraGällerBåda;  // else the first's style holds for both
    } fall[] = {
        {"40 then 55", "ABCDEFG", 10, "ABCDEFGHIJ", 10, true},
        {"55 then 40", "ABCDEFGHIJ", 10, "ABCDEFG", 10, false},
        {"equal", "ABCDEFG", 10, "ABCDE", 14, false},
    };
    for (const auto& f : fall) {
        AttributedString t1 = tabell(f.rubrik1, f.storlek1), t2 = tabell(f.rubrik2, f.storlek2);
        const ParagraphStyle väntad = f.andraGällerBåda ? stilen(t2) : stilen(t1);
        riktaUppTabbarIKolumn(t1, t2);
        for (const auto* t : {&t1, &t2})
            for (const auto& run : t->runs()) EXPECT_EQ(run.attributes.paragraphStyle, väntad) << f.namn;
    }

    AttributedString tom, t = tabell("ABCDEFG", 10);
    const ParagraphStyle före = stilen(t);
    riktaUppTabbarIKolumn(tom, t);
    riktaUppTabbarIKolumn(t, tom);
    EXPECT_TRUE(tom.empty());
    EXPECT_EQ(stilen(t), före);
}

TEST(Tabeller, FactRowsStepByTheRowHeightAndValuesMoveUpByTheOffset) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    Datalista data = {{"Ett", "1"}, {"Tom", ""}, {std::nullopt, "x"}, {"Två", "2"}, {"Utan", std::nullopt},
                      {"Tre", "3"}};
    auto rader = vy->faktarader(
        data, attribut(9), attribut(10),
        {.radhöjd = 12, .startposition = {50, 100}, .etikettbredd = 80, .värdebredd = 100, .offset = 2});
    ASSERT_EQ(rader.size(), 3u);
    const char* rubriker[] = {"Ett", "Två", "Tre"};
    const char* värden[] = {"1", "2", "3"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rader[i].rubrik.text(), rubriker[i]);
        EXPECT_EQ(rader[i].rubrikram, (Rect{50, 100 + 12.0 * double(i), 80, 12}));
        EXPECT_EQ(rader[i].värde.text(), värden[i]);
        EXPECT_EQ(rader[i].värderam, (Rect{135, 98 + 12.0 * double(i), 100, 12}));
        EXPECT_EQ(rader[i].värde.runs()[0].attributes.font->pointSize, 10);
    }
    EXPECT_TRUE(vy->faktarader({{"Tom", ""}}, attribut(9), attribut(9),
                               {.radhöjd = 12, .startposition = {0, 0}, .etikettbredd = 80, .värdebredd = 100})
                    .empty());
}

TEST(Tabeller, AValueTallerThanItsRowPushesTheNextRowDown) {
    prov::Stegvy steg;
    steg.mätare.fasta["Lång\u2028adress"] = {90, 30};
    auto vy = steg.vy();
    auto rader = vy->faktarader(
        {{"Adress", "Lång\u2028adress"}, {"Ort", "Lund"}}, attribut(9), attribut(9),
        {.radhöjd = 12, .startposition = {50, 100}, .etikettbredd = 80, .värdebredd = 100, .offset = 2});
    ASSERT_EQ(rader.size(), 2u);
    EXPECT_EQ(rader[0].rubrikram, (Rect{50, 100, 80, 12}));
    EXPECT_EQ(rader[0].värderam, (Rect{135, 98, 100, 30}));
    EXPECT_EQ(rader[1].rubrikram, (Rect{50, 132, 80, 12}));
    EXPECT_EQ(rader[1].värderam, (Rect{135, 130, 100, 12}));
}

TEST(Tabeller, TheLeaderJoinsTheCaptionAndIsUpperCasedWithIt) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    struct {
        std::optional<std::string> paddning;
        bool versaler;
        std::string rubrik;
    } fall[] = {
        {std::nullopt, false, "Gata"},
        {std::nullopt, true, "GATA"},
        {"....", false, "Gata ...."},
        {"....", true, "GATA ...."},
        {"ß", true, "GATA SS"},
    };
    for (const auto& f : fall) {
        auto rader = vy->faktarader({{"Gata", "x"}}, attribut(9), attribut(9),
                                    {.radhöjd = 12,
                                     .startposition = {0, 0},
                                     .etikettbredd = 80,
                                     .värdebredd = 100,
                                     .paddning = f.paddning,
                                     .storaBokstäverPåEtiketter = f.versaler});
        ASSERT_EQ(rader.size(), 1u);
        EXPECT_EQ(rader[0].rubrik.text(), f.rubrik);
        EXPECT_EQ(rader[0].värde.text(), "x");
        // One line cut at the column's edge: a leader never wraps into
        // the rows below.
        EXPECT_EQ(rader[0].rubrik.paragraphStyleAt(0)->lineBreakMode, LineBreakMode::clipping);
    }
}

}  // namespace
