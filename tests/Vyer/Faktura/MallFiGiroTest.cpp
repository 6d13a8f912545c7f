// Templates FiGiro1 and FiGiro2 with the fixed-width measurer: the giro
// slip's rules and texts in English and in Finnish with Swedish, its values
// and the Finnish reference and barcode, and what the two variants and a
// delivery note change.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/FinskGiroblankett.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

using namespace displaylista;
using prov::D;

namespace {

class MallFiGiro : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallFiGiro() {
        bok->iban = "SE45 5000 0000 0583 9825 7466";
        bok->bic = "ESSESESS";
    }

    std::unique_ptr<Fakturavy> vy(InbyggdFakturamall mall = InbyggdFakturamall::Finsk1, bool följesedel = false) {
        faktura.inbyggdFakturamall_ = mall;
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }

    // Net, discount, VAT, ROT deduction, rounding and the total: six amount
    // rows, two past four.
    void sexBeloppsrader() {
        faktura.rabatt_ = D("10");
        faktura.rabattbelopp_ = D("10");
        faktura.öresutjämna_ = true;
        faktura.öresutjämningsbelopp_ = D("0.4");
        faktura.avdragsbelopp_ = D("20");
        faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", std::nullopt, D("0"), std::nullopt, D("0.3"));
    }

    // A ledger kept in Finland, paid to a Finnish account.
    void finländsk(bool medIban = true) {
        bok = std::make_unique<Bokföring>("EUR", "1234567-8", "fi", std::nullopt, Företagsform::aktiebolag);
        bok->namn = "Esimerkki Oy";
        bok->adress = prov::Faktura::adress("Mannerheimintie 1", "00100", "Helsinki", "fi");
        if (medIban) bok->iban = "FI37 1590 3000 0007 76";
        bok->bic = "NDEAFIHH";
        faktura.valuta_ = "EUR";
    }

    static const cachad::path* sträckor(const std::vector<CachatObjekt>& lista, double linjebredd) {
        for (const auto& o : lista)
            if (const auto* p = std::get_if<cachad::path>(&o.data); p && p->path.lineWidth == linjebredd) return p;
        return nullptr;
    }

    static std::vector<std::pair<Point, Point>> segment(const BezierPath& path) {
        std::vector<std::pair<Point, Point>> ut;
        const auto& e = path.elements();
        for (size_t i = 0; i + 1 < e.size(); i += 2) {
            EXPECT_EQ(e[i].kind, BezierPath::Element::Kind::moveTo);
            EXPECT_EQ(e[i + 1].kind, BezierPath::Element::Kind::lineTo);
            ut.emplace_back(e[i].point, e[i + 1].point);
        }
        return ut;
    }

    static bool ärFylld(const CachatObjekt& o, const Rect& r, const Color& färg) {
        const auto* p = std::get_if<cachad::path>(&o.data);
        return p && p->path == BezierPath::rect(r) && p->fill == färg && !p->stroke;
    }

    // The size of a text's first run that has a font (a table's leading
    // tab has none).
    static double storlek(const AttributedString& text) {
        for (const auto& r : text.runs())
            if (r.attributes.font) return r.attributes.font->pointSize;
        return 0;
    }

    // Some object with the text stands in that frame.
    static void iRam(const std::vector<CachatObjekt>& lista, const std::string& text, const Rect& väntad) {
        for (const auto& o : lista)
            if (const auto* t = displaylista::text(o); t && t->text() == text && ram(o) == väntad) return;
        ADD_FAILURE() << "'" << text << "' not at " << väntad.x << ", " << väntad.y << "\n" << beskriv(lista);
    }
};

