#include "Plattform/Decimal.h"

#include "Plattform/Bytes.h"

#include <algorithm>
#include <climits>

// Arithmetic follows the platform decimal's own algorithms step for step
// (normalising before adding, a 256-bit product, a quotient of the
// dividend scaled by 10^38 and cut by truncation, rounding with a sticky
// digit), so that a value computed here is stored with the same bytes as
// the platform decimal gives. Only integer arithmetic is used.

namespace {

using u128 = unsigned __int128;

constexpr u128 kU128Max = ~u128(0);

u128 pow10(int n) {
    static const auto table = [] {
        std::array<u128, 39> t{};
        t[0] = 1;
        for (int i = 1; i < 39; ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return table[n];
}

// An unsigned 256-bit integer, wide enough for every intermediate result:
// a full product of two mantissas, a mantissa scaled by 10^38.
struct U256 {
    std::array<uint64_t, 4> w{};  // least significant first

    static U256 of(u128 v) {
        U256 r;
        r.w[0] = uint64_t(v);
        r.w[1] = uint64_t(v >> 64);
        return r;
    }
    bool isZero() const { return (w[0] | w[1] | w[2] | w[3]) == 0; }
    bool fitsU128() const { return (w[2] | w[3]) == 0; }
    u128 low() const { return u128(w[1]) << 64 | w[0]; }
    bool isOdd() const { return w[0] & 1; }

    // False when the product does not fit (the value is then unusable).
    bool mulSmall(uint64_t m) {
        u128 carry = 0;
        for (auto& limb : w) {
            u128 t = u128(limb) * m + carry;
            limb = uint64_t(t);
            carry = t >> 64;
        }
        return carry == 0;
    }
    bool mulPow10(int n) {
        while (n > 0) {
            int step = n > 19 ? 19 : n;
            if (!mulSmall(uint64_t(pow10(step)))) return false;
            n -= step;
        }
        return true;
    }
    uint64_t divSmall(uint64_t d) {
        u128 rem = 0;
        for (int i = 3; i >= 0; --i) {
            u128 cur = rem << 64 | w[i];
            w[i] = uint64_t(cur / d);
            rem = cur % d;
        }
        return uint64_t(rem);
    }
    bool addOne() {
        for (auto& limb : w)
            if (++limb != 0) return true;
        return false;
    }
    bool add(const U256& o) {
        unsigned carry = 0;
        for (int i = 0; i < 4; ++i) {
            uint64_t a = w[i], s = a + o.w[i];
            unsigned c1 = s < a;
            uint64_t s2 = s + carry;
            unsigned c2 = s2 < s;
            w[i] = s2;
            carry = c1 | c2;
        }
        return carry == 0;
    }
    int compare(const U256& o) const {
        for (int i = 3; i >= 0; --i)
            if (w[i] != o.w[i]) return w[i] < o.w[i] ? -1 : 1;
        return 0;
    }
    static U256 mul(u128 a, u128 b) {
        uint64_t x[2] = {uint64_t(a), uint64_t(a >> 64)};
        uint64_t y[2] = {uint64_t(b), uint64_t(b >> 64)};
        U256 r;
        for (int i = 0; i < 2; ++i) {
            u128 carry = 0;
            for (int j = 0; j < 2; ++j) {
                u128 t = u128(x[i]) * y[j] + r.w[i + j] + carry;
                r.w[i + j] = uint64_t(t);
                carry = t >> 64;
            }
            r.w[i + 2] = uint64_t(carry);
        }
        return r;
    }
    // Quotient of a long division by a non-zero 128-bit divisor;
    // `remainder` tells whether it left one.
    U256 dividedBy(u128 d, bool& remainder) const {
        if (d >> 64 == 0) {
            U256 q = *this;
            remainder = q.divSmall(uint64_t(d)) != 0;
            return q;
        }
        U256 q;
        u128 rem = 0;
        for (int bit = 255; bit >= 0; --bit) {
            bool carry = rem >> 127;
            rem = rem << 1 | ((w[bit / 64] >> (bit % 64)) & 1);
            // With the carry the true remainder is 2^128 + rem < 2d, and
            // the wrap-around subtraction still gives the right value.
            if (carry || rem >= d) {
                rem -= d;
                q.w[bit / 64] |= uint64_t(1) << (bit % 64);
            }
        }
        remainder = rem != 0;
        return q;
    }
};

// Whether the k lowest decimal digits of m hold anything but zeros.
bool lowDigitsNonZero(U256 m, int k) {
    for (int i = 0; i < k && !m.isZero(); ++i)
        if (m.divSmall(10) != 0) return true;
    return false;
}

int digitCount(u128 m) {
    int n = 1;
    while (n < 39 && m >= pow10(n)) ++n;
    return n;
}

// How an internal step cuts digits: one of the rounding modes, or plain
// truncation (the quotient of a division).
enum class Cut { plain, down, up, bankers, truncate };

Cut cutFor(RoundingMode mode) {
    switch (mode) {
        case RoundingMode::plain: return Cut::plain;
        case RoundingMode::down: return Cut::down;
        case RoundingMode::up: return Cut::up;
        case RoundingMode::bankers: return Cut::bankers;
    }
    return Cut::plain;
}

// Drops the k lowest decimal digits of m, rounding the magnitude of a
// value with the given sign. The first dropped digit decides, with any
// later non-zero digit counting as a nudge past it (0.50001 is above half,
// 0.00001 is not nothing).
U256 dropDigits(U256 m, int k, Cut cut, bool negative) {
    if (k <= 0) return m;
    uint64_t r = 0;
    bool sticky = false;
    for (int i = 0; i < k; ++i) {
        if (m.isZero()) {
            r = 0;
            break;
        }
        uint64_t d = m.divSmall(10);
        if (i == k - 1)
            r = d;
        else
            sticky |= d != 0;
    }
    if (sticky && (r == 0 || r == 5)) ++r;
    bool increment = false;
    switch (cut) {
        case Cut::plain: increment = r >= 5; break;
        case Cut::down: increment = negative && r != 0; break;
        case Cut::up: increment = !negative && r != 0; break;
        case Cut::bankers: increment = r > 5 || (r == 5 && m.isOdd()); break;
        case Cut::truncate: break;
    }
    if (increment) m.addOne();  // cannot wrap: at least one digit was dropped
    return m;
}

// A NaN operand counts as an overflow, as on the platform, but keeps its
// own message.
enum class Calc { ok, lossOfPrecision, underflow, overflow, notANumberOperand, divideByZero };

struct Outcome {
    Decimal value;
    Calc error = Calc::ok;
    // Digits other than zero were cut for lack of room: everything below
    // 10^keptFrom, the place of the lowest digit kept. The value then lies
    // less than two units of that place from the exact result. A cut of
    // zeros alone sets keptFrom without `cut`.
    bool cut = false;
    int keptFrom = INT_MIN;

    Outcome& cutBelow(int place) {
        keptFrom = std::max(keptFrom, place);
        cut = true;
        return *this;
    }
};

// A kept place above every exponent: what was lost is not bounded by any.
constexpr int unboundedLoss = 1 << 20;

// Results on this thread that were not the exact result at their
// behaviour's scale; see DecimalExactnessWatch.
thread_local uint64_t inexactResults = 0;

}  // namespace

struct DecimalAccess {
    static Decimal build(u128 m, int exponent, bool negative) {
        Decimal d;
        if (m == 0) return d;  // the canonical zero: 20 zero bytes
        d.exponent_ = int8_t(exponent);
        d.negative_ = negative;
        d.compact_ = true;
        int len = 0;
        while (m != 0) {
            d.words_[len++] = uint16_t(m);
            m >>= 16;
        }
        d.length_ = uint8_t(len);
        return d;
    }

    // Brings an exact intermediate result into the stored form: cut to 128
    // bits and to the smallest exponent, regrow an exponent above 127 where
    // the mantissa allows, remove trailing zeros.
    static Outcome finish(U256 m, int exponent, bool negative, Cut cut) {
        if (m.isZero()) return {};
        Calc error = Calc::ok;
        bool lost = false;
        const int unCut = exponent;
        if (!m.fitsU128()) {
            U256 probe = m;
            int k = 0;
            while (!probe.fitsU128()) {
                probe.divSmall(10);
                ++k;
            }
            U256 cutValue = dropDigits(m, k, cut, negative);
            if (!cutValue.fitsU128()) cutValue = dropDigits(m, ++k, cut, negative);
            lost = lowDigitsNonZero(m, k);
            m = cutValue;
            exponent += k;
            error = Calc::lossOfPrecision;
        }
        if (exponent < -128) {
            lost = lost || lowDigitsNonZero(m, -128 - exponent);
            m = dropDigits(m, -128 - exponent, cut, negative);
            exponent = -128;
            if (m.isZero()) return {Decimal(), Calc::underflow};
            error = Calc::lossOfPrecision;
        }
        const int keptFrom = exponent;
        u128 mant = m.low();
        while (exponent > 127 && mant <= kU128Max / 10) {
            mant *= 10;
            --exponent;
        }
        if (exponent > 127) return {Decimal::notANumber(), Calc::overflow};
        while (exponent < 127 && mant % 10 == 0) {
            mant /= 10;
            ++exponent;
        }
        Outcome out{build(mant, exponent, negative), error};
        if (lost) out.cutBelow(keptFrom);
        else if (keptFrom != unCut) out.keptFrom = keptFrom;
        return out;
    }

    struct Parts {
        u128 m;
        int exponent;
        bool negative;
    };
    static Parts parts(const Decimal& d) { return {d.mantissa(), d.exponent_, d.negative_}; }

    // Brings two non-zero operands to a common exponent the platform's way:
    // exactly when the larger one can be scaled up, otherwise by dropping
    // digits of the smaller one. `lost` tells whether those digits held
    // anything but zeros.
    static Calc normalize(Parts& a, Parts& b, bool& lost) {
        lost = false;
        if (a.exponent == b.exponent) return Calc::ok;
        Parts& x = a.exponent > b.exponent ? a : b;
        Parts& y = a.exponent > b.exponent ? b : a;
        int gap = x.exponent - y.exponent;
        U256 scaled = U256::of(x.m);
        if (scaled.mulPow10(gap) && scaled.fitsU128()) {
            x.m = scaled.low();
            x.exponent = y.exponent;
            return Calc::ok;
        }
        int words = 0;
        for (u128 t = x.m; t != 0; t >>= 16) ++words;
        // (8 - words) × log10(65536), in integer arithmetic.
        int room = int(int64_t(8 - words) * 481647993 / 100000000);
        int dropped = gap - room;
        lost = dropped > 38 ? y.m != 0 : y.m % pow10(dropped) != 0;
        y.m = dropped > 38 ? 0 : y.m / pow10(dropped);
        y.exponent += dropped;
        if (y.m != 0) {
            x.m *= pow10(room);
            x.exponent -= room;
        } else {
            y.exponent = x.exponent;
        }
        return Calc::lossOfPrecision;
    }

    static Outcome add(const Decimal& l, const Decimal& r, bool negateRight, RoundingMode mode) {
        if (l.isNaN() || r.isNaN()) return {Decimal::notANumber(), Calc::notANumberOperand};
        if (l.isZero()) return {negateRight ? r.negated() : r};
        if (r.isZero()) return {l};
        Parts a = parts(l), b = parts(r);
        if (negateRight) b.negative = !b.negative;
        bool lost;
        Calc loss = normalize(a, b, lost);
        Outcome out;
        if (a.negative == b.negative) {
            U256 sum = U256::of(a.m);
            sum.add(U256::of(b.m));
            out = finish(sum, a.exponent, a.negative, cutFor(mode));
        } else if (a.m == b.m) {
            // Equal only after the smaller one lost digits: zero is then
            // as near as the result comes.
            if (lost) out.cutBelow(a.exponent);
            return out;
        } else {
            const Parts& big = a.m > b.m ? a : b;
            const Parts& small = a.m > b.m ? b : a;
            out = finish(U256::of(big.m - small.m), a.exponent, big.negative, cutFor(mode));
        }
        if (out.error == Calc::ok) out.error = loss;
        if (lost) out.cutBelow(a.exponent);
        return out;
    }

    static Outcome multiply(const Decimal& l, const Decimal& r, RoundingMode mode) {
        if (l.isNaN() || r.isNaN()) return {Decimal::notANumber(), Calc::notANumberOperand};
        if (l.isZero() || r.isZero()) return {};
        Parts a = parts(l), b = parts(r);
        return finish(U256::mul(a.m, b.m), a.exponent + b.exponent, a.negative != b.negative, cutFor(mode));
    }

    static Outcome divide(const Decimal& l, const Decimal& r) {
        if (l.isNaN() || r.isNaN()) return {Decimal::notANumber(), Calc::notANumberOperand};
        if (r.isZero()) return {Decimal::notANumber(), Calc::divideByZero};
        if (l.isZero()) return {};
        Parts a = parts(l), b = parts(r);
        // An operand that lost digits here moves the quotient by more than
        // its last place: no bound holds for what it lost.
        bool operandLost = false;
        if (a.exponent - b.exponent >= 19) {
            Parts na = a, nb = b;
            normalize(na, nb, operandLost);
            if (na.m != 0 && nb.m != 0) {
                a = na;
                b = nb;
            } else {
                operandLost = false;
            }
        }
        U256 scaled = U256::of(a.m);
        scaled.mulPow10(38);  // < 2^128 × 10^38 < 2^256
        bool remainder;
        const int exponent = a.exponent - b.exponent - 38;
        Outcome out = finish(scaled.dividedBy(b.m, remainder), exponent, a.negative != b.negative, Cut::truncate);
        if (remainder) out.cutBelow(exponent);
        if (operandLost) out.cutBelow(unboundedLoss);
        return out;
    }

    // Rounding to a number of digits after the point; values that already
    // have no more digits than that come back untouched.
    static Outcome round(const Decimal& d, int scale, RoundingMode mode) {
        if (d.isNaN()) return {d, Calc::notANumberOperand};
        // Scales beyond the exponent range act like the nearest one in it.
        scale = std::clamp(scale, -300, 300);
        if (d.exponent_ >= -scale || d.isZero()) return {d};
        Parts p = parts(d);
        U256 m = dropDigits(U256::of(p.m), -scale - p.exponent, cutFor(mode), p.negative);
        return finish(m, -scale, p.negative, Cut::truncate);
    }

    // Whether a value that was cut (see Outcome) still rounds at `scale`
    // with `mode` as the exact result does. The exact result lies less than
    // two units of the kept place from the value; when no point where the
    // rounding changes its answer (a multiple of the scale's unit, or a
    // half of one for the modes that round to nearest) lies that near, both
    // round alike. Nearer ones are not looked into further.
    static bool roundsAsExact(const Outcome& out, int scale, RoundingMode mode) {
        const int64_t steps = -int64_t(scale) - out.keptFrom;  // places kept below the scale
        if (steps < 1 || out.value.exponent_ < out.keptFrom) return false;
        // The value in units of the kept place; it had room for that form.
        u128 units = out.value.mantissa();
        for (int e = out.value.exponent_; e > out.keptFrom; --e) {
            if (units > kU128Max / 10) return false;
            units *= 10;
        }
        const bool nearest = mode == RoundingMode::plain || mode == RoundingMode::bankers;
        // A scale's unit beyond 10^38 of those is more than any value here.
        if (steps > 38) return nearest || units >= 2;
        const u128 unit = pow10(int(steps));
        const u128 rest = units % unit;
        if (nearest) {
            const u128 half = unit / 2;
            return (rest > half ? rest - half : half - rest) >= 2;
        }
        return std::min(rest, unit - rest) >= 2;
    }

    // Applies a behaviour's error policy, then its scale. A result that is
    // not the exact one at that scale is counted for DecimalExactnessWatch.
    static Decimal settle(Outcome out, const DecimalBehavior& b, bool applyScale = true) {
        if ((out.error != Calc::ok && out.error != Calc::lossOfPrecision) ||
            (out.cut && !(applyScale && b.scale && roundsAsExact(out, *b.scale, b.mode))))
            ++inexactResults;
        switch (out.error) {
            case Calc::overflow:
                if (b.raiseOnOverflow) throw DecimalError("decimal overflow");
                return Decimal::notANumber();
            case Calc::notANumberOperand:
                if (b.raiseOnOverflow) throw DecimalError("decimal calculation with a value that is not a number");
                return Decimal::notANumber();
            case Calc::divideByZero:
                if (b.raiseOnDivideByZero) throw DecimalError("decimal division by zero");
                return Decimal::notANumber();
            case Calc::underflow:
                if (b.raiseOnUnderflow) throw DecimalError("decimal underflow");
                return Decimal();
            case Calc::ok:
            case Calc::lossOfPrecision:
                break;
        }
        if (!applyScale || !b.scale) return out.value;
        return settle(round(out.value, *b.scale, b.mode), b, false);
    }
};

DecimalExactnessWatch::DecimalExactnessWatch() : start_(inexactResults) {}

bool DecimalExactnessWatch::exact() const { return inexactResults == start_; }

const DecimalBehavior& DecimalBehavior::standard() {
    static const DecimalBehavior b{};
    return b;
}

Decimal Decimal::fromInt(int64_t value) {
    bool negative = value < 0;
    u128 m = negative ? u128(-(value + 1)) + 1 : u128(value);
    return DecimalAccess::finish(U256::of(m), 0, negative, Cut::truncate).value;
}

Decimal Decimal::notANumber() {
    Decimal d;
    d.negative_ = true;
    return d;
}

Decimal Decimal::make(unsigned __int128 mantissa, int exponent, bool negative) {
    // Out-of-range exponents are brought in by rounding or regrowing the
    // mantissa; only a value beyond the greatest one is refused.
    if (exponent > 127 + 38) throw DecimalError("decimal overflow");
    if (exponent < -128 - 40) return Decimal();
    auto out = DecimalAccess::finish(U256::of(mantissa), exponent, negative, Cut::plain);
    if (out.error == Calc::overflow) throw DecimalError("decimal overflow");
    return out.value;
}

void Decimal::throwLongMantissa() { throw FormatError("decimal number with a mantissa length over 8"); }

Decimal::Stored Decimal::stored() const {
    uint32_t w0 = uint8_t(exponent_) | uint32_t(length_) << 8 | uint32_t(negative_) << 12 |
                  uint32_t(compact_) << 13 | reserved_ << 14;
    Stored b{};
    for (int i = 0; i < 4; ++i) b[i] = uint8_t(w0 >> (8 * i));
    for (int i = 0; i < 8; ++i) {
        b[4 + 2 * i] = uint8_t(words_[i]);
        b[5 + 2 * i] = uint8_t(words_[i] >> 8);
    }
    return b;
}

unsigned __int128 Decimal::mantissa() const {
    unsigned __int128 m = 0;
    for (int i = length_ - 1; i >= 0; --i) m = m << 16 | words_[i];
    return m;
}

// ---------------------------------------------------------------------------
// Parsing

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
    bool failed = false;      // the number does not fit the format
    size_t consumed = 0;      // characters taken, leading white space included
    int mantissaDigits = 0;   // digits before and after the point
    bool bareExponent = false;  // an "e" without exponent digits
    bool inexact = false;       // a digit other than 0 did not fit
    u128 m = 0;
    int exponent = 0;
    bool negative = false;
};

// The platform's scanner: white space, sign, integer digits, point and
// fraction digits, exponent. Digits beyond 128 bits are dropped (integer
// digits still count in the exponent).
Scan scanDecimal(std::string_view s) {
    Scan r;
    size_t i = 0;
    while (i < s.size() && isSpace(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) r.negative = s[i++] == '-';
    bool full = false;
    auto append = [&](int digit) {
        if (full || r.m > (kU128Max - u128(digit)) / 10) {
            full = true;
            return false;
        }
        r.m = r.m * 10 + u128(digit);
        return true;
    };
    for (; i < s.size() && isDigit(s[i]); ++i) {
        ++r.mantissaDigits;
        if (!append(s[i] - '0')) {
            r.inexact |= s[i] != '0';
            if (r.exponent == 127) return Scan{.failed = true};
            ++r.exponent;
        }
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            ++r.mantissaDigits;
            if (!append(s[i] - '0')) {
                r.inexact |= s[i] != '0';
                continue;
            }
            if (r.exponent == -128) return Scan{.failed = true};
            --r.exponent;
        }
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        int e = 0;
        r.bareExponent = true;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            r.bareExponent = false;
            e = e * 10 + (s[i] - '0');
            if (e > 254) return Scan{.failed = true};
        }
        int total = r.exponent + (negativeExponent ? -e : e);
        if (total > 127 || total < -128) return Scan{.failed = true};
        r.exponent = total;
    }
    r.consumed = i;
    return r;
}

