// Template Fr with the fixed-width measurer: the recipient's and the
// sender's tables centred on their points by their measured size, the
// recipient's frame grown for a list too long for it; the red
// rule, the amount rows and the VAT summary moving up a row for each amount
// row more; what a delivery note leaves out and the white patch it sets
// instead.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Fullfaktura.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

using namespace displaylista;

namespace {

// Remembers every size each table was measured in.
class Mätare : public FastMätare {
public:
    mutable std::map<std::string, std::vector<Size>> gränser;
    Size boundingSize(const AttributedString& text, Size bounds) const override {
        gränser[text.text()].push_back(bounds);
        return FastMätare::boundingSize(text, bounds);
    }
    BoundedSize boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const override {
        gränser[text.text()].push_back(bounds);
        return FastMätare::boundedSize(text, bounds, bound);
    }
};

class MallFr : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    Mätare mätare;

    MallFr() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Ramar; }

    struct Tabeller {
        std::string mottagare, avsändare;
    };
    // The texts of the two fact tables, known by the recipient's name and
    // the sender's organisation number.
    Tabeller tabelltexter() {
        Fakturavy vy(faktura, *bok, false, mätare);
        const CachatObjekt* m = medTextSomInnehåller(vy.innehållFörAllaSidor, "Kund AB");
        const CachatObjekt* a = medTextSomInnehåller(vy.innehållFörAllaSidor, "556000-0000");
        EXPECT_TRUE(m && a) << beskriv(vy.innehållFörAllaSidor);
        if (!m || !a) return {};
        return {text(*m)->text(), text(*a)->text()};
    }
};

// The recipient's table has its middle on (137.5, 202), is 173 wide and
// measured at most that wide; the sender's has its middle on (127, 481.5),
// is a point wider than its text, at most 196, in which it is measured;
// their frames start on the whole point above and left of that and end a
// point or less below the text, on a whole point.
TEST_F(MallFr, FactTablesAreCentredOnTheirPoints) {
    faktura.erReferens_ = "Johan", faktura.leveransdatum_ = Datum{20261130};
    bok->telefon = "031-12 34 56", bok->bank = "Exempelbanken", bok->bankkonto = "1234-56 789 01";
    const Tabeller t = tabelltexter();
    ASSERT_FALSE(t.mottagare.empty());
    auto mättI = [&](const std::string& tabell, Size gräns) {
        const auto& g = mätare.gränser.at(tabell);
        return std::find(g.begin(), g.end(), gräns) != g.end();
    };
    EXPECT_TRUE(mättI(t.mottagare, {173, 1000}));
    EXPECT_TRUE(mättI(t.avsändare, {196, 1000}));

    const struct {
        Size mottagare, avsändare;
        Rect mottagarram, avsändarram;
    } fall[] = {
        // Whole halves: nothing to round.
        {{100, 60}, {150, 81}, {87, 172, 173, 61}, {52, 441, 151, 82}},
        // From (87.5, 171.5) and (52.5, 441.5).
        {{100, 61}, {149, 80}, {87, 171, 173, 62}, {52, 441, 150, 81}},
        // Taller tables reach further up and down alike.
        {{173, 161}, {196, 201}, {51, 121, 173, 162}, {29, 381, 196, 202}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.mottagarram.height);
        mätare.fasta = {{t.mottagare, f.mottagare}, {t.avsändare, f.avsändare}};
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* m = medText(alla, t.mottagare);
        const CachatObjekt* a = medText(alla, t.avsändare);
        ASSERT_TRUE(m && a);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(m->data));
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(a->data));
        EXPECT_EQ(ram(*m), f.mottagarram);
        EXPECT_EQ(ram(*a), f.avsändarram);
    }
}

