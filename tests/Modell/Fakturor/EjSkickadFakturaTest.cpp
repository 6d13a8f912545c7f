#include "Modell/Fakturor/EjSkickadFaktura.h"

#include <gtest/gtest.h>

#include "Fakturaprov.h"
#include "Modell/Belopp.h"
#include "Plattform/Lokal.h"

#include <algorithm>

using fakturaprov::D;
using fakturaprov::post;

namespace {

void förväntaBelopp(const Decimal& faktiskt, const char* väntat, const char* vad) {
    EXPECT_EQ(faktiskt, D(väntat)) << vad << ": " << faktiskt.text() << " != " << väntat;
}

TEST(EjSkickadFaktura, WorkedExampleOfAnAbsoluteItemDiscountAndAnInvoiceDiscount) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("1", 0);
    auto f = b.faktura();
    auto& p = post(*f, "100", "3", &a);
    p.absolutRabatt = D("50");
    f->sättRabatt(D("0.1"));
    f->sättÖresutjämna(true);

    förväntaBelopp(p.beloppExklMomsInnanRabatt(), "300.00", "item before discount");
    förväntaBelopp(p.rabattbeloppExklMoms(), "-40.00", "item discount");
    förväntaBelopp(p.beloppExklMoms(), "260.00", "item net");
    förväntaBelopp(p.momsbelopp(), "65.00", "item VAT");
    förväntaBelopp(p.belopp(), "325.00", "item total");
    förväntaBelopp(f->nettobelopp(), "260.00", "net");
    förväntaBelopp(f->beloppExklMoms(), "234.00", "excl. VAT");
    förväntaBelopp(f->rabattbelopp(), "26.00", "discount");
    förväntaBelopp(f->momsbelopp(), "58.50", "VAT");
    förväntaBelopp(f->öresutjämningsbelopp(), "-0.50", "rounding");
    förväntaBelopp(f->attBetala(), "292.00", "to pay");
    EXPECT_FALSE(f->avdragsbelopp().has_value());
}

// Item arithmetic: every product and quotient to whole öre toward negative
// infinity, at the step where it happens.
struct Postfall {
    const char* namn;
    const char* pris;
    const char* antal;
    const char* sats;  // the article's own rate
    const char* relativ;
    const char* absolut;
    const char* innan, *rabatt, *netto, *moms, *belopp, *prisInkl;
};

TEST(EjSkickadFakturapost, RoundsEachStepToWholeÖreTowardNegativeInfinity) {
    const Postfall fall[] = {
        {"plain", "19.99", "3", "0.25", nullptr, nullptr, "59.97", "0", "59.97", "14.99", "74.96", "24.98"},
        {"product floors", "0.333", "1", "0", nullptr, nullptr, "0.33", "0", "0.33", "0", "0.33", "0.33"},
        {"negative floors away from zero", "-1.231", "1", "0", nullptr, nullptr, "-1.24", "0", "-1.24", "0", "-1.24",
         "-1.24"},
        {"negative quantity (credit)", "10.005", "-2", "0.25", nullptr, nullptr, "-20.01", "0", "-20.01", "-5.01",
         "-25.02", "12.50"},
        {"relative on the rounded product", "33.333", "3", "0.12", "0.15", nullptr, "99.99", "-14.99", "85.00",
         "10.20", "95.20", "37.33"},
        {"relative floors before the sign change", "10", "1", "0", "0.3333", nullptr, "10.00", "-3.33", "6.67", "0",
         "6.67", "10"},
        {"absolute is including VAT", "100", "1", "0.25", nullptr, "10", "100.00", "-8.00", "92.00", "23.00",
         "115.00", "125.00"},
        {"absolute quotient floors", "100", "1", "0.06", nullptr, "10", "100.00", "-9.44", "90.56", "5.43", "95.99",
         "106.00"},
        {"relative wins over absolute", "200", "1", "0.25", "0.5", "1", "200.00", "-100.00", "100.00", "25.00",
         "125.00", "250.00"},
        {"zero quantity", "99", "0", "0.25", nullptr, nullptr, "0", "0", "0", "0", "0", "123.75"},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.namn);
        fakturaprov::Bok b;
        Artikel& a = b.artikel("1", -1, c.sats);
        auto f = b.faktura();
        auto& p = post(*f, c.pris, c.antal, &a);
        if (c.relativ) p.relativRabatt = D(c.relativ);
        if (c.absolut) p.absolutRabatt = D(c.absolut);
        förväntaBelopp(p.beloppExklMomsInnanRabatt(), c.innan, "before discount");
        förväntaBelopp(p.rabattbeloppExklMoms(), c.rabatt, "discount");
        förväntaBelopp(p.beloppExklMoms(), c.netto, "net");
        förväntaBelopp(p.momsbelopp(), c.moms, "VAT");
        förväntaBelopp(p.belopp(), c.belopp, "total");
        förväntaBelopp(p.prisInklMoms(), c.prisInkl, "price incl. VAT");
    }
}