Decimal fromScan(const Scan& s) {
    return DecimalAccess::finish(U256::of(s.m), s.exponent, s.negative, Cut::truncate).value;
}

}  // namespace

Decimal Decimal::parsePrefix(std::string_view text) {
    Scan s = scanDecimal(text);
    if (s.failed || s.consumed == 0) return notANumber();
    return fromScan(s);
}

namespace {

std::optional<Scan> scanWhole(std::string_view text) {
    Scan s = scanDecimal(text);
    if (s.failed || s.mantissaDigits == 0 || s.bareExponent) return std::nullopt;
    size_t i = s.consumed;
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    return s;
}

}  // namespace

std::optional<Decimal> Decimal::parseWhole(std::string_view text) {
    auto s = scanWhole(text);
    if (!s) return std::nullopt;
    return fromScan(*s);
}

std::optional<Decimal> Decimal::parseExact(std::string_view text) {
    auto s = scanWhole(text);
    if (!s || s->inexact) return std::nullopt;
    return fromScan(*s);
}

// ---------------------------------------------------------------------------
// Printing and comparing

std::string Decimal::text() const {
    if (isNaN()) return "NaN";
    u128 m = mantissa();
    if (m == 0) return "0";
    std::string digits;
    while (m != 0) {
        digits.insert(digits.begin(), char('0' + int(m % 10)));
        m /= 10;
    }
    if (exponent_ >= 0) {
        digits.append(size_t(exponent_), '0');
    } else {
        size_t fraction = size_t(-exponent_);
        if (digits.size() <= fraction) digits.insert(0, fraction - digits.size() + 1, '0');
        digits.insert(digits.size() - fraction, 1, '.');
    }
    return negative_ ? "-" + digits : digits;
}

