#pragma once
// An invoice with a chosen number of amount rows (0 to 5): net and VAT;
// reverse charge drops both; a discount, a RUT deduction (without personal
// numbers, so no fact lists change) and a rounding add one each.
#include "Provfaktura.h"

#include <stdexcept>

inline void ställBeloppsrader(prov::Faktura& f, int n) {
    auto avdrag = [&] {
        f.skatteavdrag_ = Skatteavdrag::rut(std::nullopt, std::nullopt, prov::D("1"), std::nullopt);
        f.avdragsbelopp_ = prov::D("30");
    };
    switch (n) {
        case 0: f.omvändSkattskyldighetFörMoms_ = true; return;
        case 1: f.omvändSkattskyldighetFörMoms_ = true, avdrag(); return;
        case 2: return;
        case 5: f.öresutjämna_ = true, f.öresutjämningsbelopp_ = prov::D("0.4"); [[fallthrough]];
        case 4: avdrag(); [[fallthrough]];
        case 3: f.rabatt_ = prov::D("0.1"), f.rabattbelopp_ = prov::D("10"); return;
    }
    throw std::invalid_argument("amount rows");
}
