// Template Gu with the fixed-width measurer over its landscape background:
// the band of facts from the right edge leftwards and the reminder beside
// it, the two tables of the left column, and the last page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Faktatabellramar.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"
#include "Rumskontroll.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace displaylista;

namespace {

const Color skiffer = Color::rgb(0.417, 0.55, 0.629);

class MallGu : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallGu() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Rokoko;
        faktura.påminnelsetext_ = "Påminnelse";
    }

    std::unique_ptr<Fakturavy> vy(bool följesedel = false) {
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }
};

TEST_F(MallGu, BandRunsFromTheRightEdgeLeftwardsAndTheReminderFillsTheRest) {
    const double bredd[] = {60, 50, 30, 50};
    std::vector<std::string> poster;
    {
        auto v = vy();
        poster = {v->rubrikFörBetalningsvillkor() + "\u2028" + v->rubrikFörDagar(),
                  v->rubrikFörFörfallodatum() + "\u2028" + "2026-12-31", v->rubrikFörNummer() + "\u2028" + "1042",
                  v->rubrikFörFakturadatum() + "\u2028" + "2026-12-01"};
        for (size_t i = 0; i < poster.size(); ++i) mätare.fasta[poster[i]] = {bredd[i], 20};
    }
    auto v = vy();
    ASSERT_EQ(v->ramFörEnSida(), (Rect{0, 0, 842, 595}));
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    // From x 792: each entry, 6 points, a separator 0.6 x 6 wide, 12
    // points; the band 542 to 565 above the foot of the 595-point page.
    double x = 792;
    for (size_t i = 0; i < poster.size(); ++i) {
        const CachatObjekt* post = medText(alla, poster[i]);
        ASSERT_TRUE(post) << poster[i];
        EXPECT_EQ(ram(*post), (Rect{x - bredd[i], 30, bredd[i], 23}));
        x -= bredd[i] + 6;
        const CachatObjekt& separator = *(post + 1);
        const auto* p = std::get_if<cachad::path>(&separator.data);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->stroke, skiffer);
        EXPECT_FALSE(p->fill);
        ASSERT_TRUE(separator.transform);
        const Point mitt = separator.transform->apply({0, 0});
        EXPECT_NEAR(mitt.x, x, 1e-9);
        EXPECT_NEAR(mitt.y, 41.5, 1e-9);
        EXPECT_NEAR(separator.transform->apply({-6, 26}).y - separator.transform->apply({-6, -26}).y, 31.2, 1e-9);
        x -= 12 + 3.6;
    }
    const CachatObjekt* påminnelse = medText(alla, "Påminnelse");
    ASSERT_TRUE(påminnelse);
    EXPECT_NEAR(ram(*påminnelse).x, 42, 1e-9);
    EXPECT_NEAR(ram(*påminnelse).width, x - 42, 1e-9);
    EXPECT_EQ(ram(*påminnelse).height, 28);

    // A delivery note has no band; its reminder is 458 wide.
    auto följesedel = vy(true);
    EXPECT_FALSE(medText(följesedel->innehållFörAllaSidor, poster[0]));
    EXPECT_EQ(ram(*medText(följesedel->innehållFörAllaSidor, "Påminnelse")), (Rect{42, 25, 458, 28}));
}

