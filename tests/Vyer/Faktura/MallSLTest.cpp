// Template SL with the fixed-width measurer, texts pinned to widths worked
// by hand: the row of facts spread from x 42 to x 552 with equal gaps of
// at least 7 points, at most five facts, the invoice number and date never
// among those left out, facts too wide together narrowed and wrapped, the
// row set smaller and at last cut above the recipient's address; what a
// delivery note leaves out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallSL : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallSL() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Vågor;
        faktura.språk_ = "en";
        faktura.nummer_ = "1042";
    }

    // The objects of the fact row, left to right.
    static std::vector<const CachatObjekt*> raden(const Fakturavy& vy) {
        std::vector<const CachatObjekt*> ut;
        for (const auto& o : vy.innehållFörAllaSidor)
            if (ram(o).y == 30 && text(o)) ut.push_back(&o);
        return ut;
    }
};

constexpr const char* er = "YOUR CONTACT\u2029Johan";
constexpr const char* vår = "OUR CONTACT\u2029Anna";
constexpr const char* nummer = "INVOICE NUMBER\u20291042";
constexpr const char* datum = "INVOICE DATE\u20292026-12-01";

TEST_F(MallSL, FactRowSpreadsAndNarrowsTheWidest) {
    struct Fall {
        const char* namn;
        bool följesedel;
        std::vector<std::pair<const char*, double>> bredder;  // the facts of the row, pinned
        std::vector<Rect> ramar;
    } fall[] = {
        // 160 wide: one gap of 350.
        {"number and date", false, {{nummer, 99.2}, {datum, 60}}, {{42, 30, 100, 40}, {492, 30, 60, 40}}},
        // 330 wide: gaps of 60; 331 wide: gaps of 59 (floored), ending short of 552.
        {"four facts",
         false,
         {{er, 80}, {vår, 90}, {nummer, 100}, {datum, 60}},
         {{42, 30, 80, 40}, {182, 30, 90, 40}, {332, 30, 100, 40}, {492, 30, 60, 40}}},
        {"four facts, gap floored",
         false,
         {{er, 81}, {vår, 90}, {nummer, 100}, {datum, 60}},
         {{42, 30, 81, 40}, {182, 30, 90, 40}, {331, 30, 100, 40}, {490, 30, 60, 40}}},
        // A delivery note has no invoice number or date.
        {"one reference", true, {{er, 80}}, {{42, 30, 80, 40}}},
        // Too wide together for gaps of 7: the widest are narrowed to one
        // width, 489 shared out with 60 and 100 kept, so that they wrap
        // instead of running past x 552 or giving way.
        {"narrowed", true, {{er, 300}, {vår, 300}}, {{42, 30, 251.5, 40}, {300.5, 30, 251.5, 40}}},
        {"all stay",
         false,
         {{er, 200}, {vår, 200}, {nummer, 100}, {datum, 60}},
         {{42, 30, 164.5, 40}, {213.5, 30, 164.5, 40}, {385, 30, 100, 40}, {492, 30, 60, 40}}},
    };
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        faktura.erReferens_.reset(), faktura.vårReferens_.reset();
        mätare.fasta.clear();
        for (const auto& [t, bredd] : c.bredder) {
            mätare.fasta[t] = {bredd, 21.6};
            if (t == er) faktura.erReferens_ = "Johan";
            if (t == vår) faktura.vårReferens_ = "Anna";
        }
        Fakturavy vy(faktura, *bok, c.följesedel, mätare);
        const auto rad = raden(vy);
        SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
        ASSERT_EQ(rad.size(), c.ramar.size());
        for (size_t i = 0; i < rad.size(); ++i) EXPECT_EQ(ram(*rad[i]), c.ramar[i]) << i;
    }
}

