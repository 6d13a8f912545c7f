#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

namespace {

TEST(Fakturavy, APageWithoutBackgroundIsA4Portrait) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.inbyggdFakturamall_.reset();
    FastMätare mätare;
    Fakturavy vy(faktura, *bok, false, mätare);
    EXPECT_EQ(vy.antalSidor(), 0);
    EXPECT_EQ(vy.ramFörEnSida(), (Rect{0, 0, 595, 842}));
}

TEST(Fakturavy, DatesPrintTheStoredDigitsWithoutNormalising) {
    EXPECT_EQ(Fakturavy::datumtext(Datum{20260105}), "2026-01-05");
    EXPECT_EQ(Fakturavy::datumtext(Datum{20261345}), "2026-13-45");
}

}  // namespace
