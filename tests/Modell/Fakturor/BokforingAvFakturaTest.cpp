// The entry that sending an invoice books, checked against amounts worked
// out by hand, and every way it can fail.
#include "Modell/Fakturor/Fakturafel.h"
#include "Modell/Rad.h"
#include "Modell/Verifikation.h"
#include "Fakturabok.h"

#include <gtest/gtest.h>

using namespace fakturabok;

namespace {

struct VäntadRad {
    int64_t konto;
    const char* belopp;
    int64_t nummer;
    Försäljningstyp typ = Försäljningstyp::okänd;
    bool kostnadsställen = false;
};

void förvänta(const Verifikation& v, const std::vector<VäntadRad>& väntat) {
    ASSERT_EQ(v.rader.size(), väntat.size());
    for (size_t i = 0; i < väntat.size(); ++i) {
        const Rad& r = *v.rader[i];
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(r.konto->nummer, väntat[i].konto);
        EXPECT_EQ(r.ursprungligtBelopp, tal(väntat[i].belopp)) << r.ursprungligtBelopp.text();
        EXPECT_EQ(r.nummer, väntat[i].nummer);
        EXPECT_EQ(r.försäljningstyp, väntat[i].typ);
        EXPECT_EQ(r.kostnadsställen.size(), väntat[i].kostnadsställen ? 1u : 0u);
    }
    Decimal summa;
    for (const auto& r : v.rader) summa = summa.adding(r->belopp());
    EXPECT_TRUE(summa.isZero()) << summa.text();
}

}  // namespace

// Two VAT rates, a 10 % invoice discount, öre rounding and ROT: every
// amount below was worked out by hand.
//   items: T 1000 × 3 (3000.00, VAT 750.00); V 99.75 (VAT 11.97);
//          default article 10.06 × 2 (20.12, VAT 5.03)
//   net 3119.87 → 2807.88 after discount; VAT 767.00 → 690.30
//   ROT: (3020.12 → 2718.10) + (755.03 → 679.52) = 3397.62 × 0.3 → 1019
//   t = 690.30 + 2807.88 − 1019 = 2479.18 → to pay 2479.00, rounding −0.18
//   per account after discount: 3001 2718.10, 3002 89.77, 2611 679.52,
//   2621 10.77; VAT short by 0.01 → 2611 679.53; sum 3497.99 against
//   2479 + 1019 = 3498.00 → 0.01 more on the rounding account: −0.17.
TEST(BokforingAvFaktura, HandWorkedInvoiceBooksRowByRow) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "1000", "3");
    post(*b, *d, "V", "99.75", "1");
    post(*b, *d, "", "10.06", "2");
    d->sättRabatt(tal("0.1"));
    d->sättÖresutjämna(true);
    d->sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::nullopt, tal("1"), Rotuppgifter::hus("Berga 1:2"),
                                          Skatteavdrag::standardFörROT()));
    d->kostnadsställen = {b->kostnadsställen.front().get()};
    Faktura f(*d, std::nullopt);
    EXPECT_EQ(f._nettobelopp, tal("3119.87"));
    EXPECT_EQ(f._beloppExklMoms, tal("2807.88"));
    EXPECT_EQ(f._momsbelopp, tal("690.30"));
    EXPECT_EQ(*f._avdragsbelopp, tal("1019"));
    EXPECT_EQ(f._öresutjämningsbelopp, tal("-0.18"));
    EXPECT_EQ(f._attBetala, tal("2479"));

    auto v = f.verifikationFörSkickandet(*b);
    ASSERT_TRUE(v);
    const auto med = Försäljningstyp::medMomsEllerUtanförEU;
    förvänta(*v, {{2611, "-679.53", 1},
                  {2621, "-10.77", 2},
                  {3001, "-2718.10", 3, med, true},
                  {3002, "-89.77", 4, med, true},
                  {3740, "0.17", 5, med, true},
                  {1513, "1019", 11511},
                  {1510, "2479", 7}});
    EXPECT_EQ(v->typ, Verifikationstyp::skickadFaktura);
    EXPECT_EQ(v->namn, "Faktura #" + f.nummer() + " skickad");
    EXPECT_EQ(v->fakturanummer, f.nummer());
    EXPECT_EQ(v->datum, Datum(20240502));
    EXPECT_FALSE(v->nummer());
    EXPECT_EQ(v->momsregistreringsnummer, "SE556677889901");
}

