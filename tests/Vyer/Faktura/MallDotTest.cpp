// Templates DotRed and DotGrey with the fixed-width measurer: the right
// column's foot, what a delivery note leaves out and rows of earlier
// pages that end above the amount to pay; the fact tables in the accent
// colour with their values lined up; the amount rows centred on y 597.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Hogerspalt.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

const Color accentRöd = Color::rgb(0.637, 0.061, 0.119);
const Color påminnelseröd = Color::rgb(0.802, 0.039, 0.127);

class MallDot : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
};

TEST_F(MallDot, InvoiceDeliveryNoteAndEarlierPages) {
    kontrolleraHögerspalten(rödaPrickar);
    kontrolleraHögerspalten(gråPrickar);
}

TEST_F(MallDot, FactTablesInTheAccentWithTheirValuesLinedUp) {
    faktura.erReferens_ = "Johan";
    for (const auto& [mall, accent] : {std::pair{InbyggdFakturamall::RödaPrickar, accentRöd},
                                       std::pair{InbyggdFakturamall::GråPrickar, Color::black()}}) {
        faktura.inbyggdFakturamall_ = mall;
        faktura.påminnelsetext_ = "Påminnelse";
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* mottagare = medTextSomInnehåller(alla, "Kund AB");
        const CachatObjekt* avsändare = medTextSomInnehåller(alla, "556000-0000");
        ASSERT_TRUE(mottagare && avsändare);
        EXPECT_EQ(ram(*mottagare), (Rect{30, 176, 205, 190}));
        EXPECT_EQ(ram(*avsändare), (Rect{30, 371, 205, 239}));
        for (const CachatObjekt* tabell : {mottagare, avsändare}) {
            EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(tabell->data));
            // Every run that is coloured (not the tabs and breaks between
            // them) takes the accent.
            int färgade = 0;
            for (const auto& run : text(*tabell)->runs())
                if (run.attributes.foregroundColor) {
                    EXPECT_EQ(*run.attributes.foregroundColor, accent);
                    ++färgade;
                }
            EXPECT_GE(färgade, 4);
        }
        EXPECT_EQ(text(*mottagare)->paragraphStyleAt(0)->tabStops, text(*avsändare)->paragraphStyleAt(0)->tabStops);

        const CachatObjekt* påminnelse = medText(alla, "Påminnelse");
        ASSERT_TRUE(påminnelse);
        EXPECT_EQ(text(*påminnelse)->runs().at(0).attributes.foregroundColor, påminnelseröd);
        const CachatObjekt* fskatt = medRam(alla, {16, 802, 120, 24});
        ASSERT_TRUE(fskatt);
        EXPECT_EQ(text(*fskatt)->runs().at(0).attributes.foregroundColor, Color::white());
    }
}

TEST_F(MallDot, AmountRowsCentredOnOneLineAndTheRuleWhitedOutOnEarlierPages) {
    faktura.inbyggdFakturamall_ = InbyggdFakturamall::RödaPrickar;
    // Six rows: net, discount, VAT, deduction, rounding and total.
    faktura.rabatt_ = prov::D("0.1"), faktura.öresutjämna_ = true, faktura.öresutjämningsbelopp_ = prov::D("0.4");
    faktura.skatteavdrag_ = Skatteavdrag::rut("19800101-1234", std::nullopt, prov::D("0"), std::nullopt);
    faktura.avdragsbelopp_ = prov::D("50");
    prov::Post post;
    faktura.poster.assign(60, post);
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_EQ(vy.antalBeloppsrader(true), 6);
    ASSERT_GE(vy.antalSidor(), 2);
    const auto& sista = vy.innehållFörVarjeSida.back();
    EXPECT_TRUE(medRam(sista, {408, 555, 135, 15})) << beskriv(sista);
    EXPECT_TRUE(medRam(sista, {408, 555 + 5 * 14, 135, 15})) << beskriv(sista);
    for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        ASSERT_FALSE(lista.empty());
        // Under the page's rows.
        EXPECT_EQ(ram(lista.front()), (Rect{250, 542, 300, 20})) << beskriv(lista);
    }
    EXPECT_FALSE(medRam(sista, {250, 542, 300, 20}));
}

}  // namespace
