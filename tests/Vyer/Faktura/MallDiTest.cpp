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
