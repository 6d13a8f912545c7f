#pragma once
// Every failure the JSON import reports. The import stops at the first one;
// the driver prints `description()` on standard error.
#include "Kommandorad/JsonVarde.h"
#include "Modell/Datum.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

class JSONImportfel : public std::exception {
public:
    // In declaration order; the first nine carry a payload.
    enum class Fall {
        okändNyckel,
        ogiltigVerifikation,
        ogiltigTransaktion,
        kontoFinnsInte,
        verifikationEjBalanserad,
        räkenskapsårSaknas,
        ingenKundHarNummer,
        okändFakturamall,
        verifikationKundeInteSkapasFörFakturaMedMeddelande,
        felToppobjekt,
        nödvändigKundinformationSaknas,
        fakturaSaknarKund,
        ogiltigtFakturadatum,
        ingenFakturamallOchIngenTidigareFaktura,
        felaktigROTInformation,
        ingaFakturaposter,
        vetInteVilkenArtikelSomBörAnvändas,
        växelkursSaknas,
        verifikationKundeInteSkapasFörFaktura,
        // Our own, after the established ones.
        // The numbers of an entry's year or of the contacts have run out
        // (the highest number is the greatest 64-bit integer).
        nummerTarSlut,
        // An invoice's "quantity", "price" or "exchange rate" is not wholly
        // a number (the key, then the text).
        ogiltigtTalIFaktura,
        // A ROT/RUT deduction on an invoice in another currency than SEK.
        skatteavdragIAnnanValuta,
        // A member's value is of another JSON type than the key takes (the
        // key, then the type it takes: "a string", "a Boolean", ...).
        felTyp,
        // A text holds a NUL character, which the document's names cannot
        // hold without loss (the key).
        nolltecken,
        // An invoice's amounts, or its booking entry's, are not exactly
        // what they compute to: the decimal type cannot hold them (the
        // invoice's number).
        fakturabeloppPassarInte,
        // An invoice's booking entry does not sum to zero (its number).
        fakturaverifikationEjBalanserad,
        // The credit period takes the due date past the last day a date
        // can name (the credit period as "N days", then the invoice date).
        förfallodatumEfterKalendern,
    };

    static JSONImportfel okändNyckel(std::string nyckel);
    static JSONImportfel ogiltigVerifikation(const JsonVärde& vobjekt);
    static JSONImportfel ogiltigTransaktion(const JsonVärde& tobjekt, const JsonVärde& vobjekt);
    static JSONImportfel kontoFinnsInte(int64_t nummer);
    static JSONImportfel verifikationEjBalanserad(std::string beskrivning);
    static JSONImportfel räkenskapsårSaknas(Datum datum);
    static JSONImportfel ingenKundHarNummer(std::string nr);
    static JSONImportfel okändFakturamall(std::string ts);
    static JSONImportfel verifikationKundeInteSkapasFörFakturaMedMeddelande(std::string meddelande);
    // `vad`: the entry's description or the customer's label.
    static JSONImportfel nummerTarSlut(std::string vad);
    static JSONImportfel ogiltigtTalIFaktura(std::string nyckel, std::string text);
    static JSONImportfel felTyp(std::string nyckel, std::string väntadTyp);
    static JSONImportfel nolltecken(std::string nyckel);
    static JSONImportfel fakturabeloppPassarInte(std::string nummer);
    static JSONImportfel fakturaverifikationEjBalanserad(std::string nummer);
    static JSONImportfel förfallodatumEfterKalendern(int64_t dagar, Datum fakturadatum);
    // The cases without a payload.
    explicit JSONImportfel(Fall fall);

    Fall fall() const { return fall_; }
    // The text payload of the cases that carry one.
    const std::string& text() const { return text_; }

    // The English message with the payload filled in.
    std::string description() const;
    const char* what() const noexcept override { return beskrivning_.c_str(); }

    // The message as a format, before any payload is filled in.
    static const char* meddelande(Fall fall);

private:
    JSONImportfel(Fall fall, std::string text, std::string text2 = {});

    Fall fall_;
    // The payload as the message shows it: the key, the entry object's
    // text form, the account number, the description, the date, ...
    std::string text_;
    std::string text2_;  // the transaction's entry object (ogiltigTransaktion)
    std::string beskrivning_;
};
