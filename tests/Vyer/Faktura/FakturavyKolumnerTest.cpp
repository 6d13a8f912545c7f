// The item table's columns: which, in what order, how wide, with what
// spacing, and the cells' texts. Expected frames are worked out by hand from
// the column rules with the fixed-width measurer (5 points a character,
// 12-point lines; headings pinned to 10 x 12).
#include "Artikeltabell.h"

#include "Displaylista.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using K = Fakturakolumn;
using prov::D;

// Nine and five words of five letters: 265 and 145 points on one line.
const std::string nioOrd = "abcde abcde abcde abcde abcde abcde abcde abcde abcde";
const std::string femOrd = "abcde abcde abcde abcde abcde";

struct Breddfall {
    const char* namn;
    std::vector<K> kolumner;
    double bredd;  // of the item region
    std::vector<prov::Post> poster;
    double kolumnavstånd;
    std::vector<std::pair<std::string, Rect>> ramar;  // by cell text
};

class Kolumnbredder : public Artikeltabell {
protected:
    // Amounts measure as pinned: 80 as 30, 100 as 40, 1200 as 52.4 points.
    void fästBelopp() {
        mätare.fasta[vy().belopp(D("80"))] = {30, 12};
        mätare.fasta[vy().belopp(D("100"))] = {40, 12};
        mätare.fasta[vy().belopp(D("1200"))] = {52.4, 12};
    }

    // "¤100" stands for the formatter's text of the amount 100.
    std::string celltext(const std::string& text) {
        return text.rfind("¤", 0) == 0 ? vy().belopp(D(text.c_str() + 2)) : text;
    }
};

prov::Post vara(std::string namn, const char* antal, const char* pris, const char* belopp,
                std::optional<std::string> kommentar = std::nullopt) {
    prov::Post p;
    p.artikelnamn_ = std::move(namn);
    p.antal_ = D(antal), p.pris_ = D(pris), p.beloppExklMoms_ = D(belopp);
    p.kommentar_ = std::move(kommentar);
    return p;
}

TEST_F(Kolumnbredder, FollowTheWidestCellThenStretchAndJustifyToTheRightEdge) {
    const std::vector<Breddfall> fall = {
        // 10 + 25 + 30 + 53 = 118 points of columns; the spacing takes the
        // rest, (535 - 118) / 3 = 139, so the last column ends at 565.
        {"fixed columns only, given out of order",
         {K::belopp, K::radnummer, K::pris, K::antal, K::enhet},
         535,
         {vara("a", "1", "80", "100"), vara("b", "12", "80", "1200")},
         139,
         {{"1", {30, 312, 10, 12}}, {"12 st", {179, 324, 25, 12}}, {"¤80", {343, 312, 30, 12}},
          {"¤1200", {512, 324, 53, 12}}}},
        // One stretch column with room: 1.5 x 45 = 67.5; spacing
        // (535 - 67.5 - 10 - 40) / 2 = 208.75. No unit column: no unit.
        {"one stretch column with room",
         {K::antal, K::artikelnamn, K::belopp},
         535,
         {vara("Skruv", "1", "80", "100"), vara("Mutter M8", "2", "80", "100")},
         208.75,
         {{"Mutter M8", {30, 324, 67.5, 12}}, {"2", {306.25, 324, 10, 12}}, {"¤100", {525, 312, 40, 12}}}},
        // Without room the stretch column takes what is left after one more
        // spacing: 200 - 10 - 40 - 6 - 6 = 138. Nine words wrap four to a
        // line there: three lines, a row of 36.
        {"one stretch column without room",
         {K::artikelnamn, K::antal, K::belopp},
         200,
         {vara(nioOrd, "1", "80", "100")},
         6,
         {{nioOrd, {30, 312, 138, 36}}, {"1", {174, 312, 10, 36}}, {"¤100", {190, 312, 40, 36}}}},
        // Two stretch columns share one factor: 260 / (265 + 145 + 12);
        // 163.27 and 89.34 rounded down. They wrap to two lines each and the
        // spacing is (300 - 163 - 89 - 40) / 2 = 4.
        {"two stretch columns shrink by one factor",
         {K::artikelnamn, K::kommentar, K::belopp},
         300,
         {vara(nioOrd, "1", "80", "100", femOrd)},
         4,
         {{nioOrd, {30, 312, 163, 24}}, {femOrd, {197, 312, 89, 24}}, {"¤100", {290, 312, 40, 24}}}},
        // With plenty of room the factor stops at 1.5: 67 and 22.
        {"two stretch columns grow at most by half",
         {K::artikelnamn, K::kommentar, K::belopp},
         535,
         {vara("Mutter M8", "1", "80", "100", "Obs")},
         203,
         {{"Mutter M8", {30, 312, 67, 12}}, {"Obs", {300, 312, 22, 12}}, {"¤100", {525, 312, 40, 12}}}},
        // Fixed columns wider than the region: nothing moves, the spacing
        // stays 6 and the table runs past the right edge.
        {"fixed columns wider than the region",
         {K::antal, K::pris, K::belopp},
         100,
         {vara("a", "1", "80", "1200")},
         6,
         {{"1", {30, 312, 10, 12}}, {"¤80", {46, 312, 30, 12}}, {"¤1200", {82, 312, 53, 12}}}},
        // A single stretch column takes the whole width; no spacing to set.
        {"one column",
         {K::artikelnamn},
         535,
         {vara("Mutter M8", "1", "80", "100")},
         6,
         {{"Mutter M8", {30, 312, 535, 12}}}},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.namn);
        börjaOm();
        faktura.kolumner_ = c.kolumner;
        faktura.poster = c.poster;
        fästRubriker({10, 12});
        fästBelopp();
        lägg({30, 300, c.bredd, 400}, 400);
        EXPECT_DOUBLE_EQ(vy().kolumnavstånd, c.kolumnavstånd);
        ASSERT_EQ(vy().antalSidor(), 1);
        for (const auto& [text, r] : c.ramar) EXPECT_EQ(ram(1, celltext(text)), r) << text;
    }
}

