#include "Modell/Fakturor/Fakturastatus.h"

const std::array<Fakturastatus, 8>& allaFakturastatusar() {
    static constexpr std::array<Fakturastatus, 8> alla{
        Fakturastatus::skickad,           Fakturastatus::förfallen, Fakturastatus::betald,
        Fakturastatus::påmind,            Fakturastatus::påmindFleraGånger,
        Fakturastatus::återköpt,          Fakturastatus::kundförlust, Fakturastatus::delbetald,
    };
    return alla;
}

template <>
std::optional<Fakturastatus> frånKod<Fakturastatus>(int64_t kod) {
    for (auto s : allaFakturastatusar())
        if (static_cast<int64_t>(s) == kod) return s;
    return std::nullopt;
}