TEST_F(MallFiGiro, SlipRulesCutLineAndGridOnEveryPage) {
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;

    const cachad::path* klipp = sträckor(alla, 0.369);
    ASSERT_TRUE(klipp) << beskriv(alla);
    EXPECT_EQ(segment(klipp->path), (std::vector<std::pair<Point, Point>>{{{10, 552}, {585, 552}}}));
    EXPECT_EQ(klipp->path.dashPattern, (std::vector<double>{0.369, 0.369}));
    EXPECT_EQ(klipp->path.dashPhase, 0);
    EXPECT_EQ(klipp->stroke, Color::black());
    EXPECT_FALSE(klipp->fill);

    const cachad::path* rutnät = sträckor(alla, 1.42);
    ASSERT_TRUE(rutnät);
    EXPECT_EQ(segment(rutnät->path), (std::vector<std::pair<Point, Point>>{{{10, 600}, {585, 600}},
                                                                          {{10, 642}, {326.8, 642}},
                                                                          {{326.8, 762}, {585, 762}},
                                                                          {{10, 738}, {585, 738}},
                                                                          {{10, 762}, {585, 762}},
                                                                          {{463.6, 738}, {463.6, 762}},
                                                                          {{67.6, 552}, {67.6, 642}},
                                                                          {{326.8, 552}, {326.8, 762}}}));
    EXPECT_EQ(rutnät->stroke, Color::black());

    // The signature line and the divider of the account-from field, at the
    // default width: the path right after the grid.
    auto efter = std::find_if(alla.begin(), alla.end(), [&](const CachatObjekt& o) {
        return std::get_if<cachad::path>(&o.data) == rutnät;
    });
    ASSERT_NE(efter + 1, alla.end());
    const auto* tunna = std::get_if<cachad::path>(&(efter + 1)->data);
    ASSERT_TRUE(tunna);
    EXPECT_EQ(tunna->path.lineWidth, 1);
    EXPECT_EQ(segment(tunna->path),
              (std::vector<std::pair<Point, Point>>{{{70.6, 726}, {326.8, 726}}, {{67.6, 738}, {67.6, 762}}}));

    // The slip repeats on every page because it lies in the every-page
    // list, never in a page's own.
    for (const auto& sida : v->innehållFörVarjeSida) EXPECT_FALSE(sträckor(sida, 1.42));
}

TEST_F(MallFiGiro, FixedTextsInEnglishOrInFinnishWithSwedish) {
    struct Fast {
        Rect ram;
        const char* engelska;
        const char* annars;
    };
    const Fast fasta[] = {
        {{10, 557, 54.6, 43}, "Recipient's      account       number", "Saajan    tilinumero\nMottagarens kontonummer"},
        {{10, 603, 54.6, 39}, "Recipient", "Saaja       Mottagare"},
        // The payer's caption ends where the signature's starts.
        {{10, 645, 54.6, 71}, "Payer's name and address",
         "Maksajan        nimi ja         osoite\nBetalarens    namn och     adress"},
        {{10, 716, 54.6, 22}, "Signature", "Allekirjoitus\nUnderskrift"},
        {{326.8, 740, 40.2, 22}, "Due date", "Eräpäivä\nFörfallodag"},
        {{10, 740, 54.6, 22}, "From account number", "Tililtä nro\nFrån konto nr"},
        {{466.6, 738, 121.4, 24}, "Euro", "Euro"},
        {{397, 768, 155, 74},
         "The payment will be cleared for the recipient in accordance with the General terms for payment "
         "transmission and only on the basis of the account number given by the payer.",
         "Maksu välitetään saajalle maksujenvälityksen ehtojen mukaisesti ja vain maksajan ilmoittaman "
         "tilinumeron perusteella.\nBetalningen förmedlas till mottagaren enligt villkoren för "
         "betalningsförmedling och endast till det kontonummer som betalaren angivit."},
        {{70.6, 552, 259.2, 48}, "IBAN", "IBAN"},
        {{329.8, 552, 258.2, 48}, "BIC", "BIC"},
    };
    for (const char* språk : {"en", "fi", "sv", "de"}) {
        SCOPED_TRACE(språk);
        faktura.språk_ = språk;
        auto v = vy(InbyggdFakturamall::Finsk2);
        const auto& alla = v->innehållFörAllaSidor;
        const bool engelska = std::string(språk) == "en";
        for (size_t i = 0; i < std::size(fasta); ++i) {
            const std::string text = engelska ? fasta[i].engelska : fasta[i].annars;
            iRam(alla, text, fasta[i].ram);
            const CachatObjekt* o = medText(alla, text);
            if (!o) continue;
            const auto* attribut = displaylista::text(*o)->attributesAt(0);
            EXPECT_EQ(attribut->font->name, "HelveticaNeue");
            // The fixed measurer counts the spaces a line wraps at in its
            // width: the English account caption is set a little smaller.
            if (engelska && i == 0) {
                EXPECT_NEAR(attribut->font->pointSize, 7, 0.2);
                continue;
            }
            EXPECT_EQ(attribut->font->pointSize, i == 7 ? 6 : 7) << text;
            EXPECT_FALSE(attribut->foregroundColor) << text;
            // Captions right-aligned on 9-point lines, the notice on 7,
            // the labels without a paragraph style.
            const ParagraphStyle* stycke = displaylista::text(*o)->paragraphStyleAt(0);
            if (i < 6) {
                ASSERT_TRUE(stycke) << text;
                EXPECT_EQ(stycke->alignment, TextAlignment::right);
                EXPECT_EQ(stycke->minimumLineHeight, 9);
                EXPECT_EQ(stycke->maximumLineHeight, 9);
                EXPECT_EQ(stycke->paragraphSpacing, 2);
            } else if (i == 7) {
                ASSERT_TRUE(stycke);
                EXPECT_EQ(stycke->alignment, TextAlignment::natural);
                EXPECT_EQ(stycke->minimumLineHeight, 7);
                EXPECT_EQ(stycke->paragraphSpacing, 1);
            } else {
                EXPECT_FALSE(stycke) << text;
            }
        }
        // The other language's captions are nowhere.
        EXPECT_FALSE(medText(alla, engelska ? "Saaja       Mottagare" : "Recipient"));
        // A Swedish ledger has no reference caption.
        EXPECT_FALSE(medText(alla, "Ref. No."));
        EXPECT_FALSE(medTextSomInnehåller(alla, "Viitenro"));
    }
}

