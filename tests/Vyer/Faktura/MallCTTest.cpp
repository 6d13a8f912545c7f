// Templates CT1 and CT2 with the fixed-width measurer: the payment block
// that grows upward from its foot with the accent bar beside it, the band
// of facts that takes more rows rather than lose a fact, what a delivery
// note puts in place of the payment
// block, and the two codes differing only in their accent.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace displaylista;

namespace {

const Color grön = Color::rgb(0.28, 0.64, 0.23);
const Color röd = Color::rgb(0.74, 0.06, 0.1);

class MallCT : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallCT() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::SlutPåGrönToner; }

    // The texts of the band of facts (frames at y 397, 24 high), in order.
    static std::vector<const CachatObjekt*> band(const std::vector<CachatObjekt>& lista) {
        std::vector<const CachatObjekt*> ut;
        for (const auto& o : lista)
            if (text(o) && ram(o).y == 397 && ram(o).height == 24) ut.push_back(&o);
        return ut;
    }
};

TEST_F(MallCT, PaymentBlockGrowsUpwardFromItsFootWithTheBarBeside) {
    // Terms and due date, each caption in capitals over its value.
    const Fakturavy rubriker(faktura, *bok, false, mätare);
    const std::string block = versaler(rubriker.rubrikFörBetalningsvillkor()) + "\n" + rubriker.rubrikFörDagar() +
                              "\n" + versaler(rubriker.rubrikFörFörfallodatum()) + "\n2026-12-31";
    for (Size s : {Size{80, 60}, Size{120, 90}}) {
        mätare.fasta[block] = s;
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* villkor = medText(alla, block);
        ASSERT_TRUE(villkor);
        // Right edge at x 297, foot at y 800.
        EXPECT_EQ(ram(*villkor), (Rect{296 - s.width, 799 - s.height, s.width + 1, s.height + 1}));
        const CachatObjekt* stapel = medRam(alla, {287 - s.width, 799 - s.height, 2, s.height + 3});
        ASSERT_TRUE(stapel);
        EXPECT_EQ(std::get<cachad::path>(stapel->data).fill, grön);

        // Caption left and amount right in one frame.
        const CachatObjekt* attBetala = medTextSomInnehåller(alla, "125,00");
        ASSERT_TRUE(attBetala);
        EXPECT_EQ(ram(*attBetala), (Rect{341, 747, 205, 18}));
        EXPECT_EQ(text(*attBetala)->runs().at(0).attributes.paragraphStyle->alignment, TextAlignment::right);
    }
}

TEST_F(MallCT, BandOfFactsFlowsOnToMoreRowsLosingNoFact) {
    // Few facts: all in the band, from x 36, separators in the accent.
    {
        Fakturavy vy(faktura, *bok, false, mätare);
        auto texter = band(vy.innehållFörAllaSidor);
        ASSERT_EQ(texter.size(), 3u) << beskriv(vy.innehållFörAllaSidor);
        EXPECT_NE(text(*texter[0])->text().find("1042"), std::string::npos);
        EXPECT_NE(text(*texter[1])->text().find("2026-12-01"), std::string::npos);
        EXPECT_NE(text(*texter[2])->text().find("30 dagar"), std::string::npos);
        // A separator 3.6 wide, then 6 points, then the text.
        EXPECT_EQ(ram(*texter[0]).x, 36 + 6 + 3.6);
        int separatorer = 0;
        for (const auto& o : vy.innehållFörAllaSidor)
            if (const auto* p = std::get_if<cachad::path>(&o.data); p && o.transform) {
                EXPECT_EQ(p->stroke, grön);
                ++separatorer;
            }
        EXPECT_EQ(separatorer, 3);
    }
    // Many long facts: none gives way; those that do not fit the row flow
    // on to rows below it, within 6 points of the page's edge, and the
    // item table moves down with them.
    faktura.erReferens_ = "Johan Johansson på inköpsavdelningen";
    faktura.vårReferens_ = "Anna Andersson på försäljningen";
    faktura.inköpsordernummer_ = "PO-2026-000123-A";
    faktura.leveranssätt_ = "Lastbil med bakgavellyft";
    faktura.leveransdatum_ = Datum{20261130};
    faktura.momsregistreringsnummer_ = "SE556000000001";
    Fakturavy vy(faktura, *bok, false, mätare);
    SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
    double lägst = 0;
    for (const char* värde : {"1042", "inköpsavdelningen", "försäljningen", "000123", "bakgavellyft", "2026-11-30",
                              "SE556000000001", "2026-12-01", "30 dagar"}) {
        const CachatObjekt* o = medTextSomInnehåller(vy.innehållFörAllaSidor, värde);
        ASSERT_TRUE(o) << värde;
        EXPECT_LE(ram(*o).maxX(), 589.5) << värde;
        lägst = std::max(lägst, ram(*o).y);
    }
    EXPECT_GT(lägst, 397);
    const CachatObjekt* rubrik = medText(vy.innehållFörAllaSidor, vy.rubrikFörBeskrivning());
    ASSERT_TRUE(rubrik);
    EXPECT_GT(ram(*rubrik).y, lägst + 24);
}

