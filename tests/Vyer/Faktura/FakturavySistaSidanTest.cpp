#include "Displaylista.h"
#include "Stegvy.h"

#include <gtest/gtest.h>

namespace {

using displaylista::beskriv;
using displaylista::ram;
using displaylista::text;

const std::string L = "\u2028";

TEST(Mottagarblock, NameLineThenTheAddressAsTheLedgersCountryWritesIt) {
    const Adress stockholm = prov::Faktura::adress("Storgatan 1", "111 22", "Stockholm");
    Adress medAttention = stockholm;
    medAttention.attention = "Anna Berg";
    Adress medAttentionNFD = stockholm;
    medAttentionNFD.attention = "A\u030Asa Berg";  // "Åsa" with a combining ring
    const Adress oslo = prov::Faktura::adress("Karl Johans gate 3", "0154", "Oslo", "no");
    const std::string gata = "Storgatan 1" + L + "111 22 Stockholm";
    struct {
        const char* namn;
        std::optional<std::string> företag, erReferens;
        std::optional<Adress> adress;
        std::string ledgerLand;
        std::optional<std::string> block;
    } fall[] = {
        {"company", "Kund AB", "Anna Berg", stockholm, "se", "Kund AB" + L + gata},
        {"no company: the reference", std::nullopt, "Anna Berg", stockholm, "se", "Anna Berg" + L + gata},
        {"empty company: the reference", "", "Anna Berg", stockholm, "se", "Anna Berg" + L + gata},
        {"'?' and an empty reference", "?", "", stockholm, "se", gata},
        {"'?' and no reference", "?", std::nullopt, stockholm, "se", gata},
        {"reference '?'", std::nullopt, "?", stockholm, "se", gata},
        {"name as attention line", std::nullopt, "Anna Berg", medAttention, "se", "Anna Berg" + L + gata},
        {"name as attention line, composed otherwise", std::nullopt, "\u00C5sa Berg", medAttentionNFD, "se",
         "A\u030Asa Berg" + L + gata},
        {"other name than attention", "Kund AB", std::nullopt, medAttention, "se",
         "Kund AB" + L + "Anna Berg" + L + gata},
        {"no address", "Kund AB", std::nullopt, std::nullopt, "se", "Kund AB"},
        {"nothing", std::nullopt, std::nullopt, std::nullopt, "se", std::nullopt},
        {"'?' and no address", "?", "?", std::nullopt, "se", std::nullopt},
        {"abroad", "Kund AS", std::nullopt, oslo, "se",
         "Kund AS" + L + "Karl Johans gate 3" + L + "0154 Oslo" + L + "Norge"},
        {"at home from the ledger's country", "Kund AS", std::nullopt, oslo, "no",
         "Kund AS" + L + "Karl Johans gate 3" + L + "0154 Oslo"},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        steg.faktura.företag_ = f.företag;
        steg.faktura.erReferens_ = f.erReferens;
        steg.faktura.mottagaradress_ = f.adress;
        steg.bok->adress.land = f.ledgerLand;
        EXPECT_EQ(steg.vy()->företagOchAdress(), f.block) << f.namn;
    }
}

CachatObjekt rad(const std::string& t) { return {AttributedString(t), Rect{0, 0, 10, 10}}; }

std::vector<std::vector<CachatObjekt>> sidor(int antal) {
    std::vector<std::vector<CachatObjekt>> ut;
    for (int i = 1; i <= antal; ++i) ut.push_back({rad("rad " + std::to_string(i))});
    return ut;
}

// "white" for the white rectangle, the text of a string object otherwise.
std::vector<std::string> innehåll(const std::vector<CachatObjekt>& sida, const Rect& vitt) {
    std::vector<std::string> ut;
    for (const auto& o : sida) {
        auto* p = std::get_if<cachad::path>(&o.data);
        if (p && p->fill == Color::white() && !p->stroke && ram(o) == vitt && !o.clippingRect && !o.transform)
            ut.push_back("white");
        else
            ut.push_back(text(o) ? text(o)->text() : beskriv(o));
    }
    return ut;
}

TEST(SistaSidan, LastPageObjectsEndTheLastPageAndWhiteLiesUnderEveryOtherPagesRows) {
    const Rect vitt{300, 600, 250, 120};
    using Sidor = std::vector<std::vector<std::string>>;
    struct {
        const char* namn;
        int sidor;
        bool följesedel;
        std::optional<Rect> vitt;
        Sidor väntat;
    } fall[] = {
        {"one page", 1, false, vitt, {{"rad 1", "summa", "moms"}}},
        {"three pages", 3, false, vitt, {{"white", "rad 1"}, {"white", "rad 2"}, {"rad 3", "summa", "moms"}}},
        {"three pages, no rectangle", 3, false, std::nullopt, {{"rad 1"}, {"rad 2"}, {"rad 3", "summa", "moms"}}},
        {"delivery note", 3, true, vitt, {{"white", "rad 1"}, {"white", "rad 2"}, {"rad 3"}}},
        {"delivery note of one page", 1, true, vitt, {{"rad 1"}}},
        {"no pages", 0, false, vitt, {}},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        auto vy = steg.vy(f.följesedel);
        vy->innehållFörVarjeSida = sidor(f.sidor);
        vy->läggTillInnehållPåSistaSidan({rad("summa"), rad("moms")}, f.vitt);
        Sidor fått;
        for (const auto& sida : vy->innehållFörVarjeSida) fått.push_back(innehåll(sida, vitt));
        EXPECT_EQ(fått, f.väntat) << f.namn;
        EXPECT_TRUE(vy->innehållFörAllaSidor.empty()) << f.namn;
    }
}

}  // namespace
