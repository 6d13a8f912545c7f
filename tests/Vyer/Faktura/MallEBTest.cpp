// Templates EB and EBs with the fixed-width measurer: one layout in two
// style sets. The due line's geometry follows its face's size, the address
// captions run upward beside their addresses, a missing delivery address
// leaves a white patch, the sender's tables and the facts stand on their
// common feet, and a delivery note drops the amounts and gets a taller
// item area.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Modell/Rotuppgifter.h"
#include "Modell/Skatteavdrag.h"
#include "Rubrikremsor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace displaylista;

namespace {

// What the two style sets set differently, as far as the tests look.
struct Stil {
    InbyggdFakturamall mall;
    const char* namn;
    Font förfallodatum, beloppsrubrik, faktavärde, adressrubrik;
    std::optional<Color> beloppsrubrikfärg;
    Rect förfallorad, beloppsrad;
};

void PrintTo(const Stil& s, std::ostream* ut) { *ut << s.namn; }

const Color vit = Color::white();

const Stil stilar[] = {
    {InbyggdFakturamall::Band_variant, "EB", {"Didot", 12}, {"Didot", 12}, {"Didot", 8}, {"Didot-Italic", 7},
     std::nullopt, {64, 643, 202, 21}, {333, 643, 199, 21}},
    {InbyggdFakturamall::Band, "EBs", {"HelveticaNeue-Bold", 10}, {"HelveticaNeue-Bold", 10},
     {"HelveticaNeue", 8}, {"HelveticaNeue", 7}, Color::rgb(1, 0.5, 0), {64, 646, 202, 17}, {333, 646, 199, 17}},
};

class MallEB : public ::testing::TestWithParam<Stil> {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallEB() {
        faktura.inbyggdFakturamall_ = GetParam().mall;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }
};

const TextAttributes& attribut(const CachatObjekt& o) { return text(o)->runs().at(0).attributes; }

TEST_P(MallEB, DueLineAndAmountToPayInTheStyleSetsOwnGeometry) {
    const Stil& s = GetParam();
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    const CachatObjekt* förfallo = medText(alla, vy.rubrikFörFörfallodatum() + "  2026-12-31");
    ASSERT_TRUE(förfallo);
    EXPECT_EQ(ram(*förfallo), s.förfallorad);
    EXPECT_EQ(attribut(*förfallo).font, s.förfallodatum);
    EXPECT_EQ(attribut(*förfallo).foregroundColor, vit) << "white on the dark box";

    const CachatObjekt* rubrik = medText(alla, vy.rubrikFörBeloppAttBetala());
    const CachatObjekt* belopp = medText(alla, vy.belopp(faktura.attBetala()));
    ASSERT_TRUE(rubrik && belopp);
    EXPECT_EQ(ram(*rubrik), s.beloppsrad);
    EXPECT_EQ(ram(*belopp), s.beloppsrad);
    EXPECT_EQ(attribut(*rubrik).font, s.beloppsrubrik);
    EXPECT_EQ(attribut(*rubrik).foregroundColor, s.beloppsrubrikfärg);
    EXPECT_FALSE(attribut(*rubrik).paragraphStyle) << "the caption at the box's left edge";
    ASSERT_TRUE(attribut(*belopp).paragraphStyle);
    EXPECT_EQ(attribut(*belopp).paragraphStyle->alignment, TextAlignment::right);
}

TEST_P(MallEB, AddressCaptionsRunUpwardBesideTheirAddresses) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    // A quarter turn counter-clockwise about (438, 102), in black.
    rubrikremsor::kontrollera(
        alla, {438, 102}, std::nullopt,
        {{vy.rubrikFörLeveransadress(), "Lagergatan 5", {0, -140, 100, 14}, {298, 2, 14, 100}, {321, 51, 115, 101}},
         {vy.rubrikFörMottagare(), "Storgatan 1", {0, 0, 100, 14}, {438, 2, 14, 100}, {462, 52, 115, 97}}});
    for (const std::string& rubrik : {vy.rubrikFörLeveransadress(), vy.rubrikFörMottagare()})
        if (const CachatObjekt* o = medText(alla, rubrik)) {
            EXPECT_EQ(attribut(*o).font, GetParam().adressrubrik);
        }
    EXPECT_FALSE(medRam(alla, {310, 46, 7, 84})) << "no patch beside a delivery caption";
}

