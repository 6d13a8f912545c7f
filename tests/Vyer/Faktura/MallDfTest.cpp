// Template Df with the fixed-width measurer: the amount block and the item
// area that follow the number of amount rows, the white rectangle under
// the rows of every page but the last, the dotted lists with their rules,
// and what a delivery note leaves out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Dataomrade.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace displaylista;

namespace {

const Color blå = Color::rgb(0.39, 0.71, 0.87);

class MallDf : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallDf() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Standard;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }

    static const cachad::path* väg(const CachatObjekt* o) { return o ? std::get_if<cachad::path>(&o->data) : nullptr; }
};

// The worked rows of the layout: first amount row, frame top, VAT summary
// top and item data height for 0, 1, 3 and 5 amount rows.
TEST_F(MallDf, AmountBlockAndItemAreaFollowTheNumberOfAmountRows) {
    struct Fall {
        int n;
        double förstaRad, ramtopp, dataområde;
    } fall[] = {{0, 0, 667, 262}, {1, 645, 635, 230}, {3, 621, 611, 206}, {5, 597, 587, 182}};
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.n);
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Standard;
        ställBeloppsrader(faktura, c.n);
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_EQ(vy.antalBeloppsrader(false), c.n);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));

        if (c.n > 0) {
            EXPECT_TRUE(medRam(sista, {320, c.förstaRad, 221, 13}));
        }
        // The frame: the rule above the total (with amount rows), the
        // column's left edge up from the lower heavy rule, the top rule.
        const Rect ram = c.n > 0 ? Rect{46, c.ramtopp, 503, 692 - c.ramtopp} : Rect{46, 667, 503, 25};
        const cachad::path* p = väg(medRam(sista, ram));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->stroke, blå);
        EXPECT_EQ(p->path.lineWidth, 0.5);
        EXPECT_EQ(p->path.elements().size(), c.n > 0 ? 6u : 4u);
        // No VAT summary under reverse charge.
        EXPECT_EQ(medRam(sista, {55, c.ramtopp + 3, 236, 80}) != nullptr, !faktura.omvändSkattskyldighetFörMoms_);
        EXPECT_TRUE(medRam(sista, {320, 673, 221, 13})) << "total";

        // The data area ends a row height above the frame's top.
        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, c.dataområde - 3), 1);
        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, c.dataområde - 2), 2);
    }
}

TEST_F(MallDf, EveryPageButTheLastIsWhitedOutUnderItsOwnRows) {
    prov::Post post;
    faktura.poster.assign(60, post);
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_GE(vy.antalSidor(), 3);
    for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        SCOPED_TRACE("page " + std::to_string(s + 1));
        ASSERT_FALSE(lista.empty());
        const cachad::path* vitt = väg(&lista.front());
        ASSERT_TRUE(vitt) << beskriv(lista.front());
        EXPECT_EQ(vitt->fill, Color::white());
        EXPECT_EQ(vitt->path.bounds(), (Rect{0, 402, 595, 290}));
        EXPECT_TRUE(medText(lista, "Vara")) << "the page's rows follow the white";
        EXPECT_FALSE(medRam(lista, {320, 673, 221, 13})) << "no total before the last page";
    }
    const auto& sista = vy.innehållFörVarjeSida.back();
    EXPECT_FALSE(medRam(sista, {0, 402, 595, 290}));
    EXPECT_TRUE(medRam(sista, {320, 673, 221, 13}));
}

