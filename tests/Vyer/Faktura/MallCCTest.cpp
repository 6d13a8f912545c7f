// Template CC with the fixed-width measurer: the address captions turned to
// run upward in their strips, the cover over the delivery address's place
// when there is none, the amount block moving with its row count, and what
// a delivery note leaves out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"
#include "Rubrikremsor.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace displaylista;

namespace {

const Color accent = Color::rgb(0.426, 0.116, 0.259);

class MallCC : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallCC() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Kurvor;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }
};

TEST_F(MallCC, AddressCaptionsRunUpwardFromY224InTheirStrips) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    // Their frames' left ends stand at y 224: the texts run up the page
    // from there.
    rubrikremsor::kontrollera(
        vy.innehållFörAllaSidor, {268, 224}, accent,
        {{vy.rubrikFörMottagaradress(), "Storgatan 1", {0, 0, 100, 14}, {268, 124, 14, 100}, {291, 166, 120, 84}},
         {vy.rubrikFörLeveransadress(), "Lagergatan 5", {0, 150, 100, 14}, {418, 124, 14, 100}, {441, 166, 120, 85}}});
    for (const std::string& rubrik : {vy.rubrikFörMottagaradress(), vy.rubrikFörLeveransadress()}) {
        const CachatObjekt* o = medText(vy.innehållFörAllaSidor, rubrik);
        ASSERT_TRUE(o);
        EXPECT_EQ(*text(*o)->runs()[0].attributes.font, (Font{"Cochin-Italic", 10}));
    }
}

TEST_F(MallCC, WithoutADeliveryAddressAWhiteRectangleCoversItsPlace) {
    const Rect täcke{420, 162, 22, 85};
    for (bool leverans : {false, true}) {
        SCOPED_TRACE(leverans ? "delivery address" : "no delivery address");
        if (leverans) faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        EXPECT_EQ(medText(alla, vy.rubrikFörLeveransadress()) != nullptr, leverans);
        EXPECT_EQ(medRam(alla, {441, 166, 120, 85}) != nullptr, leverans);
        const CachatObjekt* vitt = medRam(alla, täcke);
        ASSERT_EQ(vitt != nullptr, !leverans);
        if (vitt) {
            const auto& väg = std::get<cachad::path>(vitt->data);
            EXPECT_EQ(väg.fill, Color::white());
            EXPECT_FALSE(väg.stroke);
        }
    }
}

// Four rows (the total among them) start at y 491; each row more starts
// them 7 points higher, each row fewer 7 lower.
TEST_F(MallCC, AmountRowsStartHigherTheMoreThereAre) {
    for (int n : {1, 2, 3, 4, 5}) {
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Kurvor;
        ställBeloppsrader(faktura, n);
        Fakturavy vy(faktura, *bok, false, mätare);
        const int rader = vy.antalBeloppsrader(true);
        ASSERT_EQ(rader, n + 1);
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_TRUE(medRam(sista, {233, 491.0 - 7 * (rader - 4), 306, 15})) << rader << " rows\n" << beskriv(sista);
    }
}

TEST_F(MallCC, ADeliveryNoteLeavesOutTheAmountTermsAndDueDate) {
    faktura.poster.assign(3, prov::Post{});
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        struct Fall {
            std::string text;
            Rect ram;
        } fall[] = {
            {versaler(vy.rubrikFörBeloppAttBetala()), {221, 568, 317, 15}},
            {vy.belopp(faktura.attBetala()), {221, 568, 317, 15}},
            // Each down to the next line.
            {vy.rubrikFörBetalningsvillkor(), {32, 162, 88, 16}},
            {vy.rubrikFörDagar(), {32, 178, 88, 22}},
            {vy.rubrikFörFörfallodatum(), {32, 200, 88, 14}},
            {"2026-12-31", {32, 214, 88, 16}},
        };
        for (const Fall& c : fall) {
            const CachatObjekt* o = medText(alla, c.text);
            ASSERT_EQ(o != nullptr, !följesedel) << c.text;
            if (o) {
                EXPECT_EQ(ram(*o), c.ram) << c.text;
            }
        }
        // The invoice number and date stay.
        const CachatObjekt* nummer = medRam(alla, {296, 31, 255, 93});
        ASSERT_TRUE(nummer);
        EXPECT_NE(text(*nummer)->text().find("2026-12-01"), std::string::npos);
        EXPECT_NE(text(*nummer)->text().find("1042"), std::string::npos);
    }
}