// The invoice total is rounded to whole units half to even, only when the
// invoice asks for it.
TEST(EjSkickadFaktura, ÖreRoundingGoesHalfToEven) {
    struct Fall {
        const char* pris;
        bool öresutjämna;
        const char* utjämning;
        const char* attBetala;
    } fall[] = {
        {"292.50", true, "-0.50", "292"}, {"293.50", true, "0.50", "294"},  {"293.49", true, "-0.49", "293"},
        {"293.51", true, "0.49", "294"},  {"-292.50", true, "0.50", "-292"}, {"-293.50", true, "-0.50", "-294"},
        {"0.50", true, "-0.50", "0"},     {"1.50", true, "0.50", "2"},       {"292.50", false, "0", "292.50"},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.pris);
        fakturaprov::Bok b;
        Artikel& a = b.artikel("1", 3);  // a sales account without VAT level: 0 %
        auto f = b.faktura();
        post(*f, c.pris, "1", &a);
        f->sättÖresutjämna(c.öresutjämna);
        förväntaBelopp(f->öresutjämningsbelopp(), c.utjämning, "rounding");
        förväntaBelopp(f->attBetala(), c.attBetala, "to pay");
    }
}

TEST(EjSkickadFaktura, InvoiceDiscountRoundsNetAndVatSeparately) {
    fakturaprov::Bok b;
    Artikel& a25 = b.artikel("1", 0);
    Artikel& a12 = b.artikel("2", 1);
    auto f = b.faktura();
    post(*f, "10.01", "1", &a25);  // VAT 2.50
    post(*f, "10.01", "1", &a12);  // VAT 1.20
    f->sättRabatt(D("0.333"));
    förväntaBelopp(f->nettobelopp(), "20.02", "net");
    förväntaBelopp(f->beloppExklMoms(), "13.35", "20.02 × 0.667 = 13.35334");
    förväntaBelopp(f->rabattbelopp(), "6.67", "discount");
    förväntaBelopp(f->momsbelopp(), "2.46", "3.70 × 0.667 = 2.4679");
    förväntaBelopp(f->attBetala(), "15.81", "to pay");
}

TEST(EjSkickadFaktura, ReverseChargeDropsVatButNotTheItemTotals) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("1", 0);
    auto f = b.faktura();
    auto& p = post(*f, "100", "2", &a);
    f->sättOmvändSkattskyldighetFörMoms(true);
    for (auto k : allaFakturakolumner()) f->tillåtKolumn(k);

    förväntaBelopp(p.momsbelopp(), "0", "item VAT");
    förväntaBelopp(p.belopp(), "250.00", "item total still includes VAT");
    förväntaBelopp(f->momsbelopp(), "0", "VAT");
    förväntaBelopp(f->attBetala(), "200.00", "to pay");
    auto k = f->kolumner();
    for (auto utan : {Fakturakolumn::prisInklMoms, Fakturakolumn::momsbelopp, Fakturakolumn::beloppInklMoms})
        EXPECT_EQ(std::count(k.begin(), k.end(), utan), 0);
}