TEST_F(MallDf, DottedListsWithTheirRulesMoveUpOnADeliveryNote) {
    faktura.vårReferens_ = "Anna";
    faktura.erReferens_ = "Johan";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        // Labels at x 47 with a leader up to the value column at x 152,
        // values one point lower, rows 14 apart.
        const double referenser = följesedel ? 220 : 278;
        const CachatObjekt* vår = medRam(alla, {152, referenser + 1, 100, 14});
        ASSERT_TRUE(vår);
        EXPECT_EQ(text(*vår)->text(), "Anna");
        const CachatObjekt* etikett = medRam(alla, {47, referenser, 100, 14});
        ASSERT_TRUE(etikett);
        EXPECT_NE(text(*etikett)->text().find(" ....."), std::string::npos);
        EXPECT_TRUE(medRam(alla, {152, referenser + 15, 100, 14}));
        // The rule runs from 2 below the list's top to the foot of its
        // last value.
        const cachad::path* regel = väg(medRam(alla, {38, referenser + 2, 0, 27}));
        ASSERT_TRUE(regel);
        EXPECT_EQ(regel->stroke, blå);

        EXPECT_EQ(medTextSomInnehåller(alla, "2026-12-31") != nullptr, !följesedel) << "due date";
        EXPECT_EQ(medRam(alla, {256, 226, 293, 24}) != nullptr, !följesedel) << "amount box";
        EXPECT_EQ(medRam(alla, {256, 257, 293, 24}) != nullptr, !följesedel) << "due-date box";
    }
}

// A reference list with every fact reaches past the Part's headings at
// y 375: the headings, the rule under them, the rows and the white on
// earlier pages move down together, 10 points below the list's last value
// (its 8-point line 9.6 high here). A short list leaves them where they are.
TEST_F(MallDf, TheItemTableStandsBelowALongReferenceList) {
    faktura.poster.assign(40, prov::Post());
    faktura.vårReferens_ = "Anna";
    faktura.erReferens_ = "Johan";
    for (bool lång : {false, true}) {
        SCOPED_TRACE(lång ? "every fact" : "two references");
        if (lång) {
            faktura.momsregistreringsnummer_ = "DE123";
            faktura.inköpsordernummer_ = "PO-7";
            faktura.leveranssätt_ = "Bud";
            faktura.leveransdatum_ = Datum{20261130};
            faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", prov::D("0.5"),
                                                      Rotuppgifter::hus("Eken 1:2"), Skatteavdrag::standardFörROT());
            bok->visaKundnummerPåFakturor = true;
            faktura.kundnummer_ = "K-1";
        }
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* rubrik = medText(alla, vy.rubrikFörBeskrivning());
        ASSERT_TRUE(rubrik);
        const double y = ram(*rubrik).y;
        double sistaVärde = 0;
        for (const auto& o : alla)
            if (ram(o).x == 152) sistaVärde = std::max(sistaVärde, ram(o).y);
        if (lång)
            EXPECT_GE(y, sistaVärde + 9.6 + 10 - 1);
        else
            EXPECT_EQ(y, 375);
        EXPECT_TRUE(medRam(alla, {46, y + 18, 503, 692 - (y + 18)})) << "the heavy rules";
        EXPECT_EQ(väg(&vy.innehållFörVarjeSida.front().front())->path.bounds(), (Rect{0, y + 27, 595, 290 - (y - 375)}));
        EXPECT_EQ(ram(*medText(vy.innehållFörVarjeSida.front(), "Vara")).y, y + 30);
    }
}

TEST_F(MallDf, AListWithoutValuesDrawsNoRule) {
    Fakturavy vy(faktura, *bok, true, mätare);
    for (const auto& o : vy.innehållFörAllaSidor)
        EXPECT_NE(ram(o).x, 38) << beskriv(o);
}

TEST_F(MallDf, OnlyTheInvoicesOwnCreditTermsAreBoxed) {
    struct Fall {
        std::optional<std::string> villkor;
        bool ruta;
    } fall[] = {{std::nullopt, false}, {"", false}, {"30 dagar netto", true}};
    for (const Fall& c : fall) {
        faktura.kreditvillkor_ = c.villkor;
        Fakturavy vy(faktura, *bok, false, mätare);
        const cachad::path* ruta = väg(medRam(vy.innehållFörAllaSidor, {256, 287, 293, 53}));
        EXPECT_EQ(ruta != nullptr, c.ruta) << c.villkor.value_or("none");
        if (ruta) {
            EXPECT_FALSE(ruta->fill);
        }
    }
}

}  // namespace
