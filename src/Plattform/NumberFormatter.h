#pragma once
// Number texts on ICU for an explicit locale: formats decimals from their
// exact digits (never through a binary double) and parses texts into
// decimals. Settings are kept and the ICU formatter is rebuilt from them in
// one fixed order, so changing the style later keeps what was set before.
#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Plattform/Decimal.h"

class NumberFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class NumberFormatter {
public:
    // The platform formatter's style codes.
    enum class Style { decimal = 1, currency = 2, percent = 3, currencyISOCode = 8 };

    NumberFormatter(Style style, std::string localeId);
    NumberFormatter(const NumberFormatter& other);
    NumberFormatter& operator=(const NumberFormatter& other);
    NumberFormatter(NumberFormatter&&) noexcept;
    NumberFormatter& operator=(NumberFormatter&&) noexcept;
    ~NumberFormatter();

    Style style() const { return style_; }
    const std::string& localeId() const { return localeId_; }

    void setStyle(Style style);
    void setLocaleId(std::string localeId);
    // An ISO 4217 code; anything that is not three ASCII letters counts as
    // "no currency" (XXX). Currency styles take their fraction digits from it.
    void setCurrencyCode(std::string_view code);
    // Fixed fraction digits; none leaves them to the style and currency.
    void setFractionDigits(std::optional<int> minimum, std::optional<int> maximum);
    void setMinimumIntegerDigits(int digits);
    // Used for plain and monetary grouping alike; none keeps the locale's.
    void setGroupingSeparator(std::optional<std::string> separator);
    void setGroupingUsed(bool used);
    void setLenient(bool lenient);

    // The text of a value, rounded half-even to the fraction digits;
    // none for NaN.
    std::optional<std::string> format(const Decimal& value) const;
    // The whole text as a number (surrounding white space allowed); none
    // when it is not one.
    std::optional<Decimal> parse(std::string_view text) const;

    // The decimal separator its texts carry (the monetary one in the
    // currency styles).
    std::string decimalSeparator() const;
    // The ten digit symbols its texts use, zero first.
    std::array<std::string, 10> digitSymbols() const;

    // The currency's usual number of fraction digits (2 for unknown codes).
    static int currencyFractionDigits(std::string_view code);

private:
    // The ICU formatter (a UNumberFormat*) for the current settings.
    void** icu() const;

    Style style_;
    std::string localeId_;
    std::string currencyCode_ = "XXX";
    std::optional<int> minimumFractionDigits_, maximumFractionDigits_;
    int minimumIntegerDigits_ = 1;
    std::optional<std::string> groupingSeparator_;
    bool groupingUsed_ = true;
    bool lenient_ = false;

    struct Handle;
    mutable std::unique_ptr<Handle> handle_;
};