TEST(EjSkickadFaktura, AnEmptyInvoiceIsZeroEverywhere) {
    fakturaprov::Bok b;
    auto f = b.faktura();
    for (auto k : allaFakturakolumner()) f->tillåtKolumn(k);
    f->sättRabatt(D("0.2"));
    f->sättÖresutjämna(true);
    for (const Decimal& v : {f->nettobelopp(), f->beloppExklMoms(), f->momsbelopp(), f->rabattbelopp(),
                             f->öresutjämningsbelopp(), f->attBetala()})
        EXPECT_TRUE(v.isZero());
    EXPECT_EQ(f->kolumner(), (std::vector<Fakturakolumn>{Fakturakolumn::radnummer, Fakturakolumn::artikelnamn,
                                                         Fakturakolumn::momssats, Fakturakolumn::belopp}));
}

TEST(EjSkickadFakturapost, VatRateComesFromTheArticleOrTheLedgersDefault) {
    fakturaprov::Bok b;
    Artikel& på12 = b.artikel("1", 1, "0.25");           // the account's level wins over its own rate
    Artikel& utanNivå = b.artikel("2", 3, "0.25");       // an account without level gives 0
    Artikel& egenSats = b.artikel("3", -1, "0.06");      // no account: its own rate
    auto f = b.faktura();
    EXPECT_EQ(post(*f, "1", "1", &på12).momssats(), D("0.12"));
    EXPECT_TRUE(post(*f, "1", "1", &utanNivå).momssats().isZero());
    EXPECT_EQ(post(*f, "1", "1", &egenSats).momssats(), D("0.06"));
    auto& utanArtikel = post(*f, "1", "1", nullptr);
    EXPECT_TRUE(utanArtikel.momssats().isZero()) << "no default article";
    b.bok->förvaldArtikel = &på12;
    EXPECT_EQ(utanArtikel.momssats(), D("0.12")) << "read live from the default article";
    f->bokföring = nullptr;
    EXPECT_TRUE(utanArtikel.momssats().isZero()) << "an invoice outside a document has no default";
}

TEST(EjSkickadFakturapost, SettingAnArticleCopiesPriceAndUnitOnce) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("7", 0);
    auto f = b.faktura();
    auto& p = f->läggTillPost();
    EXPECT_EQ(p.faktura, f.get());
    EXPECT_EQ(p.antal(), ett);
    p.sättArtikel(&a);
    EXPECT_EQ(p.pris(), D("100"));
    EXPECT_EQ(p.enhet(), "st");
    EXPECT_EQ(p.artikelnamn(), "Artikel 7");
    EXPECT_EQ(p.artikelnummer(), "7");
    a.pris = D("5");
    EXPECT_EQ(p.pris(), D("100"));
    p.sättArtikel(nullptr);
    EXPECT_EQ(p.pris(), D("100"));
    p.benämning = "Fritext";
    EXPECT_EQ(p.artikelnamn(), "Fritext");
    EXPECT_FALSE(p.artikelnummer());
}

