#include "Modell/Fakturor/Momssammanfattning.h"

#include <gtest/gtest.h>

#include "Fakturaprov.h"
#include "Modell/Belopp.h"
#include "Plattform/Anvandarinstallningar.h"
#include "Plattform/Lokal.h"
#include "ValutaformatPaFakturor.h"

#include <map>
#include <random>

using fakturaprov::D;
using fakturaprov::post;

namespace {

class Momssammanfattning : public ::testing::Test {
protected:
    void SetUp() override {
        Användarinställningar::standard().rensa();
        lokal::sättAktuell("en_US");
        a25 = &b.artikel("25", 0);
        a12 = &b.artikel("12", 1);
        a6 = &b.artikel("6", 2);
        a0 = &b.artikel("0", 3);
    }
    void TearDown() override { lokal::sättAktuell(std::nullopt); }

    fakturaprov::Bok b;
    Artikel *a25, *a12, *a6, *a0;
};

TEST_F(Momssammanfattning, OneLinePerRateHighestFirstJoinedByLineSeparators) {
    auto f = b.faktura();
    post(*f, "100", "1", a6);
    post(*f, "600", "1", a25);
    post(*f, "40", "1", a12);
    post(*f, "400", "1", a25);
    EXPECT_EQ(f->momssammanfattning(), "25%:\tSEK\u00a01 000.00\u202812%:\tSEK\u00a040.00\u20286%:\tSEK\u00a0100.00");
    lokal::sättAktuell("sv_SE");
    EXPECT_EQ(momssammanfattningFörFaktura(*f, false),
              "25\u00a0%:\t1 000,00\u00a0kr\u202812\u00a0%:\t40,00\u00a0kr\u20286\u00a0%:\t100,00\u00a0kr");
}

TEST_F(Momssammanfattning, Cases) {
    struct Fall {
        const char* namn;
        std::vector<std::pair<const char*, Artikel*>> poster;  // price, article
        const char* rabatt;
        bool omvänd;
        bool bytTecken;
        const char* väntat;
    } fall[] = {
        {"no items", {}, nullptr, false, false, ""},
        {"reverse charge: 0 % with the amount to pay", {{"100", a25}, {"50", a12}}, nullptr, true, false,
         "0%:\tSEK\u00a0150.00"},
        {"invoice discount", {{"1000", a25}}, "0.1", false, false, "25%:\tSEK\u00a0900.00"},
        {"discount floors each rate", {{"10.01", a25}, {"10.01", a12}}, "0.333", false, false,
         "25%:\tSEK\u00a06.67\u202812%:\tSEK\u00a06.67"},
        {"sign changed", {{"1000", a25}, {"0", a0}}, nullptr, false, true,
         "25%:\t-SEK\u00a01 000.00\u20280%:\tSEK\u00a00.00"},
    };
    for (auto& c : fall) {
        SCOPED_TRACE(c.namn);
        auto f = b.faktura();
        for (auto& [pris, artikel] : c.poster) post(*f, pris, "1", artikel);
        if (c.rabatt) f->sättRabatt(D(c.rabatt));
        f->sättOmvändSkattskyldighetFörMoms(c.omvänd);
        EXPECT_EQ(momssammanfattningFörFaktura(*f, c.bytTecken), c.väntat);
    }
}

TEST_F(Momssammanfattning, PercentShowsOneFractionDigitWhileTheAmountKeepsTheExactRate) {
    Artikel& a125 = b.artikel("125", -1, "0.125");
    Artikel& a12345 = b.artikel("12345", -1, "0.12345");
    auto f = b.faktura();
    post(*f, "10", "1", &a125);
    post(*f, "20", "1", &a12345);
    post(*f, "30", "1", a12);
    auto perSats = beloppPerMomssatsFörFaktura(*f);
    ASSERT_EQ(perSats.size(), 3u);
    EXPECT_EQ(perSats[1].first, D("0.12345"));
    EXPECT_EQ(perSats[1].second, D("20"));
    EXPECT_EQ(f->momssammanfattning(), "12.5%:\tSEK\u00a010.00\u202812.3%:\tSEK\u00a020.00\u202812%:\tSEK\u00a030.00");
}

TEST_F(Momssammanfattning, FollowsTheInvoiceDisplaySettings) {
    Användarinställningar::standard().sätt(nyckelFörValutaformatPåFakturor, int64_t{2});
    Användarinställningar::standard().sätt(nyckelFörDöljDecimalerPåFakturor, true);
    auto f = b.faktura();
    post(*f, "1000", "1", a25);
    EXPECT_EQ(f->momssammanfattning(), "25%:\t1 000");
    Användarinställningar::standard().rensa();
}

// ---- Property test against an independent model in whole öre ----

using I = __int128;

I golv(I täljare, I nämnare) {  // floor division, nämnare > 0
    I q = täljare / nämnare;
    if (täljare % nämnare != 0 && täljare < 0) --q;
    return q;
}

I halvaTillJämnt(I öre) {  // whole units, halves to even, in öre
    I q = golv(öre, 100), r = öre - q * 100;
    if (r > 50 || (r == 50 && q % 2 != 0)) ++q;
    return q * 100;
}

Decimal öreTillDecimal(I öre) {
    bool negativ = öre < 0;
    return Decimal::make(static_cast<unsigned __int128>(negativ ? -öre : öre), -2, negativ);
}

TEST_F(Momssammanfattning, TotalsAgreeWithAnIndependentModelForRandomInvoices) {
    std::mt19937_64 slump(20240131);
    const int procent[] = {25, 12, 6, 0};
    Artikel* artiklar[] = {a25, a12, a6, a0};
    auto tal = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(slump); };

