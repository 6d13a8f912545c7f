// A fallback for the decimal comparison so the model tests link before the
// decimal arithmetic lands. It is a weak symbol: the library's own
// definition, once present, replaces it. Delete this file then.
#include "Plattform/Decimal.h"

namespace {
// Magnitude comparison of m1 × 10^e1 and m2 × 10^e2.
std::strong_ordering jämförBelopp(unsigned __int128 m1, int e1, unsigned __int128 m2, int e2) {
    if (m1 == 0 || m2 == 0) return (m1 != 0) <=> (m2 != 0);
    const unsigned __int128 gräns = ~static_cast<unsigned __int128>(0) / 10;
    while (e1 > e2) {
        if (m1 > gräns) return std::strong_ordering::greater;
        m1 *= 10;
        --e1;
    }
    while (e2 > e1) {
        if (m2 > gräns) return std::strong_ordering::less;
        m2 *= 10;
        --e2;
    }
    return m1 <=> m2;
}
}  // namespace

__attribute__((weak)) std::strong_ordering Decimal::compare(const Decimal& other) const {
    if (isNaN() || other.isNaN()) return !isNaN() <=> !other.isNaN();
    if (isNegative() != other.isNegative()) return isNegative() ? std::strong_ordering::less : std::strong_ordering::greater;
    auto magnitud = jämförBelopp(mantissa(), exponent(), other.mantissa(), other.exponent());
    if (isNegative()) return 0 <=> magnitud;
    return magnitud;
}