// ROT and RUT: only services of a category of the deduction's kind count,
// discounted, rated, then rounded to whole units half to even. Each item is
// 200 net at 25 % VAT (250 to pay), or at no VAT without an article.
TEST(EjSkickadFaktura, TaxDeductionCountsMatchingServices) {
    fakturaprov::Bok b;
    Artikel& bygg = b.artikel("1", 0, "0", Artikeltyp::tjänster, ROT_och_RUT_kategori::bygg);
    Artikel& vvs = b.artikel("2", 0, "0", Artikeltyp::tjänster, ROT_och_RUT_kategori::vvs);
    Artikel& städ = b.artikel("3", 0, "0", Artikeltyp::tjänster, ROT_och_RUT_kategori::städning);
    Artikel& varor = b.artikel("4", 0, "0", Artikeltyp::varor, ROT_och_RUT_kategori::bygg);
    Artikel& ingen = b.artikel("5", 0, "0", Artikeltyp::tjänster, ROT_och_RUT_kategori::ej_rot_och_rut);
    auto rot = Skatteavdrag::rot("19800101-1234", std::nullopt, ett, std::nullopt, D("0.3"));
    auto rut = Skatteavdrag::rut("19800101-1234", std::nullopt, ett, D("0.5"));

    struct Fall {
        const char* namn;
        Skatteavdrag avdrag;
        std::vector<Artikel*> artiklar;
        Artikel* förvald;
        const char* rabatt;
        std::optional<const char*> väntat;
        const char* attBetala;
    } fall[] = {
        {"none", Skatteavdrag::inget(), {&bygg}, nullptr, nullptr, std::nullopt, "250"},
        {"no rate", Skatteavdrag::rot(std::nullopt, std::nullopt, ett, std::nullopt, std::nullopt), {&bygg}, nullptr,
         nullptr, "0", "250"},
        // 250 × 0.3 = 75 for each item; 500 - 150.
        {"rot on two categories", rot, {&bygg, &vvs}, nullptr, nullptr, "150", "350"},
        {"rot ignores goods, rut and uncategorised", rot, {&varor, &städ, &ingen}, nullptr, nullptr, "0", "750"},
        // 250 × 0.5; 500 - 125.
        {"rut ignores rot categories", rut, {&bygg, &städ}, nullptr, nullptr, "125", "375"},
        {"item without article takes the default", rot, {nullptr}, &bygg, nullptr, "75", "175"},
        {"item without article and no default", rot, {nullptr}, nullptr, nullptr, "0", "200"},
        // 250 × 0.9 × 0.3 = 67.5 → 68; 180 + 45 VAT - 68.
        {"discount first, halves to even", rot, {&bygg}, nullptr, "0.1", "68", "157"},
    };
    for (auto& c : fall) {
        SCOPED_TRACE(c.namn);
        b.bok->förvaldArtikel = c.förvald;
        auto f = b.faktura();
        for (Artikel* a : c.artiklar) post(*f, "200", "1", a);
        if (c.rabatt) f->sättRabatt(D(c.rabatt));
        f->sättSkatteavdrag(c.avdrag);
        auto avdrag = f->avdragsbelopp();
        EXPECT_EQ(avdrag.has_value(), c.väntat.has_value());
        if (avdrag && c.väntat) förväntaBelopp(*avdrag, *c.väntat, "deduction");
        förväntaBelopp(f->attBetala(), c.attBetala, "to pay less the deduction");
    }
}

TEST(EjSkickadFaktura, DeductionIsTakenBeforeÖreRounding) {
    fakturaprov::Bok b;
    Artikel& bygg = b.artikel("1", -1, "0.25", Artikeltyp::tjänster, ROT_och_RUT_kategori::bygg);
    auto f = b.faktura();
    post(*f, "100.10", "1", &bygg);  // net 100.10, VAT 25.02
    f->sättSkatteavdrag(Skatteavdrag::rot(std::nullopt, std::nullopt, ett, std::nullopt, D("0.3")));
    f->sättÖresutjämna(true);
    förväntaBelopp(*f->avdragsbelopp(), "38", "125.12 × 0.3 = 37.536 → 37.53 → 38");
    förväntaBelopp(f->öresutjämningsbelopp(), "-0.12", "87.12 → 87");
    förväntaBelopp(f->attBetala(), "87", "to pay");
}