TEST_P(MallEB, MissingAddressesLeaveTheirCaptionsOutAndAWhitePatch) {
    faktura.mottagaradress_.reset();
    faktura.företag_.reset();
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medText(alla, vy.rubrikFörMottagare()));
    EXPECT_FALSE(medText(alla, vy.rubrikFörLeveransadress()));
    EXPECT_FALSE(medRam(alla, {462, 52, 115, 97}));
    const CachatObjekt* lapp = medRam(alla, {310, 46, 7, 84});
    ASSERT_TRUE(lapp);
    const auto* väg = std::get_if<cachad::path>(&lapp->data);
    ASSERT_TRUE(väg);
    EXPECT_EQ(väg->fill, vit);
    EXPECT_FALSE(väg->stroke);
}

TEST_P(MallEB, SenderTablesAndFactColumnsStandOnTheirFeet) {
    const Stil& s = GetParam();
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna", faktura.inköpsordernummer_ = "PO-7";
    bok->bankgiro = "123-4567";
    bok->swish = "123 456 78 90";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    // The contact table with its payment rows is the taller; the company
    // table's top lines up with its top.
    const CachatObjekt* företag = medTextSomInnehåller(alla, "556000-0000");
    const CachatObjekt* kontakt = medTextSomInnehåller(alla, "Swish");
    ASSERT_TRUE(företag && kontakt);
    const double hFöretag = mätare.boundingSize(*text(*företag), {162, 10000}).height;
    const double hKontakt = mätare.boundingSize(*text(*kontakt), {195, 10000}).height;
    ASSERT_GT(hKontakt, hFöretag);
    EXPECT_EQ(ram(*företag).origin(), (Point{46, 807 - hKontakt}));
    EXPECT_EQ(ram(*företag).width, 162);
    EXPECT_GE(ram(*företag).height, hFöretag);
    EXPECT_EQ(ram(*kontakt), (Rect{213, 807 - hKontakt, 195, hKontakt}));
    EXPECT_GT(text(*kontakt)->text().find("Swish"), text(*kontakt)->text().find("Bankgiro"))
        << "payment rows follow the contact rows";

    // The three fact columns centred on y 241.5, by the tallest (the
    // second), their values white.
    const CachatObjekt* referens = medTextSomInnehåller(alla, "Johan");
    const CachatObjekt* order = medTextSomInnehåller(alla, "PO-7");
    ASSERT_TRUE(referens && order);
    const double topp = 241.5 - std::round(mätare.boundingSize(*text(*order), {180, 10000}).height / 2);
    for (double x : {40.0, 222.0, 404.0}) {
        const auto kolumn = std::find_if(alla.begin(), alla.end(), [&](const CachatObjekt& o) {
            return text(o) && ram(o).origin() == Point{x, topp} && ram(o).width == 180;
        });
        EXPECT_NE(kolumn, alla.end()) << x;
    }
    bool vitaVärden = false;
    for (const auto& run : text(*referens)->runs())
        if (run.attributes.font == s.faktavärde) vitaVärden = run.attributes.foregroundColor == vit;
    EXPECT_TRUE(vitaVärden);
}

// Every fact a column can hold: six rows of white text, all on the dark
// band between its edges at y 195.5 and 279.
TEST_P(MallEB, TheFullestFactColumnStaysOnTheBand) {
    bok->visaKundnummerPåFakturor = true;
    faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna", faktura.kundnummer_ = "K-7";
    faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", prov::D("0"),
                                              Rotuppgifter::hus("Kåkstad 1:2"), prov::D("0.3"));
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* kolumn = medTextSomInnehåller(vy.innehållFörAllaSidor, "Kåkstad 1:2");
    ASSERT_TRUE(kolumn);
    const double höjd = mätare.boundingSize(*text(*kolumn), {180, 10000}).height;
    EXPECT_GE(ram(*kolumn).y, 195.5);
    EXPECT_LE(ram(*kolumn).y + höjd, 279 + 0.5);
}

