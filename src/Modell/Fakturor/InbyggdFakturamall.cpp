#include "Modell/Fakturor/InbyggdFakturamall.h"

namespace {

struct Rad {
    std::string_view kod;
    std::string_view pdfnamn;  // empty: no background
};

// Indexed by the case; the codes are what documents store.
constexpr std::array<Rad, antalInbyggdaFakturamallar> tabell{{
    {"Df", ""},
    {"Karvomat4", ""},
    {"V", "V"},
    {"SL", "SL"},
    {"G", "G"},
    {"B", "B"},
    {"Ru2", ""},
    {"Ru1", ""},
    {"CT2", "CT2"},
    {"CT1", "CT1"},
    {"BB", ""},
    {"Sk", "Sk"},
    {"Gu", "Gu"},
    {"R", "R"},
    {"Fr", "Fr"},
    {"DotRed", "DotRed"},
    {"DotGrey", "DotGrey"},
    {"Pi", "Pi"},
    {"E", "E"},
    {"P", "P"},
    {"O", "O"},
    {"M", "M"},
    {"CC", "CC"},
    {"C", ""},
    {"Hi", "Hi"},
    {"CL", "CL"},
    {"FL", "FL"},
    {"D", ""},
    {"Di", "Di"},
    {"Cp", "Cp"},
    {"F", "F"},
    {"EB", "EB"},
    {"EBs", "EBs"},
    {"NoGiro1", "NoGiro"},
    {"NoGiro2", "NoGiro"},
    {"FiGiro1", "FiGiro"},
    {"FiGiro2", "FiGiro"},
}};

constexpr std::array<InbyggdFakturamall, antalInbyggdaFakturamallar> allaFall = [] {
    std::array<InbyggdFakturamall, antalInbyggdaFakturamallar> a{};
    for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<InbyggdFakturamall>(i);
    return a;
}();

}  // namespace

const std::array<InbyggdFakturamall, antalInbyggdaFakturamallar>& allaInbyggdaFakturamallar() { return allaFall; }

std::string_view kod(InbyggdFakturamall mall) { return tabell.at(static_cast<size_t>(mall)).kod; }

template <>
std::optional<InbyggdFakturamall> frånKod<InbyggdFakturamall>(std::string_view kod) {
    for (size_t i = 0; i < tabell.size(); ++i)
        if (tabell[i].kod == kod) return static_cast<InbyggdFakturamall>(i);
    return std::nullopt;
}

std::optional<std::string_view> pdfnamn(InbyggdFakturamall mall) {
    auto namn = tabell.at(static_cast<size_t>(mall)).pdfnamn;
    if (namn.empty()) return std::nullopt;
    return namn;
}
