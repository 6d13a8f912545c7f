#include "Plattform/PostalAddress.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cctype>
#include <vector>

namespace {

enum class Part { street, postalCode, city, state, country };
// A line's parts, those not empty joined by `between`.
struct Line {
    std::vector<Part> parts;
    const char* between = " ";
};
using Layout = std::vector<Line>;

struct CountryLayout {
    std::vector<std::string> codes;
    Layout layout;
};

// The region is not printed where the country's post does not use it.
const Layout kPostcodeBeforeCity = {{{Part::street}}, {{Part::postalCode, Part::city}}, {{Part::country}}};
const Layout kProvinceAfterCity = {{{Part::street}}, {{Part::postalCode, Part::city, Part::state}}, {{Part::country}}};
const Layout kBritish = {{{Part::street}}, {{Part::city}}, {{Part::state}}, {{Part::postalCode}}, {{Part::country}}};
const Layout kAmerican = {{{Part::street}}, {{Part::city, Part::state, Part::postalCode}}, {{Part::country}}};
const Layout kPostcodeAfterCity = {{{Part::street}}, {{Part::city, Part::postalCode}}, {{Part::country}}};
const Layout kLatvian = {{{Part::street}}, {{Part::state}}, {{Part::city, Part::postalCode}, ", "}, {{Part::country}}};
// The town above the street, the postcode below it.
const Layout kHungarian = {{{Part::city}}, {{Part::street}}, {{Part::postalCode}}, {{Part::country}}};
const Layout kOther = {{{Part::street}}, {{Part::postalCode, Part::city}}, {{Part::state}}, {{Part::country}}};

const std::vector<CountryLayout>& layouts() {
    static const std::vector<CountryLayout> table = {
        {{"se", "dk", "no", "fi", "de", "at", "ch", "be", "fr", "nl", "lu", "pl", "cz", "sk", "ro", "lt", "ee", "si",
          "hr"},
         kPostcodeBeforeCity},
        {{"es", "it"}, kProvinceAfterCity},
        {{"gb", "ie"}, kBritish},
        {{"mt"}, kPostcodeAfterCity},
        {{"lv"}, kLatvian},
        {{"hu"}, kHungarian},
        {{"us"}, kAmerican},
    };
    return table;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const Layout& layoutFor(std::string_view code) {
    std::string key = lower(code);
    for (const auto& entry : layouts())
        for (const std::string& c : entry.codes)
            if (key == c) return entry.layout;
    return kOther;
}

const std::string& partOf(const PostalAddress& a, Part p) {
    switch (p) {
        case Part::street: return a.street;
        case Part::postalCode: return a.postalCode;
        case Part::city: return a.city;
        case Part::state: return a.state;
        case Part::country: return a.country;
    }
    return a.street;
}

}  // namespace

std::string formatPostalAddress(const PostalAddress& address) {
    std::vector<std::string> lines;
    for (const Line& line : layoutFor(address.isoCountryCode)) {
        std::string text;
        for (Part p : line.parts) {
            const std::string& value = partOf(address, p);
            if (value.empty()) continue;
            if (!text.empty()) text += line.between;
            text += value;
        }
        if (!text.empty()) lines.push_back(std::move(text));
    }
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += '\n';
        out += lines[i];
    }
    return out;
}

std::string countryName(std::string_view countryCode, std::string_view inLanguageOfCountry) {
    if (countryCode.empty()) return {};
    // The likely locale of "und_<region>" is the country's main language,
    // never a minority language that happens to share the region's code.
    std::string id = "und_" + std::string(inLanguageOfCountry);
    icu::Locale language(id.c_str());
    UErrorCode error = U_ZERO_ERROR;
    language.addLikelySubtags(error);
    if (U_FAILURE(error)) language = icu::Locale::getEnglish();

    std::string regionId = "und_" + std::string(countryCode);
    icu::Locale region(regionId.c_str());
    if (region.isBogus() || *region.getCountry() == '\0') return {};
    icu::UnicodeString name;
    region.getDisplayCountry(language, name);
    std::string out;
    name.toUTF8String(out);
    // ICU answers with the code itself when it knows no name for it.
    std::string upper(countryCode);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (out.empty() || out == upper || out == region.getCountry()) return {};
    return out;
}
