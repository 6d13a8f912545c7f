// Template R with the fixed-width measurer: which fact goes to which slot,
// the turned captions, the orange eighth slot, and what a delivery note
// changes.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace displaylista;

namespace {

const Rect platser[] = {{108, 93, 160, 20},  {115, 118, 160, 20}, {123, 142, 160, 20}, {131, 166, 160, 20},
                        {139, 189, 160, 20}, {157, 644, 300, 17}, {165, 667, 300, 17}, {171, 691, 300, 18}};
const Color vit = Color::white();
const Color orange = Color::rgb(0.851, 0.31, 0.126);

class MallR : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallR() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Regnbåge; }

    std::unique_ptr<Fakturavy> vy(bool följesedel = false) {
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }

    // Purchase order, recipient's VAT number, both references and the
    // customer number: five facts beside the invoice's own three.
    void femFakta() {
        faktura.inköpsordernummer_ = "IO-7";
        faktura.momsregistreringsnummer_ = "SE999";
        faktura.erReferens_ = "Eva";
        faktura.vårReferens_ = "Olle";
        faktura.kundnummer_ = "K-12";
        bok->visaKundnummerPåFakturor = true;
    }

    // Value and caption of each filled slot, in slot order, checked against
    // the slot's frame, its turned caption and its colour.
    std::vector<std::pair<std::string, std::string>> platsinnehåll(const Fakturavy& v) {
        std::vector<std::pair<std::string, std::string>> ut;
        const auto& alla = v.innehållFörAllaSidor;
        for (size_t k = 0; k < std::size(platser); ++k) {
            const Rect& p = platser[k];
            const Color färg = k == 7 ? orange : vit;
            const CachatObjekt* värde = medRam(alla, p);
            if (!värde) break;
            EXPECT_FALSE(värde->transform);
            EXPECT_EQ(text(*värde)->runs().at(0).attributes.foregroundColor, färg) << k;

            // The caption turned about a point 11 left of the slot and 16
            // above its foot.
            const auto vridning =
                AffineTransform::translation(p.x - 11, p.y + p.height - 16).rotated(-0.5585053606381855);
            const auto it = std::find_if(alla.begin(), alla.end(),
                                         [&](const CachatObjekt& o) { return o.transform == vridning; });
            if (it == alla.end()) {
                ADD_FAILURE() << "no caption for slot " << k;
                break;
            }
            const CachatObjekt& rubrik = *it;
            EXPECT_EQ(ram(rubrik), (Rect{-210, -2, 201, 15}));
            const auto& attribut = text(rubrik)->runs().at(0).attributes;
            EXPECT_EQ(attribut.foregroundColor, färg) << k;
            EXPECT_EQ(attribut.paragraphStyle->alignment, TextAlignment::right);
            ut.emplace_back(text(*värde)->text(), text(rubrik)->text());
        }
        return ut;
    }
};

TEST_F(MallR, SlotsTakeTheInvoicesOwnFactsFirstThenWhatThereIsRoomFor) {
    auto v = vy();
    using P = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(platsinnehåll(*v), (P{{"1042", v->rubrikFörFakturanummer()},
                                    {"2026-12-01", v->rubrikFörFakturadatum()},
                                    {"2026-12-31", v->rubrikFörFörfallodatum()},
                                    {v->rubrikFörDagar(), v->rubrikFörBetalningsvillkor()}}));

    // Five more facts fill slots 4 to 8; the payment terms find no slot.
    femFakta();
    auto full = vy();
    EXPECT_EQ(platsinnehåll(*full), (P{{"1042", v->rubrikFörFakturanummer()},
                                       {"2026-12-01", v->rubrikFörFakturadatum()},
                                       {"2026-12-31", v->rubrikFörFörfallodatum()},
                                       {"IO-7", v->rubrikFörInköpsordernummer()},
                                       {"SE999", v->rubrikFörMottagarensMomsregistreringsnummer()},
                                       {"Eva", v->rubrikFörErReferens()},
                                       {"Olle", v->rubrikFörVårReferens()},
                                       {"K-12", *full->rubrikFörKundnummer()}}));

    // One absent: the terms move into slot 8 and turn orange.
    faktura.erReferens_.reset();
    auto utanReferens = vy();
    auto innehåll = platsinnehåll(*utanReferens);
    ASSERT_EQ(innehåll.size(), 8u);
    EXPECT_EQ(innehåll[7], (std::pair{v->rubrikFörDagar(), v->rubrikFörBetalningsvillkor()}));
}

