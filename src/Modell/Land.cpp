#include "Modell/Land.h"

std::string_view kod(Land land) {
    switch (land) {
        case Land::Österrike: return "at";
        case Land::Sverige: return "se";
        case Land::Danmark: return "dk";
        case Land::Norge: return "no";
        case Land::Finland: return "fi";
        case Land::Tyskland: return "de";
        case Land::Spanien: return "es";
        case Land::Storbritannien: return "gb";
        case Land::Italien: return "it";
        case Land::Schweiz: return "ch";
        case Land::Belgien: return "be";
        case Land::Frankrike: return "fr";
        case Land::Nederländerna: return "nl";
        case Land::Luxemburg: return "lu";
    }
    return "se";
}

template <>
std::optional<Land> frånKod<Land>(std::string_view text) {
    return frånKodBland(allaLänder, text);
}
