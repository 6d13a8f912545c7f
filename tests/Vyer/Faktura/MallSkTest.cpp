// Template Sk with the fixed-width measurer: the amount rows that end on
// the template's own total row and grow upward, the item area of the last
// page growing with them; the white tables in the forest at the foot; what
// a delivery note leaves out and where its credit terms go; the facts
// narrowing beside a delivery address.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Dataomrade.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Modell/Rotuppgifter.h"
#include "Modell/Skatteavdrag.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallSk : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallSk() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Skog; }
};

// n amount rows above the total start at y 498 - 14 n; the last page's
// item area is 14 (n + 0.5) + 43 high from y 290.
TEST_F(MallSk, TheItemAreaGrowsWithTheAmountRows) {
    for (int n = 0; n <= 5; ++n) {
        SCOPED_TRACE(n);
        prov::Faktura f = faktura;
        ställBeloppsrader(f, n);
        {
            Fakturavy vy(f, *bok, false, mätare);
            const auto& sista = vy.innehållFörVarjeSida.back();
            SCOPED_TRACE(beskriv(sista));
            if (n > 0) {
                EXPECT_TRUE(medRam(sista, {335, 498.0 - 14 * n, 75, 15}));
            }
            const CachatObjekt* total = medText(sista, vy.rubrikFörTotaltBelopp());
            ASSERT_TRUE(total);
            EXPECT_EQ(ram(*total), (Rect{335, 498, 75, 15}));
            EXPECT_EQ(text(*total)->attributesAt(0)->font->name, "LucidaGrande-Bold");
            EXPECT_TRUE(medRam(sista, {415, 498, 100, 15}));
        }
        const double höjd = 14 * n + 50;
        EXPECT_EQ(sidorMedEnPostSomÄr(f, *bok, mätare, höjd - 3), 1);
        EXPECT_EQ(sidorMedEnPostSomÄr(f, *bok, mätare, höjd - 2), 2);
    }
}

TEST_F(MallSk, TheForestCarriesTheCompanyAndItsDataInWhite) {
    bok->telefon = "031-12 34 56";
    bok->bank = "Exempelbanken", bok->bankkonto = "1234-56 789 01";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const struct {
        std::string text;
        Rect ram;
    } fot[] = {{"556000-0000", {34, 750, 163, 62}},
               {"031-12 34 56", {201, 750, 174, 62}},
               {"Exempelbanken", {381, 750, 204, 62}}};
    for (const auto& t : fot) {
        const CachatObjekt* o = medTextSomInnehåller(alla, t.text);
        ASSERT_TRUE(o) << t.text;
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o->data));
        EXPECT_EQ(ram(*o), t.ram);
        // Captions and values.
        const AttributedString& s = *text(*o);
        for (size_t i : {s.text().find('\t') + 1, s.text().find(t.text)})
            EXPECT_EQ(s.attributesAt(i)->foregroundColor, Color::white()) << t.text << " at " << i;
    }
    const CachatObjekt* namn = medText(alla, "Exempel AB");
    ASSERT_TRUE(namn);
    EXPECT_EQ(ram(*namn), (Rect{34, 726, 292, 15}));
    EXPECT_EQ(text(*namn)->attributesAt(0)->foregroundColor, Color::white());
}

TEST_F(MallSk, ADeliveryNoteSetsItsTermsWhereTheAmountToPayWouldStand) {
    faktura.kreditvillkor_ = "Netto kontant";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* villkor = medText(alla, "Netto kontant");
        ASSERT_TRUE(villkor);
        EXPECT_EQ(ram(*villkor), följesedel ? (Rect{69, 556, 255, 47}) : (Rect{70, 617, 255, 39}));
        EXPECT_EQ(medText(alla, vy.rubrikFörBeloppAttBetala()) != nullptr, !följesedel);
        EXPECT_EQ(medTextSomInnehåller(alla, "2026-12-31") != nullptr, !följesedel) << "due date";
        EXPECT_EQ(medTextSomInnehåller(alla, vy.rubrikFörDagar()) != nullptr, !följesedel) << "payment terms";
        // Number and invoice date stand on both.
        ASSERT_TRUE(medText(alla, "1042"));
        EXPECT_EQ(ram(*medText(alla, "1042")), (Rect{475, 37, 79, 16}));
        EXPECT_TRUE(medRam(alla, {458, 23, 101, 10}));
    }
}

TEST_F(MallSk, FactsMakeRoomForADeliveryAddress) {
    faktura.erReferens_ = "Johan";
    for (bool leverans : {false, true}) {
        SCOPED_TRACE(leverans);
        if (leverans) faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        const CachatObjekt* fakta = medTextSomInnehåller(alla, "Johan");
        ASSERT_TRUE(fakta);
        // Down to 3 points above the item headings at y 271.
        EXPECT_EQ(ram(*fakta), (Rect{39, 148, leverans ? 214.0 : 359.0, 120}));
        EXPECT_EQ(medRam(alla, {256, 148, 142, 15}) != nullptr, leverans) << "delivery caption";
        const CachatObjekt* mottagare = medRam(alla, {408, 163, 158, 83});
        ASSERT_TRUE(mottagare);
        EXPECT_NE(text(*mottagare)->text().find("Storgatan 1"), std::string::npos);
    }
}

// Every fact listed, in a column narrowed by a delivery address: the
// facts end above the item headings, set smaller if they must.
TEST_F(MallSk, EveryFactEndsAboveTheItemHeadings) {
    bok->visaKundnummerPåFakturor = true;
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna", faktura.kundnummer_ = "K-7";
    faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", prov::D("0"),
                                              Rotuppgifter::hus("Kåkstad 1:2"), prov::D("0.3"));
    faktura.momsregistreringsnummer_ = "DE123456789", faktura.inköpsordernummer_ = "PO-7";
    faktura.leveranssätt_ = "Bud", faktura.leveransdatum_ = Datum{20261130};
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* fakta = medTextSomInnehåller(vy.innehållFörAllaSidor, "Kåkstad 1:2");
    ASSERT_TRUE(fakta);
    const double höjd = mätare.boundingSize(*text(*fakta), {214, 10000}).height;
    EXPECT_LE(148 + höjd, 268 + 0.5);
}

}  // namespace
