#pragma once
// The booking method of a ledger and of each sent invoice.
#include "Koder.h"

#include <cstdint>
#include <optional>

enum class Bokföringsmetod : int64_t {
    kontantmetoden = 0,
    fakturametoden = 1,
};

constexpr int64_t kod(Bokföringsmetod metod) { return static_cast<int64_t>(metod); }
template <>
inline std::optional<Bokföringsmetod> frånKod<Bokföringsmetod>(int64_t kod) {
    if (kod != 0 && kod != 1) return std::nullopt;
    return static_cast<Bokföringsmetod>(kod);
}
