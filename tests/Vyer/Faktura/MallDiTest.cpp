// Template Di with the fixed-width measurer: the fact tables centred on
// their lines however long they grow, the white texts in the band at the
// top right, the right column's lines, and what a delivery note leaves
// out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Faktatabellramar.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace displaylista;

namespace {

class MallDi : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallDi() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Diagonal; }
};

bool heltal(const Rect& r) { return r == r.integral(); }

TEST_F(MallDi, FactTablesStayCentredOnTheirLines) {
    // (32, c - h/2, 203, h + 1) rounded outward to whole points: its top
    // and foot lie alike about c + 1/2.
    for (const auto& [m, a] : faktatabellramarMedFåOchMångaFakta(InbyggdFakturamall::Diagonal)) {
        for (const Rect& r : {m, a}) {
            EXPECT_TRUE(heltal(r));
            EXPECT_EQ(r.x, 32);
            EXPECT_EQ(r.width, 203);
        }
        EXPECT_EQ(m.minY() + m.maxY(), 2 * 270 + 1) << m.y << " " << m.height;
        EXPECT_EQ(a.minY() + a.maxY(), 2 * 506 + 1) << a.y << " " << a.height;
    }
}

TEST_F(MallDi, InvoiceAndDeliveryNote) {
    const Color vit = Color::white();
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        // White on the band, right-aligned to x 553.
        const CachatObjekt* titel = medText(alla, "Faktura");
        const CachatObjekt* nummer = medText(alla, "1042");
        ASSERT_TRUE(titel && nummer);
        EXPECT_EQ(ram(*titel), (Rect{346, 37, 207, 28}));
        EXPECT_EQ(ram(*nummer), (Rect{346, 60, 207, 21}));
        for (const CachatObjekt* o : {titel, nummer}) {
            const auto& a = text(*o)->runs().at(0).attributes;
            EXPECT_EQ(a.foregroundColor, vit);
            EXPECT_EQ(a.paragraphStyle->alignment, TextAlignment::right);
        }

        const CachatObjekt* datum = medText(alla, "2026-12-01");
        const CachatObjekt* villkor = medTextSomInnehåller(alla, "  \u2022  ");
        const CachatObjekt* attBetala = medTextSomInnehåller(alla, "125,00");
        ASSERT_EQ(datum != nullptr, !följesedel);
        ASSERT_EQ(villkor != nullptr, !följesedel);
        ASSERT_EQ(attBetala != nullptr, !följesedel);
        if (!följesedel) {
            EXPECT_EQ(ram(*datum), (Rect{476, 80, 77, 17}));
            EXPECT_EQ(text(*datum)->runs().at(0).attributes.foregroundColor, vit);
            EXPECT_EQ(ram(*villkor), (Rect{264, 698, 280, 17}));
            EXPECT_NE(text(*villkor)->text().find("  \u2022  Förfallodatum 2026-12-31"), std::string::npos);
            EXPECT_EQ(ram(*attBetala), (Rect{264, 679, 280, 21}));
            EXPECT_EQ(text(*attBetala)->runs().size(), 2u);
        }
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, {408, 567, 135, 15}) != nullptr, !följesedel) << beskriv(sista);
        EXPECT_EQ(medRam(sista, {264, 566, 132, 74}) != nullptr, !följesedel);
    }
}

}  // namespace
