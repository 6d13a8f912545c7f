// Template Di with the fixed-width measurer: the fact tables centred on
// their lines however long they grow, the white texts in the band at the
// top right, the right column's lines, and what a delivery note leaves
// out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Faktatabellramar.h"
#include "Hogerspalt.h"
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
    // Its top c - h/2 rounded down to a whole point, its frame a point
    // higher than its text.
    for (const auto& [m, a] : faktatabellramarMedFåOchMångaFakta(InbyggdFakturamall::Diagonal)) {
        for (const Rect& r : {m, a}) {
            EXPECT_TRUE(heltal(r));
            EXPECT_EQ(r.x, 32);
            EXPECT_EQ(r.width, 203);
        }
        EXPECT_NEAR(m.minY() + (m.height - 1) / 2, 270, 0.5) << m.y << " " << m.height;
        EXPECT_NEAR(a.minY() + (a.height - 1) / 2, 506, 0.5) << a.y << " " << a.height;
    }
}

TEST_F(MallDi, WhiteTextsOnTheBand) {
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    // Title, number and date right-aligned to x 553.
    for (Rect r : {Rect{346, 37, 207, 28}, Rect{346, 60, 207, 21}, Rect{476, 80, 77, 17}}) {
        const CachatObjekt* o = medRam(alla, r);
        ASSERT_TRUE(o && text(*o)) << r.x << ", " << r.y;
        const auto& a = text(*o)->runs().at(0).attributes;
        EXPECT_EQ(a.foregroundColor, Color::white());
        EXPECT_EQ(a.paragraphStyle->alignment, TextAlignment::right);
    }
}

TEST_F(MallDi, InvoiceDeliveryNoteAndEarlierPages) { kontrolleraHögerspalten(diagonal); }

}  // namespace
