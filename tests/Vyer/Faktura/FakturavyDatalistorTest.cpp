#include "Displaylista.h"
#include "Stegvy.h"

#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"

#include "Modell/Rotuppgifter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using displaylista::beskriv;
using displaylista::ram;
using displaylista::text;
using prov::D;

const TextAttributes rubrikattribut = prov::attribut(7);
const TextAttributes dataattribut = prov::attribut(9);

// A separator 2 points wide, its origin at its foot.
BezierPath separator() {
    BezierPath p;
    p.moveTo({0, 0});
    p.lineTo({2, -10});
    return p;
}

TEST(Datalista, EntriesAndSeparatorsRunLeftwardFromTheBandsRightEdge) {
    prov::Stegvy steg;
    steg.mätare.fasta["Nr\u2028" "1042"] = {40, 20};
    steg.mätare.fasta["Datum\u2028" "2026-12-01"] = {60, 20};
    auto vy = steg.vy();
    Datalista data = {{"Nr", "1042"}, {"Utan värde", std::nullopt}, {std::nullopt, "utan rubrik"},
                      {"Datum", "2026-12-01"}};
    // The band lies 50 to 70 points above the foot of the 842-point page.
    const double y = 842 - 70, mitt = 842 - 60;
    struct {
        const char* namn;
        Rect ram;
        double skala;
        std::vector<std::string> ordning;  // "|" for a separator
        std::vector<double> x;
        double utpunkt;
    } fall[] = {
        {"at full size", {100, 50, 400, 20}, 1, {"Nr", "|", "Datum", "|"}, {460, 454, 380, 374}, 360},
        {"scaled by 2", {100, 50, 400, 20}, 2, {"Nr", "|", "Datum", "|"}, {460, 454, 378, 372}, 356},
    };
    for (const auto& f : fall) {
        Color färg = Color::rgb(0.5, 0.2, 0.1);
        auto band = vy->datalistMedKolumndata(data, rubrikattribut, dataattribut, separator(), färg,
                                              {.skala = f.skala, .ram = f.ram});
        ASSERT_EQ(band.data.size(), 4u) << f.namn << "\n" << beskriv(band.data);
        EXPECT_EQ(band.utpunkt, f.utpunkt) << f.namn;
        for (size_t i = 0; i < 4; ++i) {
            const CachatObjekt& o = band.data[i];
            EXPECT_FALSE(o.clippingRect) << f.namn;
            if (f.ordning[i] == "|") {
                auto* p = std::get_if<cachad::path>(&o.data);
                ASSERT_TRUE(p) << f.namn << " " << i;
                EXPECT_EQ(p->path, separator());
                EXPECT_FALSE(p->fill);
                EXPECT_EQ(p->stroke, färg);
                // Scaled about the path's origin, then moved to x and the
                // band's middle.
                EXPECT_EQ(o.transform, (AffineTransform{f.skala, 0, 0, f.skala, f.x[i], mitt})) << f.namn << " " << i;
            } else {
                const AttributedString* s = text(o);
                ASSERT_TRUE(s) << f.namn << " " << i;
                EXPECT_EQ(s->text().substr(0, s->text().find("\u2028")), f.ordning[i]);
                EXPECT_FALSE(o.transform);
                double bredd = f.ordning[i] == "Nr" ? 40 : 60;
                EXPECT_EQ(ram(o), (Rect{f.x[i], y, bredd, 20})) << f.namn << " " << i;
            }
        }
    }
}

TEST(Datalista, AnEntryIsTheCaptionAboveTheValueEachWithItsAttributes) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    auto band = vy->datalistMedKolumndata({{"", "1042"}}, rubrikattribut, dataattribut, separator(), Color::black(),
                                          {.ram = {100, 50, 400, 20}});
    ASSERT_EQ(band.data.size(), 2u);
    AttributedString väntad("\u2028", rubrikattribut);
    väntad.append("1042", dataattribut);
    EXPECT_EQ(*text(band.data[0]), väntad);
    // "1042" at 9 pt is the widest line: 18 points.
    EXPECT_EQ(ram(band.data[0]).width, 18);
    EXPECT_EQ(band.utpunkt, 500 - 18 - 6 - 12 - 2);
}

