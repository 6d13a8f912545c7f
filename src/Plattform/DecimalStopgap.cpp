// Interim definitions of the few Decimal operations the payment codes need
// (construction, not-a-number, plain text and comparison) until the full decimal
// arithmetic is in the tree. They are weak symbols: once Decimal.cpp
// defines the same members, the linker takes those and ignores these.
// Delete this file when that happens.
#include "Plattform/Decimal.h"

#include <algorithm>

namespace {
std::string siffror(unsigned __int128 m) {
    if (m == 0) return "0";
    std::string s;
    while (m) {
        s.push_back(char('0' + int(m % 10)));
        m /= 10;
    }
    std::reverse(s.begin(), s.end());
    return s;
}
}  // namespace

__attribute__((weak)) Decimal Decimal::make(unsigned __int128 mantissa, int exponent, bool negative) {
    if (mantissa == 0) return Decimal();
    while (mantissa % 10 == 0 && exponent < 127) {
        mantissa /= 10;
        ++exponent;
    }
    Stored b{};
    int längd = 0;
    for (unsigned __int128 m = mantissa; m; m >>= 16) {
        b[4 + 2 * längd] = uint8_t(m);
        b[5 + 2 * längd] = uint8_t(m >> 8);
        ++längd;
    }
    b[0] = uint8_t(int8_t(exponent));
    b[1] = uint8_t(längd | (negative ? 0x10 : 0) | 0x20);
    return fromStored(b);
}

__attribute__((weak)) std::string Decimal::text() const {
    if (isNaN()) return "NaN";
    if (isZero()) return "0";
    std::string s = siffror(mantissa());
    if (exponent() >= 0) {
        s.append(size_t(exponent()), '0');
    } else {
        size_t bråk = size_t(-exponent());
        if (s.size() <= bråk) s = std::string(bråk - s.size() + 1, '0') + s;
        s = s.substr(0, s.size() - bråk) + "." + s.substr(s.size() - bråk);
    }
    return isNegative() ? "-" + s : s;
}

__attribute__((weak)) std::strong_ordering Decimal::compare(const Decimal& other) const {
    if (isNaN() || other.isNaN()) return !isNaN() ? std::strong_ordering::greater
                                   : !other.isNaN() ? std::strong_ordering::less
                                                    : std::strong_ordering::equal;
    auto tecken = [](const Decimal& d) { return d.isZero() ? 0 : d.isNegative() ? -1 : 1; };
    int ta = tecken(*this), tb = tecken(other);
    if (ta != tb || ta == 0) return ta <=> tb;
    // Same sign, both non-zero: compare magnitudes by order of magnitude,
    // then digit by digit.
    std::string a = siffror(mantissa()), b = siffror(other.mantissa());
    long ma = long(a.size()) + exponent(), mb = long(b.size()) + other.exponent();
    std::strong_ordering storlek = ma <=> mb;
    if (storlek == 0) {
        size_t n = std::max(a.size(), b.size());
        a.resize(n, '0');
        b.resize(n, '0');
        int c = a.compare(b);
        storlek = c <=> 0;
    }
    return ta > 0 ? storlek : 0 <=> storlek;
}

__attribute__((weak)) Decimal Decimal::notANumber() {
    Stored b{};
    b[1] = 0x10;  // length 0 with the sign set
    return fromStored(b);
}
