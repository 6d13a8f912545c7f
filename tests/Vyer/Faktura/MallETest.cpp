// Template E with the fixed-width measurer: the arrow boxes, the heading
// boxes and their positions, and the template's own frames.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"
#include "Stegvy.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Pilbana.h"
#include "Vyer/Faktura/Rubrikrutor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace displaylista;

namespace {

// The frame of the first object with exactly that text; a failure and an
// empty frame when there is none.
Rect ramFör(const std::vector<CachatObjekt>& lista, const std::string& t) {
    const CachatObjekt* o = medText(lista, t);
    if (!o) {
        ADD_FAILURE() << "no '" << t << "'";
        return {};
    }
    return ram(*o);
}

// ---- Arrow boxes ---------------------------------------------------------

struct Utsträckning {
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    void ta(Point p) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
};

// The path starts with the tab (a move and three curves), then the body
// (eight elements), then closes.
struct Pil {
    Utsträckning flik, kropp;
};

Pil mät(const BezierPath& p) {
    Pil pil;
    const auto& e = p.elements();
    EXPECT_EQ(e.size(), 13u);
    for (size_t i = 0; i <= 3; ++i) pil.flik.ta(e[i].point);
    for (size_t i = 3; i <= 11; ++i) pil.kropp.ta(e[i].point);
    return pil;
}

TEST(MallEPilbana, BodyFillsTheWidthTheTabKeepsItsPlaceAndSize) {
    // s = 46 / 460 = 0.1: the body is 478 s = 47.8 high, the tab starts
    // 182 s = 18.2 right of the left edge and is 341 s = 34.1 wide. Up,
    // the body rests on the rectangle's foot and the tab's top is 15.8
    // above its top; down, the body hangs from its top and the tab reaches
    // 61.8 below it.
    struct Fall {
        Pilriktning riktning;
        double kroppensTopp, fliksTopp, fliksFot;
    } fall[] = {{Pilriktning::uppåt, 146 - 47.8, 100 - 15.8, 146 - 47.8},
                {Pilriktning::nedåt, 100, 100 + 47.8, 100 + 61.8}};
    for (const Fall& f : fall)
        for (double bredd : {100.0, 200.0}) {
            SCOPED_TRACE(bredd);
            Pil pil = mät(pilbana({10, 100, bredd, 46}, f.riktning));
            EXPECT_NEAR(pil.kropp.minX, 10, 1e-9);
            EXPECT_NEAR(pil.kropp.maxX, 10 + bredd, 1e-9);
            EXPECT_NEAR(pil.kropp.minY, f.kroppensTopp, 1e-9);
            EXPECT_NEAR(pil.kropp.maxY - pil.kropp.minY, 47.8, 1e-9);
            EXPECT_NEAR(pil.flik.minX, 10 + 18.2, 1e-9);
            EXPECT_NEAR(pil.flik.maxX - pil.flik.minX, 34.1, 1e-9);
            EXPECT_NEAR(pil.flik.minY, f.fliksTopp, 1e-9);
            EXPECT_NEAR(pil.flik.maxY, f.fliksFot, 1e-9);
        }
}

// ---- Heading positions ---------------------------------------------------

TEST(MallERubrikrutor, PositionsPushBoxesApartFromTheEndsInward) {
    struct Fall {
        const char* namn;
        std::vector<double> bredder, förslag, väntat;
    } fall[] = {
        {"two collisions mended in one pass", {40, 40, 40, 40}, {100, 120, 300, 320}, {100, 158, 262, 320}},
        {"a collision with two fixed neighbours stays", {40, 40, 40}, {30, 60, 120}, {49, 107, 120}},
        {"two boxes are only pulled inside", {40, 60}, {10, 560}, {49, 536}},
        {"a last box sticking out on the right", {40, 40, 40}, {100, 300, 560}, {100, 300, 546}},
        {"a collision of -0.05 moves nothing", {40, 40, 40, 40}, {100, 200, 257.95, 400}, {100, 200, 257.95, 400}},
        {"positions beyond the widths come back", {40}, {300, 999}, {300, 999}},
        {"no boxes", {}, {5, 6}, {5, 6}},
    };
    for (const Fall& f : fall) {
        auto svar = nyaPositionerFörEgnaRubrikerMedBredder(f.bredder, f.förslag, {24, 0, 547, 0}, 5, 8);
        ASSERT_EQ(svar.size(), f.väntat.size()) << f.namn;
        for (size_t i = 0; i < svar.size(); ++i) EXPECT_NEAR(svar[i], f.väntat[i], 1e-9) << f.namn << " " << i;
    }
}

// The objects the headings' boxes and texts make on a plan of their own.
std::vector<CachatObjekt> rutorPåPlan(prov::Stegvy& steg, const std::vector<AttributedString>& rubriker,
                                      const std::vector<double>& förslag) {
    auto vy = steg.vy();
    rumsplan::Plan plan(*vy);
    rubrikrutor(steg.mätare, Color::white(), Color::black())(plan, rubriker, förslag);
    std::move(plan).placera();
    return vy->innehållFörAllaSidor;
}

TEST(MallERubrikrutor, BoxesAreEqualWhenTheWidestFitsAndShrinkAlikeWhenNothingFits) {
    prov::Stegvy steg;
    FastMätare& mätare = steg.mätare;
    auto rutor = [&](const std::vector<AttributedString>& r, const std::vector<double>& f) {
        return rutorPåPlan(steg, r, f);
    };
    EXPECT_TRUE(rutor({}, {}).empty());

    auto rubrik = [&](const std::string& t, double bredd) {
        mätare.fasta[t] = {bredd, 12};
        return AttributedString(t);
    };

    // 50, 60 and 70: all boxes 70 + 10 wide, box then text, around the
    // proposed centres.
    auto tre = rutor({rubrik("A", 50), rubrik("B", 60), rubrik("C", 70)}, {100, 300, 500});
    ASSERT_EQ(tre.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        const double x = 100 + 200 * i - 40;
        const auto* ruta = std::get_if<cachad::path>(&tre[2 * i].data);
        ASSERT_TRUE(ruta);
        EXPECT_EQ(ruta->path, [&] {
            BezierPath p = BezierPath::roundedRect({x, 224, 80, 19}, 3, 3);
            p.lineWidth = 2;
            return p;
        }());
        EXPECT_EQ(ruta->fill, Color::white());
        EXPECT_EQ(ruta->stroke, Color::black());
        EXPECT_EQ(ram(tre[2 * i + 1]), (Rect{x, 223, 80, 19}));
        EXPECT_EQ(text(tre[2 * i + 1])->text(), std::string(1, 'A' + i));
    }

    // 497 in all: every width shrinks by 3.5 and the row fills 547.
    auto fyra = rutor({rubrik("D", 100), rubrik("E", 100), rubrik("F", 100), rubrik("G", 197)}, {0, 200, 350, 600});
    ASSERT_EQ(fyra.size(), 8u);
    double summa = 0;
    for (int i = 0; i < 4; ++i) summa += ram(fyra[2 * i + 1]).width;
    EXPECT_NEAR(ram(fyra[7]).width, 197 - 3.5 + 10, 1e-9);
    EXPECT_NEAR(summa + 3 * 8, 547, 1e-9);
    EXPECT_NEAR(ram(fyra[1]).x, 24, 1e-9);
    EXPECT_NEAR(ram(fyra[7]).x + ram(fyra[7]).width, 571, 1e-9);
}

TEST(MallERubrikrutor, BoxesNeverMeetAndHoldTheirTexts) {
    prov::Stegvy steg;
    FastMätare& mätare = steg.mätare;
    auto rutor = [&](const std::vector<AttributedString>& r, const std::vector<double>& f) {
        return rutorPåPlan(steg, r, f);
    };
    auto rubrik = [](size_t tecken) { return AttributedString(std::string(tecken, 'X'), {.font = Font{"", 10}}); };
    struct Fall {
        const char* namn;
        std::vector<size_t> tecken;
        std::vector<double> förslag;
    } fall[] = {
        // The pushes from the ends leave the middle box over the last.
        {"a collision the pushes leave", {8, 8, 8}, {30, 60, 120}},
        // 800 points of text for a row of 547: set smaller alike, then
        // wrapped in their boxes.
        {"texts too wide for the row", {40, 40, 40, 40}, {100, 200, 300, 400}},
    };
    for (const Fall& f : fall) {
        std::vector<AttributedString> texter;
        for (size_t n : f.tecken) texter.push_back(rubrik(n));
        const auto objekt = rutor(texter, f.förslag);
        ASSERT_EQ(objekt.size(), 2 * texter.size()) << f.namn;
        for (size_t i = 0; i < texter.size(); ++i) {
            const Rect ruta = ram(objekt[2 * i]);
            EXPECT_GE(ruta.minX(), 24 - 1e-9) << f.namn;
            EXPECT_LE(ruta.maxX(), 571 + 1e-9) << f.namn;
            if (i > 0) {
                EXPECT_GE(ruta.minX(), ram(objekt[2 * i - 2]).maxX() + 8 - 1e-9) << f.namn << " " << i;
            }
            const Rect t = ram(objekt[2 * i + 1]);
            for (const Rect& rad : mätare.extent(*text(objekt[2 * i + 1]), t, TextDrawingMode::fromTopLeft).lines)
                EXPECT_LE(rad.maxX(), ruta.maxX() + 1e-9) << f.namn << " " << i;
        }
    }
}

// ---- The template --------------------------------------------------------

class MallE : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallE() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Piktogram; }

    std::unique_ptr<Fakturavy> vy(bool följesedel = false) {
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }
};