TEST(Datalista, NoEntryEndsWhereTheBandBegins) {
    prov::Stegvy steg;
    auto vy = steg.vy();
    Datalista inget = {{"Nr", std::nullopt}};
    auto band = vy->datalistMedKolumndata(inget, rubrikattribut, dataattribut, separator(), Color::black(),
                                          {.ram = {100, 50, 400, 20}});
    EXPECT_TRUE(band.data.empty());
    EXPECT_EQ(band.utpunkt, 500);
}

// The three fact columns at x 40, 220 and 400, 150 wide, in one room
// of a plan across the page, its band or all of it, as placed.
struct Kolumner {
    std::vector<std::string> texter;
    std::vector<Rect> ramar;
    std::vector<double> höjder, storlekar;
};

Kolumner treKolumner(prov::Stegvy& steg, double vid = 100, std::optional<Faktaband> inom = std::nullopt,
                     std::vector<double> platser = {40, 220, 400}) {
    auto vy = steg.vy();
    rumsplan::Plan plan(*vy);
    auto& rum = plan.rum("facts", inom ? Rect{0, inom->överkant, 595, inom->nederkant - inom->överkant}
                                       : Rect{0, 0, 595, 842});
    mallverktyg::faktakolumnerIRum(*vy, plan, {&rum}, rubrikattribut, dataattribut,
                                   {.vid = vid, .platser = platser, .kolumnbredd = 150, .inom = inom}, 0);
    std::move(plan).placera();
    Kolumner k;
    for (const auto& o : vy->innehållFörAllaSidor) {
        k.texter.push_back(text(o)->text());
        k.ramar.push_back(ram(o));
        k.höjder.push_back(steg.mätare.boundingSize(*text(o), {ram(o).width, 10000}).height);
        k.storlekar.push_back(text(o)->runs().front().attributes.font.value_or(Font{}).pointSize);
    }
    return k;
}

bool slutarMed(const std::string& text, const std::string& slut) {
    return text.size() >= slut.size() && text.compare(text.size() - slut.size(), slut.size(), slut) == 0;
}

TEST(TreKolumner, TheDeliveryDateJoinsTheFirstColumnWithRoomElseTheThird) {
    struct {
        const char* namn;
        bool ettFull, tvåFull;
        int kolumn;  // where the date is the last row
    } fall[] = {
        {"first has room", false, false, 0},
        {"first has room, second full", false, true, 0},
        {"first full, second has room", true, false, 1},
        {"both full", true, true, 2},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        steg.bok->visaKundnummerPåFakturor = true;
        steg.faktura.erReferens_ = "Anna";
        steg.faktura.leveransdatum_ = Datum{20261130};
        if (f.ettFull) steg.faktura.vårReferens_ = "Bo", steg.faktura.kundnummer_ = "K-7";
        if (f.tvåFull) steg.faktura.inköpsordernummer_ = "PO-9";
        auto k = treKolumner(steg);
        ASSERT_EQ(k.texter.size(), 3u) << f.namn;
        for (int i = 0; i < 3; ++i) {
            bool harDatum = k.texter[i].find("2026-11-30") != std::string::npos;
            EXPECT_EQ(harDatum, i == f.kolumn) << f.namn << " column " << i << ": " << k.texter[i];
        }
        EXPECT_TRUE(slutarMed(k.texter[f.kolumn], "\t2026-11-30")) << f.namn << ": " << k.texter[f.kolumn];
    }
}

