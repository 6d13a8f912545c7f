// Template FL with the fixed-width measurer (characters half their size
// wide, lines 1.2 times it): the column of facts stacked by their measured
// heights and set smaller to end above the item headings, the
// registration table that runs on past its frame with the F-tax line
// below it, the white top line, and the white patch of a delivery note in
// place of the amount to pay.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Modell/Skatteavdrag.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace displaylista;

namespace {

class MallFL : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallFL() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::FallandeLöv; }

    // The facts of the column, top to bottom: every text object at x 37.
    static std::vector<const CachatObjekt*> kolumnen(const std::vector<CachatObjekt>& alla) {
        std::vector<const CachatObjekt*> ut;
        for (const auto& o : alla)
            if (ram(o).x == 37) ut.push_back(&o);
        return ut;
    }
};

TEST_F(MallFL, FactsStackByTheirMeasuredHeights) {
    // No customer reference: the column begins with ours, without a gap.
    faktura.vårReferens_ = "Anna";
    faktura.inköpsordernummer_ = "PO-7";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto fakta = kolumnen(vy.innehållFörAllaSidor);
    SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));

    // Caption over value: two 8-point lines, 19.2 high, each next one 4
    // below the text; frames to the next whole point and one more.
    const char* väntade[] = {"VÅR REFERENS\u2029Anna", "INKÖPSORDERNUMMER\u2029PO-7", "BETALNINGS\u00ADVILLKOR\u202930 dagar",
                             "FÖRFALLODATUM\u20292026-12-31"};
    ASSERT_EQ(fakta.size(), std::size(väntade));
    for (size_t i = 0; i < fakta.size(); ++i) {
        SCOPED_TRACE(i);
        const Rect r = ram(*fakta[i]);
        EXPECT_EQ(r.x, 37);
        EXPECT_EQ(r.width, 125);
        EXPECT_NEAR(r.y, 67 + 23.2 * static_cast<double>(i), 1e-9);
        EXPECT_EQ(r.height, 21);
        const AttributedString& t = *text(*fakta[i]);
        ASSERT_EQ(t.runs().size(), 2u);
        EXPECT_EQ(t.runs()[0].attributes.font, (Font{"GillSans", 8}));
        EXPECT_EQ(t.runs()[0].attributes.foregroundColor, Color::rgb(0.212, 0.451, 0.149));
        EXPECT_EQ(t.runs()[1].attributes.font, (Font{"GillSans-Light", 8}));
    }
    EXPECT_EQ(text(*fakta[0])->text(), väntade[0]);
    EXPECT_EQ(text(*fakta[3])->text(), väntade[3]);
}

TEST_F(MallFL, AValueThatWrapsInTheColumnPushesTheNextFactDown) {
    // 40 characters of 4 points do not fit 125 points: two lines of value.
    faktura.vårReferens_ = "Anna Andersson och Johan Johansson, lager";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto fakta = kolumnen(vy.innehållFörAllaSidor);
    ASSERT_GE(fakta.size(), 2u);
    EXPECT_EQ(ram(*fakta[0]).height, std::ceil(3 * 9.6) + 1);
    EXPECT_NEAR(ram(*fakta[1]).y, 67 + 3 * 9.6 + 4, 1e-9);
}

// Every fact filled in would stack past the item headings at y 320: the
// column is set smaller, all of it by one factor, to end by y 316.
TEST_F(MallFL, EveryFactIsSetSmallerToEndAboveTheItemHeadings) {
    prov::allaFakta(faktura, *bok);
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto fakta = kolumnen(vy.innehållFörAllaSidor);
    SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
    // Twelve facts of 19.2 points and gaps of 4 would end at y 345.4.
    ASSERT_EQ(fakta.size(), 12u);
    EXPECT_NEAR(ram(*fakta.front()).y, 67, 1e-9);
    EXPECT_LE(ram(*fakta.back()).maxY(), 316);
    const double storlek = text(*fakta.front())->runs()[0].attributes.font->pointSize;
    EXPECT_LT(storlek, 8);
    EXPECT_GE(storlek, 8 * 0.7);
    for (const CachatObjekt* o : fakta)
        for (const auto& körning : text(*o)->runs()) EXPECT_EQ(körning.attributes.font->pointSize, storlek);
    for (size_t i = 1; i < fakta.size(); ++i) EXPECT_GT(ram(*fakta[i]).y, ram(*fakta[i - 1]).maxY());
}

