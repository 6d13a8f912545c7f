#include "Modell/Fakturor/Fakturakolumn.h"

const std::array<Fakturakolumn, 13>& allaFakturakolumner() {
    static constexpr std::array<Fakturakolumn, 13> alla = [] {
        std::array<Fakturakolumn, 13> a{};
        for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<Fakturakolumn>(int64_t{1} << i);
        return a;
    }();
    return alla;
}

template <>
std::optional<Fakturakolumn> frånKod<Fakturakolumn>(int64_t kod) {
    return frånKodBland(allaFakturakolumner(), kod);
}
