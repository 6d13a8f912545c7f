#include "Modell/Artikel.h"
#include "Modell/Konto.h"
#include "Modell/Momsniva.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

namespace {

struct Konton {
    std::vector<std::unique_ptr<Konto>> lista;
    Referenser ref;
    Konton() {
        lista.push_back(std::make_unique<Konto>(3001, "Försäljning 25 %", Kontotyp::intäkt));
        lista.push_back(std::make_unique<Konto>(3002, "Försäljning utan nivå", Kontotyp::intäkt));
        ref.sättKonton(lista);
    }
};

// An article record by hand, up to and including the account word.
Bygg artikelBörjan(const std::string& namn, int64_t typ = 1, int64_t kategori = 0, int64_t konto = 3001) {
    Bygg b;
    b.text(namn).text("st").dec(dec(12500, -2)).i64(typ).i64(kategori).text("SEK").byte(0).i64(konto);
    return b;
}

}  // namespace

TEST(Artikel, RecordRoundTripsWithAccountRateAndCategory) {
    Konton k;
    Artikel a;
    a.namn = "Målning per timme";
    a.försäljningskonto = k.lista[0].get();
    a.enhet = "tim";
    a.pris = dec(45000, -2);
    a.typ = Artikeltyp::tjänster;
    a.valuta = "EUR";
    a.påminnelseavgift = true;
    a.rot_och_rut = ROT_och_RUT_kategori::målning;
    a._momssats = dec(12, -2);
    a.nummer = "A-17";
    a.ordningstal = 17;

    auto l = tillOchTillbaka(a, k.ref);
    EXPECT_EQ(l->namn, a.namn);
    EXPECT_EQ(l->försäljningskonto, k.lista[0].get());
    EXPECT_EQ(l->enhet, a.enhet);
    EXPECT_TRUE(l->pris.identical(a.pris));
    EXPECT_EQ(l->typ, Artikeltyp::tjänster);
    EXPECT_EQ(l->valuta, "EUR");
    EXPECT_TRUE(l->påminnelseavgift);
    EXPECT_EQ(l->rot_och_rut, ROT_och_RUT_kategori::målning);
    EXPECT_TRUE(l->_momssats.identical(a._momssats));
    EXPECT_EQ(l->nummer, "A-17");
    EXPECT_EQ(l->ordningstal, 17);

    // The last category code and no unit, no account.
    a.rot_och_rut = ROT_och_RUT_kategori::reparation_vitvaror;
    a.enhet.reset();
    a.försäljningskonto = nullptr;
    auto m = tillOchTillbaka(a, k.ref);
    EXPECT_EQ(m->rot_och_rut, ROT_och_RUT_kategori::reparation_vitvaror);
    EXPECT_FALSE(m->enhet);
    EXPECT_FALSE(m->försäljningskonto);
}

TEST(Artikel, AccountsResolveOnlyAmongThoseGiven) {
    Konton k;
    for (int64_t nummer : {int64_t(-1), int64_t(4000)}) {
        Bytes b = artikelBörjan("X", 0, 0, nummer).i64(0).text("1").i64(1).i64(0).bytes();
        EXPECT_FALSE(läs<Artikel>(b, k.ref)->försäljningskonto) << nummer;
    }
    Bytes b = artikelBörjan("X").i64(0).text("1").i64(1).i64(0).bytes();
    EXPECT_EQ(läs<Artikel>(b, k.ref)->försäljningskonto, k.lista[0].get());
    EXPECT_FALSE(läs<Artikel>(b, Referenser{})->försäljningskonto);
}

TEST(Artikel, OlderRecordWithoutRateKeepsItsShape) {
    Bytes äldre = artikelBörjan("Tjänst", 1, 0, -1).i64(0).text("5").i64(5).i64(0).bytes();
    auto a = läs<Artikel>(äldre);
    EXPECT_TRUE(a->_momssats.isZero());
    EXPECT_EQ(a->nummer, "5");  // the word after the account closed the record
    EXPECT_EQ(skriv(*a), äldre);

    // Once it has a rate of its own the full record is written.
    a->_momssats = dec(25, -2);
    Bytes full = skriv(*a);
    EXPECT_EQ(full.size(), äldre.size() + 8 + 21);
    EXPECT_TRUE(tillOchTillbaka(*a)->_momssats.identical(dec(25, -2)));
}

TEST(Artikel, NameIsTrimmedOfSpacesButKeepsLineBreaks) {
    for (auto [lagrat, väntat] : std::vector<std::pair<std::string, std::string>>{
             {"  Tjänst \t", "Tjänst"}, {"Tjänst\n", "Tjänst\n"}, {"\u00a0Vara\u2003", "Vara"}, {"", ""}}) {
        Bytes b = artikelBörjan(lagrat).i64(0).text("1").i64(1).i64(0).bytes();
        EXPECT_EQ(läs<Artikel>(b)->namn, väntat);
    }
}

TEST(Artikel, RateComesFromTheSalesAccountsVatLevel) {
    Konton k;
    Momsnivå nivå(1, dec(25, -2));
    k.lista[0]->momsnivå = &nivå;
    Artikel a;
    a._momssats = dec(6, -2);
    EXPECT_TRUE(a.momssats().identical(dec(6, -2)));
    a.försäljningskonto = k.lista[0].get();
    EXPECT_TRUE(a.momssats().identical(dec(25, -2)));
    a.försäljningskonto = k.lista[1].get();
    EXPECT_TRUE(a.momssats().isZero());
}

TEST(Artikel, DamagedRecordsThrow) {
    struct Fall {
        Bytes bytes;
        bool skadat;  // SkadatDokument rather than FormatError
    };
    std::vector<Fall> fall = {
        {artikelBörjan("X", 2).i64(0).text("1").i64(1).i64(0).bytes(), true},
        {artikelBörjan("X", -1).i64(0).text("1").i64(1).i64(0).bytes(), true},
        {artikelBörjan("X", 0, 17).i64(0).text("1").i64(1).i64(0).bytes(), true},
        {artikelBörjan("X", 0, -1).i64(0).text("1").i64(1).i64(0).bytes(), true},
        {artikelBörjan("X").i64(1).dec(std::nullopt).i64(0).text("1").i64(1).i64(0).bytes(), false},
        {Bygg().text("X").text(std::nullopt).dec(std::nullopt).bytes(), false},
        {Bygg().data(Bytes{0xc0, 0x80}).bytes(), false},
    };
    for (size_t i = 0; i < fall.size(); ++i) {
        if (fall[i].skadat)
            EXPECT_THROW(läs<Artikel>(fall[i].bytes), SkadatDokument) << i;
        else
            EXPECT_THROW(läs<Artikel>(fall[i].bytes), FormatError) << i;
    }
    Artikel a;
    a.namn = "Vara";
    varjeAvklippKastar<Artikel>(skriv(a));
}
