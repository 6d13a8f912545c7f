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
    return frånKodBland(allaFakturastatusar(), kod);
}