std::strong_ordering Decimal::compare(const Decimal& other) const {
    if (isNaN() || other.isNaN()) {
        if (isNaN() && other.isNaN()) return std::strong_ordering::equal;
        return isNaN() ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    int signA = isZero() ? 0 : (negative_ ? -1 : 1);
    int signB = other.isZero() ? 0 : (other.negative_ ? -1 : 1);
    if (signA != signB) return signA <=> signB;
    if (signA == 0) return std::strong_ordering::equal;
    // Exact magnitude comparison: first by the position of the leading
    // digit, then digit for digit at a common exponent.
    u128 ma = mantissa(), mb = other.mantissa();
    int topA = digitCount(ma) + exponent_, topB = digitCount(mb) + other.exponent_;
    std::strong_ordering magnitude = std::strong_ordering::equal;
    if (topA != topB) {
        magnitude = topA <=> topB;
    } else {
        U256 a = U256::of(ma), b = U256::of(mb);
        if (exponent_ > other.exponent_) a.mulPow10(exponent_ - other.exponent_);
        if (other.exponent_ > exponent_) b.mulPow10(other.exponent_ - exponent_);
        int c = a.compare(b);
        magnitude = c <=> 0;
    }
    if (signA < 0) return 0 <=> magnitude;
    return magnitude;
}

// ---------------------------------------------------------------------------
// Arithmetic

Decimal Decimal::adding(const Decimal& other, const DecimalBehavior& b) const {
    return DecimalAccess::settle(DecimalAccess::add(*this, other, false, b.mode), b);
}

Decimal Decimal::subtracting(const Decimal& other, const DecimalBehavior& b) const {
    return DecimalAccess::settle(DecimalAccess::add(*this, other, true, b.mode), b);
}

Decimal Decimal::multiplying(const Decimal& other, const DecimalBehavior& b) const {
    return DecimalAccess::settle(DecimalAccess::multiply(*this, other, b.mode), b);
}

Decimal Decimal::dividing(const Decimal& other, const DecimalBehavior& b) const {
    return DecimalAccess::settle(DecimalAccess::divide(*this, other), b);
}

Decimal Decimal::rounding(const DecimalBehavior& b) const {
    if (isNaN()) return DecimalAccess::settle({*this, Calc::notANumberOperand}, b);
    return DecimalAccess::settle({*this}, b);
}

Decimal Decimal::negated() const {
    if (isNaN() || isZero()) return *this;
    Decimal d = *this;
    d.negative_ = !d.negative_;
    return d;
}