TEST_F(MallGu, LeftColumnTablesShareTheirValueColumnAndStandAroundTheirLines) {
    faktura.erReferens_ = "Eva Långnamnsdotter";
    bok->_säte = "Göteborg";
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* mottagaren = medTextSomInnehåller(alla, v->rubrikFörMottagaradress());
    const CachatObjekt* avsändaren = medTextSomInnehåller(alla, v->rubrikFörAvsändare());
    ASSERT_TRUE(mottagaren && avsändaren);
    for (const auto* t : {mottagaren, avsändaren})
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(t->data));

    // Centred on y 144.5, and 30 % of its height above y 373.5.
    const double h1 = mätare.boundingSize(*text(*mottagaren), {10000, 10000}).height;
    const double h2 = mätare.boundingSize(*text(*avsändaren), {10000, 10000}).height;
    // Each from a whole point, in a frame at least as high as its text.
    for (const auto& [t, y, h] : {std::tuple{mottagaren, 144.5 - h1 / 2, h1}, std::tuple{avsändaren, 373.5 - 0.3 * h2, h2}}) {
        EXPECT_EQ(ram(*t).x, 27);
        EXPECT_EQ(ram(*t).y, std::floor(y));
        EXPECT_EQ(ram(*t).width, 219);
        EXPECT_GE(ram(*t).height, h);
    }

    EXPECT_EQ(text(*mottagaren)->paragraphStyleAt(0)->tabStops, text(*avsändaren)->paragraphStyleAt(0)->tabStops);
    // The first row's value is bold in each; the registered office of a
    // limited company is listed.
    for (const auto* t : {mottagaren, avsändaren}) {
        const std::string& s = text(*t)->text();
        EXPECT_EQ(text(*t)->attributesAt(s.find('\t', 1) + 1)->font, (Font{"Baskerville-Bold", 8}));
        EXPECT_EQ(text(*t)->attributesAt(s.rfind('\t') + 1)->font, (Font{"Baskerville", 8}));
    }
    EXPECT_NE(text(*avsändaren)->text().find("Göteborg"), std::string::npos);

    bok = std::make_unique<Bokföring>("SEK", "8001010000", "se", std::string("0A1B2C3D-0000-4000-8000-00000000000D"),
                                      Företagsform::enskildFirma);
    bok->_säte = "Göteborg";
    auto enskild = vy();
    const CachatObjekt* utanSäte = medTextSomInnehåller(enskild->innehållFörAllaSidor, v->rubrikFörAvsändare());
    ASSERT_TRUE(utanSäte);
    EXPECT_EQ(text(*utanSäte)->text().find(v->rubrikFörOrt()), std::string::npos);
}

// A reminder standing right of the left column leaves the column as it is
// without one: the recipient's table, a Hungarian delivery address of more
// lines each time, is set at one size and cut at one line either way, and
// while it is not cut it ends in the postcode and the country line (the
// town stands above the street in Hungary). Laid out by
// the drawing layer's measurer, which knows where a right-aligned line
// lands in its frame.
TEST_F(MallGu, AReminderRightOfTheLeftColumnLeavesItsTablesAsWithoutOne) {
    prov::allaFakta(faktura, *bok);
    Adress leverans = prov::Faktura::adress("Ipar utca 12.", "9027", "Győr", "hu");
    leverans.attention = "Győri Hőtechnikai Kft.";
    auto storlek = [](const CachatObjekt& t) { return text(t)->runs().back().attributes.font->pointSize; };
    for (int rader = 1; rader < 24; rader += 2) {
        SCOPED_TRACE(rader);
        faktura.leveransadress_ = leverans;
        faktura.påminnelsetext_ = "Zweite Mahnung";
        auto med = std::make_unique<Fakturavy>(faktura, *bok, false);
        faktura.påminnelsetext_.reset();
        auto utan = std::make_unique<Fakturavy>(faktura, *bok, false);
        EXPECT_EQ(rumskontroll::fel(*med), std::vector<std::string>{});
        const CachatObjekt* m = medTextSomInnehåller(med->innehållFörAllaSidor, "Győr");
        const CachatObjekt* u = medTextSomInnehåller(utan->innehållFörAllaSidor, "Győr");
        ASSERT_TRUE(m && u);
        EXPECT_EQ(text(*m)->text(), text(*u)->text());
        EXPECT_EQ(storlek(*m), storlek(*u));
        EXPECT_EQ(ram(*m), ram(*u));
        if (text(*u)->text().find("\u2026") == std::string::npos) {
            EXPECT_TRUE(text(*m)->text().ends_with("9027\u2028Ungern")) << text(*m)->text();
        }
        for (int rad : {rader, rader + 1}) leverans.gata += "\nHrsz. 4711/" + std::to_string(rad);
    }
}