// The facts keep to their frame above the badge, set smaller when they
// must; every fact filled in is more than it holds even at 70 %, so the
// last facts go on, in their order, under the invoice number and date.
TEST_F(MallCC, FactsTheirFrameCannotHoldGoOnUnderTheNumberAndDate) {
    const std::vector<std::string> värden = {"Eva Ek", "Olle Ö", "77", "19700101-1234", "19720202-2345",
                                             "Ekan 1:2", "PO-1", "SE556000000001", "Bud", "2026-11-30"};
    faktura.erReferens_ = värden[0], faktura.vårReferens_ = värden[1];
    bok->visaKundnummerPåFakturor = true, faktura.kundnummer_ = värden[2];
    faktura.skatteavdrag_ =
        Skatteavdrag::rot(värden[3], värden[4], prov::D("0.5"), Rotuppgifter::hus(värden[5]), prov::D("0.3"));
    faktura.inköpsordernummer_ = värden[6], faktura.momsregistreringsnummer_ = värden[7];
    faktura.leveranssätt_ = värden[8], faktura.leveransdatum_ = Datum{20261130};
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* fakta = medRam(alla, {31, 31, 235, 98});
    const CachatObjekt* nummer = medRam(alla, {296, 31, 255, 93});
    ASSERT_TRUE(fakta && nummer);
    const std::string& vänster = text(*fakta)->text();
    const std::string& höger = text(*nummer)->text();
    EXPECT_LE(mätare.boundingSize(*text(*fakta), {235, 10000}).height, 98.5);
    EXPECT_NE(vänster.find(värden.front()), std::string::npos);
    // Each fact once, in order: down the left, then on under the date.
    const std::string följd = vänster + höger.substr(höger.find("2026-12-01"));
    size_t förra = 0;
    for (const std::string& v : värden) {
        const size_t här = följd.find(v);
        ASSERT_NE(här, std::string::npos) << v;
        EXPECT_GT(här, förra) << v;
        EXPECT_EQ(följd.find(v, här + 1), std::string::npos) << v;
        förra = här;
    }
    EXPECT_EQ(vänster.find(värden.back()), std::string::npos) << "the last fact went on under the date";
}

// The sender's tables are laid out in full; the registered office shows
// only for a limited company, beside the payment details.
TEST_F(MallCC, FooterTablesAndTheRegisteredOffice) {
    for (Företagsform form : {Företagsform::aktiebolag, Företagsform::enskildFirma}) {
        bok = prov::bokföring(form);
        bok->_säte = "Göteborg";
        bok->bankgiro = "123-4567";
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* avsändare = medTextSomInnehåller(alla, "Kungsgatan 2");
        const CachatObjekt* företag = medTextSomInnehåller(alla, "556000-0000");
        ASSERT_TRUE(avsändare && företag);
        // At x 212 and 394 from one top, 94 above the foot y 827 or as
        // high as the taller text.
        EXPECT_EQ(ram(*avsändare).x, 212);
        EXPECT_EQ(ram(*företag).x, 394);
        EXPECT_EQ(ram(*avsändare).y, ram(*företag).y);
        EXPECT_LE(ram(*avsändare).y, 733);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(avsändare->data));
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(företag->data));
        EXPECT_NE(text(*avsändare)->text().find("Kungsgatan 2"), std::string::npos);
        const std::string& t = text(*företag)->text();
        EXPECT_EQ(t.find(vy.rubrikFörOrt()) != std::string::npos, form == Företagsform::aktiebolag);
        EXPECT_LT(t.find("556000-0000"), t.find("123-4567"));
    }
}

// Every way of payment, a registered office and a VAT number are more rows
// than the company table's frame holds: both tables grow upward together
// from their foot, y 827, at their size while the artwork's rule at y 677
// leaves room.
TEST_F(MallCC, FooterTablesGrowUpwardTogetherWhenEvenSetSmallerTheyOverflow) {
    bok = prov::bokföring(Företagsform::aktiebolag);
    bok->_säte = "Göteborg";
    bok->momsregistrerat = true;
    prov::allaBetalningssätt(*bok);
    faktura.språk_ = "en";
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_EQ(vy.betalningsinformation().size(), 7u);
    const auto& alla = vy.innehållFörAllaSidor;
    const CachatObjekt* företag = medTextSomInnehåller(alla, "1234-56 789 01");
    const CachatObjekt* avsändare = medTextSomInnehåller(alla, "Kungsgatan 2");
    ASSERT_TRUE(företag && avsändare) << beskriv(alla);
    const Rect f = ram(*företag), a = ram(*avsändare);
    EXPECT_GT(f.height, 94) << "the frame grew";
    EXPECT_EQ(f, (Rect{394, 827 - f.height, 185, f.height}));
    EXPECT_EQ(a, (Rect{212, f.y, 175, a.height}));
    EXPECT_GE(f.y, 677);
    const AttributedString& t = *text(*företag);
    for (const auto& run : t.runs())
        if (run.attributes.font) {
            EXPECT_DOUBLE_EQ(run.attributes.font->pointSize, 8);
        }
    EXPECT_LE(mätare.boundingSize(t, {185, 10000}).height, f.height + 0.5);
}

