// The language rule and the special rules of the captions. The caption
// tables themselves are not typed again here; a few texts are checked
// where a rule is about them.
#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Plattform/Lokal.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <utility>

namespace {

using prov::D;
using Rubrik = std::function<std::optional<std::string>(const Fakturavy&)>;

template <typename Getter>
std::pair<std::string, Rubrik> rubrik(const char* namn, Getter getter) {
    return {namn, [getter](const Fakturavy& vy) -> std::optional<std::string> { return (vy.*getter)(); }};
}

#define RUBRIK(namn) rubrik(#namn, &Fakturavy::namn)

const std::vector<std::pair<std::string, Rubrik>> allaRubriker = {
    RUBRIK(rubrikFörFakturadatum), RUBRIK(rubrikFörFakturanummer), RUBRIK(rubrikFörNummer),
    RUBRIK(rubrikFörFörfallodatum), RUBRIK(rubrikFörBetalningsvillkor), RUBRIK(rubrikFörDagar),
    RUBRIK(rubrikFörLeveransdatum), RUBRIK(rubrikFörLeveranssätt), RUBRIK(rubrikFörLeveransadress),
    RUBRIK(rubrikFörMottagare), RUBRIK(rubrikFörAdress), RUBRIK(rubrikFörMottagaradress),
    RUBRIK(rubrikFörErReferens), RUBRIK(rubrikFörVårReferens), RUBRIK(rubrikFörKundnummer),
    RUBRIK(rubrikFörInköpsordernummer), RUBRIK(rubrikFörMottagarensMomsregistreringsnummer),
    RUBRIK(rubrikFörPersonnummer), RUBRIK(rubrikFörPersonnummer2), RUBRIK(rubrikFörFastighetsbeteckning),
    RUBRIK(rubrikFörLägenhetsnummer), RUBRIK(rubrikFörAvsändare), RUBRIK(rubrikFörOrganisationsnummer),
    RUBRIK(rubrikFörMomsregistreringsnummer), RUBRIK(rubrikFörOrt), RUBRIK(rubrikFörTelefon),
    RUBRIK(rubrikFörFax), RUBRIK(rubrikFörEmail), RUBRIK(rubrikFörWebsite), RUBRIK(rubrikFörBank),
    RUBRIK(rubrikFörBankAccount), RUBRIK(rubrikFörLocalPaymentOption1), RUBRIK(rubrikFörLocalPaymentOption2),
    RUBRIK(rubrikFörAntal), RUBRIK(rubrikFörBeskrivning), RUBRIK(rubrikFörArticleNumber),
    RUBRIK(rubrikFörStyckpris), RUBRIK(rubrikFörMoms), RUBRIK(rubrikFörKommentar),
    RUBRIK(rubrikFörRabattkolumn), RUBRIK(rubrikFörRadensBelopp), RUBRIK(rubrikFörRadensBeloppInklMoms),
    RUBRIK(rubrikFörNettobelopp), RUBRIK(rubrikFörRabatt), RUBRIK(rubrikFörÖresutjämning),
    RUBRIK(rubrikFörTotaltBelopp), RUBRIK(rubrikFörBeloppAttBetala), RUBRIK(rubrikFörBeloppPerMomsnivå),
};

const std::vector<std::string> språken = {"da", "de", "en", "es", "fi", "fr", "it", "nl", "no", "nb", "sv"};

// A view with no template, so that nothing is laid out; the captions read
// the invoice and the ledger afresh, so a test changes them afterwards.
class Rubriker : public ::testing::Test {
protected:
    void SetUp() override {
        lokal::sättAktuell("en_US");
        faktura.inbyggdFakturamall_.reset();
        vy = std::make_unique<Fakturavy>(faktura, *bok, false, mätare);
    }
    void TearDown() override { lokal::sättAktuell(std::nullopt); }

    // Every caption has a text: customer numbers shown, a ROT deduction
    // shared by two buyers.
    void allaRubrikerGäller() {
        bok->visaKundnummerPåFakturor = true;
        faktura.skatteavdrag_ = Skatteavdrag::rot("19500101-0001", "19500101-0002", D("0.5"), std::nullopt,
                                                  std::nullopt);
    }