TEST_F(MallFiGiro, SlipValuesInTheirFields) {
    faktura.meddelande_ = "Tack för beställningen";
    faktura.förfallodatum_ = Datum(20240305);
    faktura.attBetala_ = D("1234.5");
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;
    iRam(alla, "SE45 5000 0000 0583 9825 7466", {70.6, 564, 259.2, 36});
    iRam(alla, "ESSESESS", {329.8, 564, 258.2, 36});
    iRam(alla, "Tack för beställningen", {329.8, 603, 258.2, 99});
    // The left half's texts end before the rule between the halves.
    iRam(alla, "Exempel AB", {70.6, 603, 254.2, 39});
    const auto betalare = std::find_if(alla.begin(), alla.end(), [&](const CachatObjekt& o) {
        return text(o) && text(o)->text() == *faktura.fakturaadressGivetAvsändarland("se") && ram(o).y > 552;
    });
    ASSERT_NE(betalare, alla.end());
    EXPECT_EQ(ram(*betalare).origin(), (Point{70.6, 645}));
    EXPECT_EQ(ram(*betalare).width, 254.2);
    iRam(alla, "5.3.2024", {376, 747, 90.6, 15});
    iRam(alla, "1234,50", {469.6, 747, 118.4, 15});
    const auto* värde = text(*medText(alla, "1234,50"));
    EXPECT_EQ(värde->attributesAt(0)->font->pointSize, 9);
    EXPECT_EQ(värde->paragraphStyleAt(0)->minimumLineHeight, 11);
    EXPECT_EQ(värde->paragraphStyleAt(0)->maximumLineHeight, 11);

    // Without IBAN, BIC, message and recipient address the fields stay
    // empty; the captions and the due date and amount stay.
    bok->iban.reset();
    bok->bic.reset();
    faktura.meddelande_.reset();
    faktura.mottagaradress_.reset();
    faktura.företag_.reset();
    auto tom = vy();
    for (const auto& o : tom->innehållFörAllaSidor) {
        if (ram(o).y < 552) continue;
        EXPECT_NE(ram(o), (Rect{70.6, 564, 259.2, 36})) << beskriv(o);
        EXPECT_NE(ram(o), (Rect{329.8, 564, 258.2, 36})) << beskriv(o);
        EXPECT_NE(ram(o), (Rect{329.8, 603, 258.2, 99})) << beskriv(o);
        EXPECT_NE(ram(o).origin(), (Point{70.6, 645})) << beskriv(o);
    }
    EXPECT_TRUE(medText(tom->innehållFörAllaSidor, "5.3.2024"));
    EXPECT_TRUE(medText(tom->innehållFörAllaSidor, "Euro"));
}

