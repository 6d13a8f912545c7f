#include "Kommandorad/JsonImportfel.h"

#include "Kommandorad/JsonTextform.h"

#include <cinttypes>
#include <cstdio>

const char* JSONImportfel::meddelande(Fall fall) {
    switch (fall) {
    case Fall::okändNyckel: return "Unrecognized key '%@' in JSON file.";
    case Fall::ogiltigVerifikation: return "Invalid entry '%@'.";
    case Fall::ogiltigTransaktion: return "Invalid transaction '%@' in entry '%@'.";
    case Fall::kontoFinnsInte: return "Non-existant account number '%@'.";
    case Fall::verifikationEjBalanserad: return "Entry '%@' is not balanced.";
    case Fall::räkenskapsårSaknas: return "No fiscal year for date %@.";
    case Fall::ingenKundHarNummer: return "No customer with number '%@'.";
    case Fall::okändFakturamall: return "Unknown template '%@'.";
    case Fall::verifikationKundeInteSkapasFörFakturaMedMeddelande: return "Could not create entry for invoice '%@'.";
    case Fall::felToppobjekt: return "Invalid top object.";
    case Fall::nödvändigKundinformationSaknas: return "Either 'company' or 'name' is required for all customers.";
    case Fall::fakturaSaknarKund: return "No customer for invoice.";
    case Fall::ogiltigtFakturadatum: return "No valid invoice date.";
    case Fall::ingenFakturamallOchIngenTidigareFaktura: return "No template specified and no existing invoice.";
    case Fall::felaktigROTInformation: return "Invoice has incorrect ROT/RUT information.";
    case Fall::ingaFakturaposter: return "Invoice has no items.";
    case Fall::vetInteVilkenArtikelSomBörAnvändas: return "Don't know which product to use.";
    case Fall::växelkursSaknas: return "Missing exchange rate.";
    case Fall::verifikationKundeInteSkapasFörFaktura: return "Could not create entry for invoice.";
    case Fall::nummerTarSlut: return "No number is left for '%@'.";
    case Fall::ogiltigtTalIFaktura: return "Invalid %@ '%@' in invoice.";
    case Fall::skatteavdragIAnnanValuta: return "Invoice has a ROT/RUT deduction but its currency is not SEK.";
    case Fall::felTyp: return "The value of '%@' must be %@.";
    case Fall::nolltecken: return "The value of '%@' contains a NUL character.";
    case Fall::fakturabeloppPassarInte: return "The amounts of invoice '%@' do not fit the decimal type exactly.";
    case Fall::fakturaverifikationEjBalanserad: return "The entry for invoice '%@' is not balanced.";
    case Fall::förfallodatumEfterKalendern: return "The due date, %@ after %@, is past 9999-12-31.";
    }
    return "";
}

namespace {

// Fills each "%@" of the format, in order, with the next argument. The
// arguments are inserted as they are: a "%@" inside one is not expanded.
std::string fyllI(std::string_view format, std::initializer_list<std::string_view> argument) {
    std::string ut;
    auto arg = argument.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '@' && arg != argument.end()) {
            ut += *arg++;
            ++i;
        } else {
            ut += format[i];
        }
    }
    return ut;
}

std::string datumtext(int64_t yyyymmdd) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04" PRId64 "-%02" PRId64 "-%02" PRId64, yyyymmdd / 10000, (yyyymmdd / 100) % 100,
                  yyyymmdd % 100);
    return buf;
}

}  // namespace

JSONImportfel::JSONImportfel(Fall fall) : JSONImportfel(fall, std::string()) {}

JSONImportfel::JSONImportfel(Fall fall, std::string text, std::string text2)
    : fall_(fall), text_(std::move(text)), text2_(std::move(text2)) {
    beskrivning_ = description();
}

