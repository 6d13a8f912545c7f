// Template P with the fixed-width measurer: the sender's tables on their
// common foot, the address captions centred in their arrows and
// hyphenated in the invoice's language, the arrows where the layout puts
// them, and the white that hides the due date until the last page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Plattform/Strangar.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallP : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallP() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Papper;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }

    // The two sender tables: the layout-managed texts at x 56 and 210.
    static std::pair<const CachatObjekt*, const CachatObjekt*> tabeller(const Fakturavy& vy) {
        const CachatObjekt *a = nullptr, *b = nullptr;
        for (const auto& o : vy.innehållFörAllaSidor)
            if (std::holds_alternative<cachad::stringNeedingLayoutManager>(o.data)) {
                if (ram(o).x == 56) a = &o;
                if (ram(o).x == 210) b = &o;
            }
        return {a, b};
    }
};

TEST_F(MallP, SenderTablesShareTheTallerHeightAndStandOnOneFoot) {
    double föregående = 0;
    for (int betalningssätt = 0; betalningssätt < 3; ++betalningssätt) {
        SCOPED_TRACE(betalningssätt);
        prov::betalningssättISteg(*bok, betalningssätt);
        Fakturavy vy(faktura, *bok, false, mätare);
        auto [a, b] = tabeller(vy);
        ASSERT_TRUE(a && b) << beskriv(vy.innehållFörAllaSidor);
        const double m = std::max(mätare.boundingSize(*text(*a), {146, 10000}).height,
                                  mätare.boundingSize(*text(*b), {180, 10000}).height);
        // Their tops line up, the taller reaching down to the foot.
        EXPECT_EQ(ram(*a).origin(), (Point{56, 807 - m}));
        EXPECT_EQ(ram(*b).origin(), (Point{210, 807 - m}));
        EXPECT_EQ(ram(*b).width, 180);
        EXPECT_EQ(std::max(ram(*a).maxY(), ram(*b).maxY()), 807);
        EXPECT_TRUE(medRam(vy.innehållFörAllaSidor, {55, 789 - m, 271, 18})) << "company name";
        // More payment rows move both tables and the name upward.
        if (betalningssätt > 0) {
            EXPECT_GT(m, föregående);
        }
        föregående = m;
    }
}

TEST_F(MallP, AddressCaptionsStandCentredInTheirArrows) {
    faktura.språk_ = "de";
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy provvy(faktura, *bok, false, mätare);
    const std::string mottagare = versaler(provvy.rubrikFörMottagaradress());
    const std::string leverans = versaler(provvy.rubrikFörLeveransadress());
    mätare.fasta[mottagare] = {46, 17};
    mätare.fasta[leverans] = {40, 8};
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    struct Fall {
        std::string rubrik;
        Rect ram;
        double pilx;
    } fall[] = {{mottagare, {313, 120.5, 46, 17}, 344}, {leverans, {45, 125, 46, 8}, 77}};
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.rubrik);
        const CachatObjekt* rubrik = medText(alla, c.rubrik);
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(ram(*rubrik), c.ram);
        const ParagraphStyle* stil = text(*rubrik)->paragraphStyleAt(0);
        ASSERT_TRUE(stil);
        EXPECT_EQ(stil->hyphenationFactor, 1);
        EXPECT_EQ(stil->hyphenationLanguage, "de");
        EXPECT_EQ(text(*rubrik)->runs()[0].attributes.foregroundColor, Color::white());

        // The arrow's outline spans x pilx - 40.4 to pilx + 51.4 and
        // y 90.9 to 179.0 on the page.
        const CachatObjekt* pil = nullptr;
        for (const auto& o : alla)
            if (o.transform && o.transform->tx == c.pilx) pil = &o;
        ASSERT_TRUE(pil);
        const auto& väg = std::get<cachad::path>(pil->data);
        EXPECT_EQ(väg.fill, Color::white());
        EXPECT_FALSE(väg.stroke);
        const Rect b = väg.path.bounds();
        const Point övre = pil->transform->apply({b.minX(), b.minY()});
        const Point nedre = pil->transform->apply({b.maxX(), b.maxY()});
        EXPECT_NEAR(övre.x, c.pilx - 40.37, 0.01);
        EXPECT_NEAR(nedre.x, c.pilx + 51.38, 0.01);
        EXPECT_NEAR(övre.y, 90.90, 0.01);
        EXPECT_NEAR(nedre.y, 178.98, 0.01);
    }
}

TEST_F(MallP, WithoutADeliveryAddressThereIsNoLeftArrow) {
    Fakturavy vy(faktura, *bok, false, mätare);
    for (const auto& o : vy.innehållFörAllaSidor) EXPECT_FALSE(o.transform && o.transform->tx == 77);
    EXPECT_FALSE(medText(vy.innehållFörAllaSidor, versaler(vy.rubrikFörLeveransadress())));
}

// An invoice address that leaves its fact column no room even at 70 %:
// the columns' rows flow, read as one list, into the column beside it,
// which has room, and every fact shows whole.
TEST_F(MallP, FactsFlowFromAColumnItsAddressLeavesNoRoom) {
    prov::allaFakta(faktura, *bok);
    std::string gata = "Gatan 1";
    for (int rad = 2; rad <= 14; ++rad) gata += "\nGatan " + std::to_string(rad);
    faktura.mottagaradress_ = prov::Faktura::adress(gata, "111 22", "Stockholm");
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medTextSomInnehåller(alla, "\u2026"));
    for (const std::string& värde : {faktura.nummer_, std::string("DE123"), std::string("2026-11-30"),
                                     Fakturavy::datumtext(faktura.fakturadatum_), std::string("PO-7")})
        EXPECT_TRUE(medTextSomInnehåller(alla, värde)) << värde;
    const CachatObjekt* nummer = medTextSomInnehåller(alla, faktura.nummer_);
    ASSERT_TRUE(nummer);
    EXPECT_EQ(ram(*nummer).x, 204) << "the third column's first row ends the second";
}

TEST_F(MallP, WhiteHidesTheDueDateUntilTheLastPage) {
    prov::Post post;
    faktura.poster.assign(40, post);
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        ASSERT_GE(vy.antalSidor(), 2);
        for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
            const auto& första = vy.innehållFörVarjeSida[size_t(s)].front();
            EXPECT_EQ(ram(första), (Rect{49, 617, 499, 43}));
            EXPECT_EQ(std::get<cachad::path>(första.data).fill, Color::white());
        }
        EXPECT_EQ(medRam(vy.innehållFörAllaSidor, {70, 630, 206, 21}) != nullptr, !följesedel);
        EXPECT_EQ(medRam(vy.innehållFörAllaSidor, {327, 630, 206, 21}) != nullptr, !följesedel);
        EXPECT_EQ(medRam(vy.innehållFörVarjeSida.back(), {365, 527, 168, 16}) != nullptr, !följesedel);
    }
}

}  // namespace
