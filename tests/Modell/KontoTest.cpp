#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Momsniva.h"
#include "Postprov.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace postprov;

TEST(Konto, RecordHasTheStoredLayout) {
    Konto konto(1930, "Bank", Kontotyp::tillgång);
    konto.srukod = "7281";
    Bytes väntat = Bygg().i64(1930).text("Bank").text(std::nullopt).text("7281").i64(0).i64(-1).data(std::nullopt).i64(0).bytes();
    EXPECT_EQ(skriv(konto), väntat);
    // The first words spelled out: number 1930 little-endian, then the name length 4.
    ASSERT_GE(väntat.size(), 20u);
    EXPECT_EQ(Bytes(väntat.begin(), väntat.begin() + 20),
              (Bytes{0x8A, 0x07, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 'B', 'a', 'n', 'k'}));
}

TEST(Konto, EveryFieldRoundTrips) {
    Momsnivå nivå(3, dec(25, -2));
    Konto konto(3010, "Försäljning 25 %", Kontotyp::intäkt);
    konto.momskod = "05";
    konto.srukod = "";
    konto.momsnivå = &nivå;
    konto.importprofil = Bytes{0, 1, 2, 0xFF};
    auto läst = läs<Konto>(skriv(konto));
    EXPECT_EQ(läst->nummer, 3010);
    EXPECT_EQ(läst->namn, "Försäljning 25 %");
    EXPECT_EQ(läst->typ, Kontotyp::intäkt);
    EXPECT_EQ(läst->momskod, "05");
    EXPECT_EQ(läst->srukod, "");
    EXPECT_EQ(läst->importprofil, (Bytes{0, 1, 2, 0xFF}));
    EXPECT_EQ(läst->_momsnivåindex, 3);
    EXPECT_EQ(läst->momsnivå, nullptr);  // the document reader resolves it
    läst->momsnivå = &nivå;
    EXPECT_EQ(skriv(*läst), skriv(konto));
}

TEST(Konto, WithoutVatLevelStoresMinusOne) {
    Konto konto(1510, "Kundfordringar", Kontotyp::tillgång);
    auto läst = tillOchTillbaka(konto);
    EXPECT_EQ(läst->_momsnivåindex, -1);
    EXPECT_EQ(läst->momsnivå, nullptr);
}

TEST(Konto, NameIsTrimmedOfSpacesAndTabsButNotLineBreaks) {
    struct Fall {
        std::string namn, lagrat;
    } fall[] = {
        {"  Kassa  ", "Kassa"},
        {"\tKassa\xC2\xA0\xE3\x80\x80", "Kassa"},  // tab, no-break space, ideographic space
        {"Kassa\n", "Kassa\n"},
        {"\xE2\x80\x8BKassa", "\xE2\x80\x8BKassa"},  // zero-width space is not a space
        {"   ", ""},
        {"Två  ord", "Två  ord"},
    };
    for (const auto& f : fall) {
        Konto konto(1910, f.namn, Kontotyp::tillgång);
        Bytes bytes = skriv(konto);
        EXPECT_EQ(bytes, Bygg().i64(1910).text(f.lagrat).text(std::nullopt).text(std::nullopt).i64(0).i64(-1).data(std::nullopt).i64(0).bytes()) << f.namn;
        EXPECT_EQ(läs<Konto>(bytes)->namn, f.lagrat);
        // A stored untrimmed name is trimmed on reading too.
        Bytes otrimmat = Bygg().i64(1910).text(f.namn).text(std::nullopt).text(std::nullopt).i64(0).i64(-1).data(std::nullopt).i64(0).bytes();
        EXPECT_EQ(läs<Konto>(otrimmat)->namn, f.lagrat);
    }
}

TEST(Konto, KindCodes) {
    for (auto [kod_, typ] : {std::pair{0, Kontotyp::tillgång}, {1, Kontotyp::skuld}, {2, Kontotyp::intäkt},
                             {3, Kontotyp::kostnad}, {6, Kontotyp::okänd}}) {
        EXPECT_EQ(frånKod<Kontotyp>(kod_), typ);
        EXPECT_EQ(kod(typ), kod_);
    }
    for (int64_t ogiltig : {int64_t{4}, int64_t{5}, int64_t{7}, int64_t{-1}, INT64_MIN, INT64_MAX}) {
        EXPECT_FALSE(frånKod<Kontotyp>(ogiltig));
        Bytes bytes = Bygg().i64(1910).text("K").text(std::nullopt).text(std::nullopt).i64(ogiltig).i64(-1).data(std::nullopt).i64(0).bytes();
        EXPECT_THROW(läs<Konto>(bytes), SkadatDokument) << ogiltig;
    }
}

TEST(Konto, DamagedRecordsAreRefused) {
    Konto konto(2611, "Utgående moms", Kontotyp::skuld);
    konto.momskod = "10";
    konto.importprofil = Bytes{1, 2, 3};
    varjeAvklippKastar<Konto>(skriv(konto));
    Bytes ogiltigUtf8 = Bygg().i64(1).data(Bytes{0xC3, 0x28}).text(std::nullopt).text(std::nullopt).i64(0).i64(-1).data(std::nullopt).i64(0).bytes();
    EXPECT_THROW(läs<Konto>(ogiltigUtf8), FormatError);
    Bytes namnSaknas = Bygg().i64(1).text(std::nullopt).text(std::nullopt).text(std::nullopt).i64(0).i64(-1).data(std::nullopt).i64(0).bytes();
    EXPECT_THROW(läs<Konto>(namnSaknas), FormatError);
}

