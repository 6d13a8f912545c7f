#pragma once
// The number formatter for amounts: currency style in a given ISO currency
// code and the user's locale, an ordinary space between thousands, lenient
// parsing into decimals. The one made by förFaktura formats every
// amount of an invoice, its VAT summary included.
#include <optional>
#include <string>
#include <string_view>

#include "Plattform/Decimal.h"
#include "Plattform/NumberFormatter.h"
#include "ValutaformatPaFakturor.h"

class Beloppsformatterare {
public:
    // Currency style in the code, the currency deciding the fraction digits.
    explicit Beloppsformatterare(std::string_view valuta);

    // The formatter for an invoice in the currency `med`, with the currency
    // format and the hiding of zero decimals read afresh from the user
    // defaults.
    static Beloppsformatterare förFaktura(std::string_view med);

    // A zero amount (by value) gives the empty text.
    bool döljOmNoll = false;
    // A zero fraction ("1 234,00 kr" → "1 234 kr") is left out.
    bool döljDecimaler = false;
    // Carried for the invoice views; nothing here reads it.
    bool bytTecken = false;

    // The text of an amount; none for no amount and for NaN.
    std::optional<std::string> string(const std::optional<Decimal>& för) const;

    // A text in this formatter's form (lenient: currency sign, grouping and
    // a missing fraction are accepted) as a decimal; none when the whole
    // text is not an amount.
    std::optional<Decimal> tolka(std::string_view text) const;

    // Changes how the currency is shown: currency, currencyISOCode or
    // decimal (no currency; the currency's fraction digits are kept).
    void sättStil(NumberFormatter::Style stil);
    NumberFormatter::Style stil() const { return formaterare_.style(); }
    const std::string& valuta() const { return valuta_; }

    // The separator between units and fraction in this formatter's texts.
    std::string decimaltecken() const;

private:
    // Follows a change of the user's locale since the last use.
    NumberFormatter& aktuellFormaterare() const;
    std::string utanNollDecimaler(std::string text) const;

    std::string valuta_;
    mutable NumberFormatter formaterare_;
};