TEST_F(MallR, DeliveryNoteListsTheOtherFactsFirstButNeverCutsTheInvoicesOwn) {
    femFakta();
    faktura.poster = {prov::Post()};
    auto v = vy(true);
    using P = std::vector<std::pair<std::string, std::string>>;
    // Nine facts for eight slots: the payment terms give way, not the due
    // date.
    EXPECT_EQ(platsinnehåll(*v), (P{{"IO-7", v->rubrikFörInköpsordernummer()},
                                    {"SE999", v->rubrikFörMottagarensMomsregistreringsnummer()},
                                    {"Eva", v->rubrikFörErReferens()},
                                    {"Olle", v->rubrikFörVårReferens()},
                                    {"K-12", *v->rubrikFörKundnummer()},
                                    {"1042", v->rubrikFörFakturanummer()},
                                    {"2026-12-01", v->rubrikFörFakturadatum()},
                                    {"2026-12-31", v->rubrikFörFörfallodatum()}}));
    EXPECT_FALSE(medText(v->innehållFörAllaSidor, versaler(v->rubrikFörBeloppAttBetala())));
    for (const auto& sida : v->innehållFörVarjeSida) EXPECT_FALSE(medText(sida, v->rubrikFörNettobelopp()));

    // With room for all, nothing is cut and the order stays.
    faktura.kundnummer_.reset();
    auto åtta = vy(true);
    auto innehåll = platsinnehåll(*åtta);
    ASSERT_EQ(innehåll.size(), 8u);
    EXPECT_EQ(innehåll[4].second, v->rubrikFörBetalningsvillkor());
    EXPECT_EQ(innehåll[7].first, "2026-12-31");
}

TEST_F(MallR, TaxDeductionFactsFollowTheKindOfProperty) {
    struct Fall {
        Skatteavdrag avdrag;
        std::string visas, visasInte;
    } fall[] = {
        {Skatteavdrag::rot("19700101-1234", std::nullopt, prov::D("1"), Rotuppgifter::hus("Eken 1:2"),
                           Skatteavdrag::standardFörROT()),
         "Eken 1:2", "1101"},
        {Skatteavdrag::rot("19700101-1234", std::nullopt, prov::D("1"), Rotuppgifter::bostadsrätt("BRF Eken", "1101"),
                           Skatteavdrag::standardFörROT()),
         "1101", "Eken 1:2"},
    };
    for (const Fall& f : fall) {
        faktura.skatteavdrag_ = f.avdrag;
        auto v = vy();
        auto innehåll = platsinnehåll(*v);
        auto har = [&](const std::string& t) {
            return std::any_of(innehåll.begin(), innehåll.end(), [&](const auto& p) { return p.first == t; });
        };
        EXPECT_TRUE(har(f.visas)) << f.visas;
        EXPECT_FALSE(har(f.visasInte)) << f.visasInte;
        EXPECT_TRUE(har("19700101-1234"));
    }
}

