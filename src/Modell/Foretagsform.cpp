#include "Modell/Foretagsform.h"

#include "Plattform/Strangar.h"

#include <charconv>
#include <string>

template <>
std::optional<Företagsform> frånKod<Företagsform>(int64_t kod) {
    if (kod < 1 || kod > 10 || kod == 4) return std::nullopt;
    return static_cast<Företagsform>(kod);
}

std::optional<int64_t> heltalEllerInget(std::string_view text) {
    if (text.empty()) return std::nullopt;
    bool negativ = false;
    if (text.front() == '+' || text.front() == '-') {
        negativ = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    // Parsed with the sign in place so that the most negative value fits.
    std::string medTecken = negativ ? "-" + std::string(text) : std::string(text);
    int64_t värde = 0;
    auto [slut, fel] = std::from_chars(medTecken.data(), medTecken.data() + medTecken.size(), värde);
    if (fel != std::errc() || slut != medTecken.data() + medTecken.size()) return std::nullopt;
    return värde;
}

std::optional<Företagsform> företagsformFrånOrganisationsnummer(std::string_view organisationsnummer) {
    int64_t antal = antalTecken(organisationsnummer);
    if (antal < 10) return std::nullopt;
    // A twelve-character number starts with the century.
    std::string s = antal >= 12 ? allaEfter(organisationsnummer, 2) : std::string(organisationsnummer);
    auto mitten = heltalEllerInget(första(allaEfter(s, 2), 2));
    if (!mitten) return std::nullopt;
    if (*mitten < 20) return Företagsform::enskildFirma;
    auto grupp = heltalEllerInget(första(s, 2));
    if (!grupp) return std::nullopt;
    switch (*grupp / 10) {
    case 1: return Företagsform::dödsbo;
    case 2: return Företagsform::offentligVerksamhet;
    case 3: return Företagsform::filial;
    case 5: return Företagsform::aktiebolag;
    case 6: return Företagsform::enkeltBolag;
    case 7: return Företagsform::ekonomiskFörening;
    case 8: return Företagsform::ideellFörening;
    case 9: return Företagsform::handelsbolagEllerKommanditbolag;
    default: return std::nullopt;
    }
}
