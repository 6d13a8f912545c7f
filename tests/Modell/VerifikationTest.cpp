#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rad.h"
#include "Modell/RedigerbarVerifikation.h"
#include "Modell/Verifikation.h"
#include "Plattform/Klocka.h"
#include "Postprov.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace postprov;

namespace {
struct Bok {
    std::vector<std::unique_ptr<Konto>> konton;
    std::vector<std::unique_ptr<Kostnadsställe>> kostnadsställen;
    Referenser ref;
    Bok() {
        for (int64_t n : {1510, 1930, 2611, 3010})
            konton.push_back(std::make_unique<Konto>(n, "Konto " + std::to_string(n), Kontotyp::okänd));
        kostnadsställen.push_back(std::make_unique<Kostnadsställe>(1, "10", "Butik"));
        kostnadsställen.push_back(std::make_unique<Kostnadsställe>(2, "7", "Projekt"));
        ref.sättKonton(konton);
        ref.sättKostnadsställen(kostnadsställen);
    }
    Konto& k(int64_t n) { return *Konto::hittaKontoMedNummer(n, konton); }
    Kostnadsställe* ks(size_t i) { return kostnadsställen[i].get(); }

    std::unique_ptr<Rad> rad(int64_t konto, Decimal belopp, std::vector<Kostnadsställe*> ks = {},
                             std::optional<std::string> borttagenAv = std::nullopt,
                             std::optional<std::string> hash = std::nullopt) {
        return std::make_unique<Rad>(k(konto), belopp, konto, std::move(ks), std::nullopt, std::nullopt,
                                     std::move(borttagenAv), std::nullopt, std::move(hash));
    }
    std::unique_ptr<Verifikation> verifikation(std::optional<int64_t> nummer, std::string namn, int64_t datum,
                                               Radlista rader = {},
                                               Verifikationstyp typ = Verifikationstyp::okänd) {
        return std::make_unique<Verifikation>(nummer, std::move(namn), typ, Datum(datum), std::move(rader),
                                              std::nullopt, std::nullopt, std::nullopt);
    }
};

Radlista lista(std::unique_ptr<Rad> a, std::unique_ptr<Rad> b) {
    Radlista v;
    v.push_back(std::move(a));
    v.push_back(std::move(b));
    return v;
}

struct FastDag {
    explicit FastDag(klocka::Dag dag) { klocka::sättIdag([dag] { return dag; }); }
    ~FastDag() { klocka::sättIdag({}); }
};
}  // namespace

