// Template Cp with the fixed-width measurer: the white patch that ends 5
// points before the invoice number, the own total row after the amount
// rows, and what a delivery note hides.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Textpassning.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Fullfaktura.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallCp : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallCp() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Copperplate; }
};

// Every white path with its frame.
std::vector<Rect> vitaRutor(const std::vector<CachatObjekt>& lista) {
    std::vector<Rect> rutor;
    for (const CachatObjekt& o : lista)
        if (const auto* p = std::get_if<cachad::path>(&o.data); p && p->fill == Color::white())
            rutor.push_back(ram(o));
    return rutor;
}

TEST_F(MallCp, WhitePatchEndsFivePointsBeforeTheNumber) {
    struct Fall {
        std::string nummer;
        double w;           // the measured width of caption, space and number
        double vitBredd;    // 167 - w, never below 0
    } fall[] = {{"7", 50, 117}, {"1042", 81, 86}, {"2026-000123", 140, 27}, {"X", 167, 0}, {"XXXXXXXXXX", 210, 0}};
    for (bool följesedel : {false, true}) {
        for (const Fall& c : fall) {
            SCOPED_TRACE(c.nummer + (följesedel ? " (delivery note)" : ""));
            faktura.nummer_ = c.nummer;
            // The caption reads differently on a delivery note; both are pinned.
            mätare.fasta.clear();
            for (bool fs : {false, true}) {
                Fakturavy v(faktura, *bok, fs, mätare);
                mätare.fasta[v.rubrikFörFakturanummer() + " " + c.nummer] = {c.w, 11};
            }
            Fakturavy vy(faktura, *bok, följesedel, mätare);
            const auto& alla = vy.innehållFörAllaSidor;
            SCOPED_TRACE(beskriv(alla));

            const CachatObjekt* nummer = medText(alla, vy.rubrikFörFakturanummer() + " " + c.nummer);
            ASSERT_TRUE(nummer);
            EXPECT_EQ(ram(*nummer), (Rect{407, 42, 160, 15}));
            EXPECT_EQ(text(*nummer)->runs()[0].attributes.paragraphStyle->alignment, TextAlignment::right);

            const auto rutor = vitaRutor(alla);
            ASSERT_FALSE(rutor.empty());
            EXPECT_EQ(rutor[0], (Rect{395, 33, c.vitBredd, 30}));
            // The number's first letter stands at 567 - w.
            if (c.vitBredd > 0) {
                EXPECT_EQ(rutor[0].maxX() + 5, 567 - c.w);
            }
            // The patch comes after the number, over the background only.
            EXPECT_GT(medRam(alla, rutor[0]), nummer);
        }
    }
}

TEST_F(MallCp, TotalRowFollowsTheAmountRowsOnTheLastPage) {
    struct Fall {
        const char* namn;
        bool omvänd, rabatt;
        double y;  // 590 + 14 per amount row
    } fall[] = {{"reverse charge, no rows", true, false, 590},
                {"net and VAT", false, false, 618},
                {"net, discount and VAT", false, true, 632}};
    faktura.poster.assign(60, prov::Post{});
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        faktura.omvändSkattskyldighetFörMoms_ = c.omvänd;
        if (c.rabatt) faktura.rabatt_ = prov::D("10");
        else faktura.rabatt_.reset();
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_GE(vy.antalSidor(), 2);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));

        const CachatObjekt* rubrik = medText(sista, vy.rubrikFörTotaltBelopp());
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(ram(*rubrik), (Rect{345, c.y, 200, 15}));
        const CachatObjekt* total = rubrik + 1;
        EXPECT_EQ(text(*total)->text(), vy.belopp(faktura.attBetala()));
        EXPECT_EQ(ram(*total), (Rect{345, c.y, 200, 15}));
        EXPECT_EQ(text(*total)->runs()[0].attributes.font->name, "LucidaGrande-Bold");

        // The VAT summary only without reverse charge, caption above it.
        EXPECT_EQ(medRam(sista, {36, 590, 159, 77}) != nullptr, !c.omvänd);
        for (size_t s = 0; s + 1 < vy.innehållFörVarjeSida.size(); ++s)
            EXPECT_FALSE(medText(vy.innehållFörVarjeSida[s], vy.rubrikFörTotaltBelopp())) << "page " << s + 1;
    }
}

