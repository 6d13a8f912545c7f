// Template Hi with the fixed-width measurer: the amount line that ends at
// its tab stop, the terms line in capitals, the sender's tables centred on
// one line, and the shorter facts list of a delivery note.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Fullfaktura.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallHi : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallHi() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Himmel; }
};

TEST_F(MallHi, AmountToPayEndsAtItsRightTabStop) {
    for (const char* språk : {"sv", "en"}) {
        SCOPED_TRACE(språk);
        faktura.språk_ = språk;
        // The fixed measurer takes the right tab for a left one: the line
        // is as wide as its tab stop says.
        const Fakturavy först(faktura, *bok, false, mätare);
        const std::string raden = först.rubrikFörBeloppAttBetala() + "\t" + först.belopp(faktura.attBetala());
        mätare.fasta[raden] = {274, 10.8};
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* rad = medText(alla, raden);
        ASSERT_TRUE(rad);
        EXPECT_EQ(ram(*rad), (Rect{259, 603, 275, 15}));
        const auto& runs = text(*rad)->runs();
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[0].attributes.font->name, "AmericanTypewriter-Bold");
        EXPECT_EQ(runs[0].attributes.font->pointSize, 9);
        EXPECT_EQ(runs[1].attributes.font->name, "AmericanTypewriter-Light");
        EXPECT_EQ(runs[1].attributes.font->pointSize, 8);
        // One style over both runs: a single right tab at 274 and no right
        // alignment left over from the amount's own attributes.
        for (const auto& run : runs) {
            ASSERT_TRUE(run.attributes.paragraphStyle);
            EXPECT_EQ(run.attributes.paragraphStyle->tabStops, (std::vector<TextTab>{{TextTab::Kind::right, 274}}));
            EXPECT_NE(run.attributes.paragraphStyle->alignment, TextAlignment::right);
        }
        // Black text on the page, not the slate of the facts.
        EXPECT_FALSE(runs[1].attributes.foregroundColor);
    }
}

TEST_F(MallHi, TermsAndDueDateStandInCapitalsOnOneLine) {
    faktura.förfallodatum_ = Datum{20240305};
    faktura.språk_ = "en";
    Fakturavy vy(faktura, *bok, false, mätare);
    const std::string väntad = versaler(vy.rubrikFörBetalningsvillkor()) + " 30 DAYS  \u2022  " +
                               versaler(vy.rubrikFörFörfallodatum()) + " 2024-03-05";
    const CachatObjekt* rad = medText(vy.innehållFörAllaSidor, väntad);
    ASSERT_TRUE(rad) << beskriv(vy.innehållFörAllaSidor);
    EXPECT_EQ(ram(*rad), (Rect{249, 630, 297, 15}));
    EXPECT_EQ(text(*rad)->runs()[0].attributes.paragraphStyle->alignment, TextAlignment::center);
}

TEST_F(MallHi, SenderTablesShareOneTopCentringTheTallerOnY732) {
    struct Fall {
        const char* namn;
        int betalningssätt;
    } fall[] = {{"no payment details: the company table is taller", 0},
                {"every way of payment: the registration table is taller", 3}};
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        if (c.betalningssätt > 0) {
            bok->telefon.reset(), bok->email.reset(), bok->hemsida.reset();
            bok->bankgiro = "123-4567", bok->plusgiro = "12 34 56-7", bok->swish = "123 456 78 90";
        } else {
            bok->telefon = "031-12 34 56", bok->email = "info@exempel.se", bok->hemsida = "exempel.se";
        }
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* företag = medTextSomInnehåller(alla, "Exempel AB");
        const CachatObjekt* registrering = medTextSomInnehåller(alla, "556000-0000");
        ASSERT_TRUE(företag && registrering);
        ASSERT_NE(företag, registrering);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(företag->data));
        const double h1 = mätare.boundingSize(*text(*företag), {205, 10000}).height;
        const double h2 = mätare.boundingSize(*text(*registrering), {217, 10000}).height;
        EXPECT_EQ(h1 > h2, c.betalningssätt == 0);
        const double m = std::max(h1, h2);
        EXPECT_EQ(ram(*företag).origin(), (Point{34, 732 - m / 2}));
        EXPECT_EQ(ram(*företag).width, 205);
        EXPECT_EQ(ram(*registrering).origin(), (Point{256, 732 - m / 2}));
        EXPECT_EQ(ram(*registrering).width, 217);
        // The registration's frame ends above the credit terms at y 793.
        EXPECT_LE(ram(*registrering).maxY(), 793);
        // Labels in capitals.
        EXPECT_NE(text(*företag)->text().find(versaler(vy.rubrikFörAvsändare())), std::string::npos);
    }
}

