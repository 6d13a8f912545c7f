#pragma once
// Converters from a code (language, country) to its display name. The tool
// registers none of them; a view that shows country names registers a
// `Landsomvandlare` under the name "Landsomvandlare".
#include "Plattform/Vardeomvandlare.h"

#include <map>
#include <string>
#include <vector>

class KodTillNamnOmvandlare : public Värdeomvandlare {
public:
    std::map<std::string, std::string> uppslagsverk;  // code to display name
    std::vector<std::string> sorteradeNamn;            // the names in collation order
    std::vector<std::string> sorteradeNycklar;         // the codes in the order of their names

    explicit KodTillNamnOmvandlare(std::map<std::string, std::string> uppslag);

    // A text gives its entry in the table, or itself with capital initials
    // when it has none; a list is converted element by element; anything
    // else gives none.
    Omvandlarvärde transformedValue(const Omvandlarvärde& värde) const override;
    // A text gives its entry in the table, or none; a list element by
    // element; anything else none.
    Omvandlarvärde reverseTransformedValue(const Omvandlarvärde& värde) const override;
};

// Language codes of the invoice languages to their Swedish names.
class Språkomvandlare : public KodTillNamnOmvandlare {
public:
    Språkomvandlare();
};

// ISO 3166 country codes to their Swedish names.
class Landsomvandlare : public KodTillNamnOmvandlare {
public:
    Landsomvandlare();
};
