#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/RedovisningsalternativForMoms.h"
#include "Modell/Redovisningsperiod.h"
#include "Postprov.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace postprov;

namespace {
struct Plan {
    std::vector<std::unique_ptr<Konto>> konton;
    Referenser ref;
    Plan() {
        for (int64_t n : {1930, 2081, 2099})
            konton.push_back(std::make_unique<Konto>(n, "K", Kontotyp::okänd));
        ref.sättKonton(konton);
    }
    Konto& k(int64_t n) { return *Konto::hittaKontoMedNummer(n, konton); }
};

std::unique_ptr<Verifikation> verifikation(std::optional<int64_t> nummer, Konto& konto) {
    Radlista rader;
    rader.push_back(std::make_unique<Rad>(konto, dec(1), 1, std::vector<Kostnadsställe*>{}, std::nullopt, std::nullopt,
                                          std::nullopt, std::nullopt, std::nullopt));
    return std::make_unique<Verifikation>(nummer, "v", Verifikationstyp::manuell, Datum(20240110), std::move(rader),
                                          std::nullopt, std::nullopt, std::nullopt);
}

// The year record up to its tables, for hand-made records.
Bygg huvud(int64_t stängt = 0) {
    Bygg b;
    b.i64(stängt).text("2024").i64(20240101).i64(20241231).text(std::nullopt);
    return b;
}
}  // namespace

TEST(Rakenskapsar, RecordRoundTripsInReadOrder) {
    Plan plan;
    Räkenskapsår år(Datum(20240101), Datum(20241231), "2024");
    år.stängt = true;
    år.notering = "";
    år.läggTillSparatVärde("ruta05", "1200");
    år.läggTillSparatVärde("", "tom nyckel");
    år.läggTillSparatVärde("a", "");
    år.sättIngåendeSaldo(plan.k(2099), dec(5, 0, true));
    år.sättIngåendeSaldo(plan.k(1930), dec(123456, -2));
    år.verifikationer.push_back(verifikation(1, plan.k(1930)));
    år.verifikationer.push_back(verifikation(std::nullopt, plan.k(2081)));

    Bytes väntat = Bygg().i64(1).text("2024").i64(20240101).i64(20241231).text("")
                       .i64(3).text("ruta05").text("1200").text("").text("tom nyckel").text("a").text("")
                       .i64(2).i64(2099).dec(dec(5, 0, true)).i64(1930).dec(dec(123456, -2))
                       .i64(2).bytes();
    for (const auto& v : år.verifikationer) {
        Bytes b = skriv(*v);
        väntat.insert(väntat.end(), b.begin(), b.end());
    }
    Bytes slut = Bygg().i64(0).bytes();
    väntat.insert(väntat.end(), slut.begin(), slut.end());
    EXPECT_EQ(skriv(år), väntat);  // balances: number, flag byte 1, the 20 bytes

    auto läst = tillOchTillbaka(år, plan.ref);
    EXPECT_TRUE(läst->stängt);
    EXPECT_EQ(läst->notering, "");
    EXPECT_EQ(läst->sparadeBlankettvärden, år.sparadeBlankettvärden);
    ASSERT_EQ(läst->ingåendeSaldon.size(), 2u);
    EXPECT_EQ(läst->ingåendeSaldon[0].first, &plan.k(2099));
    EXPECT_TRUE(läst->ingåendeSaldo(plan.k(1930))->identical(dec(123456, -2)));
    EXPECT_EQ(läst->ingåendeSaldo(plan.k(2081)), nullptr);
    EXPECT_EQ(läst->verifikationer.size(), 2u);
    varjeAvklippKastar<Räkenskapsår>(skriv(år), plan.ref);
}

TEST(Rakenskapsar, HandMadeRecordAndClosedWord) {
    Plan plan;
    for (auto [ord, stängt] : {std::pair{int64_t{0}, false}, {1, true}, {2, false}, {-1, false}}) {
        Bytes bytes = huvud(ord).i64(1).text("").text("v").i64(1).i64(1930).byte(1).bytes();
        Bytes saldo = Bygg().dec(dec(7)).bytes();
        bytes.insert(bytes.end(), saldo.begin() + 1, saldo.end());  // flag byte already written
        Bytes rest = Bygg().i64(0).i64(0).bytes();
        bytes.insert(bytes.end(), rest.begin(), rest.end());
        auto år = läs<Räkenskapsår>(bytes, plan.ref);
        EXPECT_EQ(år->stängt, stängt) << ord;
        EXPECT_EQ(år->sparadeBlankettvärden.at(0).first, "");
        EXPECT_EQ(år->sparadeBlankettvärden.at(0).second, "v");
        if (ord == 0 || ord == 1) EXPECT_EQ(skriv(*år), bytes);
        else EXPECT_EQ(skriv(*år)[0], 0);
    }
}

