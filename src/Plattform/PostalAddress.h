#pragma once
// Our stand-in for the platform's postal-address formatter: one table of
// line layouts keyed by ISO country code, and country names from the
// locale data (CLDR through ICU).
#include <string>
#include <string_view>

struct PostalAddress {
    std::string street;
    std::string postalCode;
    std::string city;
    std::string state;
    std::string isoCountryCode;  // picks the layout
    std::string country;         // the country's name; empty for no country line
};

// The address as mailing-address lines joined by "\n", arranged by the
// conventions of its ISO country code. Empty parts are left out together
// with the space that would join them, and empty lines are left out.
std::string formatPostalAddress(const PostalAddress& address);

// The name of the country `countryCode` in the language most used in the
// country `inLanguageOfCountry` (its likely locale, e.g. "be" gives Dutch,
// "ch" German), as the locale data spells it. Empty when the locale data
// has no name for the code.
std::string countryName(std::string_view countryCode, std::string_view inLanguageOfCountry);