// Discount texts parse whole in the user's locale.
TEST(EjSkickadFakturapost, DiscountTextParsesWholeInTheUsersLocale) {
    struct Fall {
        const char* lokal;
        const char* text;
        std::optional<const char*> relativ;
        std::optional<const char*> absolut;
    } fall[] = {
        {"sv_SE", "10%", "0.1", std::nullopt},
        {"sv_SE", "10 %", "0.1", std::nullopt},
        {"sv_SE", " 10\u00a0% ", "0.1", std::nullopt},
        {"sv_SE", "10,5 %", "0.105", std::nullopt},
        {"sv_SE", "10.5%", std::nullopt, std::nullopt},  // ICU alone would give 10 %
        {"en_US", "10.5%", "0.105", std::nullopt},
        {"en_US", "10,5%", std::nullopt, std::nullopt},
        {"sv_SE", "%", std::nullopt, std::nullopt},
        {"sv_SE", "50", std::nullopt, "50"},
        {"sv_SE", "50 kr", std::nullopt, "50"},
        {"sv_SE", "kr50,25", std::nullopt, "50.25"},
        {"en_US", "$12.50", std::nullopt, "12.5"},
        {"en_US", "1,250.00", std::nullopt, "1250"},
        {"sv_SE", "12.50", std::nullopt, std::nullopt},  // not 1250
        {"sv_SE", "1 250,50 kr", std::nullopt, "1250.5"},
        {"sv_SE", "-5", std::nullopt, "-5"},
        {"sv_SE", "rabatt", std::nullopt, std::nullopt},
        {"sv_SE", "", std::nullopt, std::nullopt},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(std::string(c.lokal) + " '" + c.text + "'");
        lokal::sättAktuell(c.lokal);
        EjSkickadFakturapost p(nullptr);
        p.relativRabatt = D("0.9");  // both are replaced by every text
        p.absolutRabatt = D("9");
        p.sättRabattbeskrivning(std::string(c.text));
        // No ASSERT here: the locale must be restored below.
        EXPECT_EQ(p.relativRabatt.has_value(), c.relativ.has_value());
        EXPECT_EQ(p.absolutRabatt.has_value(), c.absolut.has_value());
        if (c.relativ && p.relativRabatt) {
            EXPECT_EQ(*p.relativRabatt, D(*c.relativ));
        }
        if (c.absolut && p.absolutRabatt) {
            EXPECT_EQ(*p.absolutRabatt, D(*c.absolut));
        }
    }
    EjSkickadFakturapost p(nullptr);
    p.relativRabatt = D("0.1");
    p.sättRabattbeskrivning(std::nullopt);
    EXPECT_FALSE(p.relativRabatt || p.absolutRabatt);
    lokal::sättAktuell(std::nullopt);
}

TEST(EjSkickadFakturapost, DiscountTextShowsTheRelativeDiscountFirst) {
    lokal::sättAktuell("en_US");
    fakturaprov::Bok b;
    auto f = b.faktura();
    f->sättValuta("EUR");
    auto& p = f->läggTillPost();
    EXPECT_FALSE(p.rabattbeskrivning());
    p.absolutRabatt = D("12.5");
    EXPECT_EQ(p.rabattbeskrivning(), "€12.50");
    p.relativRabatt = D("0.1");
    EXPECT_EQ(p.rabattbeskrivning(), "10%");
    lokal::sättAktuell(std::nullopt);
}

TEST(EjSkickadFaktura, ColumnsFollowTheItemsWithinTheAllowedOnes) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("1", 0);
    auto f = b.faktura();
    auto& p = post(*f, "10", "2", &a);
    p.sättKommentar("obs");
    p.absolutRabatt = D("1");
    using K = Fakturakolumn;
    for (auto k : allaFakturakolumner()) f->tillåtKolumn(k);
    auto alla = f->kolumner();
    EXPECT_EQ(alla.size(), 13u);  // article, comment, discount, unit, quantity, price: every column
    f->tillåtnaKolumner = {K::belopp, K::kommentar, K::radnummer};
    EXPECT_EQ(f->kolumner(), (std::vector<K>{K::radnummer, K::kommentar, K::belopp}));
    p.sättPris(noll);
    p.sättAntal(noll);
    f->tillåtnaKolumner.clear();
    for (auto k : allaFakturakolumner()) f->tillåtKolumn(k);
    auto utan = f->kolumner();
    for (auto k : {K::pris, K::prisInklMoms, K::antal}) EXPECT_EQ(std::count(utan.begin(), utan.end(), k), 0);
}