TEST(Rakenskapsar, LaterDuplicatesReplaceEarlierOnes) {
    Plan plan;
    Bytes bytes = huvud().i64(3).text("x").text("1").text("y").text("2").text("x").text("3")
                      .i64(2).i64(1930).dec(dec(1)).i64(1930).dec(dec(2)).i64(0).i64(0).bytes();
    auto år = läs<Räkenskapsår>(bytes, plan.ref);
    ASSERT_EQ(år->sparadeBlankettvärden.size(), 2u);
    EXPECT_EQ(år->sparadeBlankettvärden[0], (std::pair<std::string, std::string>{"x", "3"}));
    ASSERT_EQ(år->ingåendeSaldon.size(), 1u);
    EXPECT_TRUE(år->ingåendeSaldon[0].second.identical(dec(2)));
    EXPECT_EQ(skriv(*år), huvud().i64(2).text("x").text("3").text("y").text("2").i64(1).i64(1930).dec(dec(2))
                              .i64(0).i64(0).bytes());
}

TEST(Rakenskapsar, DamagedRecordsThrow) {
    Plan plan;
    try {
        läs<Räkenskapsår>(huvud().i64(0).i64(1).i64(4000).dec(dec(1)).i64(0).i64(0).bytes(), plan.ref);
        ADD_FAILURE();
    } catch (const SkadatDokument& fel) {
        EXPECT_STREQ(fel.what(), "Uppslagning av kontonummer för ingående saldon fungerar inte");
    }
    Referenser utan;
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(0).i64(1).i64(1930).dec(dec(1)).i64(0).i64(0).bytes(), utan), SkadatDokument);
    // A balance whose marker byte is not 1.
    Bytes utanBelopp = huvud().i64(0).i64(1).i64(1930).byte(0).bytes();
    utanBelopp.resize(utanBelopp.size() + 20 + 16, 0);
    EXPECT_THROW(läs<Räkenskapsår>(utanBelopp, plan.ref), SkadatDokument);
    // Negative and impossible counts.
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(-1).i64(0).i64(0).i64(0).bytes(), plan.ref), FormatError);
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(0).i64(-1).i64(0).i64(0).bytes(), plan.ref), FormatError);
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(INT64_MAX).i64(0).i64(0).i64(0).bytes(), plan.ref), FormatError);
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(0).i64(INT64_MAX / 2).i64(0).i64(0).bytes(), plan.ref), FormatError);
    // A form key stored as none, and one that is not UTF-8.
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(1).i64(-1).text("v").i64(0).i64(0).i64(0).bytes(), plan.ref), FormatError);
    EXPECT_THROW(läs<Räkenskapsår>(huvud().i64(1).data(Bytes{0xC0, 0x80}).text("v").i64(0).i64(0).i64(0).bytes(), plan.ref),
                 FormatError);
    // A name stored as none.
    EXPECT_THROW(läs<Räkenskapsår>(Bygg().i64(0).text(std::nullopt).i64(1).i64(2).text(std::nullopt).i64(0).i64(0).i64(0).i64(0).bytes(),
                                   plan.ref),
                 FormatError);
}

TEST(Rakenskapsar, HighestEntryNumber) {
    Plan plan;
    struct Fall {
        std::vector<std::optional<int64_t>> nummer;
        int64_t högsta;
    } fall[] = {
        {{4, std::nullopt, 9}, 9},
        {{}, 0},
        {{std::nullopt, std::nullopt}, 0},
        {{-5, -2}, -2},
        {{-5, std::nullopt}, -5},
        {{3, 3, 1}, 3},
    };
    for (const auto& f : fall) {
        Räkenskapsår år(Datum(20240101), Datum(20241231), "2024");
        for (auto n : f.nummer) år.verifikationer.push_back(verifikation(n, plan.k(1930)));
        EXPECT_EQ(år.högstaVerifikationsnummer(), f.högsta);
    }
}