// Long references and a long customer number: every fact stays, each in
// its own column between x 42 and x 552, wrapped there, above the
// recipient's address at y 90. Absurdly long ones are set at 70 % and cut
// there with an ellipsis.
TEST_F(MallSL, LongFactsWrapInTheirColumnsAboveTheAddress) {
    bok->visaKundnummerPåFakturor = true;
    for (size_t upprepningar : {1, 40}) {
        SCOPED_TRACE(upprepningar);
        std::string lång;
        for (size_t i = 0; i < upprepningar; ++i) lång += "Anna-Karin Vilhelmina Johansson-Stålhammar ";
        faktura.erReferens_ = lång, faktura.vårReferens_ = "Carl-Fredrik Lindqvist-Bergman";
        faktura.kundnummer_ = "2026-KS-004711";
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto rad = raden(vy);
        SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
        ASSERT_EQ(rad.size(), 5u);
        double x = 42;
        for (const auto* o : rad) {
            const Rect r = ram(*o);
            EXPECT_GE(r.minX(), x);
            EXPECT_LE(r.maxX(), 552);
            x = r.maxX() + 7;
            const AttributedString& t = *text(*o);
            EXPECT_LE(r.y + mätare.boundingSize(t, {r.width, 10000}).height, 88.5);
            EXPECT_GE(t.runs().front().attributes.font->pointSize, 9 * 0.7 - 1e-9);
        }
        const std::string& förste = text(*rad[0])->text();
        if (upprepningar == 1) {
            EXPECT_NE(förste.find("Stålhammar"), std::string::npos);
            EXPECT_EQ(text(*rad[0])->runs().front().attributes.font->pointSize, 9);
        } else {
            EXPECT_TRUE(förste.ends_with("\u2026")) << förste;
        }
    }
}

TEST_F(MallSL, AtMostFiveFactsAndNeverWithoutTheInvoiceNumberAndDate) {
    bok->visaKundnummerPåFakturor = true;
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna", faktura.kundnummer_ = "K-17";
    faktura.leveransdatum_ = Datum{20261130};
    faktura.skatteavdrag_ = Skatteavdrag::rut("19700101-1234", std::nullopt, prov::D("1"), std::nullopt);
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto rad = raden(vy);
    SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
    ASSERT_EQ(rad.size(), 5u);
    EXPECT_EQ(text(*rad[0])->text(), er);
    EXPECT_EQ(text(*rad[1])->text(), vår);
    EXPECT_EQ(text(*rad[2])->text().rfind("K-17"), text(*rad[2])->text().size() - 4);
    EXPECT_EQ(text(*rad[3])->text(), nummer);
    EXPECT_EQ(text(*rad[4])->text(), datum);
    // Caption and value in Futura-Medium 9, wrapping in their column.
    for (const auto* o : rad)
        for (const auto& körning : text(*o)->runs()) {
            EXPECT_EQ(körning.attributes.font, (Font{"Futura-Medium", 9}));
            EXPECT_FALSE(körning.attributes.paragraphStyle);
        }
}

TEST_F(MallSL, PaymentTermBadgeOfAnInvoiceAndAWhitePatchOnADeliveryNote) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        // Four centred lines 14 apart.
        const CachatObjekt* förfallodag = medText(alla, "2026-12-31");
        EXPECT_EQ(förfallodag != nullptr, !följesedel);
        if (förfallodag) {
            EXPECT_EQ(ram(*förfallodag), (Rect{51, 576, 88, 88}));
            EXPECT_EQ(text(*förfallodag)->runs().at(0).attributes.paragraphStyle->alignment, TextAlignment::center);
            EXPECT_TRUE(medRam(alla, {51, 534, 88, 88}));
        }
        const CachatObjekt* vitt = medRam(alla, {32, 499, 125, 123});
        EXPECT_EQ(vitt != nullptr, följesedel);
        if (vitt) {
            EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
        }
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, {424, 511, 116, 15}) != nullptr, !följesedel) << beskriv(sista);
    }
}

}  // namespace
