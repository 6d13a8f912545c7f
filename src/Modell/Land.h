#pragma once
// The countries a ledger can belong to, stored as two-letter lower-case
// codes.
#include "Koder.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

enum class Land {
    Österrike,
    Sverige,
    Danmark,
    Norge,
    Finland,
    Tyskland,
    Spanien,
    Storbritannien,
    Italien,
    Schweiz,
    Belgien,
    Frankrike,
    Nederländerna,
    Luxemburg,
};

inline constexpr std::array<Land, 14> allaLänder = {
    Land::Österrike, Land::Sverige,  Land::Danmark, Land::Norge,   Land::Finland,   Land::Tyskland,      Land::Spanien,
    Land::Storbritannien, Land::Italien, Land::Schweiz, Land::Belgien, Land::Frankrike, Land::Nederländerna, Land::Luxemburg,
};

// The stored code ("se" for Sweden).
std::string_view kod(Land land);

// Exactly the 14 codes: case-sensitive and untrimmed ("SE" and "se " give none).
template <>
std::optional<Land> frånKod<Land>(std::string_view kod);

template <>
struct std::hash<Land> {
    size_t operator()(Land l) const noexcept { return std::hash<std::string_view>{}(kod(l)); }
};