TEST_F(MallFiGiro, AmountWithTwoDecimalsAfterACommaWithoutGrouping) {
    const std::pair<const char*, const char*> fall[] = {
        {"1234.5", "1234,50"}, {"0", "0,00"}, {"0.05", "0,05"}, {"1000000", "1000000,00"}, {"-12.3", "-12,30"}};
    for (const auto& [belopp, text] : fall) EXPECT_EQ(girobelopp(D(belopp)), text) << belopp;
}

TEST_F(MallFiGiro, FinnishLedgerGivesTheReferenceAndTheBarcode) {
    finländsk();
    for (const char* språk : {"en", "fi"}) {
        SCOPED_TRACE(språk);
        faktura.språk_ = språk;
        auto v = vy();
        const auto& alla = v->innehållFörAllaSidor;
        iRam(alla, std::string(språk) == "en" ? "Ref. No." : "Viitenro\nRef. nr", {326.8, 716, 40.2, 22});
        // 1042 with its 7-3-1 check digit: 2·7 + 4·3 + 0·1 + 1·7 = 33, so 7.
        iRam(alla, "10427", {376, 723, 90.6, 15});
        const CachatObjekt* streckkod = nullptr;
        for (const auto& o : alla)
            if (std::holds_alternative<cachad::image>(o.data)) streckkod = &o;
        ASSERT_TRUE(streckkod);
        EXPECT_EQ(ram(*streckkod), (Rect{24.4, 768, 302.4, 39}));
        EXPECT_FALSE(streckkod->clippingRect);
        EXPECT_FALSE(streckkod->transform);
    }

    // No IBAN: the reference, but neither barcode nor message.
    finländsk(false);
    auto utan = vy();
    EXPECT_TRUE(medText(utan->innehållFörAllaSidor, "10427"));
    for (const auto& o : utan->innehållFörAllaSidor) {
        EXPECT_FALSE(std::holds_alternative<cachad::image>(o.data));
        EXPECT_NE(ram(o), (Rect{24.4, 768, 302.4, 39})) << beskriv(o);
    }

    // A ledger elsewhere, even with an IBAN: none of the three.
    bok = prov::bokföring();
    bok->iban = "FI37 1590 3000 0007 76";
    auto svensk = vy();
    EXPECT_FALSE(medText(svensk->innehållFörAllaSidor, "10427"));
    EXPECT_FALSE(medTextSomInnehåller(svensk->innehållFörAllaSidor, "Viitenro"));
    for (const auto& o : svensk->innehållFörAllaSidor) EXPECT_FALSE(std::holds_alternative<cachad::image>(o.data));
}

TEST_F(MallFiGiro, BarcodeErrorsStandWhereTheBarcodeWould) {
    finländsk();
    const std::pair<Decimal, std::string> fall[] = {
        {D("1000000"), "The barcode cannot be generated for invoice amounts of one million euros or more."},
        {D("-5"), "The barcode cannot be generated for negative invoice amounts."},
    };
    for (const auto& [belopp, meddelande] : fall) {
        faktura.attBetala_ = belopp;
        auto v = vy(InbyggdFakturamall::Finsk2);
        iRam(v->innehållFörAllaSidor, meddelande, {24.4, 768, 302.4, 39});
        EXPECT_EQ(text(*medText(v->innehållFörAllaSidor, meddelande))->attributesAt(0)->font->pointSize, 9);
    }
    faktura.attBetala_ = D("125");
    bok->iban = "FI21";
    auto v = vy();
    iRam(v->innehållFörAllaSidor, "The IBAN appears to be of incorrect length for SEPA barcodes.",
         {24.4, 768, 302.4, 39});
}