// A reminder long enough to reach over the left column takes the column's
// top: the recipient's room starts below it.
TEST_F(MallGu, ALongReminderKeepsOffTheRecipientsRoom) {
    prov::allaFakta(faktura, *bok);
    faktura.påminnelsetext_ = "Letzte Mahnung vor der Übergabe an das Inkassobüro";
    auto v = std::make_unique<Fakturavy>(faktura, *bok, false);
    EXPECT_EQ(rumskontroll::fel(*v), std::vector<std::string>{});
    const CachatObjekt* påminnelse = medTextSomInnehåller(v->innehållFörAllaSidor, "Letzte Mahnung");
    const CachatObjekt* mottagaren = medTextSomInnehåller(v->innehållFörAllaSidor, v->rubrikFörMottagaradress());
    ASSERT_TRUE(påminnelse && mottagaren);
    EXPECT_LT(ram(*påminnelse).minX(), 27 + 219);
    EXPECT_GE(ram(*mottagaren).minY(), ram(*påminnelse).maxY());
}

TEST_F(MallGu, AmountsAndVatSummaryOnTheLastPageUnderTheItems) {
    faktura.poster.assign(30, prov::Post());
    auto v = vy();
    ASSERT_GE(v->antalSidor(), 2);
    for (int i = 0; i + 1 < v->antalSidor(); ++i) EXPECT_FALSE(medText(v->innehållFörVarjeSida[i], v->rubrikFörNettobelopp()));
    const auto& sista = v->innehållFörVarjeSida.back();
    SCOPED_TRACE(beskriv(sista));
    const CachatObjekt* netto = medText(sista, v->rubrikFörNettobelopp());
    ASSERT_TRUE(netto);
    EXPECT_EQ(ram(*netto), (Rect{587, 362, 176, 17}));
    const CachatObjekt* total = medText(sista, v->rubrikFörTotaltBelopp());
    ASSERT_TRUE(total);
    EXPECT_EQ(ram(*total).y, 362 + 14 * 2);  // net, VAT, total
    EXPECT_TRUE(medTextSomInnehåller(sista, v->rubrikFörBeloppPerMomsnivå()));
    EXPECT_TRUE(medText(v->innehållFörAllaSidor, versaler(v->rubrikFörStyckpris())));

    faktura.omvändSkattskyldighetFörMoms_ = true;
    auto omvänd = vy();
    EXPECT_FALSE(medTextSomInnehåller(omvänd->innehållFörVarjeSida.back(), v->rubrikFörBeloppPerMomsnivå()));
}

// The fullest invoices, which have no logo: the recipient's table keeps
// below the scrolls of the top corner and above the sender's room from
// y 318, the sender's between there and the F-tax note at y 541.
TEST(MallGuFull, LeftColumnTablesKeepClearOfTheLogoAndTheFTaxNote) {
    for (const char* språk : {"de", "en"}) kontrolleraTabellernaKringLogotypen("Gu", språk, 28, {46, 317, 139, 1}, 541);
}

// Six amount rows from y 362 reach the credit terms' place at y 446: the
// terms' frame starts below the last row's.
TEST(MallGuFull, CreditTermsStandBelowSixAmountRows) {
    auto full = prov::fullfaktura("Gu", "de");
    const Fakturavy& v = *full.vy;
    ASSERT_EQ(v.antalBeloppsrader(true), 6);
    const CachatObjekt* total = medText(v.innehållFörVarjeSida.back(), v.rubrikFörTotaltBelopp());
    const CachatObjekt* villkor = medTextSomInnehåller(v.innehållFörAllaSidor, "Verzugszinsen");
    ASSERT_TRUE(total && villkor);
    EXPECT_GE(ram(*villkor).minY(), ram(*total).maxY());
}

}  // namespace
