#include "Displaylista.h"
#include "Stegvy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <gtest/gtest.h>

namespace {

using displaylista::beskriv;
using displaylista::ram;
using displaylista::text;

// A grey PNG of 2 x 1 pixels, made by hand (signature, IHDR, one IDAT, IEND).
const Bytes kLogotyp = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0xd1, 0x49, 0x20, 0x56, 0x00,
    0x00, 0x00, 0x0b, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0x60, 0xf8, 0x0f, 0x00, 0x01, 0x02, 0x01,
    0x00, 0x42, 0xbe, 0xbc, 0x68, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

const Rect logotypram{40, 30, 120, 60}, titelram{350, 40, 200, 30}, påminnelseram{350, 75, 200, 15},
    villkorsram{40, 780, 300, 20}, fskattsram{40, 800, 300, 12};
const TextAttributes titelattribut = prov::attribut(24), påminnelseattribut = prov::attribut(11),
                     villkorsattribut = prov::attribut(8), fskattattribut = prov::attribut(7);

// The title the invoice gives depends on the delivery-note flag.
struct Följesedelsfaktura : prov::Faktura {
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const override {
        if (mall) return "a template was passed";
        return följesedel ? "Följesedel" : "Faktura";
    }
};

// The title block's objects as a plan of their own places them.
void lagdaPåPlanen(Fakturavy& vy, const Rect& logotyp, const TextAttributes& titel, const Rect& titelns,
                   const TextAttributes& påminnelse, const Rect& påminnelsens, const TextAttributes& villkor,
                   const Rect& villkorens, const TextAttributes& fskatt, const Rect& fskattens) {
    rumsplan::Plan plan(vy);
    vy.läggTillInnehållMedRamFörLogotyp(plan, logotyp, titel, titelns, påminnelse, påminnelsens, villkor, villkorens,
                                        fskatt, fskattens);
    std::move(plan).placera();
}

struct Huvud {
    std::optional<Bytes> logotyp{};
    std::optional<std::string> påminnelse{};
    std::optional<std::string> egnaVillkor{};
    std::vector<std::pair<std::string, std::string>> bokföringensVillkor{};
    std::string språk = "sv";
    bool fskatt = true;
    bool följesedel = false;
};

// Each object as "logo", or its text.
std::vector<std::string> läggTill(const Huvud& h, std::vector<CachatObjekt>* objekt = nullptr) {
    prov::Stegvy steg;
    Följesedelsfaktura faktura;
    steg.bok->logotyp = h.logotyp;
    steg.bok->kreditvillkor = h.bokföringensVillkor;
    steg.bok->godkändFörFSkatt = h.fskatt;
    faktura.påminnelsetext_ = h.påminnelse;
    faktura.kreditvillkor_ = h.egnaVillkor;
    faktura.språk_ = h.språk;
    faktura.inbyggdFakturamall_.reset();
    Fakturavy vy(faktura, *steg.bok, h.följesedel, steg.mätare);
    lagdaPåPlanen(vy, logotypram, titelattribut, titelram, påminnelseattribut, påminnelseram,
                                        villkorsattribut, villkorsram, fskattattribut, fskattsram);
    EXPECT_TRUE(vy.innehållFörVarjeSida.empty());
    std::vector<std::string> ut;
    for (const auto& o : vy.innehållFörAllaSidor) ut.push_back(text(o) ? text(o)->text() : "logo");
    if (objekt) *objekt = vy.innehållFörAllaSidor;
    return ut;
}

TEST(Titelblock, AllFiveInTheirFramesInOrder) {
    std::vector<CachatObjekt> objekt;
    auto ut = läggTill({.logotyp = kLogotyp, .påminnelse = "Påminnelse", .egnaVillkor = "30 dagar netto"}, &objekt);
    ASSERT_EQ(ut, (std::vector<std::string>{"logo", "Faktura", "Påminnelse", "30 dagar netto", "Godkänd för F-skatt"}))
        << beskriv(objekt);
    auto* bild = std::get_if<cachad::image>(&objekt[0].data);
    ASSERT_TRUE(bild);
    EXPECT_EQ(bild->frame, logotypram);
    EXPECT_EQ(bild->image->size(), (Size{2, 1}));
    const std::pair<Rect, TextAttributes> väntat[] = {
        {titelram, titelattribut}, {påminnelseram, påminnelseattribut},
        {villkorsram, villkorsattribut}, {fskattsram, fskattattribut}};
    for (int i = 0; i < 4; ++i) {
        const CachatObjekt& o = objekt[i + 1];
        EXPECT_EQ(o.data.index(), 1u);
        EXPECT_EQ(ram(o), väntat[i].first) << i;
        EXPECT_EQ(*text(o), AttributedString(ut[i + 1], väntat[i].second)) << i;
    }
    for (const auto& o : objekt) EXPECT_FALSE(o.clippingRect || o.transform);
}

TEST(Titelblock, EachItemOnlyUnderItsCondition) {
    using Texter = std::vector<std::string>;
    const std::vector<std::pair<std::string, std::string>> svenska = {{"sv", "Betalning inom 30 dagar"}},
                                                           båda = {{"sv", "30 dagar"}, {"en", "30 days net"}};
    struct {
        const char* namn;
        Huvud huvud;
        Texter väntat;
    } fall[] = {
        {"usual: no logo, no reminder, no terms", {}, {"Faktura", "Godkänd för F-skatt"}},
        {"bytes that are no image", {.logotyp = Bytes{1, 2, 3}}, {"Faktura", "Godkänd för F-skatt"}},
        {"empty reminder", {.påminnelse = ""}, {"Faktura", "Godkänd för F-skatt"}},
        {"not approved for F-tax", {.fskatt = false}, {"Faktura"}},
        {"ledger's terms for the language", {.bokföringensVillkor = båda, .språk = "en"},
         {"Faktura", "30 days net", "Registered for tax."}},
        {"ledger's terms only in another language", {.bokföringensVillkor = svenska, .språk = "en"},
         {"Faktura", "Registered for tax."}},
        {"own terms win", {.egnaVillkor = "Netto 10", .bokföringensVillkor = båda}, {"Faktura", "Netto 10",
                                                                                      "Godkänd för F-skatt"}},
        {"own empty terms hide the ledger's", {.egnaVillkor = "", .bokföringensVillkor = båda},
         {"Faktura", "Godkänd för F-skatt"}},
        {"F-tax note in Norwegian", {.språk = "nb"}, {"Faktura", "Godkjent for F-skatt"}},
        // A language without a table gives the running language's text.
        {"F-tax note in Portuguese", {.språk = "pt"}, {"Faktura", "Registered for tax."}},
        {"delivery note", {.påminnelse = "Påminnelse", .egnaVillkor = "Netto 10", .följesedel = true},
         {"Följesedel", "Påminnelse", "Netto 10", "Godkänd för F-skatt"}},
    };
    for (const auto& f : fall) EXPECT_EQ(läggTill(f.huvud), f.väntat) << f.namn;
}

TEST(Titelblock, AnEmptyTitleIsLeftOut) {
    for (std::optional<std::string> titel : {std::optional<std::string>(""), std::optional<std::string>()}) {
        prov::Stegvy steg;
        steg.faktura.rubriktext_ = titel;
        steg.bok->godkändFörFSkatt = false;
        auto vy = steg.vy();
        lagdaPåPlanen(*vy, logotypram, titelattribut, titelram, påminnelseattribut, påminnelseram,
                                             villkorsattribut, villkorsram, fskattattribut, fskattsram);
        EXPECT_TRUE(vy->innehållFörAllaSidor.empty()) << beskriv(vy->innehållFörAllaSidor);
    }
}

// A text that would wrap past its frame is set smaller, down to 70 %,
// until it keeps to its line: the Dutch F-tax note, 38 characters of 3.5
// points, in a frame 120 wide and one line high.
TEST(Titelblock, ATextThatWouldWrapPastItsFrameIsSetSmallerToKeepToItsLine) {
    prov::Stegvy steg;
    steg.faktura.språk_ = "nl";
    auto vy = steg.vy();
    const Rect smal{40, 800, 120, 12};
    lagdaPåPlanen(*vy, logotypram, titelattribut, titelram, påminnelseattribut, påminnelseram,
                                         villkorsattribut, villkorsram, fskattattribut, smal);
    const CachatObjekt& fskatt = vy->innehållFörAllaSidor.back();
    ASSERT_EQ(text(fskatt)->text(), "Geregistreerd voor belastingdoeleinden");
    EXPECT_EQ(ram(fskatt), smal);
    const double storlek = text(fskatt)->runs().front().attributes.font->pointSize;
    EXPECT_LT(storlek, 7);
    EXPECT_GE(storlek, 7 * 0.7);
    const Size s = steg.mätare.boundingSize(*text(fskatt), {smal.width, 1000});
    EXPECT_LE(s.height, smal.height);
    EXPECT_LE(s.width, smal.width);
}

}  // namespace
