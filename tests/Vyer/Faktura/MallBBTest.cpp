// Template BB with the fixed-width measurer: the two dotted fact lists
// (the second at y 219 below a short first), a head too long for its
// room cut above the amount strip, the amount rows that
// start higher when there are five or more, and what a delivery note
// leaves out or whites out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace displaylista;

namespace {

class MallBB : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallBB() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Skrivmaskin; }
};

TEST_F(MallBB, DottedListsStandSideBySideWithTheAddresses) {
    faktura.erReferens_ = "Johan";
    faktura.leveransdatum_ = Datum{20261130};
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    // Number, date, terms, due date, delivery date: rows 13 apart from y
    // 132, values 5 points right of the 158-point labels.
    const std::pair<const char*, double> värden[] = {
        {"1042", 132}, {"2026-12-01", 145}, {"30 dagar", 158}, {"2026-12-31", 171}, {"2026-11-30", 184}};
    for (const auto& [värde, y] : värden) {
        const CachatObjekt* o = medText(alla, värde);
        ASSERT_TRUE(o) << värde;
        EXPECT_EQ(ram(*o), (Rect{436, y, 128, 13})) << värde;
    }
    const CachatObjekt* etikett = medTextSomInnehåller(alla, "..........");
    ASSERT_TRUE(etikett);
    EXPECT_EQ(ram(*etikett), (Rect{273, 132, 158, 13}));
    EXPECT_EQ(text(*etikett)->text(), vy.rubrikFörFakturanummer() + " " + std::string(45, '.'));

    // The second list starts at y 219.
    const CachatObjekt* referens = medText(alla, "Johan");
    ASSERT_TRUE(referens);
    EXPECT_EQ(ram(*referens), (Rect{436, 219, 128, 13}));

    EXPECT_TRUE(medRam(alla, {73, 143, 186, 75}));
    const CachatObjekt* mottagare = medText(alla, versaler(vy.rubrikFörMottagare()));
    ASSERT_TRUE(mottagare) << "the recipient caption in capitals";
    EXPECT_EQ(ram(*mottagare), (Rect{73, 129, 186, 13}));
    const CachatObjekt* attBetala = medTextSomInnehåller(alla, "125");
    ASSERT_TRUE(attBetala);
    EXPECT_EQ(ram(*attBetala), (Rect{80, 311, 435, 15}));
}

// With every reference the second list runs past y 304, where the amount
// strip (or a delivery note's white band) starts: the strip and the item
// table move down by as much, 4 points below the list's last value (its
// 9-point line 10.8 high here).
TEST_F(MallBB, TheAmountStripAndTheItemTableStandBelowALongReferenceList) {
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna";
    faktura.momsregistreringsnummer_ = "DE123", faktura.inköpsordernummer_ = "PO-7";
    faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", prov::D("0.5"),
                                              Rotuppgifter::hus("Eken 1:2"), Skatteavdrag::standardFörROT());
    bok->visaKundnummerPåFakturor = true;
    faktura.kundnummer_ = "K-1";
    faktura.poster = {prov::Post()};
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* sista = medText(alla, "PO-7");
        ASSERT_TRUE(sista);
        const double d = std::ceil(ram(*sista).y + 10.8 + 4) - 304;
        EXPECT_GT(d, 0);
        if (följesedel)
            EXPECT_TRUE(medRam(alla, {65, 304 + d, 466, 33}));
        else
            EXPECT_EQ(ram(*medTextSomInnehåller(alla, "125")), (Rect{80, 311 + d, 435, 15}));
        const CachatObjekt* rubrik = medText(alla, versaler(vy.rubrikFörBeskrivning()));
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(ram(*rubrik).y, 354 + d);
    }
}

// A head too long even set at 70 % (9-point values at 6.3 points, lines
// 7.56 high) is cut at y 400: no line of it ends lower, the value that
// crosses it ends in an ellipsis, and the amount strip stands 100 points
// lower, as far as it goes.
TEST_F(MallBB, AHeadTooLongEvenSetSmallerIsCutAboveTheAmountStrip) {
    std::string lång;
    for (int i = 0; i < 400; ++i) lång += "ord ";
    faktura.erReferens_ = lång;
    faktura.poster = {prov::Post()};
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    const CachatObjekt* referens = medTextSomInnehåller(alla, "ord ord");
    ASSERT_TRUE(referens);
    EXPECT_TRUE(text(*referens)->text().ends_with("ord\u2026"));
    EXPECT_NEAR(text(*referens)->attributesAt(0)->font->pointSize, 6.3, 1e-9);
    for (const CachatObjekt& o : alla) {
        const auto* s = std::get_if<cachad::string>(&o.data);
        if (!s || s->frame.y < 120 || s->frame.y >= 400) continue;
        const auto rader = mätare.lines(s->string, s->frame.width, TextDrawingMode::fromTopLeft);
        ASSERT_FALSE(rader.empty());
        EXPECT_LE(s->frame.y + rader.back().bottom, 400.5) << beskriv(o);
    }
    EXPECT_EQ(ram(*medTextSomInnehåller(alla, "125")), (Rect{80, 411, 435, 15}));
}

TEST_F(MallBB, AmountRowsStartSixPointsHigherFromFiveRows) {
    // Net, VAT and total: three rows; a discount, a deduction and a rounding
    // row make six.
    for (bool sex : {false, true}) {
        if (sex) {
            faktura.rabatt_ = prov::D("0.1"), faktura.öresutjämna_ = true;
            faktura.öresutjämningsbelopp_ = prov::D("0.4");
            faktura.skatteavdrag_ = Skatteavdrag::rut("19800101-1234", std::nullopt, prov::D("0"), std::nullopt);
            faktura.avdragsbelopp_ = prov::D("50");
        }
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_EQ(vy.antalBeloppsrader(true), sex ? 6 : 3);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));
        const double y = sex ? 573 : 579;
        EXPECT_TRUE(medRam(sista, {326, y, 189, 15}));
        EXPECT_TRUE(medRam(sista, {326, y + 14, 189, 15}));
        EXPECT_TRUE(medRam(sista, {80, 579, 142, 73})) << "the VAT summary stays at y 579";
    }
}

TEST_F(MallBB, DeliveryNoteWhitesOutTheAmountAndKeepsTheBandOnEarlierPages) {
    prov::Post post;
    post.kommentar_ = "En rad\nTill\nOch en till";
    faktura.poster.assign(40, post);
    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* band = medRam(alla, {65, 304, 466, 33});
    ASSERT_TRUE(band);
    EXPECT_EQ(std::get<cachad::path>(band->data).fill, Color::white());
    EXPECT_FALSE(medTextSomInnehåller(alla, "125"));
    EXPECT_FALSE(medText(alla, "2026-12-01")) << "no invoice date";
    EXPECT_FALSE(medText(alla, "2026-12-31")) << "no due date";

    ASSERT_GE(vy.antalSidor(), 2);
    for (int s = 0; s < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        const bool sista = s + 1 == vy.antalSidor();
        EXPECT_EQ(medRam(lista, {0, 558, 595, 15}) != nullptr, !sista) << s;
        EXPECT_FALSE(medTextSomInnehåller(lista, "Moms")) << "no amounts on a delivery note";
    }
}

}  // namespace