TEST(EjSkickadFaktura, RecipientTextsAndAddressesUseTheLineSeparator) {
    fakturaprov::Bok b;
    Affärskontakt kund;
    kund.nummer = "1042";
    kund.namn = "Anna Andersson";
    kund.adress.gata = "Storgatan 1";
    kund.adress.postnummer = "111 22";
    kund.adress.postadress = "Stockholm";
    Adress leverans;
    leverans.gata = "Lagervägen 9";
    leverans.postnummer = "333 44";
    leverans.postadress = "Jönköping";
    kund.leveransadress = leverans;
    kund.momsregistreringsnummer = "SE556677889901";

    auto f = b.faktura();
    EXPECT_FALSE(f->företag() || f->erReferens() || f->kundnummer() || f->mottagaradress());
    f->mottagare = &kund;
    EXPECT_EQ(f->företag(), "Anna Andersson");
    EXPECT_EQ(f->erReferens(), "Anna Andersson");
    EXPECT_EQ(f->kundnummer(), "1042");
    EXPECT_EQ(f->momsregistreringsnummer(), "SE556677889901");
    EXPECT_FALSE(f->fakturaadressGivetAvsändarland("se")) << "a private person";
    kund.företag = "Andersson AB";
    EXPECT_EQ(f->företag(), "Andersson AB");
    auto adress = f->fakturaadressGivetAvsändarland("se");
    ASSERT_TRUE(adress);
    EXPECT_EQ(*adress, "Andersson AB\u2028Storgatan 1\u2028111 22 Stockholm");
    EXPECT_EQ(adress->find('\n'), std::string::npos);

    EXPECT_FALSE(f->leveransadress());
    EXPECT_FALSE(f->adressAttLevereraTillGivetAvsändarland("se"));
    f->visaLeveransadress = true;
    EXPECT_EQ(f->leveransadress(), leverans);
    EXPECT_EQ(f->adressAttLevereraTillGivetAvsändarland("se"), "Andersson AB\u2028Lagervägen 9\u2028333 44 Jönköping");
    kund.leveransadress.reset();
    EXPECT_FALSE(f->adressAttLevereraTillGivetAvsändarland("se"));
}

TEST(EjSkickadFaktura, DatesTitleAndFixedAnswers) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("1", 0);
    auto f = b.faktura();
    f->sättFakturadatum(Datum(20240131));
    f->sättBetalningsfrist(30);
    EXPECT_EQ(f->förfallodatum(), Datum(20240301));
    f->_leveransdatum = Datum(20240125);
    EXPECT_FALSE(f->leveransdatum());
    f->visaLeveransdatum = true;
    EXPECT_EQ(f->leveransdatum(), Datum(20240125));
    EXPECT_FALSE(f->kreditvillkor());
    EXPECT_FALSE(f->påminnelsetextIFakturamall(nullptr));

    auto& p = post(*f, "10", "1", &a);
    auto titel = f->rubriktextIFakturamall(nullptr, false);
    p.sättAntal(minusEtt);
    auto kredit = f->rubriktextIFakturamall(nullptr, false);
    EXPECT_EQ(titel, "FAKTURA");
    EXPECT_EQ(kredit, "KREDITFAKTURA") << "a negative amount makes a credit invoice";
}

// A sent invoice as the new-invoice defaults read it.
class Skickad : public NumreratObjekt, public Fakturaliknande {
public:
    Skickad(const char* nummer, Datum datum, const char* valuta, bool omvänd) : datum_(datum), valuta_(valuta), omvänd_(omvänd) {
        NumreratObjekt::nummer = nummer;
        ordningstal = ordningstalFrånNummer(nummer);
    }
    Decimal attBetala() const override { return noll; }
    std::optional<std::string> erReferens() const override { return {}; }
    std::optional<std::string> vårReferens() const override { return "Ref " + NumreratObjekt::nummer; }
    std::optional<std::string> företag() const override { return {}; }
    std::string nummer() const override { return NumreratObjekt::nummer; }
    Datum fakturadatum() const override { return datum_; }
    Datum förfallodatum() const override { return datum_; }
    std::optional<Datum> leveransdatum() const override { return {}; }
    std::string valuta() const override { return valuta_; }
    std::optional<std::string> inköpsordernummer() const override { return {}; }
    std::optional<std::string> leveranssätt() const override { return {}; }
    std::optional<std::string> meddelande() const override { return {}; }
    std::optional<std::string> momsregistreringsnummer() const override { return {}; }
    int64_t betalningsfrist() const override { return 0; }
    std::vector<const Fakturapostliknande*> fakturaposter() const override { return {}; }
    std::vector<Fakturakolumn> kolumner() const override { return {}; }
    std::optional<std::string> kundnummer() const override { return {}; }
    Skatteavdrag skatteavdrag() const override { return {}; }
    std::optional<Decimal> avdragsbelopp() const override { return {}; }
    Decimal nettobelopp() const override { return noll; }
    Decimal rabattbelopp() const override { return noll; }
    std::optional<Decimal> rabatt() const override { return {}; }
    Decimal öresutjämningsbelopp() const override { return noll; }
    bool öresutjämna() const override { return !omvänd_; }
    Decimal momsbelopp() const override { return noll; }
    Decimal beloppExklMoms() const override { return noll; }
    std::string språk() const override { return "en"; }
    std::optional<std::string> kreditvillkor() const override { return {}; }
    std::optional<Adress> mottagaradress() const override { return {}; }
    Fakturamall* egenFakturamall() const override { return nullptr; }
    std::optional<InbyggdFakturamall> inbyggdFakturamall() const override { return InbyggdFakturamall::Pixi; }
    bool omvändSkattskyldighetFörMoms() const override { return omvänd_; }
    std::string momssammanfattning() const override { return {}; }
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall*, bool) const override { return {}; }
    std::optional<std::string> påminnelsetextIFakturamall(const Fakturamall*) const override { return {}; }
    std::optional<std::string> fakturaadressGivetAvsändarland(const std::string&) const override { return {}; }
    std::optional<std::string> adressAttLevereraTillGivetAvsändarland(const std::string&) const override { return {}; }
    std::optional<Adress> leveransadress() const override { return {}; }

