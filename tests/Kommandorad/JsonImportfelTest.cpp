// The messages of the import's failures, each with its payload filled in.
#include "Kommandorad/JsonImportfel.h"
#include "Kommandorad/JsonLasare.h"

#include <gtest/gtest.h>

namespace {

using F = JSONImportfel::Fall;

TEST(JSONImportfel, EveryMessage) {
    auto objekt = läsJson(std::vector<uint8_t>{'{', '"', 'a', '"', ':', '1', '}'});
    auto tomt = läsJson(std::vector<uint8_t>{'{', '}'});
    const std::vector<std::pair<JSONImportfel, std::string>> fall = {
        {JSONImportfel::okändNyckel("foo"), "Unrecognized key 'foo' in JSON file."},
        {JSONImportfel::ogiltigVerifikation(*objekt), "Invalid entry '{\"a\":1}'."},
        {JSONImportfel::ogiltigTransaktion(*tomt, *objekt), "Invalid transaction '{}' in entry '{\"a\":1}'."},
        {JSONImportfel::kontoFinnsInte(9999), "Non-existant account number '9999'."},
        {JSONImportfel::verifikationEjBalanserad("Hyra"), "Entry 'Hyra' is not balanced."},
        {JSONImportfel::räkenskapsårSaknas(Datum(20230105)), "No fiscal year for date 2023-01-05."},
        {JSONImportfel::räkenskapsårSaknas(Datum(9990105)), "No fiscal year for date 0999-01-05."},
        {JSONImportfel::ingenKundHarNummer("17"), "No customer with number '17'."},
        {JSONImportfel::okändFakturamall("X"), "Unknown template 'X'."},
        {JSONImportfel::verifikationKundeInteSkapasFörFakturaMedMeddelande("m"), "Could not create entry for invoice 'm'."},
        {JSONImportfel(F::felToppobjekt), "Invalid top object."},
        {JSONImportfel(F::nödvändigKundinformationSaknas), "Either 'company' or 'name' is required for all customers."},
        {JSONImportfel(F::fakturaSaknarKund), "No customer for invoice."},
        {JSONImportfel(F::ogiltigtFakturadatum), "No valid invoice date."},
        {JSONImportfel(F::ingenFakturamallOchIngenTidigareFaktura), "No template specified and no existing invoice."},
        {JSONImportfel(F::felaktigROTInformation), "Invoice has incorrect ROT/RUT information."},
        {JSONImportfel(F::ingaFakturaposter), "Invoice has no items."},
        {JSONImportfel(F::vetInteVilkenArtikelSomBörAnvändas), "Don't know which product to use."},
        {JSONImportfel(F::växelkursSaknas), "Missing exchange rate."},
        {JSONImportfel(F::verifikationKundeInteSkapasFörFaktura), "Could not create entry for invoice."},
    };
    for (const auto& [fel, text] : fall) {
        EXPECT_EQ(fel.description(), text);
        EXPECT_STREQ(fel.what(), text.c_str());
    }
}

TEST(JSONImportfel, PayloadIsNotReadAsAFormat) {
    EXPECT_EQ(JSONImportfel::okändNyckel("%@ %d").description(), "Unrecognized key '%@ %d' in JSON file.");
}

}  // namespace