TEST(Konto, LookupTakesTheFirstMatchAndComparesByNumber) {
    std::vector<std::unique_ptr<Konto>> lista;
    EXPECT_EQ(Konto::hittaKontoMedNummer(1930, lista), nullptr);
    lista.push_back(std::make_unique<Konto>(1930, "Första", Kontotyp::tillgång));
    lista.push_back(std::make_unique<Konto>(1930, "Andra", Kontotyp::skuld));
    lista.push_back(std::make_unique<Konto>(1510, "Kund", Kontotyp::tillgång));
    EXPECT_EQ(Konto::hittaKontoMedNummer(1930, lista), lista[0].get());
    EXPECT_EQ(Konto::hittaKontoMedNummer(1510, lista), lista[2].get());
    EXPECT_EQ(Konto::hittaKontoMedNummer(9999, lista), nullptr);
    std::vector<Konto*> pekare{lista[2].get(), lista[1].get()};
    EXPECT_EQ(Konto::hittaKontoMedNummer(1930, pekare), lista[1].get());

    EXPECT_EQ(*lista[0], *lista[1]);
    EXPECT_EQ(std::hash<Konto>{}(*lista[0]), std::hash<Konto>{}(*lista[1]));
    EXPECT_LT(*lista[2], *lista[0]);
    EXPECT_FALSE(*lista[0] < *lista[1]);
}

namespace {
struct Kontoplan {
    std::vector<std::unique_ptr<Konto>> konton;
    Referenser ref;
    explicit Kontoplan(std::initializer_list<int64_t> nummer) {
        for (auto n : nummer) konton.push_back(std::make_unique<Konto>(n, "K" + std::to_string(n), Kontotyp::skuld));
        ref.sättKonton(konton);
    }
    Konto* operator[](int64_t n) { return Konto::hittaKontoMedNummer(n, konton); }
};
}  // namespace

TEST(Momsniva, RoundTripsWithAllAccounts) {
    Kontoplan plan{2611, 2641, 2614, 2615, 2631};
    Momsnivå nivå(1, dec(25, -2));
    nivå.kontoFörUtgåendeMoms = plan[2611];
    nivå.kontoFörIngåendeMoms = plan[2641];
    nivå.kontoFörUtgåendeMomsOmvändSkattskyldighet = plan[2614];
    nivå.kontoFörUtgåendeMomsImportAvVaror = plan[2615];
    nivå.kontoFörUtgåendeMomsVMB = plan[2631];
    Bytes bytes = skriv(nivå);
    EXPECT_EQ(bytes, Bygg().i64(1).dec(dec(25, -2)).i64(2611).i64(2641).i64(2614).i64(2615).i64(2631).i64(0).bytes());
    auto läst = tillOchTillbaka(nivå, plan.ref);
    EXPECT_EQ(läst->kontoFörUtgåendeMomsVMB, plan[2631]);
    EXPECT_TRUE(läst->nivå.identical(dec(25, -2)));
    EXPECT_EQ(*läst, nivå);
}

TEST(Momsniva, UnknownAccountsStayEmpty) {
    Kontoplan plan{2641};
    Bytes bytes = Bygg().i64(2).dec(dec(12, -2)).i64(2621).i64(2641).i64(-1).i64(-1).i64(-1).i64(0).bytes();
    auto läst = läs<Momsnivå>(bytes, plan.ref);
    EXPECT_EQ(läst->kontoFörUtgåendeMoms, nullptr);
    EXPECT_EQ(läst->kontoFörIngåendeMoms, plan[2641]);
    // Without an account list every field stays empty.
    auto utan = läs<Momsnivå>(bytes);
    EXPECT_EQ(utan->kontoFörIngåendeMoms, nullptr);
    EXPECT_EQ(skriv(*utan), Bygg().i64(2).dec(dec(12, -2)).i64(-1).i64(-1).i64(-1).i64(-1).i64(-1).i64(0).bytes());
}

TEST(Momsniva, MissingRateAndCutsAreRefused) {
    Bytes utanSats = Bygg().i64(2).dec(std::nullopt).i64(-1).i64(-1).i64(-1).i64(-1).i64(-1).i64(0).bytes();
    EXPECT_THROW(läs<Momsnivå>(utanSats), SkadatDokument);
    varjeAvklippKastar<Momsnivå>(skriv(Momsnivå(4, dec(6, -2))));
    EXPECT_EQ(Momsnivå(1, dec(25, -2)), Momsnivå(1, dec(6, -2)));
    EXPECT_FALSE(Momsnivå(1, dec(25, -2)) == Momsnivå(2, dec(25, -2)));
}

