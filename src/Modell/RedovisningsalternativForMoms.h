#pragma once
// How often the ledger reports VAT; stored by the document root as its
// code (the case's position + 1).
#include "Koder.h"
#include <cstdint>
#include <optional>

enum class RedovisningsalternativFörMoms : int64_t {
    beskattningsår = 1,
    kvartal = 2,
    månad = 3,
    varannanMånad = 4,
    halvår = 5,
    kalenderår = 6,
};

constexpr int64_t kod(RedovisningsalternativFörMoms alternativ) { return static_cast<int64_t>(alternativ); }
template <>
inline std::optional<RedovisningsalternativFörMoms> frånKod<RedovisningsalternativFörMoms>(int64_t kod) {
    if (kod < 1 || kod > 6) return std::nullopt;
    return static_cast<RedovisningsalternativFörMoms>(kod);
}
