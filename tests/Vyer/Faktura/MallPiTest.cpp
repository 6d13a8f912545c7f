// Template Pi with the fixed-width measurer: the fact tables that keep
// their middle (the recipient's) or 70 % of their height (the sender's)
// on a line however long they grow, the right column's lines, what a
// delivery note leaves out, and rows of earlier pages that end above the
// amount to pay standing on every page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Faktatabellramar.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace displaylista;

namespace {

class MallPi : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallPi() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Pixi; }
};

TEST_F(MallPi, FactTablesKeepTheirLinesWhateverTheirLength) {
    // Frames one point higher than the table, tops rounded halves away
    // from zero.
    for (const auto& [m, a] : faktatabellramarMedFåOchMångaFakta(InbyggdFakturamall::Pixi)) {
        EXPECT_EQ(m.x, 27);
        EXPECT_EQ(m.width, 208);
        EXPECT_EQ(m.y, std::round(269 - 0.5 * (m.height - 1)));
        EXPECT_EQ(a.x, 27);
        EXPECT_EQ(a.width, 208);
        EXPECT_EQ(a.y, std::round(529 - 0.7 * (a.height - 1)));
    }
}

TEST_F(MallPi, InvoiceAndDeliveryNote) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        const CachatObjekt* nummer = medText(alla, "1042");
        ASSERT_TRUE(nummer);
        EXPECT_EQ(ram(*nummer), (Rect{27, 45, 209, 25}));
        const CachatObjekt* datum = medText(alla, "2026-12-01");
        const CachatObjekt* villkor = medTextSomInnehåller(alla, "  \u2022  ");
        const CachatObjekt* attBetala = medTextSomInnehåller(alla, "125,00");
        ASSERT_EQ(datum != nullptr, !följesedel);
        ASSERT_EQ(villkor != nullptr, !följesedel);
        ASSERT_EQ(attBetala != nullptr, !följesedel);
        if (!följesedel) {
            EXPECT_EQ(ram(*datum), (Rect{27, 64, 209, 17}));
            EXPECT_EQ(ram(*villkor), (Rect{286, 698, 279, 17}));
            // The caption may carry a soft hyphen.
            EXPECT_EQ(text(*villkor)->text().rfind("Betalnings", 0), 0u);
            EXPECT_NE(text(*villkor)->text().find("villkor 30 dagar  \u2022  Förfallodatum 2026-12-31"), std::string::npos);
            EXPECT_EQ(ram(*attBetala), (Rect{286, 679, 279, 21}));
            // The caption and a space in the caption's face, the amount in its own.
            const auto& körningar = text(*attBetala)->runs();
            ASSERT_EQ(körningar.size(), 2u);
            EXPECT_EQ(körningar[0].attributes.font, (Font{"HelveticaNeue-CondensedBold", 12}));
            EXPECT_EQ(körningar[1].attributes.font, (Font{"HelveticaNeue-Light", 12}));
            EXPECT_EQ(text(*attBetala)->text().substr(0, körningar[1].start).back(), ' ');
        }
        // Amount rows and the VAT summary on the last page of an invoice only.
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, {430, 566, 133, 15}) != nullptr, !följesedel) << beskriv(sista);
        EXPECT_EQ(medRam(sista, {285, 566, 132, 74}) != nullptr, !följesedel);
    }
}

TEST_F(MallPi, RowsOfEarlierPagesEndAboveTheAmountToPay) {
    prov::Post post;
    faktura.poster.assign(80, post);
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_GE(vy.antalSidor(), 3);
    for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        SCOPED_TRACE("page " + std::to_string(s + 1) + ": " + beskriv(lista));
        const CachatObjekt* fortsättning = medTextSomInnehåller(lista, "continued on page");
        ASSERT_TRUE(fortsättning);
        EXPECT_LE(ram(*fortsättning).maxY(), 679);
        for (const auto& o : lista) EXPECT_LE(ram(o).maxY(), 679) << beskriv(o);
    }
}

}  // namespace