    std::map<std::string, std::optional<std::string>> alla(const std::string& språk) {
        faktura.språk_ = språk;
        std::map<std::string, std::optional<std::string>> ut;
        for (const auto& [namn, hämta] : allaRubriker) ut[namn] = hämta(*vy);
        return ut;
    }

    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    std::unique_ptr<Fakturavy> vy;
};

TEST_F(Rubriker, NorwegianHasTwoCodesForTheSameTexts) {
    allaRubrikerGäller();
    EXPECT_EQ(alla("no"), alla("nb"));
    faktura.språk_ = "nb";
    EXPECT_EQ(vy->rubrikFörLeveranssätt(), "Fraktmåte");
    EXPECT_EQ(vy->rubrikFörLocalPaymentOption1(), "Plussgiro");
}

TEST_F(Rubriker, ALanguageWithoutTextsReadsEnglish) {
    allaRubrikerGäller();
    auto engelska = alla("en");
    EXPECT_EQ(engelska["rubrikFörFakturadatum"], "Invoice date");
    EXPECT_EQ(engelska["rubrikFörBeloppAttBetala"], "Amount due");
    for (const char* kod : {"xx", "SV", "sv-SE", "", "nn", "no_NO"}) EXPECT_EQ(alla(kod), engelska) << kod;
}

TEST_F(Rubriker, LanguagesAreTold) {
    // No two languages share the whole set of texts, so none of the ten
    // has fallen to English by mistake.
    allaRubrikerGäller();
    std::set<std::map<std::string, std::optional<std::string>>> olika;
    for (const auto& kod : språken)
        if (kod != "nb") olika.insert(alla(kod));
    EXPECT_EQ(olika.size(), 10u);
}

TEST_F(Rubriker, ShortNumberLabelAndDeliveryNotes) {
    struct Fall {
        const char* språk;
        const char* nummer;
    } fall[] = {{"fi", "ro:"}, {"es", "Nro:"}, {"fr", "N\u00B0"}, {"en", "No:"}, {"xx", "No:"}};
    prov::Faktura följesedel;
    följesedel.inbyggdFakturamall_.reset();
    Fakturavy följesedelsvy(följesedel, *bok, true, mätare);
    for (const auto& [språk, nummer] : fall) {
        faktura.språk_ = följesedel.språk_ = språk;
        EXPECT_EQ(vy->rubrikFörNummer(), nummer) << språk;
        EXPECT_EQ(följesedelsvy.rubrikFörFakturanummer(), nummer) << språk;
        EXPECT_NE(vy->rubrikFörFakturanummer(), nummer) << språk;
    }
    faktura.språk_ = "en";
    EXPECT_EQ(vy->rubrikFörFakturanummer(), "Invoice number");
}

TEST_F(Rubriker, CustomerNumberOnlyWhenTheLedgerShowsThem) {
    for (const char* kod : {"sv", "en", "xx"}) {
        faktura.språk_ = kod;
        EXPECT_EQ(vy->rubrikFörKundnummer(), std::nullopt) << kod;
    }
    bok->visaKundnummerPåFakturor = true;
    faktura.språk_ = "sv";
    EXPECT_EQ(vy->rubrikFörKundnummer(), "Kundnummer");
    faktura.språk_ = "xx";
    EXPECT_EQ(vy->rubrikFörKundnummer(), "Customer #");
}

TEST_F(Rubriker, DaysCarryThePaymentPeriod) {
    struct Fall {
        const char* språk;
        int64_t dagar;
        const char* text;
    } fall[] = {{"de", 30, "30 Tage"}, {"en", 1, "1 days"}, {"fi", 14, "14 päivää"}, {"no", 10, "10 dager"},
                {"xx", 20, "20 days"}, {"sv", 100000, "100000 dagar"}};
    for (const auto& [språk, dagar, text] : fall) {
        faktura.språk_ = språk;
        faktura.betalningsfrist_ = dagar;
        EXPECT_EQ(vy->rubrikFörDagar(), text) << språk;
    }
}

TEST_F(Rubriker, SoftHyphensStandWhereLongWordsMayBreak) {
    allaRubrikerGäller();
    const std::string shy = "\u00AD";
    struct Fall {
        const char* rubrik;
        const char* språk;
        std::string text;
    };
    const std::vector<Fall> fall = {
        {"rubrikFörBetalningsvillkor", "da", "Betalings" + shy + "betingelser"},
        {"rubrikFörBetalningsvillkor", "de", "Zahlungs" + shy + "frist"},
        {"rubrikFörBetalningsvillkor", "nl", "Betalings" + shy + "termijn"},
        {"rubrikFörBetalningsvillkor", "no", "Betalings" + shy + "vilkår"},
        {"rubrikFörBetalningsvillkor", "nb", "Betalings" + shy + "vilkår"},
        {"rubrikFörBetalningsvillkor", "sv", "Betalnings" + shy + "villkor"},
        {"rubrikFörLeveransadress", "da", "Leverings" + shy + "adresse"},
        {"rubrikFörLeveransadress", "no", "Leverings" + shy + "adresse"},
        {"rubrikFörLeveransadress", "nb", "Leverings" + shy + "adresse"},
        {"rubrikFörLeveransadress", "de", "Liefer" + shy + "anschrift"},
        {"rubrikFörLeveransadress", "fi", "Toimitust" + shy + "osoite"},
        {"rubrikFörLeveransadress", "nl", "Aflever" + shy + "adres"},
        {"rubrikFörLeveransadress", "sv", "Leverans" + shy + "adress"},
        {"rubrikFörMottagaradress", "no", "Mottaker" + shy + "adresse"},
        {"rubrikFörMottagaradress", "nb", "Mottaker" + shy + "adresse"},
        {"rubrikFörMottagaradress", "sv", "Mottagar" + shy + "adress"},
    };
    std::set<std::pair<std::string, std::string>> väntade;
    for (const auto& f : fall) {
        väntade.insert({f.rubrik, f.språk});
        EXPECT_EQ(alla(f.språk)[f.rubrik], f.text) << f.rubrik << " " << f.språk;
    }
    std::set<std::pair<std::string, std::string>> funna;
    for (const auto& kod : språken)
        for (const auto& [namn, text] : alla(kod))
            if (text && text->find(shy) != std::string::npos) funna.insert({namn, kod});
    EXPECT_EQ(funna, väntade);
}

TEST_F(Rubriker, OrganisationNumberByLedgerCountry) {
    struct Fall {
        const char* land;
        const char* språk;
        const char* text;
    } fall[] = {
        {"lu", "sv", "N\u00B0 RCS"},  {"lu", "fr", "N\u00B0 RCS"},   {"lu", "xx", "N\u00B0 RCS"},
        {"be", "fr", "N\u00B0 RPM"},  {"be", "nl", "Rpr-nr."},       {"be", "de", "Org.no."},
        {"be", "sv", "Org.no."},      {"be", "xx", "Org.no."},       {"BE", "fr", "N\u00B0 siren"},
        {"se", "sv", "Org.nr."},      {"se", "da", "Org.nr."},       {"se", "nb", "Org.nr."},
        {"fr", "fr", "N\u00B0 siren"}, {"nl", "nl", "Kvk-nr."},      {"se", "xx", "Org.no."},
    };
    for (const auto& [land, språk, text] : fall) {
        bok->adress.land = land;
        faktura.språk_ = språk;
        EXPECT_EQ(vy->rubrikFörOrganisationsnummer(), text) << land << " " << språk;
    }
}

TEST_F(Rubriker, LocalPaymentOptionsOnlyInNorwegianAndSwedish) {
    for (const char* kod : {"da", "de", "en", "es", "fi", "fr", "it", "nl", "xx"}) {
        faktura.språk_ = kod;
        EXPECT_EQ(vy->rubrikFörLocalPaymentOption1(), "") << kod;
        EXPECT_EQ(vy->rubrikFörLocalPaymentOption2(), "") << kod;
    }
    faktura.språk_ = "no";
    EXPECT_EQ(vy->rubrikFörLocalPaymentOption1(), "Plussgiro");
    EXPECT_EQ(vy->rubrikFörLocalPaymentOption2(), "Bankgiro");
    faktura.språk_ = "sv";
    EXPECT_EQ(vy->rubrikFörLocalPaymentOption1(), "Plusgiro");
    EXPECT_EQ(vy->rubrikFörLocalPaymentOption2(), "Bankgiro");
}

// Percentages as en_US writes them ("10%").
TEST_F(Rubriker, DiscountCarriesItsRate) {
    struct Fall {
        const char* språk;
        std::optional<Decimal> rabatt;
        const char* text;
    } fall[] = {{"sv", D("0.1"), "Rabatt (10%):"},   {"da", D("0.1"), "Rabat (10%):"},
                {"de", D("0.25"), "Rabatt (25%):"},  {"en", std::nullopt, "Discount (0%):"},
                {"xx", D("0.05"), "Discount (5%):"}, {"sv", Decimal::notANumber(), "Rabatt ():"}};
    for (const auto& [språk, rabatt, text] : fall) {
        faktura.språk_ = språk;
        faktura.rabatt_ = rabatt;
        EXPECT_EQ(vy->rubrikFörRabatt(), text) << språk;
    }
}

TEST_F(Rubriker, RoundingOfKronorTotalsIsOreRounding) {
    struct Fall {
        const char* språk;
        const char* valuta;
        const char* text;
    } fall[] = {{"no", "NOK", "\u00D8resavrunding:"}, {"nb", "SEK", "\u00D8resavrunding:"},
                {"no", "EUR", "Avrundning:"},         {"sv", "DKK", "\u00D6resavrundning:"},
                {"sv", "USD", "Avrundning:"},         {"sv", "sek", "Avrundning:"},
                {"fi", "SEK", "Pyöristys:"},          {"fi", "EUR", "Pyöristys:"},
                {"da", "DKK", "Afrunding:"},          {"xx", "SEK", "Rounding:"}};
    for (const auto& [språk, valuta, text] : fall) {
        faktura.språk_ = språk;
        faktura.valuta_ = valuta;
        EXPECT_EQ(vy->rubrikFörÖresutjämning(), text) << språk << " " << valuta;
    }
}

TEST_F(Rubriker, TaxDeductionCaptions) {
    using O = std::optional<std::string>;
    const O ingen;
    struct Fall {
        const char* namn;
        Skatteavdrag avdrag;
        O första, andra;
    };
    const std::vector<Fall> fall = {
        {"none", Skatteavdrag::inget(), ingen, ingen},
        {"one buyer, no numbers", Skatteavdrag::rot(std::nullopt, std::nullopt, D("0"), std::nullopt, std::nullopt),
         "Personnummer", ingen},
        {"first number left empty", Skatteavdrag::rut("", std::nullopt, D("0"), std::nullopt), ingen, ingen},
        {"second number filled in, no share", Skatteavdrag::rut("1", "2", D("0"), std::nullopt), "Personnummer",
         ingen},
        {"halves", Skatteavdrag::rot("1", "2", D("0.5"), std::nullopt, std::nullopt), "Personnummer [50%]",
         "Personnummer [50%]"},
        {"0.3 to the second", Skatteavdrag::rut("1", std::nullopt, D("0.3"), std::nullopt), "Personnummer [70%]",
         "Personnummer [30%]"},
        {"second number left empty", Skatteavdrag::rut("1", "", D("0.3"), std::nullopt), "Personnummer [70%]",
         ingen},
        {"share not a number", Skatteavdrag::rut("1", "2", Decimal::notANumber(), std::nullopt), "Personnummer []",
         "Personnummer []"},
    };
    for (const auto& f : fall) {
        faktura.skatteavdrag_ = f.avdrag;
        EXPECT_EQ(vy->rubrikFörPersonnummer(), f.första) << f.namn;
        EXPECT_EQ(vy->rubrikFörPersonnummer2(), f.andra) << f.namn;
    }
}

TEST_F(Rubriker, PropertyCaptionsSwedishOrEnglish) {
    for (const char* kod : {"sv", "en", "xx"}) {
        faktura.språk_ = kod;
        faktura.skatteavdrag_ = Skatteavdrag::inget();
        EXPECT_EQ(vy->rubrikFörFastighetsbeteckning(), std::nullopt) << kod;
        EXPECT_EQ(vy->rubrikFörLägenhetsnummer(), std::nullopt) << kod;
    }
    struct Fall {
        const char* språk;
        const char* fastighet;
        const char* lägenhet;
    } fall[] = {{"sv", "Fastighet", "Lägenhetsnummer"},
                {"no", "Property", "Flat #"},
                {"da", "Property", "Flat #"},
                {"SV", "Property", "Flat #"},
                {"xx", "Property", "Flat #"}};
    faktura.skatteavdrag_ = Skatteavdrag::rut("1", std::nullopt, D("0"), std::nullopt);
    for (const auto& [språk, fastighet, lägenhet] : fall) {
        faktura.språk_ = språk;
        EXPECT_EQ(vy->rubrikFörFastighetsbeteckning(), fastighet) << språk;
        EXPECT_EQ(vy->rubrikFörLägenhetsnummer(), lägenhet) << språk;
    }
}

}  // namespace
