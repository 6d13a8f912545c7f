// Template Pi with the fixed-width measurer: the fact tables that keep
// their middle (the recipient's) or 70 % of their height (the sender's)
// on a line as they grow, until the first pushes the second down; the
// right column's lines, what a
// delivery note leaves out, and rows of earlier pages that end above the
// amount to pay standing on every page.
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

// Every fact makes the recipient's table reach down past where the
// sender's would start: that then starts 12 points below it.
TEST_F(MallPi, ARecipientsTableThatReachesTheSendersPushesItDown) {
    const auto [m, a] = faktatabellramarMedAllaFakta(InbyggdFakturamall::Pixi);
    EXPECT_EQ(m.y, std::round(269 - 0.5 * (m.height - 1)));
    EXPECT_LT(std::round(529 - 0.7 * (a.height - 1)), m.maxY() + 12) << "the sender's table would meet it";
    EXPECT_EQ(a.y, std::ceil(m.maxY() + 12));
}

// Rows of earlier pages end above the amount to pay standing on every
// page.
TEST_F(MallPi, InvoiceDeliveryNoteAndEarlierPages) { kontrolleraHögerspalten(pixi); }

}  // namespace
