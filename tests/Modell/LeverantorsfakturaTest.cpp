#include "Modell/Affarskontakt.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/VanligLeverantorsfaktura.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

namespace {

// What the document has read before its supplier invoices.
struct Dokument {
    std::vector<std::unique_ptr<Konto>> konton;
    std::vector<std::unique_ptr<Kostnadsställe>> kostnadsställen;
    std::vector<std::unique_ptr<Affärskontakt>> kontakter;
    Referenser ref;

    Dokument() {
        konton.push_back(std::make_unique<Konto>(1930, "Bank", Kontotyp::tillgång));
        konton.push_back(std::make_unique<Konto>(4010, "Inköp", Kontotyp::kostnad));
        konton.push_back(std::make_unique<Konto>(2640, "Ingående moms", Kontotyp::skuld));
        kostnadsställen.push_back(std::make_unique<Kostnadsställe>(1, "10", "Butik"));
        kostnadsställen.push_back(std::make_unique<Kostnadsställe>(2, "P7", "Projekt"));
        auto lev = std::make_unique<Affärskontakt>();
        lev->nummer = "L-12";
        lev->ordningstal = 12;
        lev->företag = "Grossisten AB";
        kontakter.push_back(std::move(lev));
        ref.sättKonton(konton);
        ref.sättKostnadsställen(kostnadsställen);
        ref.sättKontakter(kontakter);
    }
    Konto* konto(size_t i) { return konton[i].get(); }
};

template <class T>
void fyllGemensamt(T& f, Dokument& d) {
    f.avsändare = d.kontakter[0].get();
    f.externtNummer = "INV-889";
    f.kostnadsställen = {d.kostnadsställen[1].get(), d.kostnadsställen[0].get()};
    f.poster.emplace_back(d.konto(1), dec(80000, -2));
    f.poster.emplace_back(d.konto(2), dec(20000, -2));
    f.valuta = "EUR";
    f.växelkurs = dec(11432, -3);
    f.kommentar = "Levererat i delar";
    f.nummer = "LF-3";
    f.ordningstal = 3;
}

EjRegistreradLeverantörsfaktura ejRegistrerad(Dokument& d) {
    EjRegistreradLeverantörsfaktura f;
    f.valuta = "NOK";
    f.avsändare = d.kontakter[0].get();
    f.externtNummer = "X-1";
    f.kostnadsställen = {d.kostnadsställen[0].get()};
    f.betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::kontant(Datum(20240310), d.konto(0));
    EjRegistreradLeverantörsfakturapost med;
    med.konto = d.konto(1);
    med.belopp = dec(995, -1);
    EjRegistreradLeverantörsfakturapost utan;
    f.poster = {med, utan};
    f.kommentar = "";
    f.nummer = "7";
    f.ordningstal = 7;
    return f;
}

}  // namespace

TEST(EjRegistreradLeverantörsfaktura, RoundTripsWithBothPaymentKinds) {
    Dokument d;
    EjRegistreradLeverantörsfaktura f = ejRegistrerad(d);
    auto l = tillOchTillbaka(f, d.ref);
    EXPECT_EQ(l->valuta, "NOK");
    EXPECT_EQ(l->avsändare, d.kontakter[0].get());
    EXPECT_EQ(l->externtNummer, "X-1");
    EXPECT_EQ(l->kostnadsställen, f.kostnadsställen);
    EXPECT_TRUE(l->betalningsinfo == f.betalningsinfo);
    ASSERT_EQ(l->poster.size(), 2u);
    EXPECT_EQ(l->poster[0].konto, d.konto(1));
    EXPECT_TRUE(l->poster[0].belopp->identical(dec(995, -1)));
    EXPECT_FALSE(l->poster[1].konto);
    EXPECT_FALSE(l->poster[1].belopp);
    EXPECT_EQ(l->kommentar, std::optional<std::string>(""));
    EXPECT_EQ(l->nummer, "7");

    f.betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::faktura(Datum(20240301), 30);
    f.avsändare = nullptr;
    f.kommentar.reset();
    f.poster.clear();
    auto m = tillOchTillbaka(f, d.ref);
    ASSERT_TRUE(m->betalningsinfo.somFaktura());
    EXPECT_EQ(m->betalningsinfo.somFaktura()->betalningsfrist, 30);
    EXPECT_FALSE(m->avsändare);

    varjeAvklippKastar<EjRegistreradLeverantörsfaktura>(skriv(ejRegistrerad(d)), d.ref);
}