// Where the width rule would divide by nothing or hand out negative
// widths, stretch columns get no width below 0 and no factor above 1.5.
TEST_F(Kolumnbredder, StretchColumnsNeverGetNegativeWidths) {
    struct Fall {
        const char* namn;
        std::vector<K> kolumner;
        double bredd, kolumnavstånd;
        prov::Post post;
        double nyttAvstånd;
        std::vector<std::pair<std::string, Rect>> ramar;
    };
    prov::Post tom = vara("", "1", "80", "100");
    const std::vector<Fall> fall = {
        // 44 - 40 leaves 4, less than the spacing the column needs: the
        // column gets 0 (not -2) and the spacing takes the 4.
        {"the spacing eats the room", {K::artikelnamn, K::belopp}, 44, 6, vara("Skruv", "1", "80", "100"), 4,
         {{"Skruv", {30, 312, 0, 12}}, {"¤100", {34, 312, 40, 12}}}},
        // Widths 10 + 10 and two spacings of -20 sum to -20.
        {"negative spacing", {K::artikelnamn, K::kommentar}, 535, -20, vara("ab", "1", "80", "100", "cd"), 505,
         {{"ab", {30, 312, 15, 12}}, {"cd", {550, 312, 15, 12}}}},
        {"nothing to scale", {K::artikelnamn, K::kommentar}, 535, 0, tom, 535, {{"", {30, 312, 0, 0}}}},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.namn);
        börjaOm();
        faktura.kolumner_ = c.kolumner;
        faktura.poster = {c.post};
        vy().kolumnavstånd = c.kolumnavstånd;
        fästRubriker({0, 0});
        fästBelopp();
        lägg({30, 300, c.bredd, 400}, 400);
        EXPECT_DOUBLE_EQ(vy().kolumnavstånd, c.nyttAvstånd);
        for (const auto& [text, r] : c.ramar) EXPECT_EQ(ram(1, celltext(text)), r) << text;
    }
}

// Shrunk by one factor, the comment column would be narrower than its
// heading and the description column has too little above its own to make
// up for it: the spacing gives up the rest, down to half its width, so that
// no heading wraps down over the rows. Headings of 50; fixed columns 3 x 50;
// the factor 101 / 422 gives 63 and 34; the comment column takes 13 from
// the description and 3 from the spacing, which ends at 13 / 4 = 3.25.
TEST_F(Kolumnbredder, StretchColumnsKeepTheirHeadingsWidthTakingFromTheSpacing) {
    faktura.kolumner_ = {K::radnummer, K::artikelnamn, K::kommentar, K::antal, K::belopp};
    faktura.poster = {vara(nioOrd, "1", "80", "100", femOrd)};
    fästRubriker({50, 12});
    fästBelopp();
    lägg({30, 300, 263, 400}, 400);
    EXPECT_DOUBLE_EQ(vy().kolumnavstånd, 3.25);
    // One word of five letters to a line: nine lines in the tallest cell.
    EXPECT_EQ(ram(1, nioOrd), (Rect{83.25, 312, 50, 108}));
    EXPECT_EQ(ram(1, femOrd), (Rect{136.5, 312, 50, 108}));
    EXPECT_EQ(ram(1, celltext("¤100")), (Rect{243, 312, 50, 108}));
}