TEST_F(MallE, ArrowBoxesAroundTheAmountAndTheDueDate) {
    {
        auto v = vy();
        mätare.fasta[versaler(v->rubrikFörBeloppAttBetala())] = {60, 13};
        mätare.fasta[versaler(v->rubrikFörFörfallodatum())] = {80, 13};
        mätare.fasta["2026-12-31"] = {100, 27};
    }
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    // w = 80 + 24 = 104; (187.5, 590, 104, 40) and (303.5, 589, 104, 40)
    // made integral.
    const Rect r1{187, 590, 105, 40}, r2{303, 589, 105, 40};
    auto pil = [&](const BezierPath& väntad) -> const cachad::path* {
        for (const auto& o : alla)
            if (auto* p = std::get_if<cachad::path>(&o.data); p && p->path.elements() == väntad.elements()) return p;
        return nullptr;
    };
    const auto* svart = pil(pilbana(r1, Pilriktning::uppåt));
    ASSERT_TRUE(svart);
    EXPECT_EQ(svart->fill, Color::black());
    EXPECT_FALSE(svart->stroke);
    const auto* vit = pil(pilbana(r2, Pilriktning::nedåt));
    ASSERT_TRUE(vit);
    EXPECT_EQ(vit->fill, Color::white());
    EXPECT_EQ(vit->stroke, Color::black());
    EXPECT_EQ(vit->path.lineWidth, 2);

    const CachatObjekt* a = medText(alla, versaler(v->rubrikFörBeloppAttBetala()));
    ASSERT_TRUE(a);
    EXPECT_EQ(ram(*a), (Rect{187, 600, 105, 40}));
    EXPECT_EQ(text(*a)->runs().at(0).attributes.foregroundColor, Color::white());
    EXPECT_EQ(ramFör(alla, versaler(v->rubrikFörFörfallodatum())), (Rect{303, 600, 105, 40}));
    EXPECT_EQ(ramFör(alla, v->belopp(faktura.attBetala_)), (Rect{187, 529, 105, 40}));
    EXPECT_EQ(ramFör(alla, "2026-12-31"), (Rect{308, 649, 105, 35}));
    EXPECT_EQ(ramFör(alla, versaler(v->rubrikFörBetalningsvillkor() + " " + v->rubrikFörDagar())), (Rect{167, 655, 145, 15}));

    // The item table spreads the columns itself; the heading padding stays.
    EXPECT_EQ(v->rubrikutfyllnad, 5);

    // An amount wider than its box keeps to one line.
    mätare.fasta[v->belopp(faktura.attBetala_)] = {150, 27};
    EXPECT_EQ(ramFör(vy()->innehållFörAllaSidor, v->belopp(faktura.attBetala_)), (Rect{187, 529, 150, 40}));
}