TEST(EjRegistreradLeverantörsfaktura, MissingReferencesAreLeftOutNotRefused) {
    Dokument d;
    EjRegistreradLeverantörsfaktura f = ejRegistrerad(d);
    Bytes b = skriv(f);

    Referenser tomma;  // every table given, all of them empty
    std::vector<std::unique_ptr<Affärskontakt>> ingaKontakter;
    std::vector<std::unique_ptr<Konto>> ingaKonton;
    std::vector<std::unique_ptr<Kostnadsställe>> ingaStällen;
    tomma.sättKontakter(ingaKontakter);
    tomma.sättKonton(ingaKonton);
    tomma.sättKostnadsställen(ingaStällen);

    for (const Referenser* ref : {static_cast<const Referenser*>(&tomma), static_cast<const Referenser*>(nullptr)}) {
        auto l = ref ? läs<EjRegistreradLeverantörsfaktura>(b, *ref) : läs<EjRegistreradLeverantörsfaktura>(b);
        EXPECT_FALSE(l->avsändare);
        EXPECT_TRUE(l->kostnadsställen.empty());
        ASSERT_TRUE(l->betalningsinfo.somKontant());
        EXPECT_FALSE(l->betalningsinfo.somKontant()->källkonto);
        EXPECT_EQ(l->betalningsinfo.somKontant()->betalningsdatum, Datum(20240310));
        ASSERT_EQ(l->poster.size(), 2u);
        EXPECT_FALSE(l->poster[0].konto);
        EXPECT_EQ(l->nummer, "7");
    }

    // A sender number that names no contact.
    Affärskontakt annan;
    annan.nummer = "99";
    f.avsändare = &annan;
    EXPECT_FALSE(läs<EjRegistreradLeverantörsfaktura>(skriv(f), d.ref)->avsändare);
}

TEST(EjRegistreradLeverantörsfaktura, PaymentKindByteOtherThanOneIsAnInvoice) {
    Dokument d;
    EjRegistreradLeverantörsfaktura f = ejRegistrerad(d);
    f.betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::faktura(Datum(20240301), 1930);
    Bytes b = skriv(f);
    // The kind byte follows valuta, sender, external number and one reference.
    size_t plats = (8 + 3) + (8 + 4) + (8 + 3) + 8 + (8 + 8 + 2);
    ASSERT_EQ(b[plats], 0);
    b[plats] = 2;
    auto l = läs<EjRegistreradLeverantörsfaktura>(b, d.ref);
    ASSERT_TRUE(l->betalningsinfo.somFaktura());
    EXPECT_EQ(l->betalningsinfo.somFaktura()->betalningsfrist, 1930);
}

TEST(EjRegistreradLeverantörsfaktura, PaymentEquality) {
    using B = EjRegistreradLeverantörsfaktura::Betalningsinformation;
    Konto a(1930, "Bank", Kontotyp::tillgång), b(1930, "Annan", Kontotyp::tillgång), c(1910, "Kassa", Kontotyp::tillgång);
    EXPECT_TRUE(B::kontant(Datum(1), &a) == B::kontant(Datum(1), &b));
    EXPECT_FALSE(B::kontant(Datum(1), &a) == B::kontant(Datum(1), &c));
    EXPECT_FALSE(B::kontant(Datum(1), &a) == B::kontant(Datum(1), nullptr));
    EXPECT_TRUE(B::kontant(Datum(1), nullptr) == B::kontant(Datum(1), nullptr));
    EXPECT_FALSE(B::kontant(Datum(1), nullptr) == B::kontant(Datum(2), nullptr));
    EXPECT_TRUE(B::faktura(Datum(1), 30) == B::faktura(Datum(1), 30));
    EXPECT_FALSE(B::faktura(Datum(1), 30) == B::faktura(Datum(1), 10));
    EXPECT_FALSE(B::faktura(Datum(1), 0) == B::kontant(Datum(1), nullptr));
}