TEST(Kostnadsstalle, RecordIsOwnPartThenBasePart) {
    Kostnadsställe k(2, "7", "Lager");
    EXPECT_EQ(k.ordningstal, 7);
    EXPECT_EQ(skriv(k), Bygg().text("Lager").i64(2).i64(0).text("7").i64(7).i64(0).bytes());
    auto läst = tillOchTillbaka(k);
    EXPECT_EQ(läst->nummer, "7");
    EXPECT_EQ(läst->dimensionsnummer, 2);
    Kostnadsställe utanNamn(1, "", std::nullopt);
    EXPECT_FALSE(tillOchTillbaka(utanNamn)->namn);
    varjeAvklippKastar<Kostnadsställe>(skriv(k));
    // The stored ordinal is kept as it is, not derived again.
    auto egen = läs<Kostnadsställe>(Bygg().text("X").i64(1).i64(0).text("12").i64(99).i64(0).bytes());
    EXPECT_EQ(egen->ordningstal, 99);
}

TEST(Kostnadsstalle, ReferencesResolveByDimensionAndNumber) {
    std::vector<std::unique_ptr<Kostnadsställe>> alla;
    alla.push_back(std::make_unique<Kostnadsställe>(1, "7", "Ett"));
    alla.push_back(std::make_unique<Kostnadsställe>(2, "7", "Två"));
    alla.push_back(std::make_unique<Kostnadsställe>(2, "7", "Dubblett"));
    alla.push_back(std::make_unique<Kostnadsställe>(2, "", "Tomt"));
    Referenser ref;
    ref.sättKostnadsställen(alla);

    std::vector<Kostnadsställe*> valda{alla[3].get(), alla[1].get(), alla[0].get()};
    Utström u;
    Kostnadsställe::sparaReferenserTillKostnadsställen(valda, u);
    EXPECT_EQ(u.bytes(), Bygg().i64(3).i64(2).text("").i64(2).text("7").i64(1).text("7").bytes());

    Inström in(u.bytes());
    EXPECT_EQ(Kostnadsställe::läsInReferenserTillKostnadsställen(ref, in), valda);
    EXPECT_TRUE(in.atEnd());

    // (7, dimension 2) does not match (7, dimension 1); unknown ones are dropped.
    Referenser bara1;
    std::vector<Kostnadsställe*> endast{alla[0].get()};
    bara1.sättKostnadsställen(endast);
    Bytes en = Bygg().i64(2).i64(2).text("7").i64(5).text("x").bytes();
    Inström in2(en);
    EXPECT_TRUE(Kostnadsställe::läsInReferenserTillKostnadsställen(bara1, in2).empty());
    EXPECT_TRUE(in2.atEnd());
    // With no cost centres given every reference is read and dropped.
    Inström in3(u.bytes());
    EXPECT_TRUE(Kostnadsställe::läsInReferenserTillKostnadsställen(Referenser{}, in3).empty());
    EXPECT_TRUE(in3.atEnd());
}

TEST(Kostnadsstalle, DamagedReferenceListsThrow) {
    Bytes lista = Bygg().i64(2).i64(1).text("7").i64(2).text("8").bytes();
    for (size_t n = 0; n < lista.size(); ++n) {
        Inström in(std::span(lista.data(), n));
        EXPECT_THROW(Kostnadsställe::läsInReferenserTillKostnadsställen(Referenser{}, in), FormatError) << n;
    }
    Bytes ogiltig = Bygg().i64(1).i64(1).data(Bytes{0xFF}).bytes();
    Inström in(ogiltig);
    EXPECT_THROW(Kostnadsställe::läsInReferenserTillKostnadsställen(Referenser{}, in), FormatError);
    Bytes negativ = Bygg().i64(1).i64(1).i64(-1).bytes();  // number stored as none
    Inström in2(negativ);
    EXPECT_THROW(Kostnadsställe::läsInReferenserTillKostnadsställen(Referenser{}, in2), FormatError);
    Bytes tom = Bygg().i64(-3).bytes();
    Inström in3(tom);
    EXPECT_TRUE(Kostnadsställe::läsInReferenserTillKostnadsställen(Referenser{}, in3).empty());
}

TEST(Kostnadsstalle, EqualityAndOrder) {
    Kostnadsställe a(1, "5", "Lager"), b(1, "9", "Lager"), c(2, "1", "Lager"), d(1, "5", std::nullopt),
        e(1, "5", ""), f(1, "5", "Kontor");
    EXPECT_EQ(a, b);  // same name and dimension, numbers differ
    EXPECT_FALSE(a == c);
    EXPECT_FALSE(d == e);  // absent name is not the empty name
    EXPECT_EQ(Kostnadsställe(1, "1", "e\xCC\x81"), Kostnadsställe(1, "2", "\xC3\xA9"));  // canonical equivalence
    std::vector<Kostnadsställe*> lista{&c, &b, &a, &f, &d};
    std::stable_sort(lista.begin(), lista.end(), [](auto* x, auto* y) { return *x < *y; });
    EXPECT_EQ(lista, (std::vector<Kostnadsställe*>{&d, &f, &a, &b, &c}));
    EXPECT_FALSE(d < e);  // absent name sorts as the empty one
    EXPECT_FALSE(e < d);
}