TEST(BokforingAvFaktura, NoEntryUnlessTheInvoiceMethodBooksOnSending) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "V", "10", "1");
    b->metod = Bokföringsmetod::kontantmetoden;
    Faktura kontant(*d, std::nullopt);
    EXPECT_EQ(kontant.metod, Bokföringsmetod::kontantmetoden);
    // Not even a missing receivables account is an error then.
    b->kontoFörKundfordringar = nullptr;
    EXPECT_EQ(kontant.verifikationFörSkickandet(*b), nullptr);
    b->metod = Bokföringsmetod::fakturametoden;
    b->bokförFakturorAutomatiskt = false;
    Faktura manuell(*d, std::nullopt);
    EXPECT_EQ(manuell.verifikationFörSkickandet(*b), nullptr);
}

TEST(BokforingAvFaktura, EachMissingAccountGivesItsMessage) {
    struct Fall {
        const char* namn;
        std::function<void(Bokföring&)> ändra;
        std::string meddelande;
    };
    const std::vector<Fall> fall = {
        {"receivables", [](Bokföring& b) { b.kontoFörKundfordringar = nullptr; },
         "You need to set the account for accounts receivable, under Settings / Invoicing."},
        {"sales account",
         [](Bokföring& b) {
             artikel(b, "T")->försäljningskonto = nullptr;
             b.förvaldArtikel = artikel(b, "T");
         },
         "One of the invoice items is missing a sales account. You need to set the sales account for the "
         "corresponding product, or set the sales account for the default product (if the invoice item doesn't "
         "have a product)."},
        {"VAT level", [](Bokföring& b) { konto(b, 3001)->momsnivå = nullptr; },
         "There is no VAT information for account 3001. Please select the appropriate VAT level for this account "
         "under Settings / Accounts."},
        {"VAT account", [](Bokföring& b) { b.momsnivåer[0]->kontoFörUtgåendeMoms = nullptr; },
         "One of the invoice items is missing a VAT account. You need to configure VAT accounts for the VAT level "
         "with rate 25 %, under Settings / VAT."},
        {"rounding", [](Bokföring& b) { b.kontoFörÖresutjämning = nullptr; },
         "You need to select the account for rounding differences under Settings / Invoicing."},
        {"ROT", [](Bokföring& b) { b.kontoFörROT = nullptr; },
         "You need to configure the 'ROT' or 'RUT' account, under Settings / ROT & RUT."},
    };
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        auto b = bokföring();
        auto d = ejSkickad(*b);
        post(*b, *d, "T", "100.40", "1");
        d->sättÖresutjämna(true);
        // Named, not temporaries: gcc 12 warns of a temporary optional text here.
        const std::optional<std::string> köpare = "19700101-1234", ingenAnnan;
        d->sättSkatteavdrag(Skatteavdrag::rut(köpare, ingenAnnan, tal("1"), Skatteavdrag::standardFörRUT()));
        artikel(*b, "T")->rot_och_rut = ROT_och_RUT_kategori::städning;
        // The sales account is frozen into the item, so it goes before.
        if (std::string(c.namn) == "sales account") c.ändra(*b);
        Faktura f(*d, std::nullopt);
        c.ändra(*b);
        try {
            f.verifikationFörSkickandet(*b);
            ADD_FAILURE() << "no error";
        } catch (const Fakturafel& fel) {
            EXPECT_EQ(fel.meddelande(), c.meddelande);
        }
    }
    // Zero VAT needs no VAT level at all.
    auto b = bokföring();
    konto(*b, 3001)->momsnivå = nullptr;
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "100", "1");
    Faktura f(*d, std::nullopt);
    EXPECT_TRUE(f.verifikationFörSkickandet(*b));
}