TEST_F(Kolumnbredder, HeadingsStandAboveTheirColumnsInTheHeadingBand) {
    faktura.kolumner_ = {K::belopp, K::radnummer, K::pris, K::antal, K::enhet};
    faktura.poster = {vara("a", "1", "80", "100"), vara("b", "12", "80", "1200")};
    fästRubriker({10, 12});
    fästBelopp();
    lägg({30, 300, 535, 400}, 400);

    const auto& rubriker = vy().innehållFörAllaSidor;
    ASSERT_EQ(rubriker.size(), 4u) << displaylista::beskriv(rubriker);
    const Rect väntade[] = {{30, 280, 10, 15}, {179, 280, 25, 15}, {343, 280, 30, 15}, {512, 280, 53, 15}};
    const bool högerställda[] = {false, false, true, true};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(displaylista::ram(rubriker[i]), väntade[i]) << i;
        const AttributedString* text = displaylista::text(rubriker[i]);
        ASSERT_TRUE(text);
        ASSERT_FALSE(text->empty());
        EXPECT_EQ(*text->attributesAt(0), högerställda[i] ? högerställdaRubrikattribut : rubrikattribut) << i;
    }
    const AttributedString* pris = displaylista::text(*displaylista::medText(sida(1), vy().belopp(D("80"))));
    EXPECT_EQ(*pris->attributesAt(0), högerställdaDataattribut);
    EXPECT_EQ(*displaylista::text(*displaylista::medText(sida(1), "12 st"))->attributesAt(0), dataattribut);
}

TEST_F(Kolumnbredder, OwnHeadingsGetPaddedCellsAndOneAnchorPerColumn) {
    faktura.kolumner_ = {K::radnummer, K::belopp};
    faktura.poster = {vara("a", "1", "80", "100"), vara("b", "1", "80", "100")};
    vy().rubrikutfyllnad = 5;
    fästRubriker({20.3, 12});  // 21 when rounded up, 31 with the padding
    fästBelopp();
    int anrop = 0;
    std::vector<double> ankare;
    std::vector<AttributedString> texter;
    lägg({30, 300, 535, 400}, 400, std::nullopt,
         [&](rumsplan::Plan& plan, const std::vector<AttributedString>& rubriker, const std::vector<double>& positioner) {
             ++anrop;
             texter = rubriker, ankare = positioner;
             plan.rita(CachatObjekt(Rect{1, 2, 3, 4}, Color::black()));
         });

    EXPECT_EQ(anrop, 1);
    ASSERT_EQ(texter.size(), 2u);
    EXPECT_EQ(texter[0].text(), vy().rubrikFörNummer());
    EXPECT_EQ(texter[1].text(), vy().rubrikFörRadensBelopp());
    // Number column: cells 31, 5, 5; 0.3 x 41 / 3 = 4.1 from its left edge.
    // Amount column 464 further on (535 - 31 - 40): cells 31, 40, 40;
    // 0.3 x 111 / 3 = 11.1 left of its right edge, 553.9 rounded.
    EXPECT_EQ(ankare, (std::vector<double>{34, 554}));
    EXPECT_DOUBLE_EQ(vy().kolumnavstånd, 464);
    EXPECT_EQ(ram(1, "1"), (Rect{30, 312, 31, 12}));
    // The callback's objects are the headings; no standard ones are made.
    ASSERT_EQ(vy().innehållFörAllaSidor.size(), 1u);
    EXPECT_EQ(displaylista::ram(vy().innehållFörAllaSidor[0]), (Rect{1, 2, 3, 4}));
}

// The padding that own headings add to each stretch column comes out of
// the columns, not the spacing: 265 and 145 points of text in 300 give
// 191 and 104 by the factor, 201 and 114 padded, 15 too many; the columns
// give up what the spacing needs to keep half its width.
TEST_F(Kolumnbredder, OwnHeadingsPaddingLeavesHalfTheSpacing) {
    faktura.kolumner_ = {K::artikelnamn, K::kommentar};
    faktura.poster = {vara(nioOrd, "1", "80", "100", femOrd)};
    vy().kolumnavstånd = 8;
    vy().rubrikutfyllnad = 5;
    fästRubriker({20, 12});
    lägg({30, 300, 300, 400}, 400, std::nullopt,
         [](rumsplan::Plan&, const std::vector<AttributedString>&, const std::vector<double>&) {});
    EXPECT_GE(vy().kolumnavstånd, 4);
    const Rect namn = ram(1, nioOrd), kommentar = ram(1, femOrd);
    EXPECT_NEAR(kommentar.minX() - namn.maxX(), vy().kolumnavstånd, 1e-9);
    EXPECT_NEAR(kommentar.maxX(), 330, 1e-9);
}