// Every way of payment (in English to a Swedish customer, the giros and
// IBAN alike) and a VAT number are more rows than the registration table's
// frame holds: the table runs on below it, the F-tax line 2 points under
// it, both set smaller by one factor to end by the paper's margin, y 836.
TEST_F(MallFL, ARegistrationTableTooTallForItsFrameRunsOnAndTheFTaxLineGoesBelowIt) {
    bok->momsregistrerat = true, bok->godkändFörFSkatt = true;
    prov::allaBetalningssätt(*bok);
    faktura.språk_ = "en";
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_EQ(vy.betalningsinformation().size(), 7u);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* registrering = medTextSomInnehåller(alla, "1234-56 789 01");
    const CachatObjekt* fskatt = medText(alla, "Registered for tax.");
    ASSERT_TRUE(registrering && fskatt);
    const Rect r = ram(*registrering), f = ram(*fskatt);
    EXPECT_EQ((Rect{r.x, 0, r.width, 0}), (Rect{23, 0, 171, 0}));
    EXPECT_NEAR(r.y, 719, 0.5);
    EXPECT_GT(r.height, 84);
    const AttributedString &t = *text(*fskatt), &tabell = *text(*registrering);
    const double skala = t.attributesAt(0)->font->pointSize / 7;
    EXPECT_LT(skala, 1);
    EXPECT_DOUBLE_EQ(tabell.attributesAt(tabell.text().find("1234-56"))->font->pointSize / 8, skala);
    EXPECT_EQ((Rect{f.x, 0, f.width, f.height}), (Rect{25, 0, 148, 13}));
    EXPECT_GE(f.y, r.y + mätare.boundingSize(tabell, {171, 10000}).height + 2 * skala - 1e-9);
    EXPECT_LE(f.y + mätare.boundingSize(t, {148, 10000}).height, 836.5);
}

TEST_F(MallFL, TopLineAndTheAmountToPayOfAnInvoiceAndADeliveryNote) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        const CachatObjekt* nummer = medRam(alla, {176, 24, 153, 13});
        ASSERT_TRUE(nummer);
        EXPECT_NE(text(*nummer)->text().find(" 1042"), std::string::npos);
        for (const auto& körning : text(*nummer)->runs()) EXPECT_EQ(körning.attributes.foregroundColor, Color::white());

        const CachatObjekt* förfallodag = medRam(alla, {23, 24, 148, 13});
        EXPECT_EQ(förfallodag != nullptr, !följesedel);
        if (förfallodag) {
            EXPECT_NE(text(*förfallodag)->text().find(" 2026-12-31"), std::string::npos);
        }
        // The due date stays in the column either way.
        EXPECT_TRUE(medText(alla, "FÖRFALLODATUM\u20292026-12-31"));

        const CachatObjekt* vitt = medRam(alla, {285, 591, 270, 29});
        EXPECT_EQ(vitt != nullptr, följesedel);
        if (vitt) {
            const auto& p = std::get<cachad::path>(vitt->data);
            EXPECT_EQ(p.fill, Color::white());
            EXPECT_FALSE(p.stroke);
        }
        EXPECT_EQ(medTextSomInnehåller(alla, "125,00") != nullptr, !följesedel);
        EXPECT_EQ(medText(alla, "SUMMA ATT BETALA") != nullptr, !följesedel);

        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, {339, 504, 199, 15}) != nullptr, !följesedel) << beskriv(sista);
    }
}

}  // namespace