TEST(Rakenskapsar, YearsCompareByFirstDay) {
    Räkenskapsår a(Datum(20240101), Datum(20241231), "2024"), b(Datum(20240101), Datum(20250630), "Förlängt"),
        c(Datum(20230101), Datum(20231231), "2023");
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<Räkenskapsår>{}(a), std::hash<Räkenskapsår>{}(b));
    EXPECT_TRUE(c < a);
    EXPECT_FALSE(a < b || b < a);
}

TEST(Redovisningsperiod, RecordEqualityAndOrder) {
    Redovisningsperiod p(Datum(20240101), Datum(20240331), true);
    EXPECT_EQ(skriv(p), Bygg().i64(20240101).i64(20240331).byte(1).i64(0).bytes());
    EXPECT_TRUE(tillOchTillbaka(p)->avslutad);
    EXPECT_FALSE(tillOchTillbaka(Redovisningsperiod(Datum(20240101), Datum(20240331)))->avslutad);
    EXPECT_FALSE(läs<Redovisningsperiod>(Bygg().i64(20240101).i64(20240331).byte(2).i64(0).bytes())->avslutad);
    varjeAvklippKastar<Redovisningsperiod>(skriv(p));

    EXPECT_EQ(p, Redovisningsperiod(Datum(20240101), Datum(20240331), false));
    EXPECT_FALSE(p == Redovisningsperiod(Datum(20240101), Datum(20240630)));
    std::vector<Redovisningsperiod> lista{{Datum(20240401), Datum(20240430)},
                                          {Datum(20240101), Datum(20241231)},
                                          {Datum(20240101), Datum(20240131)}};
    std::stable_sort(lista.begin(), lista.end());
    EXPECT_EQ(lista[0].slut, Datum(20241231));  // same start: list order kept
    EXPECT_EQ(lista[1].slut, Datum(20240131));
    EXPECT_EQ(lista[2].start, Datum(20240401));

    // The document root's closed periods: a count and the records.
    Utström u;
    skrivListaMedSparbaraObjekt(u, lista);
    Inström in(u.bytes());
    std::vector<Redovisningsperiod> tillbaka;
    läsInLista(in, tillbaka, Referenser{});
    EXPECT_EQ(tillbaka, lista);
}

TEST(RedovisningsalternativForMoms, Codes) {
    for (int64_t k = 1; k <= 6; ++k) EXPECT_EQ(kod(*frånKod<RedovisningsalternativFörMoms>(k)), k);
    EXPECT_EQ(frånKod<RedovisningsalternativFörMoms>(1), RedovisningsalternativFörMoms::beskattningsår);
    EXPECT_EQ(frånKod<RedovisningsalternativFörMoms>(6), RedovisningsalternativFörMoms::kalenderår);
    for (int64_t k : {0, 7, -1}) EXPECT_FALSE(frånKod<RedovisningsalternativFörMoms>(k));
}

TEST(Rakenskapsar, AnyDamagedByteIsReadOrRefusedWithoutCrashing) {
    Plan plan;
    std::vector<std::unique_ptr<Kostnadsställe>> ks;
    ks.push_back(std::make_unique<Kostnadsställe>(1, "3", "Butik"));
    plan.ref.sättKostnadsställen(ks);
    Räkenskapsår år(Datum(20240101), Datum(20241231), "2024");
    år.läggTillSparatVärde("k", "v");
    år.sättIngåendeSaldo(plan.k(1930), dec(10));
    auto v = verifikation(3, plan.k(1930));
    v->rader[0]->kostnadsställen = {ks[0].get()};
    v->rader[0]->borttagenAv = "x";
    v->registreringsdatum = Datum(20240102);
    år.verifikationer.push_back(std::move(v));
    const Bytes original = skriv(år);
    for (size_t i = 0; i < original.size(); ++i) {
        for (uint8_t värde : {uint8_t{0x00}, uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
            Bytes skadat = original;
            skadat[i] = värde;
            Inström in(skadat);
            try {
                Räkenskapsår läst(in, plan.ref);
                skriv(läst);
            } catch (const FormatError&) {
            } catch (const SkadatDokument&) {
            }
        }
    }
}
