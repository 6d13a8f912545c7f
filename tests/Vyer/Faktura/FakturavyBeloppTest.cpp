#include "Displaylista.h"
#include "Stegvy.h"

#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

namespace {

using displaylista::beskriv;
using displaylista::ram;
using displaylista::text;
using prov::D;

enum class Rad { netto, rabatt, moms, avdrag, öresutjämning, totalt };

// Distinct amounts, so that each row is known by its value.
struct Belopp {
    bool omvänd = false;
    bool rabatt = false;
    bool öresutjämna = false;
    const char* öresutjämning = "0";
    Skatteavdrag avdrag = Skatteavdrag::inget();
    bool totalt = false;
};

void sätt(prov::Faktura& f, const Belopp& b) {
    f.omvändSkattskyldighetFörMoms_ = b.omvänd;
    if (b.rabatt) f.rabatt_ = D("0.1");
    f.öresutjämna_ = b.öresutjämna;
    f.öresutjämningsbelopp_ = D(b.öresutjämning);
    f.skatteavdrag_ = b.avdrag;
    if (!b.avdrag.ärInget()) f.avdragsbelopp_ = D("5000");
    f.nettobelopp_ = D("100"), f.rabattbelopp_ = D("10"), f.momsbelopp_ = D("25"), f.attBetala_ = D("115.4");
}

Skatteavdrag rot() { return Skatteavdrag::rot("19700101-1234", std::nullopt, D("0"), std::nullopt, D("0.3")); }
Skatteavdrag rut() { return Skatteavdrag::rut("19700101-1234", std::nullopt, D("0"), D("0.5")); }

TEST(Beloppsrader, RowsFollowTheirConditionsInTheirOrder) {
    struct {
        const char* namn;
        Belopp belopp;
        std::vector<Rad> rader;
    } fall[] = {
        {"reverse charge alone", {.omvänd = true}, {}},
        {"reverse charge and total", {.omvänd = true, .totalt = true}, {Rad::totalt}},
        {"reverse charge with discount", {.omvänd = true, .rabatt = true}, {Rad::netto, Rad::rabatt}},
        {"reverse charge with rounding", {.omvänd = true, .öresutjämna = true, .öresutjämning = "0.4"},
         {Rad::netto, Rad::öresutjämning}},
        {"plain", {}, {Rad::netto, Rad::moms}},
        {"plain and total", {.totalt = true}, {Rad::netto, Rad::moms, Rad::totalt}},
        {"rounding of zero", {.öresutjämna = true, .öresutjämning = "0.00"}, {Rad::netto, Rad::moms}},
        {"rounding not asked for", {.öresutjämning = "0.4"}, {Rad::netto, Rad::moms}},
        {"rounding", {.öresutjämna = true, .öresutjämning = "-0.4"}, {Rad::netto, Rad::moms, Rad::öresutjämning}},
        {"ROT", {.avdrag = rot()}, {Rad::netto, Rad::moms, Rad::avdrag}},
        {"RUT and total", {.avdrag = rut(), .totalt = true}, {Rad::netto, Rad::moms, Rad::avdrag, Rad::totalt}},
        {"everything",
         {.rabatt = true, .öresutjämna = true, .öresutjämning = "0.4", .avdrag = rot(), .totalt = true},
         {Rad::netto, Rad::rabatt, Rad::moms, Rad::avdrag, Rad::öresutjämning, Rad::totalt}},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        sätt(steg.faktura, f.belopp);
        auto vy = steg.vy();
        auto väntat = [&](Rad rad) -> std::pair<std::string, std::string> {
            switch (rad) {
                case Rad::netto: return {vy->rubrikFörNettobelopp(), vy->belopp(D("100"))};
                case Rad::rabatt: return {vy->rubrikFörRabatt(), vy->belopp(D("-10"))};
                case Rad::moms: return {vy->rubrikFörMoms(), vy->belopp(D("25"))};
                case Rad::avdrag:
                    return {f.belopp.avdrag.somRot() ? "ROT-avdrag:" : "RUT-avdrag:", vy->belopp(D("-5000"))};
                case Rad::öresutjämning: return {vy->rubrikFörÖresutjämning(), vy->belopp(D(f.belopp.öresutjämning))};
                case Rad::totalt: return {vy->rubrikFörTotaltBelopp(), vy->belopp(D("115.4"))};
            }
            return {};
        };

        EXPECT_EQ(vy->antalBeloppsrader(f.belopp.totalt), static_cast<int>(f.rader.size())) << f.namn;
        const Rect rubrikram{300, 600, 100, 12}, dataram{420, 601, 90, 12};
        const TextAttributes rubrikattribut = prov::attribut(9), dataattribut = prov::attribut(10);
        auto fält = vy->beloppfältMedRubrikattribut(rubrikattribut, dataattribut, rubrikram, dataram,
                                                    {.taMedTotalen = f.belopp.totalt});
        ASSERT_EQ(fält.data.size(), 2 * f.rader.size()) << f.namn << "\n" << beskriv(fält.data);
        for (size_t i = 0; i < f.rader.size(); ++i) {
            auto [rubrik, värde] = väntat(f.rader[i]);
            const CachatObjekt& v = fält.data[2 * i];
            const CachatObjekt& r = fält.data[2 * i + 1];
            EXPECT_EQ(*text(v), AttributedString(värde, dataattribut)) << f.namn << " row " << i;
            EXPECT_EQ(*text(r), AttributedString(rubrik, rubrikattribut)) << f.namn << " row " << i;
            EXPECT_EQ(ram(v), dataram.offsetBy(0, 14.0 * i)) << f.namn << " row " << i;
            EXPECT_EQ(ram(r), rubrikram.offsetBy(0, 14.0 * i)) << f.namn << " row " << i;
        }
        EXPECT_EQ(fält.utpunkt, 601 + 14.0 * f.rader.size()) << f.namn;
    }
}

TEST(Beloppsrader, FourRowsOfTwelveFromSixHundredEndAt648) {
    prov::Stegvy steg;
    sätt(steg.faktura, {.rabatt = true, .öresutjämna = true, .öresutjämning = "0.4"});
    auto vy = steg.vy();
    ASSERT_EQ(vy->antalBeloppsrader(false), 4);
    auto fält = vy->beloppfältMedRubrikattribut({}, {}, {0, 600, 50, 12}, {60, 600, 50, 12}, {.radhöjd = 12});
    EXPECT_EQ(fält.utpunkt, 648);
    steg.faktura.omvändSkattskyldighetFörMoms_ = true;
    steg.faktura.rabatt_.reset(), steg.faktura.öresutjämna_ = false;
    auto tom = steg.vy()->beloppfältMedRubrikattribut({}, {}, {0, 600, 50, 12}, {60, 610, 50, 12}, {.radhöjd = 12});
    EXPECT_TRUE(tom.data.empty());
    EXPECT_EQ(tom.utpunkt, 610);
}

TEST(Beloppsrader, CapitalsChangeTheCaptionsOnly) {
    prov::Stegvy steg;
    sätt(steg.faktura, {.avdrag = rot(), .totalt = true});
    steg.faktura.valuta_ = "EUR";
    auto vy = steg.vy();
    auto fält = vy->beloppfältMedRubrikattribut(
        {}, {}, {}, {}, {.radhöjd = 12, .taMedTotalen = true, .storaBokstäverPåRubriker = true});
    ASSERT_EQ(fält.data.size(), 8u);
    EXPECT_EQ(text(fält.data[5])->text(), "ROT-AVDRAG:");
    EXPECT_EQ(text(fält.data[4])->text(), vy->belopp(D("-5000")));
    EXPECT_EQ(text(fält.data[1])->text(), versaler(vy->rubrikFörNettobelopp()));
    EXPECT_EQ(text(fält.data[7])->text(), versaler(vy->rubrikFörTotaltBelopp()));
}

TEST(Beloppsrader, AnAmountThatCannotBeFormattedPrintsEmpty) {
    prov::Stegvy steg;
    sätt(steg.faktura, {.rabatt = true});
    steg.faktura.rabattbelopp_ = Decimal::notANumber();
    auto vy = steg.vy();
    auto fält = vy->beloppfältMedRubrikattribut({}, {}, {}, {}, {.radhöjd = 12});
    ASSERT_EQ(fält.data.size(), 6u);
    EXPECT_EQ(text(fält.data[2])->text(), "") << beskriv(fält.data);
}

}  // namespace