TEST(TreKolumner, FactsGoToTheirColumnsInOrder) {
    prov::Stegvy steg;
    steg.bok->visaKundnummerPåFakturor = true;
    auto& f = steg.faktura;
    f.erReferens_ = "Anna", f.vårReferens_ = "Bo", f.kundnummer_ = "K-7";
    f.inköpsordernummer_ = "PO-9", f.leveranssätt_ = "Post";
    f.nummer_ = "1042", f.fakturadatum_ = Datum{20261201}, f.förfallodatum_ = Datum{20261231};
    f.momsregistreringsnummer_ = "SE556000000001";
    auto vy = steg.vy();
    auto k = treKolumner(steg);
    ASSERT_EQ(k.texter.size(), 3u);
    auto rad = [](const std::string& rubrik, const std::string& värde) { return rubrik + "\t" + värde; };
    const std::string P = "\u2029";
    EXPECT_EQ(k.texter[0], rad(vy->rubrikFörErReferens(), "Anna") + P + rad(vy->rubrikFörVårReferens(), "Bo") + P +
                               rad(*vy->rubrikFörKundnummer(), "K-7"));
    EXPECT_EQ(k.texter[1], rad(vy->rubrikFörInköpsordernummer(), "PO-9") + P + rad(vy->rubrikFörLeveranssätt(), "Post") +
                               P + rad(vy->rubrikFörBetalningsvillkor(), vy->rubrikFörDagar()) + P +
                               rad(vy->rubrikFörFörfallodatum(), "2026-12-31"));
    EXPECT_EQ(k.texter[2], rad(vy->rubrikFörFakturanummer(), "1042") + P + rad(vy->rubrikFörFakturadatum(), "2026-12-01") +
                               P + rad(vy->rubrikFörMottagarensMomsregistreringsnummer(), "SE556000000001"));
}

TEST(TreKolumner, PropertyFactsFollowTheKindOfDeduction) {
    struct {
        const char* namn;
        Skatteavdrag avdrag;
        bool personnummer, fastighet, lägenhet;
    } fall[] = {
        {"ROT on a house",
         Skatteavdrag::rot("19700101-1234", std::nullopt, D("0"), Rotuppgifter::hus("Kåkstad 1:2"), D("0.3")), true,
         true, false},
        {"ROT on a flat",
         Skatteavdrag::rot("19700101-1234", std::nullopt, D("0"), Rotuppgifter::bostadsrätt("BRF Eken", "1101"),
                           D("0.3")),
         true, false, true},
        {"ROT without property", Skatteavdrag::rot("19700101-1234", std::nullopt, D("0"), std::nullopt, D("0.3")), true,
         false, false},
        {"RUT", Skatteavdrag::rut("19700101-1234", std::nullopt, D("0"), D("0.5")), true, false, false},
        {"none", Skatteavdrag::inget(), false, false, false},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        steg.faktura.skatteavdrag_ = f.avdrag;
        steg.faktura.erReferens_ = "Anna";
        auto k = treKolumner(steg);
        ASSERT_EQ(k.texter.size(), 3u);
        const std::string& första = k.texter[0];
        EXPECT_EQ(första.find("19700101-1234") != std::string::npos, f.personnummer) << f.namn << ": " << första;
        EXPECT_EQ(första.find("Kåkstad 1:2") != std::string::npos, f.fastighet) << f.namn << ": " << första;
        EXPECT_EQ(första.find("1101") != std::string::npos, f.lägenhet) << f.namn << ": " << första;
        EXPECT_EQ(första.find("BRF Eken"), std::string::npos) << f.namn;
    }
}

TEST(TreKolumner, TheTallestColumnIsCentredThirtyPointsAboveTheEdge) {
    prov::Stegvy steg;
    steg.faktura.erReferens_ = "Anna";
    auto vy = steg.vy();
    // Heights of the three tables, pinned by their texts.
    auto k = treKolumner(steg);
    ASSERT_EQ(k.texter.size(), 3u);
    struct {
        double högst, vid, y;
    } fall[] = {
        {41, 100, 842 - 100 - 51},    // 30 + 20.5 rounds away from zero
        {41, 100.5, 842 - 100.5 - 51},  // on half points about a line there
        {40, 100, 842 - 100 - 50},
        {0, 60, 842 - 60 - 30},
    };
    for (const auto& f : fall) {
        steg.mätare.fasta.clear();
        steg.mätare.fasta[k.texter[0]] = {150, f.högst};
        steg.mätare.fasta[k.texter[1]] = {150, f.högst / 2};
        steg.mätare.fasta[k.texter[2]] = {150, 0};
        auto ny = treKolumner(steg, f.vid);
        ASSERT_EQ(ny.ramar.size(), 3u);
        const double x[] = {40, 220, 400};
        for (int i = 0; i < 3; ++i) EXPECT_EQ(ny.ramar[i].origin(), (Point{x[i], f.y})) << f.högst << " column " << i;
    }
}