    for (int n = 0; n < 400; ++n) {
        SCOPED_TRACE("invoice " + std::to_string(n));
        auto f = b.faktura();
        bool omvänd = tal(0, 5) == 0;
        int64_t rabatt = tal(0, 2) == 0 ? tal(0, 100) : -1;  // whole per cent or none
        f->sättOmvändSkattskyldighetFörMoms(omvänd);
        f->sättÖresutjämna(tal(0, 1) == 1);
        if (rabatt >= 0) f->sättRabatt(Decimal::make(static_cast<unsigned>(rabatt), -2, false));

        std::map<int, I> nettoPerSats;
        I summaMoms = 0;
        int64_t antalPoster = tal(0, 6);
        for (int64_t i = 0; i < antalPoster; ++i) {
            int s = static_cast<int>(tal(0, 3));
            int64_t prisÖre = tal(-20000, 2000000);        // price in öre
            int64_t antalTusendelar = tal(-3000, 50000);  // quantity in thousandths
            auto& p = post(*f, "0", "1", artiklar[s]);
            p.sättPris(öreTillDecimal(prisÖre));
            p.sättAntal(Decimal::make(static_cast<unsigned __int128>(std::abs(antalTusendelar)), -3,
                                      antalTusendelar < 0));
            I innan = golv(I(prisÖre) * antalTusendelar, 1000);
            I rab = 0;
            switch (tal(0, 2)) {
                case 1: {
                    int64_t rel = tal(0, 100);
                    p.relativRabatt = Decimal::make(static_cast<unsigned>(rel), -2, false);
                    rab = -golv(innan * rel, 100);
                    break;
                }
                case 2: {
                    int64_t absÖre = tal(0, 100000);
                    p.absolutRabatt = öreTillDecimal(absÖre);
                    rab = golv(-I(absÖre) * 100, 100 + procent[s]);
                    break;
                }
            }
            I netto = innan + rab;
            nettoPerSats[procent[s]] += netto;
            if (!omvänd) summaMoms += golv(netto * procent[s], 100);
            ASSERT_EQ(p.beloppExklMoms(), öreTillDecimal(netto));
        }

        I faktor = rabatt >= 0 ? 100 - rabatt : 100;
        I netto = 0;
        for (auto& [s, belopp] : nettoPerSats) netto += belopp;
        I exkl = golv(netto * faktor, 100);
        I moms = omvänd ? 0 : golv(summaMoms * faktor, 100);
        I t = exkl + moms;
        I utjämning = f->öresutjämna() ? halvaTillJämnt(t) - t : 0;

        EXPECT_EQ(f->nettobelopp(), öreTillDecimal(netto));
        EXPECT_EQ(f->beloppExklMoms(), öreTillDecimal(exkl));
        EXPECT_EQ(f->rabattbelopp(), öreTillDecimal(netto - exkl));
        EXPECT_EQ(f->momsbelopp(), öreTillDecimal(moms));
        EXPECT_EQ(f->öresutjämningsbelopp(), öreTillDecimal(utjämning));
        EXPECT_EQ(f->attBetala(), öreTillDecimal(t + utjämning));

        // The summary holds exactly the rates of the items (or 0 % with the
        // amount to pay under reverse charge), each with its discounted net.
        auto perSats = beloppPerMomssatsFörFaktura(*f);
        if (omvänd) {
            ASSERT_EQ(perSats.size(), 1u);
            EXPECT_TRUE(perSats[0].first.isZero());
            EXPECT_EQ(perSats[0].second, f->attBetala());
        } else {
            ASSERT_EQ(perSats.size(), nettoPerSats.size());
            for (auto& [sats, belopp] : perSats) {
                int s = -1;
                for (int k = 0; k < 4; ++k)
                    if (sats == Decimal::make(static_cast<unsigned>(procent[k]), -2, false)) s = procent[k];
                ASSERT_TRUE(nettoPerSats.count(s));
                EXPECT_EQ(belopp, öreTillDecimal(golv(nettoPerSats[s] * faktor, 100)));
            }
        }
        std::string text = f->momssammanfattning();
        size_t rader = text.empty() ? 0 : 1;
        for (size_t pos = 0; (pos = text.find("\u2028", pos)) != std::string::npos; pos += 3) ++rader;
        EXPECT_EQ(rader, perSats.size());
    }
}

}  // namespace