TEST_F(Kolumnbredder, WithoutColumnsRowsStillTakeTheirSpacing) {
    faktura.kolumner_ = {K::enhet};
    faktura.poster = {vara("a", "1", "80", "100"), vara("b", "1", "80", "100"), vara("c", "1", "80", "100")};
    vy().radavstånd = 2;
    int anrop = 0;
    lägg({30, 300, 535, 400}, 400, Color::grey(0.9),
         [&](rumsplan::Plan&, const std::vector<AttributedString>& rubriker, const std::vector<double>& positioner) {
             ++anrop;
             EXPECT_TRUE(rubriker.empty());
             EXPECT_TRUE(positioner.empty());
         });
    EXPECT_EQ(anrop, 1);
    EXPECT_TRUE(vy().innehållFörAllaSidor.empty());
    ASSERT_EQ(vy().antalSidor(), 1);
    // Bands on the first and third rows, each 2 points high.
    ASSERT_EQ(sida(1).size(), 2u) << displaylista::beskriv(sida(1));
    EXPECT_EQ(displaylista::ram(sida(1)[0]), (Rect{30, 312, 535, 2}));
    EXPECT_EQ(displaylista::ram(sida(1)[1]), (Rect{30, 316, 535, 2}));
}

TEST_F(Kolumnbredder, ADeliveryNoteDropsPricesAndKeepsTheUnit) {
    faktura.kolumner_ = {K::radnummer, K::artikelnamn, K::antal, K::enhet, K::pris, K::belopp, K::rabatt};
    prov::Post p = vara("Skruv", "2", "80", "100");
    p.rabattbeskrivning_ = "10 %";
    faktura.poster = {p};
    vy(true);
    lägg({30, 300, 535, 400}, 400);
    EXPECT_EQ(vy().innehållFörAllaSidor.size(), 3u);
    std::vector<std::string> texter;
    for (const auto& o : sida(1)) texter.push_back(displaylista::text(o)->text());
    EXPECT_EQ(texter, (std::vector<std::string>{"1", "Skruv", "2 st"}));
}

TEST_F(Kolumnbredder, CellsSayWhatTheItemHolds) {
    faktura.kolumner_ = {K::radnummer, K::artikelnummer, K::antal, K::enhet, K::momssats, K::belopp,
                         K::beloppInklMoms};
    prov::Post utanTal = vara("c", "1", "80", "100");
    utanTal.antal_ = Decimal::notANumber(), utanTal.momssats_ = Decimal::notANumber();
    utanTal.beloppExklMoms_ = Decimal::notANumber();
    utanTal.artikelnummer_.reset(), utanTal.enhet_.reset();
    prov::Post stor = vara("b", "1234.5", "80", "100");
    stor.artikelnummer_ = "A-7";
    faktura.poster = {vara("a", "1", "80", "100"), stor, utanTal};
    faktura.poster[0].belopp_ = D("1200");
    lägg({30, 300, 535, 400}, 400);

    std::vector<std::string> rader[3];
    for (const auto& o : sida(1))
        rader[static_cast<int>(displaylista::ram(o).y - 312) / 12].push_back(displaylista::text(o)->text());
    // Percent and quantity texts in the user's locale (here en_US); the
    // line amount without and with VAT in the invoice's currency.
    EXPECT_EQ(rader[0], (std::vector<std::string>{"1", "1", "1 st", "25%", vy().belopp(D("100")),
                                                  vy().belopp(D("1200"))}));
    EXPECT_EQ(rader[1], (std::vector<std::string>{"2", "A-7", "1,234.5 st", "25%", vy().belopp(D("100")),
                                                  vy().belopp(D("125"))}));
    // No article number, no quantity or rate text: no cell; an amount the
    // formatter cannot print: an empty text.
    EXPECT_EQ(rader[2], (std::vector<std::string>{"3", "", vy().belopp(D("125"))}));
}

TEST_F(Kolumnbredder, HeadingsInCapitalsWhenAsked) {
    faktura.språk_ = "es";
    faktura.kolumner_ = {K::artikelnamn, K::pris};
    faktura.poster = {vara("a", "1", "80", "100")};
    lägg({30, 300, 535, 400}, 400, std::nullopt, nullptr, true);
    ASSERT_EQ(vy().innehållFörAllaSidor.size(), 2u);
    EXPECT_EQ(displaylista::text(vy().innehållFörAllaSidor[0])->text(), "DESCRIPCIÓN");
    EXPECT_EQ(displaylista::text(vy().innehållFörAllaSidor[1])->text(), "TARIFA");
}

}  // namespace