JSONImportfel JSONImportfel::okändNyckel(std::string nyckel) { return {Fall::okändNyckel, std::move(nyckel)}; }
JSONImportfel JSONImportfel::ogiltigVerifikation(const JsonVärde& vobjekt) {
    return {Fall::ogiltigVerifikation, jsonTextform(vobjekt)};
}
JSONImportfel JSONImportfel::ogiltigTransaktion(const JsonVärde& tobjekt, const JsonVärde& vobjekt) {
    return {Fall::ogiltigTransaktion, jsonTextform(tobjekt), jsonTextform(vobjekt)};
}
JSONImportfel JSONImportfel::kontoFinnsInte(int64_t nummer) {
    return {Fall::kontoFinnsInte, std::to_string(nummer)};
}
JSONImportfel JSONImportfel::verifikationEjBalanserad(std::string beskrivning) {
    return {Fall::verifikationEjBalanserad, std::move(beskrivning)};
}
JSONImportfel JSONImportfel::räkenskapsårSaknas(Datum datum) {
    return {Fall::räkenskapsårSaknas, datumtext(datum.d)};
}
JSONImportfel JSONImportfel::nummerTarSlut(std::string vad) { return {Fall::nummerTarSlut, std::move(vad)}; }
JSONImportfel JSONImportfel::ogiltigtTalIFaktura(std::string nyckel, std::string text) {
    return {Fall::ogiltigtTalIFaktura, std::move(nyckel), std::move(text)};
}
JSONImportfel JSONImportfel::felTyp(std::string nyckel, std::string väntadTyp) {
    return {Fall::felTyp, std::move(nyckel), std::move(väntadTyp)};
}
JSONImportfel JSONImportfel::nolltecken(std::string nyckel) { return {Fall::nolltecken, std::move(nyckel)}; }
JSONImportfel JSONImportfel::fakturabeloppPassarInte(std::string nummer) {
    return {Fall::fakturabeloppPassarInte, std::move(nummer)};
}
JSONImportfel JSONImportfel::fakturaverifikationEjBalanserad(std::string nummer) {
    return {Fall::fakturaverifikationEjBalanserad, std::move(nummer)};
}
JSONImportfel JSONImportfel::förfallodatumEfterKalendern(int64_t dagar, Datum fakturadatum) {
    return {Fall::förfallodatumEfterKalendern, std::to_string(dagar) + (dagar == 1 ? " day" : " days"),
            datumtext(fakturadatum.d)};
}
JSONImportfel JSONImportfel::ingenKundHarNummer(std::string nr) { return {Fall::ingenKundHarNummer, std::move(nr)}; }
JSONImportfel JSONImportfel::okändFakturamall(std::string ts) { return {Fall::okändFakturamall, std::move(ts)}; }
JSONImportfel JSONImportfel::verifikationKundeInteSkapasFörFakturaMedMeddelande(std::string meddelande) {
    return {Fall::verifikationKundeInteSkapasFörFakturaMedMeddelande, std::move(meddelande)};
}

std::string JSONImportfel::description() const {
    const char* format = meddelande(fall_);
    switch (fall_) {
    case Fall::okändNyckel:
    case Fall::ogiltigVerifikation:
    case Fall::kontoFinnsInte:
    case Fall::verifikationEjBalanserad:
    case Fall::räkenskapsårSaknas:
    case Fall::ingenKundHarNummer:
    case Fall::okändFakturamall:
    case Fall::verifikationKundeInteSkapasFörFakturaMedMeddelande:
    case Fall::nummerTarSlut:
    case Fall::nolltecken:
    case Fall::fakturabeloppPassarInte:
    case Fall::fakturaverifikationEjBalanserad:
        return fyllI(format, {text_});
    case Fall::ogiltigTransaktion:
    case Fall::ogiltigtTalIFaktura:
    case Fall::felTyp:
    case Fall::förfallodatumEfterKalendern:
        return fyllI(format, {text_, text2_});
    default:
        // Not a format: a percent sign in the text stays as it is.
        return format;
    }
}