TEST_F(MallE, HeadingBoxesStandInTheirRowAboveTheItems) {
    faktura.poster = {prov::Post()};
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;
    int rutor = 0;
    for (const auto& o : alla)
        if (auto* p = std::get_if<cachad::path>(&o.data); p && p->stroke && ram(o).y == 224) {
            ++rutor;
            EXPECT_GE(ram(o).minX(), 24);
            EXPECT_LE(ram(o).maxX(), 571);
        }
    EXPECT_EQ(rutor, 4);  // item text, quantity, price, amount
    EXPECT_TRUE(medText(alla, versaler(v->rubrikFörStyckpris())));
}

TEST_F(MallE, SenderTablesRiseWithASeventhContactRow) {
    bok->telefon = "031-1", bok->fax = "031-2", bok->email = "a@b.se", bok->hemsida = "b.se";
    bok->bankgiro = "123-4567", bok->plusgiro = "12 34 56-7";
    struct Fall {
        bool swish;
        double y, h;
    } fall[] = {{false, 729, 91}, {true, 723, 97}};
    for (const Fall& f : fall) {
        bok->swish = f.swish ? std::optional<std::string>("123 456 78 90") : std::nullopt;
        auto v = vy();
        SCOPED_TRACE(beskriv(v->innehållFörAllaSidor));
        // The sender's own table ends 5 points above the F-tax note.
        const double fot = bok->godkändFörFSkatt ? 806 : f.y + f.h;
        const auto* s = medRam(v->innehållFörAllaSidor, {45, f.y, 176, fot - f.y});
        ASSERT_TRUE(s);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(s->data));
        EXPECT_NE(text(*s)->text().find("Exempel AB"), std::string::npos);
        const auto* c = medRam(v->innehållFörAllaSidor, {227, f.y, 196, f.h});
        ASSERT_TRUE(c);
        EXPECT_NE(text(*c)->text().find("123-4567"), std::string::npos);
    }
}