TEST(BokforingAvFaktura, ForeignCurrencyIsConvertedWithoutRounding) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "10.01", "1");  // VAT 2.5025 → 2.50
    d->sättValuta("EUR");
    d->sättÖresutjämna(false);
    Faktura f(*d, tal("11.5"));
    EXPECT_TRUE(f.annanValuta);
    EXPECT_EQ(f.lokaltBeloppAttBetala, tal("143.86"));  // 12.51 × 11.5 = 143.865, to whole öre
    auto v = f.verifikationFörSkickandet(*b);
    ASSERT_TRUE(v);
    förvänta(*v, {{2611, "-28.75", 1},
                  {3001, "-115.115", 2, Försäljningstyp::medMomsEllerUtanförEU},
                  {1510, "143.865", 3}});
}

TEST(BokforingAvFaktura, ReverseChargeRowsTellGoodsFromServices) {
    auto b = bokföring();
    auto bokför = [&] {
        auto d = ejSkickad(*b);
        d->sättOmvändSkattskyldighetFörMoms(true);
        post(*b, *d, "V", "100", "1");
        post(*b, *d, "T", "200", "1");
        return Faktura(*d, std::nullopt).verifikationFörSkickandet(*b);
    };
    b->förvaldArtikel = nullptr;
    auto v = bokför();
    ASSERT_TRUE(v);
    förvänta(*v, {{3001, "-200", 1, Försäljningstyp::momsfriTjänst},
                  {3002, "-100", 2, Försäljningstyp::momsfriVara},
                  {1510, "300", 3}});
    // Every item counts on the default article's account: goods and
    // services mixed there.
    b->förvaldArtikel = artikel(*b, "T");
    auto v2 = bokför();
    ASSERT_TRUE(v2);
    förvänta(*v2, {{3001, "-200", 1, Försäljningstyp::okänd},
                   {3002, "-100", 2, Försäljningstyp::momsfriVara},
                   {1510, "300", 3}});
}

TEST(BokforingAvFaktura, RemainderWithoutRoundingAccountGoesToTheLargestPositiveAccount) {
    auto b = bokföring();
    b->kontoFörÖresutjämning = nullptr;
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "3020.12", "1");
    post(*b, *d, "V", "99.75", "1");
    d->sättRabatt(tal("0.1"));
    Faktura f(*d, std::nullopt);
    // Sales 2718.10 + 89.77 fall 0.01 short of the discounted net 2807.88.
    auto v = f.verifikationFörSkickandet(*b);
    förvänta(*v, {{2611, "-679.53", 1},
                  {2621, "-10.77", 2},
                  {3001, "-2718.11", 3, Försäljningstyp::medMomsEllerUtanförEU},
                  {3002, "-89.77", 4, Försäljningstyp::medMomsEllerUtanförEU},
                  {1510, "3498.18", 5}});

    // A credit invoice has no positive account: the remainder stays
    // unbooked and the receivable still balances the entry.
    auto k = ejSkickad(*b);
    // Worked out: net −3119.98 → −2807.99, VAT −767.03 → −690.33, to pay
    // −3498.32; per account −2718.18, −89.82, −679.55 and −10.79, the VAT
    // öre to 2621 (the largest); the sum −3498.33 is 0.01 short.
    post(*b, *k, "T", "-3020.19", "1");
    post(*b, *k, "V", "-99.79", "1");
    k->sättRabatt(tal("0.1"));
    Faktura kredit(*k, std::nullopt);
    EXPECT_EQ(kredit._attBetala, tal("-3498.32"));
    auto kv = kredit.verifikationFörSkickandet(*b);
    ASSERT_TRUE(kv);
    förvänta(*kv, {{2611, "679.55", 1},
                   {2621, "10.78", 2},
                   {3001, "2718.18", 3, Försäljningstyp::medMomsEllerUtanförEU},
                   {3002, "89.82", 4, Försäljningstyp::medMomsEllerUtanförEU},
                   {1510, "-3498.33", 5}});
}

TEST(BokforingAvFaktura, InvoiceWithoutItemsBooksOnlyTheReceivable) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    auto v = Faktura(*d, std::nullopt).verifikationFörSkickandet(*b);
    ASSERT_TRUE(v);
    förvänta(*v, {{1510, "0", 1}});
}
