// Template G with the fixed-width measurer: the address captions turned to
// run upward in their strips beside the addresses, the sender's tables on
// their common foot, and what a delivery note leaves out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Rubrikremsor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace displaylista;

namespace {

class MallG : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallG() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Trädgård;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }
};

TEST_F(MallG, AddressCaptionsRunUpwardInTheStripsLeftOfTheirAddresses) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    // A quarter turn counter-clockwise about (447, 103).
    rubrikremsor::kontrollera(
        vy.innehållFörAllaSidor, {447, 103}, Color::rgb(0, 0.534, 0.737),
        {{vy.rubrikFörLeveransadress(), "Lagergatan 5", {0, -132, 100, 14}, {315, 3, 14, 100}, {330, 50, 115, 103}},
         {vy.rubrikFörMottagaradress(), "Storgatan 1", {0, 0, 100, 14}, {447, 3, 14, 100}, {462, 50, 115, 103}}});
}

TEST_F(MallG, EachAddressBringsItsOwnCaption) {
    faktura.mottagaradress_.reset();
    faktura.företag_.reset();
    for (bool leverans : {false, true}) {
        SCOPED_TRACE(leverans ? "delivery address" : "no delivery address");
        if (leverans) faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        EXPECT_FALSE(medText(alla, vy.rubrikFörMottagaradress())) << beskriv(alla);
        EXPECT_EQ(medText(alla, vy.rubrikFörLeveransadress()) != nullptr, leverans);
        EXPECT_EQ(medRam(alla, {330, 50, 115, 103}) != nullptr, leverans);
    }
}

// Addresses of twelve lines run on below their frames as far as just above
// the blue rule at y 157, and are set smaller to end there.
TEST_F(MallG, LongAddressesEndAboveTheBlueRule) {
    std::string gata = "Rad 1";
    for (int i = 2; i <= 12; ++i) gata += "\nRad " + std::to_string(i);
    faktura.leveransadress_ = prov::Faktura::adress(gata, "412 50", "Göteborg");
    faktura.mottagaradress_ = prov::Faktura::adress(gata, "111 22", "Stockholm");
    Fakturavy vy(faktura, *bok, false, mätare);
    for (double x : {330.0, 462.0}) {
        SCOPED_TRACE(x);
        const CachatObjekt* adress = nullptr;
        for (const CachatObjekt& o : vy.innehållFörAllaSidor)
            if (ram(o).x == x && ram(o).y == 50) adress = &o;
        ASSERT_TRUE(adress) << beskriv(vy.innehållFörAllaSidor);
        const double storlek = text(*adress)->runs().front().attributes.font->pointSize;
        EXPECT_LT(storlek, 8);
        EXPECT_GE(storlek, 8 * 0.7);
        EXPECT_EQ(text(*adress)->text().find("\u2026"), std::string::npos) << "nothing cut";
        EXPECT_LE(50 + mätare.boundingSize(*text(*adress), {115, 10000}).height, 155.5);
    }
}

// On y 807, or on the F-tax note's line when there is one, so that a tall
// company table ends above it.
TEST_F(MallG, SenderTablesStandOnTheirFootAndGrowUpwardTogether) {
    for (bool fskatt : {false, true}) {
        SCOPED_TRACE(fskatt ? "F-tax note" : "no F-tax note");
        bok->godkändFörFSkatt = fskatt;
        const double fot = fskatt ? 801 : 807;
        double föregående = 0;
        for (int betalningssätt = 0; betalningssätt < 3; ++betalningssätt) {
            SCOPED_TRACE(betalningssätt);
            prov::betalningssättISteg(*bok, betalningssätt);
            Fakturavy vy(faktura, *bok, false, mätare);
            const auto& alla = vy.innehållFörAllaSidor;
            const CachatObjekt* företag = medTextSomInnehåller(alla, "556000-0000");
            const CachatObjekt* kontakt = medTextSomInnehåller(alla, "Bankgiro");
            if (betalningssätt == 0) kontakt = företag + 1;
            ASSERT_TRUE(företag && kontakt) << beskriv(alla);
            ASSERT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(kontakt->data));
            const double h = std::max(mätare.boundingSize(*text(*företag), {162, 10000}).height,
                                      mätare.boundingSize(*text(*kontakt), {195, 10000}).height);
            // Their tops line up, the taller reaching down to the foot.
            EXPECT_EQ(ram(*företag).origin(), (Point{46, fot - h}));
            EXPECT_EQ(ram(*kontakt).origin(), (Point{213, fot - h}));
            EXPECT_EQ(std::max(ram(*företag).maxY(), ram(*kontakt).maxY()), fot);
            if (betalningssätt > 0) {
                EXPECT_GT(h, föregående);
            }
            föregående = h;
        }
    }
}

TEST_F(MallG, DueDateAndAmountShareTheirFramesAndADeliveryNoteLeavesThemOut) {
    faktura.poster.assign(3, prov::Post{});
    faktura.erReferens_ = "Anna";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        const CachatObjekt* förfallodatum = medText(alla, "2026-12-31");
        const CachatObjekt* attBetala = medText(alla, vy.rubrikFörBeloppAttBetala());
        EXPECT_EQ(förfallodatum != nullptr, !följesedel);
        EXPECT_EQ(attBetala != nullptr, !följesedel);
        if (!följesedel) {
            EXPECT_EQ(ram(*förfallodatum), (Rect{56, 646, 217, 17}));
            EXPECT_EQ(ram(*medText(alla, vy.rubrikFörFörfallodatum())), (Rect{56, 646, 217, 17}));
            EXPECT_EQ(ram(*attBetala), (Rect{325, 646, 217, 17}));
            EXPECT_EQ(ram(*medText(alla, vy.belopp(faktura.attBetala()))), (Rect{325, 646, 217, 17}));
        }
        // The amount rows start at y 535 on the last page of an invoice.
        EXPECT_EQ(medRam(vy.innehållFörVarjeSida.back(), {370, 535, 161, 15}) != nullptr, !följesedel);
        // The three fact columns 176 wide, the tallest centred on y 240.
        std::vector<const CachatObjekt*> kolumner;
        double högst = 0;
        for (double x : {42.0, 221.0, 400.0})
            for (const CachatObjekt& o : alla)
                if (text(o) && ram(o).x == x && ram(o).width == 176) {
                    kolumner.push_back(&o);
                    högst = std::max(högst, mätare.boundingSize(*text(o), {176, 10000}).height);
                }
        ASSERT_EQ(kolumner.size(), 3u);
        for (const CachatObjekt* o : kolumner) EXPECT_EQ(ram(*o).y, 240 - std::round(högst / 2));
    }
}

}  // namespace