TEST_F(MallE, AmountRowsAndTotalFollowTheNumberOfRows) {
    // Net and VAT: two rows, y0 = 408 - 7 = 401.
    auto v = vy();
    ASSERT_EQ(v->antalBeloppsrader(false), 2);
    const auto& sista = v->innehållFörVarjeSida.back();
    SCOPED_TRACE(beskriv(sista));
    EXPECT_EQ(ramFör(sista, versaler(v->rubrikFörNettobelopp())), (Rect{340, 426, 188, 15}));
    EXPECT_EQ(ramFör(sista, v->rubrikFörTotaltBelopp()), (Rect{340, 457, 188, 15}));

    // Five rows: y0 = 422, rows from 405, the total at 492.
    faktura.rabatt_ = prov::D("0.1");
    faktura.skatteavdrag_ = Skatteavdrag::rut("19700101-1234", std::nullopt, prov::D("1"), std::nullopt);
    faktura.avdragsbelopp_ = prov::D("30");
    faktura.öresutjämna_ = true;
    faktura.öresutjämningsbelopp_ = prov::D("0.4");
    auto fem = vy();
    ASSERT_EQ(fem->antalBeloppsrader(false), 5);
    const auto& sistaFem = fem->innehållFörVarjeSida.back();
    EXPECT_EQ(ramFör(sistaFem, versaler(fem->rubrikFörNettobelopp())), (Rect{340, 405, 188, 15}));
    EXPECT_EQ(ramFör(sistaFem, fem->rubrikFörTotaltBelopp()), (Rect{340, 492, 188, 15}));
}