TEST_F(MallHi, DeliveryNoteListsSevenFactsAndNoAmounts) {
    faktura.erReferens_ = "Kalle", faktura.vårReferens_ = "Eva", faktura.kundnummer_ = "K7";
    faktura.inköpsordernummer_ = "PO-9", faktura.leveranssätt_ = "Bil", faktura.leveransdatum_ = Datum{20261130};
    faktura.momsregistreringsnummer_ = "SE999999999901";
    faktura.skatteavdrag_ = Skatteavdrag::rut("19700101-1234", std::nullopt, prov::D("0"), std::nullopt);
    faktura.poster.assign(2, prov::Post{});
    bok->visaKundnummerPåFakturor = true;
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        // Each fact is a value beside its dotted caption, 13 points below
        // the one before; the values stand 2 points lower than their rows,
        // which start at y 81.
        std::vector<std::string> värden;
        for (const CachatObjekt& o : alla)
            if (ram(o).x == 34 + 125 + 5 && ram(o).width == 175) värden.push_back(text(o)->text());
        const std::vector<std::string> väntade =
            följesedel ? std::vector<std::string>{"1042", "Kalle", "Eva", "K7", "PO-9", "2026-11-30", "Bil"}
                       : std::vector<std::string>{"1042", "2026-12-01", "Kalle", "Eva", "K7", "19700101-1234",
                                                  "SE999999999901", "PO-9", "2026-11-30", "Bil"};
        EXPECT_EQ(värden, väntade);
        EXPECT_EQ(ram(*medText(alla, "Bil")).y, 81 + 13 * (väntade.size() - 1) + 2);

        EXPECT_EQ(medRam(alla, {259, 603, 275, 15}) != nullptr, !följesedel);
        EXPECT_EQ(medRam(alla, {249, 630, 297, 15}) != nullptr, !följesedel);
        EXPECT_EQ(medRam(vy.innehållFörVarjeSida.back(), {258, 532, 275, 15}) != nullptr, !följesedel);
    }
}

// The fullest German invoice: the delivery address goes below the facts
// that reach past y 182 and ends above the item headings at y 324; the six
// amount rows rise to end above the line of light at y 596 over the amount
// to pay, and the last page's rows and message end above them; the
// sender's tables, set smaller, end above the credit terms at y 793.
TEST(MallHiFull, StackedBlocksNeverMeet) {
    auto full = prov::fullfaktura("Hi", "de");
    const Fakturavy& v = *full.vy;
    const auto& alla = v.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    auto linjer = [&](const CachatObjekt& o) {
        return v.mätare.extent(*text(o), ram(o), std::holds_alternative<cachad::string>(o.data)
                                                      ? TextDrawingMode::fromTopLeft
                                                      : TextDrawingMode::layoutManager).lines;
    };
    auto nederst = [&](const CachatObjekt& o) {
        double y = 0;
        for (const Rect& l : linjer(o)) y = std::max(y, l.maxY());
        return y;
    };
    auto överst = [&](const CachatObjekt& o) {
        double y = 1e9;
        for (const Rect& l : linjer(o)) y = std::min(y, l.minY());
        return y;
    };

    const CachatObjekt* sistaFakta = medTextSomInnehåller(alla, v.rubrikFörLeveranssätt());
    const CachatObjekt* leveransrubrik = medText(alla, v.rubrikFörLeveransadress());
    const CachatObjekt* leverans = medTextSomInnehåller(alla, "Godsmottagningen");
    ASSERT_TRUE(sistaFakta && leveransrubrik && leverans);
    EXPECT_GT(ram(*sistaFakta).maxY(), 182) << "the facts reach past the delivery address's place";
    EXPECT_GE(överst(*leveransrubrik), nederst(*sistaFakta));
    EXPECT_GE(överst(*leverans), nederst(*leveransrubrik));
    EXPECT_LE(nederst(*leverans), 324);

    const auto& sista = v.innehållFörVarjeSida.back();
    const CachatObjekt* total = medText(sista, v.rubrikFörTotaltBelopp());
    const CachatObjekt* attBetala = medTextSomInnehåller(alla, v.rubrikFörBeloppAttBetala());
    const CachatObjekt* villkor = medTextSomInnehåller(alla, versaler(v.rubrikFörBetalningsvillkor()));
    ASSERT_TRUE(total && attBetala && villkor);
    EXPECT_LE(nederst(*total), 592);
    EXPECT_GE(överst(*attBetala), 596);
    const CachatObjekt* netto = medText(sista, v.rubrikFörNettobelopp());
    const CachatObjekt* meddelande = medTextSomInnehåller(sista, "Tack");
    ASSERT_TRUE(netto && meddelande);
    for (const CachatObjekt& o : sista)
        if (text(o) && ram(o).x >= 62 && &o != netto && ram(o).y < ram(*netto).y) {
            EXPECT_LE(nederst(o), överst(*netto)) << text(o)->text();
        }
    EXPECT_LE(nederst(*meddelande), överst(*netto));
    EXPECT_GE(överst(*villkor), nederst(*attBetala));
    EXPECT_LE(nederst(*villkor), 665) << "above the F-tax line";

    for (const std::string& del : {v.rubrikFörAdress(), std::string("IBAN")}) {
        const CachatObjekt* tabell = medTextSomInnehåller(alla, versaler(del));
        ASSERT_TRUE(tabell) << del;
        EXPECT_GE(överst(*tabell), 676) << "below the F-tax line";
        EXPECT_LE(nederst(*tabell), 793) << "above the credit terms";
    }
}

}  // namespace