// Six rows in the first column, three in the others: a ROT deduction on a
// house gives two identity numbers and a property designation.
void allaFakta(prov::Stegvy& steg) {
    steg.bok->visaKundnummerPåFakturor = true;
    auto& f = steg.faktura;
    f.erReferens_ = "Anna", f.vårReferens_ = "Bo", f.kundnummer_ = "K-7";
    f.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", D("0"), Rotuppgifter::hus("Kåkstad 1:2"),
                                        D("0.3"));
}

TEST(TreKolumner, ColumnsMoveIntoTheirBandWhenTheyFit) {
    prov::Stegvy steg;
    allaFakta(steg);
    const double högst = treKolumner(steg).höjder[0];
    // The band ends above the column's centred end, and below its top.
    auto k = treKolumner(steg, 100, Faktaband{.överkant = 600, .nederkant = 700});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(k.ramar[i].y, 700 - högst) << i;
        EXPECT_EQ(k.storlekar[i], 7) << i;
    }
    k = treKolumner(steg, 100, Faktaband{.överkant = 690, .nederkant = 800});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(k.ramar[i].y, 690) << i;
}

// Wider than its column, a value wraps under the other values, and the
// column grows to hold it while its band has room.
TEST(TreKolumner, ALongValueWrapsInItsColumn) {
    prov::Stegvy steg;
    steg.faktura.erReferens_ = "Anna-Karin Vilhelmina Johansson";
    steg.faktura.vårReferens_ = "Bo";
    auto k = treKolumner(steg, 100, Faktaband{.överkant = 600, .nederkant = 760});
    ASSERT_EQ(k.texter.size(), 3u);
    EXPECT_NE(k.texter[0].find("Anna-Karin Vilhelmina Johansson"), std::string::npos);
    EXPECT_EQ(k.storlekar[0], 7) << "at its own size";
    // Two rows of 10 points, the first on two lines, 3 points between.
    EXPECT_EQ(k.höjder[0], 2 * 10 + 3 + 10);
    EXPECT_EQ(k.ramar[0].width, 150);
    EXPECT_GE(k.ramar[0].height, k.höjder[0]);
}

// Columns wider than the room before the next column (x 40 and 150, 150
// wide) end 2 points before it when their values must wrap there; one
// that fits keeps its frame.
TEST(TreKolumner, AColumnWrapsBeforeTheNextBegins) {
    for (const char* referens : {"Karin Andersson", "Karin"}) {
        SCOPED_TRACE(referens);
        prov::Stegvy steg;
        steg.faktura.erReferens_ = referens;
        const auto k = treKolumner(steg, 100, std::nullopt, {40, 150, 400});
        // "Er referens" is 38.5 points wide at 7, its value 5 points after
        // it: "Karin Andersson" at 9 would end at 111.
        const bool bryts = std::string(referens) == "Karin Andersson";
        EXPECT_EQ(k.ramar[0].width, bryts ? 108 : 150);
        EXPECT_EQ(k.höjder[0], bryts ? 20 : 10) << "on two lines or one";
    }
}

// The columns keep 2 points below an address over them in their room (ten
// lines 12 points high from y 560, running on below its frame).
TEST(TreKolumner, TheColumnsKeepBelowAnAddressOverThem) {
    prov::Stegvy steg;
    allaFakta(steg);
    auto vy = steg.vy();
    rumsplan::Plan plan(*vy);
    auto& rum = plan.rum("address and facts", {0, 560, 595, 200});
    rum.block("address", {AttributedString("1\n2\n3\n4\n5\n6\n7\n8\n9\n10", prov::attribut(10)),
                          {400, 560, 150, 20}});
    mallverktyg::faktakolumnerIRum(*vy, plan, {&rum}, rubrikattribut, dataattribut,
                                   {.vid = 100, .platser = {40, 220, 400}, .kolumnbredd = 150,
                                    .inom = Faktaband{.överkant = 600, .nederkant = 760}},
                                   2);
    std::move(plan).placera();
    const auto& alla = vy->innehållFörAllaSidor;
    ASSERT_EQ(alla.size(), 4u) << beskriv(alla);
    for (size_t i = 1; i < 4; ++i) EXPECT_EQ(ram(alla[i]).y, 560 + 120 + 2) << i;
}

}  // namespace