TEST_F(MallE, CreditTermsPictogramIsWhitedOutWhenNoTermsShow) {
    const Rect fläck{36, 462, 21, 27};
    auto vitFläck = [&](const Fakturavy& v) {
        const auto* o = medRam(v.innehållFörAllaSidor, fläck);
        return o && std::get<cachad::path>(o->data).fill == Color::white();
    };
    EXPECT_TRUE(vitFläck(*vy()));
    faktura.kreditvillkor_ = "30 dagar netto";
    EXPECT_FALSE(vitFläck(*vy()));
    EXPECT_TRUE(vitFläck(*vy(true)));
    // The ledger's terms for the invoice's language show as well.
    faktura.kreditvillkor_.reset();
    bok->sättKreditvillkor("sv", "Dröjsmålsränta debiteras.");
    EXPECT_FALSE(vitFläck(*vy()));
}

TEST_F(MallE, DeliveryNoteHasNoDateBlockArrowsOrAmounts) {
    faktura.poster = {prov::Post()};
    auto v = vy(true);
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medRam(alla, {443, 64, 114, 20}));
    EXPECT_FALSE(medText(alla, versaler(v->rubrikFörBeloppAttBetala())));
    EXPECT_FALSE(medText(alla, "2026-12-31"));
    EXPECT_TRUE(medText(alla, "1042"));
    for (const auto& sida : v->innehållFörVarjeSida) EXPECT_FALSE(medText(sida, v->rubrikFörTotaltBelopp()));
}

TEST_F(MallE, DeliveryNoteWhitesOutThePanelOnItsLastPageToo) {
    faktura.kreditvillkor_ = "30 dagar netto";
    const Rect panel{20, 398, 560, 110};
    auto v = vy(true);
    const CachatObjekt* vitt = medRam(v->innehållFörAllaSidor, panel);
    ASSERT_TRUE(vitt);
    EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
    // The credit terms, which it would hide, stand on an invoice's last page only.
    EXPECT_FALSE(medText(v->innehållFörAllaSidor, "30 dagar netto"));
    for (const auto& sida : v->innehållFörVarjeSida) EXPECT_FALSE(medText(sida, "30 dagar netto"));
    auto faktura = vy();
    EXPECT_FALSE(medRam(faktura->innehållFörAllaSidor, panel));
    EXPECT_TRUE(medText(faktura->innehållFörVarjeSida.back(), "30 dagar netto"));
}

TEST_F(MallE, FactTablesAndTheWhiteAreaOnEarlierPages) {
    faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", std::nullopt, prov::D("1"),
                                              Rotuppgifter::bostadsrätt("BRF Eken", "1101"),
                                              Skatteavdrag::standardFörROT());
    faktura.leveransdatum_ = Datum{20261130};
    faktura.poster.assign(40, prov::Post());
    auto v = vy();
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const auto* referenser = medRam(alla, {389, 135, 165, 77});
    ASSERT_TRUE(referenser);
    EXPECT_NE(text(*referenser)->text().find("1101"), std::string::npos);
    EXPECT_EQ(text(*referenser)->text().find(*v->rubrikFörFastighetsbeteckning()), std::string::npos);
    const auto* leverans = medRam(alla, {217, 135, 165, 77});
    ASSERT_TRUE(leverans);
    EXPECT_NE(text(*leverans)->text().find("2026-11-30"), std::string::npos);
    const auto* mottagare = medRam(alla, {45, 135, 165, 77});
    ASSERT_TRUE(mottagare);
    EXPECT_NE(text(*mottagare)->text().find("Storgatan 1"), std::string::npos);

    ASSERT_GE(v->antalSidor(), 2);
    for (int i = 0; i + 1 < v->antalSidor(); ++i) EXPECT_EQ(ram(v->innehållFörVarjeSida[i].front()), (Rect{20, 398, 560, 110}));
    EXPECT_FALSE(medRam(v->innehållFörVarjeSida.back(), {20, 398, 560, 110}));
    // Their rows run on over that place, 228 points down from the row base.
    const auto rader = std::ranges::find_if(
        v->planeradeRum, [](const PlaneratRum& r) { return r.namn == "items" && r.sidor == Sidslag::övriga; });
    ASSERT_NE(rader, v->planeradeRum.end());
    EXPECT_EQ(rader->yta, (Rect{55, 271, 473, 228}));
}

}  // namespace