TEST_F(MallFiGiro, VariantsBandAmountBoxAndHeadings) {
    auto ett = vy(InbyggdFakturamall::Finsk1);
    auto två = vy(InbyggdFakturamall::Finsk2);

    // FiGiro1: the light-blue band between black bars, beneath everything
    // else, so the credit terms inside it stay visible.
    const auto& alla1 = ett->innehållFörAllaSidor;
    ASSERT_GE(alla1.size(), 3u);
    EXPECT_TRUE(ärFylld(alla1[0], {0, 188, 595, 270}, Color::rgb(0.89, 0.953, 0.97)));
    EXPECT_TRUE(ärFylld(alla1[1], {0, 457, 595, 2}, Color::black()));
    EXPECT_TRUE(ärFylld(alla1[2], {0, 187, 595, 2}, Color::black()));
    EXPECT_FALSE(medRam(två->innehållFörAllaSidor, {0, 188, 595, 270}));

    // The rule under the headings: 0.25 on the band, 1 without it.
    for (const auto& [v, bredd] : {std::pair{ett.get(), 0.25}, std::pair{två.get(), 1.0}}) {
        const CachatObjekt* rubriklinje = medRam(v->innehållFörAllaSidor, {54, 216, 487, 0});
        ASSERT_TRUE(rubriklinje);
        EXPECT_EQ(std::get<cachad::path>(rubriklinje->data).path.lineWidth, bredd);
    }

    // The amount box: white with a black frame, or light blue without.
    const auto& sista1 = ett->innehållFörVarjeSida.back();
    const auto& sista2 = två->innehållFörVarjeSida.back();
    const auto* vit = std::get_if<cachad::path>(&medRam(sista1, {316, 399, 241, 19})->data);
    ASSERT_TRUE(vit);
    EXPECT_EQ(vit->fill, Color::white());
    EXPECT_EQ(vit->stroke, Color::black());
    const auto* blå = std::get_if<cachad::path>(&medRam(sista2, {316, 399, 241, 19})->data);
    ASSERT_TRUE(blå);
    EXPECT_EQ(blå->fill, Color::rgb(0.89, 0.953, 0.97));
    EXPECT_FALSE(blå->stroke);

    iRam(sista1, ett->rubrikFörBeloppAttBetala(), {328, 400, 195, 15});
    iRam(sista2, versaler(två->rubrikFörBeloppAttBetala()), {328, 400, 195, 15});
    iRam(sista2, två->belopp(faktura.attBetala_), {328, 400, 195, 15});
    EXPECT_EQ(text(*medText(sista2, två->belopp(faktura.attBetala_)))->paragraphStyleAt(0)->alignment,
              TextAlignment::right);
    EXPECT_TRUE(medText(två->innehållFörAllaSidor, versaler(två->rubrikFörAntal())));
    EXPECT_TRUE(medText(alla1, ett->rubrikFörAntal()));
}

TEST_F(MallFiGiro, ExtraAmountRowsLiftTheAmountsAndShortenTheRows) {
    sexBeloppsrader();
    auto v = vy(InbyggdFakturamall::Finsk2);
    ASSERT_EQ(v->antalBeloppsrader(true), 6);
    const auto& sista = v->innehållFörVarjeSida.back();
    iRam(sista, v->rubrikFörNettobelopp(), {330, 332, 193, 13});
    iRam(sista, v->belopp(faktura.nettobelopp_), {330, 332, 193, 13});
    const CachatObjekt* moms = medTextSomInnehåller(sista, v->rubrikFörBeloppPerMomsnivå());
    ASSERT_TRUE(moms);
    EXPECT_EQ(ram(*moms), (Rect{72, 329, 201, 70}));
}

TEST_F(MallFiGiro, TheRuleOverTheAmountsNeverStrikesTheVatSummary) {
    for (bool medExtraRader : {false, true}) {
        if (medExtraRader) {
            faktura.rabatt_ = D("10");
            faktura.rabattbelopp_ = D("10");
            faktura.öresutjämna_ = true;
            faktura.öresutjämningsbelopp_ = D("0.4");
        }
        auto v = vy();
        const auto& sista = v->innehållFörVarjeSida.back();
        const CachatObjekt* moms = medTextSomInnehåller(sista, v->rubrikFörBeloppPerMomsnivå());
        ASSERT_TRUE(moms);
        const cachad::path* regel = sträckor(sista, 0.25);
        ASSERT_TRUE(regel);
        const auto [från, till] = segment(regel->path).at(0);
        EXPECT_EQ(från.y, till.y);
        EXPECT_LT(från.y, ram(*moms).y) << "with extra rows: " << medExtraRader;
        EXPECT_LT(från.y, ram(*medText(sista, v->rubrikFörNettobelopp())).y);
    }
}