TEST(Rad, RecordRoundTripsEveryField) {
    Bok bok;
    Rad rad(bok.k(3010), dec(125050, -2, true), 2, {bok.ks(1), bok.ks(0)}, "anna", Datum(20240101), "bertil",
            Datum(20240102), "h-17");
    rad.försäljningstyp = Försäljningstyp::momsfriVara;
    Bytes väntat = Bygg().i64(2).i64(3010).dec(dec(125050, -2, true)).text("anna").i64(20240101).text("bertil")
                       .i64(20240102).i64(3).text("h-17").i64(2).i64(2).text("7").i64(1).text("10").i64(0).bytes();
    EXPECT_EQ(skriv(rad), väntat);
    auto läst = tillOchTillbaka(rad, bok.ref);
    EXPECT_EQ(läst->konto, &bok.k(3010));
    EXPECT_EQ(läst->kostnadsställen, (std::vector<Kostnadsställe*>{bok.ks(1), bok.ks(0)}));
    EXPECT_TRUE(läst->borttagen());
    EXPECT_EQ(läst->borttagenDatum, Datum(20240102));
    EXPECT_EQ(läst->försäljningstyp, Försäljningstyp::momsfriVara);
    EXPECT_TRUE(läst->belopp().isZero());
    EXPECT_TRUE(läst->ursprungligtBelopp.identical(dec(125050, -2, true)));

    Rad enkel(bok.k(1930), dec(0), 1, {}, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(skriv(enkel), Bygg().i64(1).i64(1930).dec(dec(0)).text(std::nullopt).i64(0).text(std::nullopt).i64(0)
                                .i64(0).text(std::nullopt).i64(0).i64(0).bytes());
    EXPECT_FALSE(tillOchTillbaka(enkel, bok.ref)->borttagen());
}

TEST(Rad, DamagedRecordsThrow) {
    Bok bok;
    auto post = [](int64_t konto, std::optional<Decimal> belopp, int64_t typ) {
        return Bygg().i64(1).i64(konto).dec(belopp).text(std::nullopt).i64(0).text(std::nullopt).i64(0).i64(typ)
            .text(std::nullopt).i64(0).i64(0).bytes();
    };
    try {
        läs<Rad>(post(9999, dec(1), 0), bok.ref);
        ADD_FAILURE();
    } catch (const SkadatDokument& fel) {
        EXPECT_STREQ(fel.what(), "Konto för rad saknas");
    }
    EXPECT_THROW(läs<Rad>(post(1930, dec(1), 0)), SkadatDokument);  // no accounts given
    EXPECT_THROW(läs<Rad>(post(1930, std::nullopt, 0), bok.ref), SkadatDokument);
    for (int64_t typ : {int64_t{5}, int64_t{-1}, INT64_MAX}) EXPECT_THROW(läs<Rad>(post(1930, dec(1), typ), bok.ref), SkadatDokument);
    for (int64_t typ = 0; typ <= 4; ++typ) EXPECT_EQ(skriv(*läs<Rad>(post(1930, dec(1), typ), bok.ref)), post(1930, dec(1), typ));
    Rad rad(bok.k(1510), dec(5), 1, {bok.ks(0)}, "a", Datum(20240101), std::nullopt, std::nullopt, "x");
    varjeAvklippKastar<Rad>(skriv(rad), bok.ref);
}

TEST(Verifikation, RegistrationDateTakesTheMarkersPlace) {
    Bok bok;
    auto v = bok.verifikation(12, "Hyra", 20240301, lista(bok.rad(1930, dec(500, 0, true)), bok.rad(3010, dec(500))));
    Bygg huvud;
    huvud.i64(12).text("Hyra").i64(20240301).i64(0).text(std::nullopt).text(std::nullopt).text(std::nullopt)
        .text(std::nullopt).data(std::nullopt).data(std::nullopt).data(std::nullopt).text(std::nullopt).i64(2);
    Bytes rader = skriv(*v->rader[0]);
    Bytes rad2 = skriv(*v->rader[1]);
    rader.insert(rader.end(), rad2.begin(), rad2.end());
    Bytes utan = huvud.bytes();
    utan.insert(utan.end(), rader.begin(), rader.end());
    Bytes med = utan;
    Bytes slut = Bygg().i64(0).bytes();
    Bytes datumOchSlut = Bygg().i64(20240315).i64(0).bytes();
    utan.insert(utan.end(), slut.begin(), slut.end());
    med.insert(med.end(), datumOchSlut.begin(), datumOchSlut.end());

    EXPECT_EQ(skriv(*v), utan);
    EXPECT_FALSE(tillOchTillbaka(*v, bok.ref)->registreringsdatum);
    v->registreringsdatum = Datum(20240315);
    EXPECT_EQ(skriv(*v), med);
    EXPECT_EQ(tillOchTillbaka(*v, bok.ref)->registreringsdatum, Datum(20240315));
    v->registreringsdatum = Datum(-3);  // not a positive date: not written
    EXPECT_EQ(skriv(*v), utan);
    // A word below 1 after the rows is the closing word.
    Bytes negativ = huvud.bytes();
    negativ.insert(negativ.end(), rader.begin(), rader.end());
    Bytes minus = Bygg().i64(-7).bytes();
    negativ.insert(negativ.end(), minus.begin(), minus.end());
    EXPECT_FALSE(läs<Verifikation>(negativ, bok.ref)->registreringsdatum);
}

TEST(Verifikation, EveryFieldRoundTrips) {
    Bok bok;
    auto v = bok.verifikation(std::nullopt, "  Inköp \t", 20231231,
                              lista(bok.rad(2611, dec(25), {bok.ks(1)}, std::nullopt, "rad-1"),
                                    bok.rad(1930, dec(25, 0, true), {}, "eva")),
                              Verifikationstyp::mottagenLeverantörsfaktura);
    v->fakturanummer = "F-17";
    v->leverantörsfakturanummer = "";
    v->momsregistreringsnummer = "SE556677889901";
    v->kommentar = "Kommentar\nmed radbrytning";
    v->bildURL = Bytes{'f', 'i', 'l', 'e', ':', '/', '/', '/', 'x'};
    v->bildobjekt = Bytes{0x89, 'P', 'N', 'G'};
    v->bildbokmärke = Bytes{};
    v->registreringsdatum = Datum(20240105);
    auto läst = tillOchTillbaka(*v, bok.ref);
    EXPECT_EQ(läst->namn, "  Inköp \t");  // entry texts are not trimmed
    EXPECT_EQ(läst->utdrag, "rad-1");
    EXPECT_EQ(läst->bildbokmärke, Bytes{});
    EXPECT_EQ(läst->typ, Verifikationstyp::mottagenLeverantörsfaktura);
    EXPECT_EQ(läst->rader.size(), 2u);
    EXPECT_EQ(*läst, *v);
    varjeAvklippKastar<Verifikation>(skriv(*v), bok.ref);
}

// The name is kept in one word up to seven bytes and in a block beyond: every
// length comes back, an empty name is stored as an empty text (never as
// none), and a name stored as none is refused.
TEST(Verifikation, NamesOfEveryLengthRoundTripAndNoneIsRefused) {
    Bok bok;
    for (size_t längd = 0; längd <= 20; ++längd) {
        std::string namn;
        for (size_t i = 0; i < längd; ++i) namn.push_back(char('a' + i));
        auto v = bok.verifikation(1, namn, 20240101);
        Bytes bytes = skriv(*v);
        Inström in(bytes);
        in.int64();
        EXPECT_EQ(in.int64(), int64_t(längd));
        auto läst = läs<Verifikation>(bytes, bok.ref);
        EXPECT_EQ(läst->namn, namn);
        EXPECT_EQ(skriv(*läst), bytes);
    }
    Bytes utanNamn = skriv(*bok.verifikation(1, "", 20240101));
    Bytes minusEtt = Bygg().i64(-1).bytes();
    std::copy(minusEtt.begin(), minusEtt.end(), utanNamn.begin() + 8);
    EXPECT_THROW(läs<Verifikation>(utanNamn, bok.ref), FormatError);
}

TEST(Verifikation, NumberMinusOneMeansNone) {
    Bok bok;
    struct Fall {
        std::optional<int64_t> nummer;
        int64_t lagrat;
        std::optional<int64_t> tillbaka;
    } fall[] = {{std::nullopt, -1, std::nullopt}, {0, 0, 0}, {-1, -1, std::nullopt}, {-2, -2, -2}, {7, 7, 7}};
    for (const auto& f : fall) {
        auto v = bok.verifikation(f.nummer, "x", 20240101);
        Bytes bytes = skriv(*v);
        Inström in(bytes);
        EXPECT_EQ(in.int64(), f.lagrat);
        EXPECT_EQ(läs<Verifikation>(bytes, bok.ref)->nummer(), f.tillbaka);
    }
}

TEST(Verifikation, KindCodes) {
    Bok bok;
    for (int64_t k : {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21}) {
        auto typ = frånKod<Verifikationstyp>(k);
        ASSERT_TRUE(typ) << k;
        EXPECT_EQ(kod(*typ), k);
        auto v = bok.verifikation(1, "x", 20240101, {}, *typ);
        EXPECT_EQ(tillOchTillbaka(*v, bok.ref)->typ, *typ);
    }
    for (int64_t k : {int64_t{7}, int64_t{8}, int64_t{9}, int64_t{18}, int64_t{19}, int64_t{22}, int64_t{-1}, INT64_MIN}) {
        EXPECT_FALSE(frånKod<Verifikationstyp>(k)) << k;
        auto v = bok.verifikation(1, "x", 20240101);
        Bytes bytes = skriv(*v);
        Bytes ändrad = bytes;
        Bytes ord = Bygg().i64(k).bytes();
        // The kind word follows the number (8), the text (8 + 1) and the date (8).
        std::copy(ord.begin(), ord.end(), ändrad.begin() + 25);
        auto läst = läs<Verifikation>(ändrad, bok.ref);
        EXPECT_EQ(läst->typ, Verifikationstyp::okänd);
        EXPECT_EQ(skriv(*läst), bytes);  // written back as 0
    }
}

TEST(Verifikation, DamagedEntriesThrow) {
    Bok bok;
    auto v = bok.verifikation(1, "x", 20240101, lista(bok.rad(1930, dec(1)), bok.rad(1510, dec(1, 0, true))));
    Bytes bytes = skriv(*v);
    // Unknown account of a row, also when reading without accounts.
    Referenser utanKonton;
    EXPECT_THROW(läs<Verifikation>(bytes, utanKonton), SkadatDokument);
    // Text that is not UTF-8.
    Bytes ogiltig = bytes;
    ogiltig[16] = 0xFF;
    EXPECT_THROW(läs<Verifikation>(ogiltig, bok.ref), FormatError);
    // A row count far larger than the data.
    auto tom = bok.verifikation(1, "x", 20240101);
    Bytes stor = skriv(*tom);
    Bytes ord = Bygg().i64(INT64_MAX).bytes();
    std::copy(ord.begin(), ord.end(), stor.end() - 16);
    EXPECT_THROW(läs<Verifikation>(stor, bok.ref), FormatError);
}

TEST(Verifikation, SettingTheNumberStampsTheRegistrationDate) {
    FastDag dag({2024, 5, 17});
    Bok bok;
    auto v = bok.verifikation(std::nullopt, "x", 20240101);
    EXPECT_FALSE(v->registreringsdatum);
    v->sättNummer(12);
    EXPECT_EQ(v->nummer(), 12);
    EXPECT_EQ(v->registreringsdatum, Datum(20240517));
    v->sättNummer(std::nullopt);
    EXPECT_FALSE(v->nummer());
    EXPECT_FALSE(v->registreringsdatum);
    // The initializer never stamps, even with a number.
    EXPECT_FALSE(bok.verifikation(5, "x", 20240101)->registreringsdatum);
}

TEST(Verifikation, InitializerTakesTheStatementFromTheFirstRowThatHasOne) {
    Bok bok;
    Radlista rader;
    rader.push_back(bok.rad(1930, dec(1)));
    rader.push_back(bok.rad(1510, dec(1), {}, std::nullopt, "andra"));
    rader.push_back(bok.rad(3010, dec(1), {}, std::nullopt, "tredje"));
    Bildinfo bild{Bytes{1}, Bytes{2}, Bytes{3}};
    Verifikation v(4, "Text", Verifikationstyp::manuell, Datum(20240101), std::move(rader), "k", bild, "L-1");
    EXPECT_EQ(v.utdrag, "andra");
    EXPECT_EQ(v.bildobjekt, Bytes{1});
    EXPECT_EQ(v.bildbokmärke, Bytes{2});
    EXPECT_EQ(v.bildURL, Bytes{3});
    EXPECT_EQ(v.leverantörsfakturanummer, "L-1");
    EXPECT_FALSE(v.fakturanummer);
    EXPECT_FALSE(v.momsregistreringsnummer);
    EXPECT_FALSE(bok.verifikation(1, "x", 20240101)->utdrag);
}

TEST(Verifikation, InvoiceEventEntries) {
    Bok bok;
    struct Fall {
        Verifikationstyp typ;
        const char* namn;
    } fall[] = {
        {Verifikationstyp::skickadFaktura, "Faktura #1007 skickad"},
        {Verifikationstyp::delbetaldFaktura, "Faktura #1007 delbetald"},
        {Verifikationstyp::betaldFaktura, "Faktura #1007 betald"},
        {Verifikationstyp::kundförlust, "Kundförlust avseende #1007"},
        {Verifikationstyp::Återköp, "Retur/återköp för faktura #1007"},
        {Verifikationstyp::påminnelseavgift, "Reminder fee for invoice #1007"},
    };
    for (const auto& f : fall) {
        Radlista rader;
        rader.push_back(bok.rad(1510, dec(1), {}, std::nullopt, "u1"));
        auto v = Verifikation::förFakturahändelse(f.typ, "1007", Datum(20240102), std::move(rader), std::nullopt,
                                                  std::nullopt, "ignoreras");
        EXPECT_EQ(v->namn, f.namn);
        EXPECT_EQ(v->fakturanummer, "1007");
        EXPECT_EQ(v->typ, f.typ);
        EXPECT_FALSE(v->nummer());
        EXPECT_FALSE(v->registreringsdatum);
        EXPECT_EQ(v->utdrag, "u1");
    }
    EXPECT_THROW(Verifikation::förFakturahändelse(Verifikationstyp::manuell, "1", Datum(20240101), {}, std::nullopt,
                                                  std::nullopt, std::nullopt),
                 std::logic_error);
}

TEST(Verifikation, RowComparison) {
    Bok bok;
    struct Fall {
        const char* vad;
        Radlista a, b;
        bool lika;
    };
    std::vector<Fall> fall;
    fall.push_back({"other order", lista(bok.rad(1930, dec(5)), bok.rad(3010, dec(5, 0, true))),
                    lista(bok.rad(3010, dec(5, 0, true)), bok.rad(1930, dec(5))), true});
    fall.push_back({"100 equals 100.00", lista(bok.rad(1930, dec(100)), bok.rad(1510, dec(1))),
                    lista(bok.rad(1510, dec(1)), bok.rad(1930, dec(10000, -2))), true});
    fall.push_back({"struck 500 is not present 0", lista(bok.rad(1930, dec(500), {}, "x"), bok.rad(1510, dec(1))),
                    lista(bok.rad(1930, dec(0)), bok.rad(1510, dec(1))), false});
    fall.push_back({"two struck rows of different amounts", lista(bok.rad(1930, dec(500), {}, "x"), bok.rad(1510, dec(1))),
                    lista(bok.rad(1930, dec(7), {}, "y"), bok.rad(1510, dec(1))), true});
    fall.push_back({"other account", lista(bok.rad(1930, dec(5)), bok.rad(1510, dec(1))),
                    lista(bok.rad(2611, dec(5)), bok.rad(1510, dec(1))), false});
    fall.push_back({"cost centres in other order", lista(bok.rad(1930, dec(5), {bok.ks(0), bok.ks(1)}), bok.rad(1510, dec(1))),
                    lista(bok.rad(1510, dec(1)), bok.rad(1930, dec(5), {bok.ks(1), bok.ks(0)})), true});
    fall.push_back({"missing cost centre", lista(bok.rad(1930, dec(5), {bok.ks(0)}), bok.rad(1510, dec(1))),
                    lista(bok.rad(1930, dec(5)), bok.rad(1510, dec(1))), false});
    fall.push_back({"same account, rows swap amounts", lista(bok.rad(1930, dec(5)), bok.rad(1930, dec(7))),
                    lista(bok.rad(1930, dec(7)), bok.rad(1930, dec(5))), true});
    for (auto& f : fall) EXPECT_EQ(Verifikation::jämförRader(f.a, f.b), f.lika) << f.vad;

    Radlista tom1, tom2, en;
    en.push_back(bok.rad(1930, dec(1)));
    EXPECT_TRUE(Verifikation::jämförRader(tom1, tom2));
    EXPECT_FALSE(Verifikation::jämförRader(tom1, en));
}

TEST(Verifikation, EqualityUsesNumberDateTextAndRows) {
    Bok bok;
    auto bas = [&] { return bok.verifikation(3, "Hyra", 20240301, lista(bok.rad(1930, dec(5)), bok.rad(3010, dec(5, 0, true)))); };
    auto a = bas();
    auto b = bok.verifikation(3, "Hyra", 20240301, lista(bok.rad(3010, dec(5, 0, true)), bok.rad(1930, dec(5))),
                              Verifikationstyp::intäkt);
    b->kommentar = "annan";
    b->fakturanummer = "9";
    EXPECT_EQ(*a, *b);  // kind, comment and invoice number take no part
    EXPECT_EQ(std::hash<Verifikation>{}(*a), std::hash<Verifikation>{}(*b));
    auto c = bas();
    c->sättNummer(std::nullopt);
    EXPECT_FALSE(*a == *c);
    EXPECT_FALSE(*a == *bok.verifikation(3, "Hyra", 20240302, lista(bok.rad(1930, dec(5)), bok.rad(3010, dec(5, 0, true)))));
    EXPECT_FALSE(*a == *bok.verifikation(3, "Hyra!", 20240301, lista(bok.rad(1930, dec(5)), bok.rad(3010, dec(5, 0, true)))));
    EXPECT_EQ(*bok.verifikation(1, "Caf\xC3\xA9", 20240101), *bok.verifikation(1, "Cafe\xCC\x81", 20240101));
}

TEST(Verifikation, Order) {
    Bok bok;
    std::vector<std::unique_ptr<Verifikation>> v;
    v.push_back(bok.verifikation(3, "c", 20240101));
    v.push_back(bok.verifikation(std::nullopt, "n", 20240101));
    v.push_back(bok.verifikation(2, "b", 20240101));
    std::vector<Verifikation*> p{v[0].get(), v[1].get(), v[2].get()};
    std::stable_sort(p.begin(), p.end(), [](auto* a, auto* b) { return *a < *b; });
    EXPECT_EQ(p, (std::vector<Verifikation*>{v[1].get(), v[2].get(), v[0].get()}));

    struct Fall {
        std::unique_ptr<Verifikation> a, b;
        bool före, efter;
    };
    std::vector<Fall> fall;
    fall.push_back({bok.verifikation(5, "z", 20240101), bok.verifikation(5, "a", 20240102), true, false});
    fall.push_back({bok.verifikation(5, "z", 20240101, {}, Verifikationstyp::skickadFaktura),
                    bok.verifikation(5, "a", 20240101, {}, Verifikationstyp::lön), true, false});
    fall.push_back({bok.verifikation(5, "a", 20240101), bok.verifikation(5, "b", 20240101), true, false});
    fall.push_back({bok.verifikation(std::nullopt, "a", 20240101), bok.verifikation(std::nullopt, "b", 20240101), true, false});
    fall.push_back({bok.verifikation(-1 + 0, "a", 20240101), bok.verifikation(std::nullopt, "a", 20230101), true, false});
    fall.push_back({bok.verifikation(0, "a", 20240105), bok.verifikation(std::nullopt, "a", 20240101), false, false});
    fall.push_back({bok.verifikation(5, "a", 20240101), bok.verifikation(5, "a", 20240101), false, false});
    for (size_t i = 0; i < fall.size(); ++i) {
        EXPECT_EQ(*fall[i].a < *fall[i].b, fall[i].före) << i;
        EXPECT_EQ(*fall[i].b < *fall[i].a, fall[i].efter) << i;
    }
}

TEST(RedigerbarVerifikation, EqualityAndOrderOfTheEditableForms) {
    RedigerbarRad r1, r2;
    r1.nummer = r2.nummer = 4;
    r1.ursprungligtBelopp = dec(5);
    r2.borttagenAv = "x";
    EXPECT_EQ(r1, r2);
    EXPECT_TRUE(r2.belopp().isZero());
    EXPECT_EQ(std::hash<RedigerbarRad>{}(r1), std::hash<RedigerbarRad>{}(r2));
    r2.nummer = 5;
    EXPECT_FALSE(r1 == r2);

    RedigerbarVerifikation a, b;
    a.datum = b.datum = Datum(20240101);
    a.namn = "a";
    b.namn = "b";
    EXPECT_EQ(a, b);
    EXPECT_TRUE(a < b);
    b.nummer = 1;
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a < b);
}