// A recipient too long for the green frame even at 70 % gets the frame
// drawn again over the background's, grown down by what the table lacks
// at 70 % and 183 wide, at most 40 points, above the blue frame's wire;
// the table keeps within the grown frame's inner rule, cut where even that
// is not enough. Lines of 8.4 points, 5.88 at 70 %.
TEST_F(MallFr, ARecipientTooLongForItsFrameGrowsTheFrameDown) {
    for (int rader : {10, 28, 60}) {
        SCOPED_TRACE(rader);
        std::string gata;
        for (int i = 0; i < rader; ++i) gata += (i ? "\n" : "") + std::string("Gata ") + std::to_string(i + 1);
        faktura.mottagaradress_ = prov::Faktura::adress(gata, "111 22", "Stockholm");
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* ramen = nullptr;
        for (const CachatObjekt& o : alla)
            if (!ramen && std::holds_alternative<cachad::path>(o.data) && ram(o).x == 34 && ram(o).y == 102 &&
                ram(o).width == 207)
                ramen = &o;
        const CachatObjekt* m = medTextSomInnehåller(alla, "Kund AB");
        ASSERT_TRUE(m);
        if (rader == 10) {
            EXPECT_FALSE(ramen) << "fits the background's frame";
            continue;
        }
        ASSERT_TRUE(ramen);
        const double längre = ram(*ramen).height - 201;
        EXPECT_GT(längre, 0);
        EXPECT_LE(längre, 40);
        // The frame is 183 wide from where the text's middle puts it.
        const Size s = mätare.boundingSize(*text(*m), {ram(*m).width, 10000});
        const Rect inuti{43, 111, 189, 183 + längre};
        EXPECT_GE(ram(*m).minX(), inuti.minX());
        EXPECT_LE(ram(*m).minX() + s.width, inuti.maxX());
        EXPECT_GE(ram(*m).minY(), inuti.minY());
        EXPECT_LE(ram(*m).minY() + s.height, inuti.maxY());
        EXPECT_EQ(text(*m)->text().ends_with("\u2026"), rader == 60);
    }
}

// N amount rows (the total among them) start at y 608 - 14 N under a rule
// at y 600 - 14 N, so the total always stands on y 594.
TEST_F(MallFr, TheAmountBlockRisesARowForEachRow) {
    for (int n = 0; n <= 5; ++n) {
        SCOPED_TRACE(n);
        prov::Faktura f = faktura;
        ställBeloppsrader(f, n);
        Fakturavy vy(f, *bok, false, mätare);
        const int rader = n + 1;
        const double överst = 608 - 14 * rader;

        // The rule stands over the amounts, on the last page only.
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));
        EXPECT_FALSE(medRam(vy.innehållFörAllaSidor, {256, 600.0 - 14 * rader, 290, 0}));
        const CachatObjekt* linje = medRam(sista, {256, 600.0 - 14 * rader, 290, 0});
        ASSERT_TRUE(linje);
        const auto& streck = std::get<cachad::path>(linje->data);
        EXPECT_EQ(streck.stroke, Color::rgb(0.802, 0.039, 0.127));
        EXPECT_EQ(streck.path.lineWidth, 0.5);

        const CachatObjekt* total = medText(sista, vy.rubrikFörTotaltBelopp());
        ASSERT_TRUE(total);
        EXPECT_EQ(ram(*total), (Rect{404, 594, 137, 15}));
        EXPECT_TRUE(medRam(sista, {404, överst, 137, 15}));
        if (n >= 2) {
            const CachatObjekt* moms = medTextSomInnehåller(sista, "25");
            ASSERT_TRUE(moms);
            EXPECT_GE(ram(*moms).x, 258);
            EXPECT_GE(ram(*moms).y, överst + 1);
        }
    }
}