// A long message, however many items push it down, stands below the last
// row and ends above the rule over the amounts and the VAT summary's
// caption, also when more amount rows lift them (six rows: the rule at y 327, into what
// was the item table's room down to y 330).
TEST_F(MallFiGiro, TheMessageEndsAboveTheAmounts) {
    faktura.meddelande_ =
        "Arbetet avser stambyte i trapphus A-C enligt avtal 2026-03 och omfattar rivning, nya stammar och "
        "återställning av badrummen. Slutbesiktning sker den 14 november tillsammans med styrelsen och "
        "förvaltaren. Frågor om fakturan besvaras av vår kundtjänst vardagar 8-16 på telefon eller e-post.";
    for (bool extraRader : {false, true}) {
        if (extraRader) sexBeloppsrader();
        for (InbyggdFakturamall mall : {InbyggdFakturamall::Finsk1, InbyggdFakturamall::Finsk2})
            for (size_t poster = 0; poster <= 10; ++poster) {
                SCOPED_TRACE(testing::Message() << poster << " items, extra amount rows: " << extraRader);
                faktura.poster.assign(poster, prov::Post{});
                auto v = vy(mall);
                const auto& sista = v->innehållFörVarjeSida.back();
                const CachatObjekt* moms = medTextSomInnehåller(sista, v->rubrikFörBeloppPerMomsnivå());
                const CachatObjekt* meddelande = medTextSomInnehåller(sista, "Slutbesiktning");
                ASSERT_TRUE(moms && meddelande);
                const cachad::path* regel = sträckor(sista, 0.25);
                ASSERT_TRUE(regel);
                const double regelnsY = segment(regel->path).at(0).first.y;
                const Rect r = ram(*meddelande);
                const double slut = r.y + mätare.boundingSize(*text(*meddelande), {r.width, 10000}).height;
                EXPECT_LE(slut, regelnsY);
                EXPECT_LE(slut, ram(*moms).y);
                // Below the rows laid before it.
                for (const CachatObjekt* o = sista.data(); o != meddelande; ++o)
                    if (text(*o)) {
                        EXPECT_LE(ram(*o).maxY(), r.y + 0.5) << beskriv(sista);
                    }
            }
    }
}

TEST_F(MallFiGiro, LongSenderTableIsFittedToItsFrame) {
    // Every way of payment, written out in full: nine rows, more than the
    // frame holds at full size. Both tables are set smaller by one factor
    // and keep their frames: above the slip, and on FiGiro1 below the
    // band's bar at y 457 to 459. The right one rises by no more than the
    // slack to end at its frame's foot, and keeps left of the F-tax note on
    // its line, which in Dutch is too long to stand right of the frame.
    bok->bankgiro = "123-4567";
    bok->plusgiro = "12 34 56-7";
    bok->swish = "123 456 78 90";
    bok->bank = "Exempelbanken";
    bok->bankkonto = "1234-56 789 01";
    for (const std::string språk : {"en", "nl"})
        for (auto [mall, följesedel] : {std::pair{InbyggdFakturamall::Finsk1, false},
                                        {InbyggdFakturamall::Finsk2, false}, {InbyggdFakturamall::Finsk2, true}}) {
            SCOPED_TRACE(språk);
            faktura.språk_ = språk;
            auto v = vy(mall, följesedel);
            const CachatObjekt* kort = medTextSomInnehåller(v->innehållFörAllaSidor, "Exempel AB");
            const CachatObjekt* lång = medTextSomInnehåller(v->innehållFörAllaSidor, "556000-0000");
            ASSERT_TRUE(kort && lång);
            const double y = följesedel ? 695 : 470;
            const double fot = y + 77;
            EXPECT_EQ(ram(*kort), (Rect{53, y, 189, 77}));
            EXPECT_EQ(ram(*lång).x, 315);
            const CachatObjekt* noten = medTextSomInnehåller(v->innehållFörAllaSidor, *fskattSomVisas(*v));
            ASSERT_TRUE(noten);
            const double notensBörjan = ram(*noten).maxX() - mätare.boundingSize(*text(*noten), {1e4, 1e4}).width;
            EXPECT_EQ(ram(*lång).width, std::min(189.0, std::floor(notensBörjan) - 315));
            EXPECT_EQ(ram(*lång).width < 189, språk == "nl");
            EXPECT_NEAR(ram(*lång).y, y, 0.5);
            EXPECT_NEAR(ram(*lång).maxY(), fot, 0.5);
            const AttributedString& tabell = *text(*lång);
            EXPECT_LE(ram(*lång).y + mätare.boundingSize(tabell, {189, 10000}).height, fot + 0.5);
            const double punkter = storlek(tabell);
            // A delivery note shows neither giros nor the bank account.
            if (!följesedel) {
                EXPECT_LT(punkter, 6);
            }
            EXPECT_GE(punkter, 6 * 0.7 - 1e-9);
            EXPECT_EQ(storlek(*text(*kort)), punkter) << "the rows no longer line up";
        }
}