TEST_F(MallCp, DeliveryNoteHidesTheAmountBoxAndKeepsTheRest) {
    faktura.poster.assign(2, prov::Post{});
    faktura.vårReferens_ = "Eva";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const auto rutor = vitaRutor(alla);
        const bool ruta = std::find(rutor.begin(), rutor.end(), Rect{328, 681, 253, 35}) != rutor.end();
        EXPECT_EQ(ruta, följesedel);
        EXPECT_EQ(medText(alla, "2026-12-01") != nullptr, !följesedel) << "the invoice date";
        EXPECT_EQ(medText(alla, vy.rubrikFörBeloppAttBetala()) != nullptr, !följesedel);
        EXPECT_EQ(medTextSomInnehåller(alla, "2026-12-31") != nullptr, !följesedel) << "the due date";
        EXPECT_EQ(medText(vy.innehållFörVarjeSida.back(), vy.rubrikFörTotaltBelopp()) != nullptr, !följesedel);
        if (!följesedel) {
            // Due date above the payment terms, in the amount box's frame.
            EXPECT_EQ(ram(*medTextSomInnehåller(alla, "2026-12-31")), (Rect{336, 716, 222, 11}));
            EXPECT_EQ(ram(*medTextSomInnehåller(alla, vy.rubrikFörDagar())), (Rect{336, 729, 222, 11}));
        }
        // Always: the address, the facts table, both footer tables.
        EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Storgatan 1")), (Rect{327, 97, 218, 86}));
        EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Eva")), (Rect{49, 147, 233, 128}));
        const CachatObjekt* avsändare = medTextSomInnehåller(alla, "556000-0000");
        ASSERT_TRUE(avsändare);
        EXPECT_EQ(ram(*avsändare), (Rect{20, 695, 149, 105}));  // above the F-tax note
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(avsändare->data));
        // The contact details end before the amount box's frame at x 335.
        EXPECT_EQ(ram(*(avsändare + 1)), (Rect{172, 695, 160, 117}));
    }
}

// A few facts stand in the frame (49, 147, 233, 128) as they are. Every
// fact of a German invoice abroad runs on down beside the short title, to
// above the background's rule at y 315, and may rise towards the logo's
// foot at y 118; each of its lines stays in its frame.
TEST_F(MallCp, FactsFitTheirFrameOrRiseTowardsTheLogo) {
    faktura.erReferens_ = "Johan";
    Fakturavy få(faktura, *bok, false, mätare);
    const CachatObjekt* kort = medTextSomInnehåller(få.innehållFörAllaSidor, "Johan");
    ASSERT_TRUE(kort);
    EXPECT_EQ(ram(*kort), (Rect{49, 147, 233, 128}));
    EXPECT_EQ(text(*kort)->runs().back().attributes.font->pointSize, 8);

    auto full = prov::fullfaktura("Cp", "de");
    const Fakturavy& v = *full.vy;
    const CachatObjekt* fakta = medTextSomInnehåller(v.innehållFörAllaSidor, v.rubrikFörLeveransadress());
    ASSERT_TRUE(fakta);
    const Rect r = ram(*fakta);
    EXPECT_GE(r.minY(), 122 - passningsmån);
    EXPECT_GT(r.maxY(), 275);
    EXPECT_LE(r.maxY(), 312);
    for (const Rect& linje : v.mätare.extent(*text(*fakta), r, TextDrawingMode::fromTopLeft).lines) {
        EXPECT_GE(linje.minY(), r.minY() - 0.5);
        EXPECT_LE(linje.maxY(), r.maxY() + 0.5);
    }
}

}  // namespace