TEST_P(MallEB, DeliveryNoteDropsTheAmountsAndItsRowsGetMoreRoom) {
    faktura.poster.assign(3, prov::Post{});
    Fakturavy faktura1(faktura, *bok, false, mätare);
    EXPECT_EQ(medRam(faktura1.innehållFörVarjeSida.back(), {366, 543, 167, 15}) != nullptr, true);

    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medText(alla, vy.rubrikFörFörfallodatum() + "  2026-12-31"));
    EXPECT_FALSE(medText(alla, vy.rubrikFörBeloppAttBetala()));
    EXPECT_FALSE(medText(alla, vy.belopp(faktura.attBetala())));
    for (const auto& sida : vy.innehållFörVarjeSida) EXPECT_FALSE(medRam(sida, {366, 543, 167, 15}));
    // Its rows run down over the due date's pennant, which white hides.
    const CachatObjekt* vitt = medRam(alla, {0, 636, 540, 35});
    ASSERT_TRUE(vitt);
    EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, vit);
    EXPECT_FALSE(medRam(faktura1.innehållFörAllaSidor, {0, 636, 540, 35}));

    // One item of a pinned height: the invoice's first page holds 179
    // points of rows, a delivery note's every page 345; the last row needs
    // 3 points below it.
    prov::Post hög;
    hög.artikelnamn_ = "Hög";
    faktura.poster = {hög};
    auto sidor = [&](bool följesedel, double höjd) {
        mätare.fasta["Hög"] = {40, höjd};
        return Fakturavy(faktura, *bok, följesedel, mätare).antalSidor();
    };
    EXPECT_EQ(sidor(false, 176), 1);
    EXPECT_EQ(sidor(false, 177), 2);
    EXPECT_EQ(sidor(true, 342), 1);
    EXPECT_EQ(sidor(true, 343), 2);
}

// On a credit invoice, whose title is long, addresses of sixteen lines run
// on below their frames as far as just above the title at y 156: run
// together where even 70 % of their lines do not fit, set smaller as far as
// they must, and not cut.
TEST_P(MallEB, LongAddressesEndAboveTheTitle) {
    std::string gata = "Rad 1";
    for (int i = 2; i <= 15; ++i) gata += "\nRad " + std::to_string(i);
    faktura.leveransadress_ = prov::Faktura::adress(gata, "412 50", "Göteborg");
    faktura.mottagaradress_ = prov::Faktura::adress(gata, "111 22", "Stockholm");
    faktura.rubriktext_ = "Kreditfaktura";
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_TRUE(medText(vy.innehållFörAllaSidor, "Kreditfaktura"));
    for (const auto& [hörn, ort] : {std::pair{Point{321, 51}, "Göteborg"}, {Point{462, 52}, "Stockholm"}}) {
        SCOPED_TRACE(ort);
        const CachatObjekt* adress = nullptr;
        for (const CachatObjekt& o : vy.innehållFörAllaSidor)
            if (ram(o).x == hörn.x && ram(o).y == hörn.y) adress = &o;
        ASSERT_TRUE(adress) << beskriv(vy.innehållFörAllaSidor);
        EXPECT_GE(attribut(*adress).font->pointSize, 8 * 0.7);
        EXPECT_NE(text(*adress)->text().find(ort), std::string::npos) << "nothing cut";
        EXPECT_LE(hörn.y + mätare.boundingSize(*text(*adress), {115, 10000}).height, 156.5);
    }
}

INSTANTIATE_TEST_SUITE_P(Stilar, MallEB, ::testing::ValuesIn(stilar),
                         [](const auto& info) { return std::string(info.param.namn); });

}  // namespace