// The payer's field reaches down towards the signature, whose caption
// starts at y 716 beside the line at 726: a full address abroad keeps the
// values' 9 points, a longer one is set smaller, never below 70 %, and
// neither runs onto the line.
TEST_F(MallFiGiro, APayersAddressFitsItsFieldAboveTheSignature) {
    for (auto [adress, rader] : {std::pair{"Kund GmbH\nExempelweg 6\n10115 Berlin\nTyskland", 4},
                                 {"Kund AB\nAvdelning 7\nAtt: Eva\nBox 12\nPlan 3\nRum 4\nHus 5\nPort 6", 8}}) {
        faktura.företag_ = adress;
        faktura.mottagaradress_.reset();
        auto v = vy();
        const CachatObjekt* betalare = nullptr;
        for (const auto& o : v->innehållFörAllaSidor)
            if (text(o) && ram(o).origin() == Point{70.6, 645}) betalare = &o;
        ASSERT_TRUE(betalare) << beskriv(v->innehållFörAllaSidor);
        const Rect r = ram(*betalare);
        EXPECT_LE(r.maxY(), 716);
        const AttributedString& t = *text(*betalare);
        EXPECT_LE(mätare.boundingSize(t, {r.width, 1000}).height, r.height + 0.5) << rader;
        const double punkter = t.attributesAt(0)->font->pointSize;
        if (rader == 4) {
            EXPECT_EQ(punkter, 9);
        } else {
            EXPECT_LT(punkter, 9);
            EXPECT_GE(punkter, 9 * 0.7 - 1e-9);
        }
    }
}

// On FiGiro1 the seventh row of references, 12 points high, ends at the
// band's upper bar at y 187 rather than on it; fewer rows, and every list
// on FiGiro2, which has no bar, start at y 109.
// Addresses of thirteen lines: two of them more than the column holds
// line by line even at 70 %, one more than the slip's payer field does.
// Run together, the delivery address first, each keeps its town and
// country, within its field and no smaller than 70 %.
TEST_F(MallFiGiro, AddressesTooTallLineByLineRunTogetherWhole) {
    std::string gata = "Box 1", ihop = "Kund AB, Box 1";
    for (int i = 2; i <= 10; ++i) gata += "\nPlan " + std::to_string(i), ihop += ", Plan " + std::to_string(i);
    faktura.mottagaradress_ = prov::Faktura::adress(gata, "10115", "Berlin", "de");
    faktura.leveransadress_ = prov::Faktura::adress(gata, "20095", "Hamburg", "de");
    for (auto mall : {InbyggdFakturamall::Finsk1, InbyggdFakturamall::Finsk2}) {
        auto v = vy(mall);
        const auto& alla = v->innehållFörAllaSidor;
        auto hel = [&](const std::string& slut, double x, double fot) {
            for (const CachatObjekt& o : alla)
                if (const AttributedString* t = text(o); t && ram(o).x == x && t->text().ends_with(slut)) {
                    EXPECT_LE(ram(o).y + mätare.boundingSize(*t, {ram(o).width, 1e4}).height, fot + 0.5);
                    EXPECT_GE(t->attributesAt(0)->font->pointSize, (x == 257 ? 7 : 9) * 0.7 - 1e-9);
                    return t->text();
                }
            ADD_FAILURE() << "no text at x " << x << " ends with " << slut << "\n" << beskriv(alla);
            return std::string();
        };
        const double kolumnensFot = mall == InbyggdFakturamall::Finsk1 ? 185 : 197;
        EXPECT_EQ(hel("Plan 10, 20095 Hamburg, Tyskland", 257, kolumnensFot), ihop + ", 20095 Hamburg, Tyskland");
        hel("Plan 10\u202810115 Berlin\u2028Tyskland", 257, kolumnensFot);
        EXPECT_EQ(hel("Plan 10, 10115 Berlin, Tyskland", 70.6, 713), ihop + ", 10115 Berlin, Tyskland");
    }
}