TEST_F(MallR, AmountToPayOnEveryPageAmountRowsOnTheLast) {
    faktura.poster.assign(30, prov::Post());
    auto v = vy();
    ASSERT_GE(v->antalSidor(), 2);
    const auto& alla = v->innehållFörAllaSidor;
    const CachatObjekt* rubrik = medText(alla, versaler(v->rubrikFörBeloppAttBetala()));
    const CachatObjekt* belopp = medText(alla, v->belopp(faktura.attBetala_));
    ASSERT_TRUE(rubrik && belopp);
    EXPECT_EQ(ram(*rubrik), (Rect{319, 596, 219, 20}));
    EXPECT_EQ(ram(*belopp), (Rect{319, 596, 219, 20}));
    for (int i = 0; i + 1 < v->antalSidor(); ++i) EXPECT_FALSE(medText(v->innehållFörVarjeSida[i], v->rubrikFörNettobelopp()));
    const CachatObjekt* netto = medText(v->innehållFörVarjeSida.back(), v->rubrikFörNettobelopp());
    ASSERT_TRUE(netto);
    EXPECT_EQ(ram(*netto), (Rect{319, 508, 219, 15}));

    const CachatObjekt* adress = medTextSomInnehåller(alla, "Storgatan 1");
    ASSERT_TRUE(adress);
    EXPECT_EQ(ram(*adress), (Rect{382, 104, 182, 113}));
    EXPECT_EQ(text(*adress)->runs().at(0).attributes.foregroundColor, Color::rgb(0, 0.543, 0.224));
}

TEST_F(MallR, SenderAddressIsWrittenForTheRecipientsCountry) {
    faktura.mottagaradress_ = prov::Faktura::adress("Hauptstraße 1", "10115", "Berlin", "de");
    auto utländsk = vy();
    const CachatObjekt* a = medRam(utländsk->innehållFörAllaSidor, {146, 733, 145, 73});
    ASSERT_TRUE(a);
    EXPECT_NE(text(*a)->text().find("Schweden"), std::string::npos) << text(*a)->text();

    faktura.mottagaradress_.reset();
    auto utan = vy();
    const CachatObjekt* b = medRam(utan->innehållFörAllaSidor, {146, 733, 145, 73});
    ASSERT_TRUE(b);
    EXPECT_EQ(text(*b)->text().find("Schweden"), std::string::npos);
    EXPECT_NE(text(*b)->text().find("Kungsgatan 2"), std::string::npos);
    EXPECT_NE(text(*b)->text().find("AVSÄNDARE"), std::string::npos);
}

// A purchase-order number of 40 characters of 5.5 points is wider than its
// slot, 160: it is set smaller to keep to the slot's line on the stripes.
TEST_F(MallR, ALongValueIsSetSmallerToKeepToItsSlotsLine) {
    faktura.inköpsordernummer_ = "PO-2026-0042 / Lager Nord / Projekt Ekan";
    auto v = vy();
    const CachatObjekt* värde = medRam(v->innehållFörAllaSidor, platser[3]);
    ASSERT_TRUE(värde) << beskriv(v->innehållFörAllaSidor);
    const AttributedString& t = *text(*värde);
    EXPECT_EQ(t.text(), *faktura.inköpsordernummer_);
    EXPECT_LT(t.runs().at(0).attributes.font->pointSize, 11);
    EXPECT_LE(mätare.boundingSize(t, {10000, 10000}).width, platser[3].width);
}

TEST_F(MallR, ContactTableKeepsEveryWayOfPaymentInItsRoom) {
    EXPECT_TRUE(medRam(vy()->innehållFörAllaSidor, {294, 732, 184, 103}));

    // Four contact rows and seven payment rows: 11 rows of 10 points with
    // 3 between them, 140 high, more than the frame; the table rises to
    // below slot 8 and is set smaller to end at the paper's margin.
    bok->telefon = "031-1", bok->fax = "031-2", bok->email = "a@b.se", bok->hemsida = "b.se";
    prov::allaBetalningssätt(*bok);
    faktura.språk_ = "en";
    auto v = vy();
    ASSERT_EQ(v->betalningsinformation().size(), 7u);
    const auto& alla = v->innehållFörAllaSidor;
    const auto tabell = std::find_if(alla.begin(), alla.end(), [](const CachatObjekt& o) {
        return text(o) && text(o)->text().find("1234-56 789 01") != std::string::npos;
    });
    ASSERT_NE(tabell, alla.end()) << beskriv(alla);
    const Rect r = ram(*tabell);
    EXPECT_EQ(r.x, 294);
    EXPECT_GE(r.y, 718 - 0.5);
    EXPECT_LE(r.y + mätare.boundingSize(*text(*tabell), {184, 10000}).height, 835.5);
}

}  // namespace