TEST_F(MallFr, ADeliveryNoteWhitesOutTheAmountLineAndLeavesOutTheTerms) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        EXPECT_TRUE(medRam(alla, {254, 183, 298, 21}) && medText(alla, "1042")) << "the number";

        const CachatObjekt* vitt = medRam(alla, {255, 620, 295, 27});
        EXPECT_EQ(vitt != nullptr, följesedel);
        if (vitt) {
            EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
        }

        // The amount to pay and the payment terms only on the last page:
        // before it the rows run through their lines.
        const auto& sista = vy.innehållFörVarjeSida.back();
        const CachatObjekt* rubrik = medText(sista, vy.rubrikFörBeloppAttBetala());
        EXPECT_EQ(rubrik && ram(*rubrik) == (Rect{259, 626, 284, 16}), !följesedel);
        const CachatObjekt* belopp = medText(sista, vy.belopp(faktura.attBetala_));
        EXPECT_EQ(belopp && ram(*belopp) == (Rect{259, 626, 284, 16}), !följesedel);
        const std::string villkor = vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar() + "  /  " +
                                    vy.rubrikFörFörfallodatum() + " 2026-12-31";
        for (const std::string& t : {vy.rubrikFörBeloppAttBetala(), vy.belopp(faktura.attBetala_), villkor})
            EXPECT_FALSE(medText(alla, t)) << t;
        const CachatObjekt* villkorsrad = medText(sista, villkor);
        EXPECT_EQ(villkorsrad && ram(*villkorsrad) == (Rect{259, 649, 292, 15}), !följesedel);
        EXPECT_EQ(medRam(alla, {254, 202, 298, 18}) != nullptr, !följesedel) << "the invoice date";
    }
}

// The fullest German invoice: each fact table inside its picture frame
// (the recipient's inner line (43, 111, 189, 183) grown by up to 40, the
// sender's (26, 377, 203, 210)), the sender's about its point; nothing on the last page
// crosses the rule over the amounts, so the message ends above it.
TEST(MallFrFull, FactTablesStayInTheirFramesAndTheLastPageKeepsToEitherSideOfTheRule) {
    auto full = prov::fullfaktura("Fr", "de");
    const Fakturavy& v = *full.vy;
    const auto& alla = v.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const struct {
        const CachatObjekt* tabell;
        Rect inuti;
        Point mitt;
    } tabeller[] = {{medTextSomInnehåller(alla, v.rubrikFörMottagaradress()), {43, 111, 189, 223}, {137.5, 202.5}},
                    {medTextSomInnehåller(alla, v.rubrikFörAvsändare()), {26, 377, 203, 210}, {127.5, 482}}};
    for (const auto& t : tabeller) {
        ASSERT_TRUE(t.tabell);
        const TextExtent e = v.mätare.extent(*text(*t.tabell), ram(*t.tabell), TextDrawingMode::layoutManager);
        ASSERT_FALSE(e.lines.empty());
        for (const Rect& linje : e.lines) {
            EXPECT_GE(linje.minX(), t.inuti.minX());
            EXPECT_LE(linje.maxX(), t.inuti.maxX());
            EXPECT_GE(linje.minY(), t.inuti.minY());
            EXPECT_LE(linje.maxY(), t.inuti.maxY());
        }
        if (t.inuti.height == 210) {
            EXPECT_NEAR(ram(*t.tabell).midY(), t.mitt.y, 1);
        }
    }

    const auto& sista = v.innehållFörVarjeSida.back();
    SCOPED_TRACE(beskriv(sista));
    double regel = 0;
    for (const CachatObjekt& o : sista)
        if (const auto* p = std::get_if<cachad::path>(&o.data); p && p->stroke == Color::rgb(0.802, 0.039, 0.127))
            regel = ram(o).y;
    ASSERT_GT(regel, 0);
    ASSERT_TRUE(medTextSomInnehåller(sista, "Tack"));
    for (const CachatObjekt& o : sista)
        if (const AttributedString* t = text(o)) {
            for (const Rect& linje : v.mätare.extent(*t, ram(o), TextDrawingMode::fromTopLeft).lines)
                EXPECT_TRUE(linje.maxY() <= regel || linje.minY() >= regel) << t->text();
        }
}

}  // namespace