TEST_F(MallFiGiro, AFullReferenceListEndsAboveTheBandsBar) {
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Eva", faktura.kundnummer_ = "K-1";
    bok->visaKundnummerPåFakturor = true;
    faktura.inköpsordernummer_ = "PO-7", faktura.momsregistreringsnummer_ = "FI123";
    faktura.leveranssätt_ = "Bud";
    EXPECT_EQ(ram(*medText(vy()->innehållFörAllaSidor, "Johan")).y, 109);
    faktura.leveransdatum_ = Datum{20261130};
    auto full = vy();
    const CachatObjekt* sista = medText(full->innehållFörAllaSidor, "2026-11-30");
    ASSERT_TRUE(sista);
    EXPECT_LE(ram(*sista).y + 12, 187);
    EXPECT_EQ(ram(*medText(full->innehållFörAllaSidor, "Johan")).y + 6 * 12, ram(*sista).y);
    EXPECT_EQ(ram(*medText(vy(InbyggdFakturamall::Finsk2)->innehållFörAllaSidor, "Johan")).y, 109);
}

// A delivery note has no slip: the credit terms, the F-tax note and the
// sender's tables stand 225 points lower than on an invoice (the tables at
// y 695), and the rows and the message fill the band down to the terms.
TEST_F(MallFiGiro, DeliveryNoteRowsFillTheBandAboveItsCreditTerms) {
    faktura.kreditvillkor_ = "30 dagar netto";
    faktura.meddelande_ = "Tack";
    bok->godkändFörFSkatt = true;
    prov::Post post;
    post.kommentar_ = "En rad\nTill\nOch en till";
    faktura.poster.assign(60, post);
    for (auto mall : {InbyggdFakturamall::Finsk1, InbyggdFakturamall::Finsk2}) {
        auto v = vy(mall, true);
        const auto& alla = v->innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* villkor = medText(alla, "30 dagar netto");
        ASSERT_TRUE(villkor);
        EXPECT_EQ(ram(*villkor), (Rect{57, 431 + 225, 504, 27}));
        EXPECT_TRUE(medRam(alla, {411, 535 + 225, 161, 13}));
        EXPECT_TRUE(medRam(alla, {53, 695, 189, 77}));
        ASSERT_GE(v->antalSidor(), 2);
        for (const auto& sida : v->innehållFörVarjeSida) {
            double nedersta = 0;
            for (const auto& o : sida)
                if (text(o)) nedersta = std::max(nedersta, ram(o).maxY());
            EXPECT_LE(nedersta, ram(*villkor).y);
            if (&sida == &v->innehållFörVarjeSida.front()) {
                EXPECT_GT(nedersta, 600) << "the rows leave the band empty";
            }
        }
    }
}

TEST_F(MallFiGiro, DeliveryNoteHasNoSlipAndALongerBand) {
    auto v = vy(InbyggdFakturamall::Finsk1, true);
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(sträckor(alla, 0.369));
    EXPECT_FALSE(sträckor(alla, 1.42));
    EXPECT_FALSE(medText(alla, "IBAN"));
    EXPECT_FALSE(medText(alla, "Saaja       Mottagare"));
    EXPECT_FALSE(medTextSomInnehåller(alla, v->rubrikFörFakturanummer()));
    EXPECT_TRUE(ärFylld(alla[0], {0, 188, 595, 595}, Color::rgb(0.89, 0.953, 0.97)));
    EXPECT_TRUE(ärFylld(alla[1], {0, 782, 595, 2}, Color::black()));
    EXPECT_TRUE(medRam(alla, {53, 695, 189, 77}));
    EXPECT_TRUE(medRam(alla, {315, 695, 189, 77}));
    for (const auto& sida : v->innehållFörVarjeSida) {
        EXPECT_FALSE(medText(sida, v->rubrikFörBeloppAttBetala()));
        EXPECT_FALSE(medText(sida, v->rubrikFörNettobelopp()));
    }
}

}  // namespace
