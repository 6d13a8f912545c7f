// Template B with the fixed-width measurer: the column headings below the
// rows, each with a green chevron pointing up at its column, and how they
// are cut when they do not fit; the amount block lifted by half a row for
// each row past four; the fact tables centred on their lines; what a
// delivery note has instead of the facts.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Mallverktyg.h"

#include "Beloppsrader.h"
#include "Displaylista.h"
#include "Faktatabellramar.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace displaylista;

namespace {

const Color grön = Color::rgb(0.612, 0.732, 0.174);

class MallB : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallB() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::SmåLådor;
        faktura.poster.assign(3, prov::Post{});
    }

    struct Rubrik {
        Rect ram;
        const CachatObjekt* chevron;
    };
    // The objects in the heading row, y 368 on every page, each with the
    // object after it.
    std::vector<Rubrik> rubriker(const Fakturavy& vy) {
        std::vector<Rubrik> ut;
        const auto& alla = vy.innehållFörAllaSidor;
        for (size_t i = 0; i + 1 < alla.size(); ++i)
            if (text(alla[i]) && ram(alla[i]).y == 368) ut.push_back({ram(alla[i]), &alla[i + 1]});
        return ut;
    }
};

TEST_F(MallB, HeadingsStandBelowTheRowsEachUnderAnUpwardChevron) {
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_EQ(vy.ramFörEnSida().size(), (Size{842, 595}));
    const auto r = rubriker(vy);
    ASSERT_EQ(r.size(), 4u) << beskriv(vy.innehållFörAllaSidor);
    // Description, quantity, price and amount in condensed bold 9: 4.5
    // points a character, in 19-point frames.
    const std::string texter[] = {vy.rubrikFörBeskrivning(), vy.rubrikFörAntal(), vy.rubrikFörStyckpris(),
                                  vy.rubrikFörRadensBelopp()};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(texter[i]);
        const double w = FastMätare::bredd(texter[i], 9);
        // Centred on a whole-point anchor.
        EXPECT_EQ(r[i].ram.midX(), std::round(r[i].ram.midX()));
        EXPECT_EQ(r[i].ram, (Rect{r[i].ram.midX() - w / 2, 368, w, 19}.integral()));
        // The chevron is 17.6 wide; its tip 11 points above the heading's top,
        // its arms ending 1.2 above it, all centred on the heading.
        ASSERT_TRUE(r[i].chevron->transform);
        const auto& väg = std::get<cachad::path>(r[i].chevron->data);
        EXPECT_EQ(väg.fill, grön);
        EXPECT_FALSE(väg.stroke);
        BezierPath på = väg.path;
        på.transform(*r[i].chevron->transform);
        const Rect b = på.bounds();
        EXPECT_NEAR(b.midX(), r[i].ram.midX(), 1e-9);
        EXPECT_NEAR(b.width, 17.6, 1e-9);
        EXPECT_NEAR(b.minY(), 357, 1e-9);
        EXPECT_NEAR(b.maxY(), 366.8, 1e-9);
        const Point spets = r[i].chevron->transform->apply({0, 20});
        EXPECT_NEAR(spets.y, 357, 1e-9);
        if (i > 0) {
            EXPECT_GT(r[i].ram.x, r[i - 1].ram.x);
        }
    }
    // The rows of a full page, and its continuation line, stand above the
    // chevrons' tips.
    faktura.poster.assign(30, prov::Post{});
    Fakturavy flera(faktura, *bok, false, mätare);
    ASSERT_GE(flera.antalSidor(), 2);
    for (const auto& o : flera.innehållFörVarjeSida.front()) {
        EXPECT_GE(ram(o).y, 134) << beskriv(o);
        EXPECT_LE(ram(o).maxY(), 357) << beskriv(o);
    }
}

TEST_F(MallB, HeadingsTooWideForTheRowGiveUpTheSameWidth) {
    FastMätare pinned;
    auto bredd = [&](const std::string& rubrik, double w) { pinned.fasta[rubrik] = {w, 10}; };
    const prov::Faktura& f = faktura;
    Fakturavy språk(f, *bok, false, mätare);
    // 200 + 3 x 100 + 3 x 12 is 16 over 520: each gives up 4.
    bredd(språk.rubrikFörBeskrivning(), 200);
    bredd(språk.rubrikFörAntal(), 100);
    bredd(språk.rubrikFörStyckpris(), 100);
    bredd(språk.rubrikFörRadensBelopp(), 100);
    Fakturavy vy(f, *bok, false, pinned);
    const auto r = rubriker(vy);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].ram.width, 196);
    for (size_t i = 1; i < 4; ++i) EXPECT_EQ(r[i].ram.width, 96);
    // Headings that fit keep their widths, side by side.
    bredd(språk.rubrikFörBeskrivning(), 180);
    Fakturavy ryms(f, *bok, false, pinned);
    const auto s = rubriker(ryms);
    EXPECT_EQ(s[0].ram.width, 180);
    for (size_t i = 1; i < s.size(); ++i) EXPECT_GE(s[i].ram.minX(), s[i - 1].ram.maxX() + 6);
}