TEST(Leverantörsfaktura, BothKindsRoundTripByteForByte) {
    Dokument d;
    VanligLeverantörsfaktura v;
    fyllGemensamt(v, d);
    v.fakturadatum = Datum(20240115);
    v.betalningsfrist = 30;
    v.betalningsdatum = Datum(20240212);
    auto lv = tillOchTillbaka(v, d.ref);
    EXPECT_EQ(lv->avsändare, d.kontakter[0].get());
    EXPECT_EQ(lv->externtNummer, "INV-889");
    EXPECT_EQ(lv->kostnadsställen, v.kostnadsställen);
    ASSERT_EQ(lv->poster.size(), 2u);
    EXPECT_EQ(lv->poster[1].konto, d.konto(2));
    EXPECT_TRUE(lv->poster[1].belopp.identical(dec(20000, -2)));
    EXPECT_EQ(lv->valuta, "EUR");
    EXPECT_TRUE(lv->växelkurs.identical(dec(11432, -3)));
    EXPECT_EQ(lv->kommentar, v.kommentar);
    EXPECT_EQ(lv->betalningsdatum, Datum(20240212));
    EXPECT_EQ(lv->datum(), Datum(20240115));
    EXPECT_EQ(lv->nummer, "LF-3");

    // Unpaid: the payment date is stored as 0.
    v.betalningsdatum.reset();
    Bytes obetald = skriv(v);
    EXPECT_EQ(Bygg().i64(20240115).i64(30).i64(0).i64(0).bytes(), Bytes(obetald.begin(), obetald.begin() + 32));
    EXPECT_FALSE(läs<VanligLeverantörsfaktura>(obetald, d.ref)->betalningsdatum);

    KontantLeverantörsfaktura k;
    fyllGemensamt(k, d);
    k.betalningsdatum = Datum(20240220);
    k.kostnadsställen.clear();
    k.poster.clear();
    auto lk = tillOchTillbaka(k, d.ref);
    EXPECT_EQ(lk->datum(), Datum(20240220));
    EXPECT_TRUE(lk->poster.empty());

    varjeAvklippKastar<VanligLeverantörsfaktura>(skriv(v), d.ref);
    varjeAvklippKastar<KontantLeverantörsfaktura>(skriv(k), d.ref);
}

TEST(Leverantörsfaktura, OlderRecordWithoutCommentKeepsItsShape) {
    Dokument d;
    Bytes äldre = Bygg()
                      .i64(20240220).i64(0)                      // own part of a cash purchase
                      .text("L-12").text("E").i64(1)               // sender, external number, one item
                      .i64(4010).dec(dec(5)).i64(0)              // the item
                      .text("SEK").dec(dec(1)).i64(0)            // currency, rate, no cost centres
                      .i64(0)                                    // closing word where the marker stands
                      .text("4").i64(4).i64(0)                   // base record
                      .bytes();
    auto k = läs<KontantLeverantörsfaktura>(äldre, d.ref);
    EXPECT_FALSE(k->kommentar);
    EXPECT_EQ(k->nummer, "4");
    EXPECT_EQ(k->avsändare, d.kontakter[0].get());
    EXPECT_EQ(skriv(*k), äldre);

    k->kommentar = "ny";
    auto ny = tillOchTillbaka(*k, d.ref);
    EXPECT_EQ(ny->kommentar, std::optional<std::string>("ny"));
}

TEST(Leverantörsfaktura, SenderAndAccountsMustBeFound) {
    Dokument d;
    KontantLeverantörsfaktura k;
    fyllGemensamt(k, d);
    k.betalningsdatum = Datum(20240220);
    Bytes b = skriv(k);

    auto väntaFel = [&](const Referenser& ref, const char* meddelande) {
        try {
            läs<KontantLeverantörsfaktura>(b, ref);
            ADD_FAILURE() << "accepted, expected " << meddelande;
        } catch (const SkadatDokument& fel) {
            EXPECT_STREQ(fel.what(), meddelande);
        }
    };

    // Contacts not given, and given but empty: the sender is not found.
    Referenser utanKontakter;
    utanKontakter.sättKonton(d.konton);
    utanKontakter.sättKostnadsställen(d.kostnadsställen);
    väntaFel(utanKontakter, "Kunde inte hitta kontakt!");
    Referenser tommaKontakter = utanKontakter;
    std::vector<std::unique_ptr<Affärskontakt>> inga;
    tommaKontakter.sättKontakter(inga);
    väntaFel(tommaKontakter, "Kunde inte hitta kontakt!");

    // Accounts not given, or an item account missing among them.
    Referenser utanKonton;
    utanKonton.sättKontakter(d.kontakter);
    väntaFel(utanKonton, "Kontot kunde inte hittas!");
    Referenser fåKonton = utanKonton;
    std::vector<std::unique_ptr<Konto>> bara;
    bara.push_back(std::make_unique<Konto>(4010, "Inköp", Kontotyp::kostnad));
    fåKonton.sättKonton(bara);
    väntaFel(fåKonton, "Kontot kunde inte hittas!");

    // An item amount stored as none, and a missing rate.
    Bytes utanBelopp = Bygg().i64(20240220).i64(0).text("L-12").text("E").i64(1).i64(4010).dec(std::nullopt).i64(0).bytes();
    EXPECT_THROW(läs<KontantLeverantörsfaktura>(utanBelopp, d.ref), FormatError);
    Bytes utanKurs = Bygg().i64(20240220).i64(0).text("L-12").text("E").i64(0).text("SEK").dec(std::nullopt).bytes();
    EXPECT_THROW(läs<KontantLeverantörsfaktura>(utanKurs, d.ref), FormatError);

    // Nothing is written that could not be read back.
    KontantLeverantörsfaktura utanAvsändare;
    EXPECT_THROW(skriv(utanAvsändare), SkadatDokument);
}
