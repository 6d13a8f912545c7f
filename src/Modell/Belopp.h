#pragma once
// The decimal constants, the four rounding behaviours amounts are computed
// with, and the set of currency signs trimmed off item texts.
#include <algorithm>
#include <array>
#include <string_view>

#include "Plattform/Decimal.h"

inline constexpr Decimal noll{};
inline constexpr Decimal ett = Decimal::smallInteger(1);
inline constexpr Decimal minusEtt = Decimal::smallInteger(1, true);

// Exact arithmetic: halves away from zero, no scale, failures raise.
inline constexpr DecimalBehavior ejAvrundande{RoundingMode::plain, std::nullopt, true, true, true};
// Whole units, halves to even: the öre rounding of an invoice total and
// the ROT/RUT deduction.
inline constexpr DecimalBehavior helaKronor{RoundingMode::bankers, 0, false, false, false};
// Whole units, halves away from zero: older sent-invoice records.
inline constexpr DecimalBehavior helaKronorUppåt{RoundingMode::plain, 0, false, false, false};
// Whole öre toward negative infinity: item, VAT and total amounts.
inline constexpr DecimalBehavior helaÖren{RoundingMode::down, 2, false, false, false};

// A set of Unicode code points, made from the characters of a text.
class Teckenmängd {
public:
    static constexpr size_t kapacitet = 64;

    constexpr explicit Teckenmängd(std::u32string_view tecken) {
        for (char32_t c : tecken) {
            if (antal_ == kapacitet || innehåller(c)) continue;
            std::array<char32_t, kapacitet>::iterator slut = tecken_.begin() + antal_;
            auto plats = std::lower_bound(tecken_.begin(), slut, c);
            std::copy_backward(plats, slut, slut + 1);
            *plats = c;
            ++antal_;
        }
    }

    constexpr bool innehåller(char32_t c) const {
        return std::binary_search(tecken_.begin(), tecken_.begin() + antal_, c);
    }
    constexpr size_t storlek() const { return antal_; }

    // The text without the set's characters at either end (whole code
    // points; bytes that are not valid UTF-8 stop the trimming).
    std::string_view trimmad(std::string_view text) const;

private:
    std::array<char32_t, kapacitet> tecken_{};
    size_t antal_ = 0;
};

// Currency signs and the letters of currency abbreviations, each character
// by itself.
inline constexpr Teckenmängd valutaTecken{U"$€£kr¥₺¥Rp₩M₱฿د.إKčFtzłFrлвlei₽"};
