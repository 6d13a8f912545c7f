// Template M with the fixed-width measurer: the address captions turned to
// run upward and ended on one line by their measured widths, the white
// patch of a missing delivery address, and the lines an invoice has and a
// delivery note drops.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace displaylista;

namespace {

class MallM : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallM() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Minimal; }
};

TEST_F(MallM, AddressCaptionsRunUpwardAndEndOnY111WhateverTheirWidth) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    struct Fall {
        double mottagare, leverans;  // the captions' measured widths
    } fall[] = {{40, 65}, {92, 12}, {0, 100}};
    for (const Fall& c : fall) {
        SCOPED_TRACE(testing::Message() << c.mottagare << ", " << c.leverans);
        mätare.fasta.clear();
        {
            Fakturavy v(faktura, *bok, false, mätare);
            mätare.fasta[v.rubrikFörMottagaradress()] = {c.mottagare, 10};
            mätare.fasta[v.rubrikFörLeveransadress()] = {c.leverans, 10};
        }
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        struct Rubrik {
            std::string text;
            double w, remsa, adressX;
        } rubriker[] = {{vy.rubrikFörMottagaradress(), c.mottagare, 452, 476},
                        {vy.rubrikFörLeveransadress(), c.leverans, 332, 356}};
        for (const Rubrik& r : rubriker) {
            SCOPED_TRACE(r.text);
            const CachatObjekt* rubrik = medText(alla, r.text);
            ASSERT_TRUE(rubrik);
            ASSERT_TRUE(rubrik->transform);
            const AffineTransform& t = *rubrik->transform;
            EXPECT_NEAR(t.a, 0, 1e-15);
            EXPECT_EQ(t.b, -1);
            EXPECT_EQ(t.c, 1);
            EXPECT_NEAR(t.d, 0, 1e-15);
            EXPECT_EQ(t.tx, 332);
            EXPECT_EQ(t.ty, 161);
            const Rect f = ram(*rubrik);
            EXPECT_EQ(f, (Rect{50 - r.w, r.remsa - 332, 100, 14}));
            // The text runs from its frame's left edge for w points: on the
            // page from y 111 + w up to y 111, in the 14-point strip.
            const Point början = t.apply({f.minX(), f.minY()});
            const Point slut = t.apply({f.minX() + r.w, f.maxY()});
            EXPECT_NEAR(början.y, 111 + r.w, 1e-9);
            EXPECT_NEAR(slut.y, 111, 1e-9);
            EXPECT_NEAR(början.x, r.remsa, 1e-9);
            EXPECT_NEAR(slut.x, r.remsa + 14, 1e-9);
            EXPECT_EQ(text(*rubrik)->runs()[0].attributes.font->name, "HelveticaNeue-CondensedBold");

            // The address stands upright to the right of its strip.
            const CachatObjekt* adress = medRam(alla, {r.adressX, 109, r.adressX == 476 ? 100.0 : 95.0, 112});
            ASSERT_TRUE(adress);
            EXPECT_FALSE(adress->transform);
        }
    }
}

TEST_F(MallM, WhitePatchStandsInForAMissingDeliveryAddress) {
    for (bool leverans : {false, true}) {
        SCOPED_TRACE(leverans ? "delivery address" : "none");
        if (leverans) faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* patch = medRam(alla, {340, 102, 15, 100});
        EXPECT_EQ(patch != nullptr, !leverans);
        if (patch) {
            const auto* väg = std::get_if<cachad::path>(&patch->data);
            ASSERT_TRUE(väg);
            EXPECT_EQ(väg->fill, Color::white());
            EXPECT_FALSE(väg->stroke);
        }
        EXPECT_EQ(medText(alla, vy.rubrikFörLeveransadress()) != nullptr, leverans);
        // The invoice address keeps its caption either way.
        EXPECT_TRUE(medText(alla, vy.rubrikFörMottagaradress()));
    }
}

TEST_F(MallM, NumberLineInCapitalsAndThePaymentLineOnlyOnInvoices) {
    faktura.nummer_ = "ab-17";
    faktura.vårReferens_ = "Eva";
    faktura.leveransdatum_ = Datum{20261130};
    faktura.poster.assign(2, prov::Post{});
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        const CachatObjekt* nummer = medText(alla, versaler(vy.rubrikFörFakturanummer()) + "   AB-17");
        ASSERT_TRUE(nummer);
        EXPECT_EQ(ram(*nummer), (Rect{43, 89, 388, 20}));

        // One table of references and dates, the invoice date its last row.
        const CachatObjekt* tabell = medTextSomInnehåller(alla, "Eva");
        ASSERT_TRUE(tabell);
        EXPECT_EQ(ram(*tabell), (Rect{61, 192, 203, 85}));
        const std::string& t = text(*tabell)->text();
        EXPECT_LT(t.find("Eva"), t.find("2026-11-30"));
        EXPECT_EQ(t.substr(t.size() - 10), "2026-12-01");

        const Rect rader[] = {{62, 313, 114, 17}, {183, 313, 200, 17}, {418, 313, 129, 17}};
        for (const Rect& r : rader) EXPECT_EQ(medRam(alla, r) != nullptr, !följesedel) << r.x;
        if (!följesedel) {
            EXPECT_EQ(text(*medRam(alla, rader[1]))->text(), vy.rubrikFörFörfallodatum() + " 2026-12-31");
            EXPECT_EQ(text(*medRam(alla, rader[2]))->text(),
                      vy.rubrikFörBeloppAttBetala() + " " + vy.belopp(faktura.attBetala()));
        }
        EXPECT_EQ(medRam(vy.innehållFörVarjeSida.back(), {356, 584, 171, 15}) != nullptr, !följesedel);
        EXPECT_EQ(ram(*medText(alla, "Exempel AB")), (Rect{43, 713, 503, 14}));
    }
}

// Every reference and date fill more than the table's frame holds: the
// table takes its room, no higher than 5 points under the number line and
// no lower than 11 above the payment line's rules.
TEST_F(MallM, AFullReferenceTableRisesInsteadOfReachingThePaymentLine) {
    prov::allaFakta(faktura, *bok);
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* tabell = medTextSomInnehåller(vy.innehållFörAllaSidor, "Eva");
    ASSERT_TRUE(tabell);
    const Rect r = ram(*tabell);
    EXPECT_LT(r.y, 192);
    EXPECT_GE(r.y, 114);
    EXPECT_GT(r.maxY(), 277);
    EXPECT_LE(r.maxY(), 302);
    EXPECT_LE(mätare.boundingSize(*text(*tabell), {r.width, 1000}).height, r.height + 0.5);
}

}  // namespace