// A recipient of four address lines, an attention line and a long name
// grows down from its frame to the artwork's rule at y 286 over the item
// table's headings, at its own size while the room lasts, then set
// smaller, and cut there at last; nothing runs past the rule. A title
// reaching across an address (a credit invoice's, say) ends it above the
// title's line at y 255 instead.
TEST_F(MallCC, ALongAddressGrowsDownToTheRuleOverTheItemTable) {
    faktura.företag_ = "Bostadsrättsföreningen Kungsholmens Strand Västra Huvudbyggnaden";
    faktura.mottagaradress_->attention = "Ekonomiavdelningen";
    faktura.mottagaradress_->gata = "c/o Förvaltnings AB\nKungsholms Strand 147\nPostbox 1234\nIngång B";
    faktura.leveransadress_ = faktura.mottagaradress_;
    for (int rader : {0, 4, 40}) {
        SCOPED_TRACE(std::to_string(rader) + " more lines");
        for (int i = 0; i < rader; ++i) faktura.mottagaradress_->gata += "\nRad";
        faktura.leveransadress_ = faktura.mottagaradress_;
        // 11.5 points a character at 23: "Faktura" leaves both addresses
        // their room, 25 characters reach into the invoice address's, 40
        // into both.
        for (const std::string& titel : {std::string("Faktura"), std::string(25, 'K'), std::string(40, 'K')}) {
            SCOPED_TRACE(titel);
            faktura.rubriktext_ = titel;
            Fakturavy vy(faktura, *bok, false, mätare);
            for (double x : {291, 441}) {
                const bool underTiteln = x + 0.0 < 59 + 11.5 * double(titel.size());
                const CachatObjekt* adress = nullptr;
                for (const CachatObjekt& o : vy.innehållFörAllaSidor)
                    if (text(o) && text(o)->text().starts_with("Bostadsrätts") && ram(o).x == x) adress = &o;
                ASSERT_TRUE(adress) << beskriv(vy.innehållFörAllaSidor);
                const Rect r = ram(*adress);
                EXPECT_NEAR(r.y, 166, 0.5);
                EXPECT_LE(r.maxY(), underTiteln ? 255 : 286);
                const AttributedString& t = *text(*adress);
                EXPECT_LE(mätare.boundingSize(t, {120, 10000}).height, r.height + 0.5);
                // Nine lines of 10.8 at 9 points grow the frame to 99;
                // thirteen need 85 % of the 120 down to the rule, 53 are cut
                // at 70 %. Above the title 89 points hold nine lines at 91 %,
                // thirteen only cut at 70 %.
                const double storlek = t.runs()[0].attributes.font->pointSize;
                if (underTiteln) {
                    EXPECT_NEAR(storlek, rader == 0 ? 9 * 0.91 : 9 * 0.7, 9 * 0.015);
                    EXPECT_EQ(t.text().ends_with("\u2026"), rader > 0);
                    continue;
                }
                EXPECT_DOUBLE_EQ(storlek, rader == 0 ? 9 : rader == 4 ? 9 * 0.85 : 9 * 0.7);
                EXPECT_EQ(t.text().ends_with("\u2026"), rader == 40);
                if (rader == 0) {
                    EXPECT_EQ(r.height, 99) << "grew at its own size";
                }
            }
        }
        faktura.mottagaradress_->gata.resize(faktura.mottagaradress_->gata.size() - rader * 4);
    }
}

// A long sender's name wraps in its table; the tables grow up together no
// higher than y 677, under the artwork's rule, and are cut there, each
// alone: the company's table beside it keeps its size.
TEST_F(MallCC, FooterTablesRiseNoHigherThanTheRuleAbove) {
    bok->namn = "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice och Byggkonsult i Stockholm AB";
    for (int rader : {0, 30}) {
        bok->adress.gata = "Hantverkargatan 12";
        for (int i = 0; i < rader; ++i) bok->adress.gata += "\nRad";
        Fakturavy vy(faktura, *bok, false, mätare);
        const CachatObjekt* avsändare = medTextSomInnehåller(vy.innehållFörAllaSidor, "Förvaltningsaktiebolaget");
        ASSERT_TRUE(avsändare);
        const Rect r = ram(*avsändare);
        EXPECT_GE(r.y, 677);
        EXPECT_EQ(r.maxY(), 827);
        EXPECT_LE(mätare.boundingSize(*text(*avsändare), {175, 10000}).height, r.height + 0.5);
        EXPECT_EQ(text(*avsändare)->text().find(bok->namn) != std::string::npos, true) << "the name whole";
        EXPECT_EQ(text(*avsändare)->text().ends_with("\u2026"), rader == 30);
        const CachatObjekt* företag = medTextSomInnehåller(vy.innehållFörAllaSidor, "556000-0000");
        ASSERT_TRUE(företag);
        const AttributedString& t = *text(*företag);
        EXPECT_DOUBLE_EQ(t.attributesAt(t.text().find("556000-0000"))->font->pointSize, 8) << "set smaller with it";
    }
}

}  // namespace