// Headings over narrow columns move apart about their middle, no nearer
// than the distance asked for; those with room stay where they are wished.
TEST(MallverktygIsärIRaden, BoxesThatWouldMeetMoveApartAsAGroup) {
    using mallverktyg::isärIRaden;
    EXPECT_EQ(isärIRaden({10, 10}, {50, 100}, 6, 0, 200), (std::vector<double>{45, 95}));
    // 20 + 6 + 20 about the middle 55 of the two wished.
    EXPECT_EQ(isärIRaden({20, 20}, {50, 60}, 6, 0, 200), (std::vector<double>{32, 58}));
    // The third meets the pair, and the three move about their mean.
    EXPECT_EQ(isärIRaden({20, 20, 20}, {50, 60, 91}, 6, 0, 200), (std::vector<double>{31, 57, 83}));
    // Kept within the row.
    EXPECT_EQ(isärIRaden({20, 20}, {10, 20}, 6, 0, 200), (std::vector<double>{0, 26}));
    EXPECT_EQ(isärIRaden({20, 20}, {190, 195}, 6, 0, 200), (std::vector<double>{154, 180}));
    EXPECT_EQ(isärIRaden({}, {}, 6, 0, 200), (std::vector<double>{}));
}

// Four amount rows (the total among them) start at y 418; each row more
// lifts the block 7 points, each row fewer lowers it as much.
TEST_F(MallB, TheAmountBlockRisesHalfARowForEachRowPastFour) {
    for (int rader = 0; rader <= 5; ++rader) {
        SCOPED_TRACE(rader);
        prov::Faktura f = faktura;
        ställBeloppsrader(f, rader);
        Fakturavy vy(f, *bok, false, mätare);
        const double y0 = 418 - 7 * (rader + 1 - 4);
        const auto& sista = vy.innehållFörVarjeSida.back();
        const CachatObjekt* total = medText(sista, vy.rubrikFörTotaltBelopp());
        ASSERT_TRUE(total) << beskriv(sista);
        EXPECT_EQ(ram(*total), (Rect{626, y0 + 14 * rader, 160, 15}));
    }
}

TEST_F(MallB, FactTablesAreCentredOnTheirLines) {
    for (const auto& [m, a] : faktatabellramarMedFåOchMångaFakta(InbyggdFakturamall::SmåLådor)) {
        EXPECT_EQ(m.x, 38);
        EXPECT_EQ(m.width, 207);
        EXPECT_EQ(m.y, std::round(135 - 0.5 * (m.height - 1)));
        EXPECT_EQ(a.x, 38);
        EXPECT_EQ(a.width, 207);
        EXPECT_EQ(a.y, std::round(431 - 0.5 * (a.height - 1)));
    }
}

TEST_F(MallB, FactsStandEachCaptionOverItsValueOrADeliveryNoteWhitesTheirBoxesOut) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const struct {
            std::string rubrik, värde;
            double x;
        } fakta[] = {{vy.rubrikFörBetalningsvillkor(), vy.rubrikFörDagar(), 507},
                     {vy.rubrikFörFörfallodatum(), "2026-12-31", 585},
                     {vy.rubrikFörFakturanummer(), "1042", 662},
                     {vy.rubrikFörFakturadatum(), "2026-12-01", 742}};
        for (const auto& f : fakta) {
            const CachatObjekt* värde = medText(alla, f.värde);
            const CachatObjekt* rubrik = medText(alla, f.rubrik);
            EXPECT_EQ(värde && ram(*värde) == (Rect{f.x, 67, 63, 14}), !följesedel) << f.värde;
            EXPECT_EQ(rubrik && ram(*rubrik) == (Rect{f.x, 52, 63, 14}), !följesedel) << f.rubrik;
        }
        EXPECT_EQ(medRam(alla, {641, 507, 144, 24}) != nullptr, !följesedel) << "amount to pay";
        EXPECT_EQ(medText(alla, vy.rubrikFörBeloppAttBetala()) != nullptr, false) << "upper-cased";
        const CachatObjekt* vitt = medRam(alla, {492, 49, 322, 40});
        EXPECT_EQ(vitt != nullptr, följesedel);
        if (vitt) {
            EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
        }
    }
}

// The fullest invoices, which have no logo: the recipient's table keeps
// below the column's green edge and above the sender's room from y 303,
// the sender's between there and the F-tax note at y 561.
TEST(MallBFull, FactTablesKeepClearOfTheLogoAndTheFTaxNote) {
    for (const char* språk : {"de", "en"}) kontrolleraTabellernaKringLogotypen("B", språk, 36, {45, 302, 193, 1}, 561);
}

// Every caption of the four fact boxes stands on one line, above its value,
// in every language: one too long for its box is set smaller.
TEST(MallBFull, EveryFactCaptionStandsOnOneLineInItsBox) {
    for (const char* språk : {"sv", "da", "de", "en", "es", "fi", "fr", "it", "nl", "no"}) {
        auto full = prov::fullfaktura("B", språk);
        const Fakturavy& v = *full.vy;
        for (const std::string& rubrik : {v.rubrikFörFakturadatum(), v.rubrikFörFörfallodatum(),
                                          v.rubrikFörFakturanummer(), v.rubrikFörBetalningsvillkor()}) {
            const CachatObjekt* o = medText(v.innehållFörAllaSidor, rubrik);
            ASSERT_TRUE(o) << språk << ": " << rubrik;
            const TextExtent e = v.mätare.extent(*text(*o), ram(*o), TextDrawingMode::fromTopLeft);
            EXPECT_EQ(e.lines.size(), 1u) << språk << ": " << rubrik;
            EXPECT_FALSE(e.brokeWord) << språk << ": " << rubrik;
            for (const Rect& linje : e.lines) EXPECT_LE(linje.maxY(), 67) << språk << ": " << rubrik;
        }
    }
}

}  // namespace