private:
    Datum datum_;
    std::string valuta_;
    bool omvänd_;
};

TEST(EjSkickadFaktura, NewInvoiceTakesTheLedgersDefaults) {
    fakturaprov::Bok b;
    b.bok->betalningsfrist = 14;
    b.bok->kontoFörÖresutjämning = b.bok->konton.front().get();
    b.bok->ejSkickadeFakturor.push_back(std::make_unique<EjSkickadFaktura>());
    b.bok->ejSkickadeFakturor.back()->NumreratObjekt::nummer = "7";
    b.bok->ejSkickadeFakturor.back()->ordningstal = 7;

    EjSkickadFaktura ny(*b.bok, {}, {});
    EXPECT_EQ(ny.bokföring, b.bok.get());
    EXPECT_EQ(ny.valuta(), "SEK");
    EXPECT_EQ(ny.språk(), "sv");
    EXPECT_TRUE(ny.öresutjämna());
    EXPECT_FALSE(ny.omvändSkattskyldighetFörMoms());
    EXPECT_EQ(ny.betalningsfrist(), 14);
    EXPECT_EQ(ny.tillåtnaKolumner, b.bok->tillåtnaKolumner);
    EXPECT_EQ(ny.inbyggdFakturamall(), InbyggdFakturamall::Standard);
    EXPECT_EQ(ny.fakturadatum(), Datum::idag());
    EXPECT_EQ(ny.nummer(), "8") << "numbered after the unsent invoices";

    // From the sent invoice with the latest date, the first among equals.
    Skickad s1("10", Datum(20240105), "EUR", true), s2("11", Datum(20240301), "NOK", false),
        s3("12", Datum(20240301), "DKK", true);
    EjSkickadFaktura kopia(*b.bok, {&s1, &s2, &s3}, {&s1, &s2, &s3});
    EXPECT_EQ(kopia.valuta(), "NOK");
    EXPECT_EQ(kopia.vårReferens(), "Ref 11");
    EXPECT_TRUE(kopia.öresutjämna());
    EXPECT_FALSE(kopia.omvändSkattskyldighetFörMoms());
    EXPECT_EQ(kopia.inbyggdFakturamall(), InbyggdFakturamall::Pixi);
    EXPECT_EQ(kopia.nummer(), "13");

    auto dansk = std::make_unique<Bokföring>("DKK", "12345678", "dk", std::nullopt, Företagsform::aktiebolag);
    EXPECT_EQ(EjSkickadFaktura(*dansk, {}, {}).språk(), "da");
    auto tysk = std::make_unique<Bokföring>("EUR", "12345678", "de", std::nullopt, Företagsform::aktiebolag);
    EXPECT_EQ(EjSkickadFaktura(*tysk, {}, {}).språk(), "en");
    EXPECT_FALSE(EjSkickadFaktura(*tysk, {}, {}).öresutjämna()) << "no rounding account";
}

}  // namespace
