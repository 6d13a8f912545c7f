// Template Karvomat4's last page: the amount area moves up with each
// amount row beyond three and the item area shrinks with it; the facts
// and sender tables list what the invoice has.
#include "Vyer/Faktura/Fakturavy.h"

#include "Dataomrade.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class Karvomat4Sidor : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    Karvomat4Sidor() { faktura.kolumner_ = {Fakturakolumn::artikelnamn}; }

    // Net, discount, VAT, ROT deduction and rounding: five rows.
    void femBeloppsrader() {
        faktura.rabatt_ = prov::D("0.1");
        faktura.rabattbelopp_ = prov::D("10");
        faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", std::nullopt, prov::D("1"), std::nullopt,
                                                  Skatteavdrag::standardFörROT());
        faktura.avdragsbelopp_ = prov::D("30");
        faktura.öresutjämna_ = true;
        faktura.öresutjämningsbelopp_ = prov::D("0.4");
    }
};

// The rows start at y0 = 842 - (h + 17) with h = (k - 1) x 16 + 161, k the
// number of amount rows but at least 3; the rules lie at 842 - (h + 19);
// the item area is 447 - (h + 22) - 8 high, and a last item needs 3
// points below it.
TEST_F(Karvomat4Sidor, AmountAreaAndItemAreaFollowTheNumberOfAmountRows) {
    struct Fall {
        bool fem;
        double y0, regel, dataområde;
    } fall[] = {{false, 632, 630, 224}, {true, 600, 598, 192}};
    for (const Fall& f : fall) {
        faktura = prov::Faktura();
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
        if (f.fem) femBeloppsrader();
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_EQ(vy.antalBeloppsrader(false), f.fem ? 5 : 2);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));

        EXPECT_TRUE(medRam(sista, {469, f.y0, 83, 17}));
        EXPECT_TRUE(medRam(sista, {335, f.y0, 120, 17}));
        EXPECT_TRUE(medRam(sista, {469, f.y0 + 16, 83, 17}));
        EXPECT_TRUE(medRam(sista, {469, 686, 83, 17}));
        EXPECT_TRUE(medRam(sista, {335, 686, 120, 17}));
        const CachatObjekt* regler = medRam(sista, {47, f.regel, 504, 703 - f.regel});
        ASSERT_TRUE(regler);
        EXPECT_EQ(std::get<cachad::path>(regler->data).stroke, Color::rgb(0.328, 0.344, 0.343));

        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, f.dataområde - 3), 1);
        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, f.dataområde - 2), 2);
    }
}

TEST_F(Karvomat4Sidor, EveryPageCarriesTheBandsTheLastAloneTheAmounts) {
    prov::Post post;
    faktura.poster.assign(60, post);
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_GE(vy.antalSidor(), 2);
    EXPECT_TRUE(medRam(vy.innehållFörAllaSidor, {37, 684, 522, 19}));
    for (int s = 0; s + 1 < vy.antalSidor(); ++s)
        EXPECT_FALSE(medRam(vy.innehållFörVarjeSida[size_t(s)], {469, 686, 83, 17})) << "page " << s + 1;
    EXPECT_TRUE(medRam(vy.innehållFörVarjeSida.back(), {469, 686, 83, 17}));
}

TEST_F(Karvomat4Sidor, FactsListOnlyTheRotRowsOfTheDeduction) {
    struct Fall {
        Skatteavdrag avdrag;
        std::vector<std::string> med, utan;
    } fall[] = {
        {Skatteavdrag::rot("111", "222", prov::D("1"), Rotuppgifter::hus("Berga 1:2"), std::nullopt),
         {"111", "222", "Berga 1:2"}, {"Brf"}},
        {Skatteavdrag::rot("111", std::nullopt, prov::D("1"), Rotuppgifter::bostadsrätt("Brf Eken", "1203"),
                           std::nullopt),
         {"111", "1203"}, {"Brf Eken"}},
        {Skatteavdrag::rut("333", "444", prov::D("1"), std::nullopt), {"333", "444"}, {}},
        {Skatteavdrag::inget(), {}, {"111", "333"}},
    };
    for (const Fall& f : fall) {
        faktura.skatteavdrag_ = f.avdrag;
        Fakturavy vy(faktura, *bok, false, mätare);
        const CachatObjekt* fakta = medRam(vy.innehållFörAllaSidor, {47, 249, 210, 100});
        ASSERT_TRUE(fakta);
        const std::string t = text(*fakta)->text();
        for (const auto& m : f.med) EXPECT_NE(t.find(m), std::string::npos) << m << " in " << t;
        for (const auto& u : f.utan) EXPECT_EQ(t.find(u), std::string::npos) << u << " in " << t;
        EXPECT_NE(t.find("2026-12-01"), std::string::npos) << "the invoice date is always listed";
    }
}

TEST_F(Karvomat4Sidor, SenderAddressIsWrittenForTheRecipientsCountry) {
    bok->adress.land = "se";
    faktura.mottagaradress_ = prov::Faktura::adress("Hauptstraße 1", "10115", "Berlin", "de");
    Fakturavy utland(faktura, *bok, false, mätare);
    faktura.mottagaradress_.reset();
    Fakturavy hemma(faktura, *bok, false, mätare);
    auto avsändare = [](const Fakturavy& vy) { return text(*medRam(vy.innehållFörAllaSidor, {38, 741, 153, 85}))->text(); };
    EXPECT_NE(avsändare(utland).find(bok->adress.formatteradFörMottagarland("de", true)), std::string::npos);
    EXPECT_NE(avsändare(hemma).find(bok->adress.formatteradFörMottagarland("se", true)), std::string::npos);
}

}  // namespace