// A value too long for the band's row takes rows of its own and crowds out
// no other fact; one too long even for all the band's room, down to y 532
// (the item headings 72 points lower, 14 under it), is cut there at 70 %.
TEST_F(MallCT, ALongValueTakesRowsAndCrowdsOutNoFact) {
    faktura.vårReferens_ = "Anna Andersson";
    faktura.inköpsordernummer_ = "PO-2026-0042";
    faktura.leveranssätt_ = "Bil";
    faktura.leveransdatum_ = Datum{20261130};
    faktura.momsregistreringsnummer_ = "SE556000000001";
    for (int ord : {150, 2000}) {
        std::string lång;
        for (int i = 0; i < ord; ++i) lång += "ord ";
        faktura.erReferens_ = lång;
        const Fakturavy vy(faktura, *bok, false, mätare);
        SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
        for (const char* värde : {"Anna Andersson", "PO-2026-0042", "Bil", "2026-11-30", "SE556000000001", "1042"})
            EXPECT_TRUE(medTextSomInnehåller(vy.innehållFörAllaSidor, värde)) << värde;
        const CachatObjekt* referens = medTextSomInnehåller(vy.innehållFörAllaSidor, "ord ord");
        ASSERT_TRUE(referens);
        EXPECT_EQ(text(*referens)->text().ends_with("\u2026"), ord == 2000);
        const auto rader = mätare.lines(*text(*referens), ram(*referens).width, TextDrawingMode::fromTopLeft);
        EXPECT_LE(ram(*referens).y + rader.back().bottom, 532.5);
        EXPECT_LE(ram(*referens).maxX(), 589.5);
    }
}

TEST_F(MallCT, DeliveryNoteWhitesOutTheMarkInsteadOfThePaymentBlock) {
    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* vitt = medRam(alla, {295, 745, 43, 23});
    ASSERT_TRUE(vitt);
    EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
    EXPECT_FALSE(medTextSomInnehåller(alla, "125,00"));
    EXPECT_FALSE(medTextSomInnehåller(alla, "2026-12-31"));
    auto texter = band(alla);
    ASSERT_EQ(texter.size(), 1u) << "the number only: no invoice date or terms";
    EXPECT_TRUE(vy.innehållFörVarjeSida.back().empty()) << beskriv(vy.innehållFörVarjeSida.back());
}

TEST_F(MallCT, TheTwoCodesDifferOnlyInTheirAccent) {
    Fakturavy grönVy(faktura, *bok, false, mätare);
    faktura.inbyggdFakturamall_ = InbyggdFakturamall::SlutPåRödToner;
    Fakturavy rödVy(faktura, *bok, false, mätare);
    const auto &g = grönVy.innehållFörAllaSidor, &r = rödVy.innehållFörAllaSidor;
    ASSERT_EQ(g.size(), r.size());
    // Each object's colours, the accent written as "accent".
    auto färger = [](const CachatObjekt& o, const Color& accent) {
        std::vector<std::string> ut;
        auto namn = [&](const std::optional<Color>& c) { return !c ? "-" : *c == accent ? "accent" : "other"; };
        if (const auto* p = std::get_if<cachad::path>(&o.data)) ut = {namn(p->fill), namn(p->stroke)};
        if (const auto* t = text(o))
            for (const auto& run : t->runs()) ut.push_back(namn(run.attributes.foregroundColor));
        return ut;
    };
    int iAccent = 0;
    for (size_t i = 0; i < g.size(); ++i) {
        SCOPED_TRACE(beskriv(g[i]));
        EXPECT_EQ(beskriv(g[i]), beskriv(r[i]));
        const auto f = färger(g[i], grön);
        EXPECT_EQ(f, färger(r[i], röd));
        iAccent += std::count(f.begin(), f.end(), "accent") > 0;
    }
    // The captions of the band, its separators, the payment block and its bar.
    EXPECT_EQ(iAccent, 3 + 3 + 1 + 1);
}

}  // namespace
