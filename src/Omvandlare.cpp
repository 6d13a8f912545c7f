#include "Omvandlare.h"

#include "Plattform/Strangar.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace {

const icu::Locale kSvenska("sv");

// The display name with its first character in upper case, as names stand
// alone in a list ("svenska" becomes "Svenska").
std::string somRubrik(const icu::UnicodeString& namn) {
    std::string s;
    namn.toUTF8String(s);
    std::string först = första(s, 1);
    icu::UnicodeString f = icu::UnicodeString::fromUTF8(först);
    f.toUpper(kSvenska);
    std::string ut;
    f.toUTF8String(ut);
    return ut + allaEfter(s, 1);
}

}  // namespace

KodTillNamnOmvandlare::KodTillNamnOmvandlare(std::map<std::string, std::string> uppslag) : uppslagsverk(std::move(uppslag)) {
    for (const auto& [kod, namn] : uppslagsverk) sorteradeNycklar.push_back(kod);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> kollator(icu::Collator::createInstance(kSvenska, status));
    auto före = [&](const std::string& a, const std::string& b) {
        const std::string& na = uppslagsverk.at(a);
        const std::string& nb = uppslagsverk.at(b);
        if (U_SUCCESS(status)) {
            UErrorCode s = U_ZERO_ERROR;
            auto r = kollator->compareUTF8(na, nb, s);
            if (U_SUCCESS(s) && r != UCOL_EQUAL) return r == UCOL_LESS;
        }
        return na != nb ? na < nb : a < b;
    };
    std::stable_sort(sorteradeNycklar.begin(), sorteradeNycklar.end(), före);
    for (const auto& kod : sorteradeNycklar) sorteradeNamn.push_back(uppslagsverk.at(kod));
}

Omvandlarvärde KodTillNamnOmvandlare::transformedValue(const Omvandlarvärde& värde) const {
    if (const auto* lista = värde.lista()) {
        Omvandlarlista ut;
        for (const auto& element : *lista) ut.push_back(transformedValue(element));
        return ut;
    }
    if (const auto* text = värde.text()) {
        auto it = uppslagsverk.find(*text);
        return it != uppslagsverk.end() ? it->second : medStorBokstavIVarjeOrd(*text);
    }
    return {};
}

Omvandlarvärde KodTillNamnOmvandlare::reverseTransformedValue(const Omvandlarvärde& värde) const {
    if (const auto* lista = värde.lista()) {
        Omvandlarlista ut;
        for (const auto& element : *lista) ut.push_back(reverseTransformedValue(element));
        return ut;
    }
    if (const auto* text = värde.text()) {
        auto it = uppslagsverk.find(*text);
        if (it != uppslagsverk.end()) return it->second;
    }
    return {};
}

namespace {

std::map<std::string, std::string> språknamn() {
    std::map<std::string, std::string> t;
    for (const char* kod : {"da", "de", "en", "es", "fi", "fr", "it", "nl", "no", "nb", "sv"}) {
        icu::UnicodeString namn;
        icu::Locale(kod).getDisplayLanguage(kSvenska, namn);
        t.emplace(kod, somRubrik(namn));
    }
    return t;
}

std::map<std::string, std::string> landsnamn() {
    std::map<std::string, std::string> t;
    for (const char* const* kod = icu::Locale::getISOCountries(); *kod; ++kod) {
        icu::UnicodeString namn;
        icu::Locale("", *kod).getDisplayCountry(kSvenska, namn);
        t.emplace(*kod, somRubrik(namn));
    }
    return t;
}

}  // namespace

Språkomvandlare::Språkomvandlare() : KodTillNamnOmvandlare(språknamn()) {}

Landsomvandlare::Landsomvandlare() : KodTillNamnOmvandlare(landsnamn()) {}
