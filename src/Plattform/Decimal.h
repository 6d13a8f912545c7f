#pragma once
// Decimal numbers with the value model of the platform decimal the
// documents were written with: a 128-bit mantissa (eight 16-bit words), a
// signed 8-bit base-10 exponent and a sign, kept exactly as stored so a
// value that is read and written back unchanged keeps its 20 bytes.
#include <array>
#include <bit>
#include <cstring>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

enum class RoundingMode { plain = 0, down = 1, up = 2, bankers = 3 };

// How an operation rounds and which failures it raises. `scale` is the
// number of digits kept after the decimal point; none means no fixed scale.
// The operation runs with the mode first, then its result is rounded to the
// scale. A failure that is not raised gives NaN (overflow, division by zero,
// a NaN operand) or zero (underflow); cut digits are never a failure.
struct DecimalBehavior {
    RoundingMode mode = RoundingMode::plain;
    std::optional<int> scale;
    bool raiseOnOverflow = true;
    bool raiseOnUnderflow = true;
    bool raiseOnDivideByZero = true;

    static const DecimalBehavior& standard();  // plain, no scale, raises
};

// A raised arithmetic failure (overflow, underflow, division by zero, or
// a NaN operand under a raising behaviour).
class DecimalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Watches this thread's decimal arithmetic from its making on. exact() is
// true while every result is the exact result rounded to its behaviour's
// scale (or the exact result, without a scale). It turns false when digits
// that scale keeps were cut for lack of room in the 38-digit mantissa, when
// a cut below the scale may have changed how the value rounds, and when a
// behaviour that does not raise gave NaN or zero for an overflow, a NaN
// operand, a division by zero or an underflow. A quotient that does not end
// is exact where the scale ends before its digits do.
class DecimalExactnessWatch {
public:
    DecimalExactnessWatch();
    bool exact() const;

private:
    uint64_t start_;
};

class Decimal {
public:
    using Stored = std::array<uint8_t, 20>;

    Decimal() = default;  // zero, 20 zero bytes
    static Decimal fromInt(int64_t value);
    // A whole number below 65536 in its compact form, for constants.
    static constexpr Decimal smallInteger(uint16_t value, bool negative = false) {
        Decimal d;
        if (value == 0) return d;
        while (value % 10 == 0) {
            value /= 10;
            ++d.exponent_;
        }
        d.length_ = 1;
        d.negative_ = negative;
        d.compact_ = true;
        d.words_[0] = value;
        return d;
    }
    static Decimal notANumber();
    // Mantissa × 10^exponent, negated when negative; compacted.
    static Decimal make(unsigned __int128 mantissa, int exponent, bool negative);

    // The platform's string initializer: leading white space, optional sign,
    // digits, optional "." fraction, optional exponent; stops at the first
    // character that does not fit. Nothing consumed gives NaN.
    static Decimal parsePrefix(std::string_view text);
    // Strict form: the whole text (white space around it allowed) must be a
    // number; otherwise none.
    static std::optional<Decimal> parseWhole(std::string_view text);
    // The strict form, and only a number the type holds exactly: one whose
    // digits other than 0 do not fit in the mantissa (more than 38
    // significant digits) gives none instead of a rounded value.
    static std::optional<Decimal> parseExact(std::string_view text);

    // The 20-byte stored form. Reading rejects a length above 8.
    static Decimal fromStored(const Stored& bytes) { return fromStored(bytes.data()); }
    // The same from 20 bytes in place, as a document's reader finds them.
    static Decimal fromStored(const uint8_t* bytes) {
        Decimal d;
        uint32_t w0;
        std::memcpy(&w0, bytes, 4);
        d.exponent_ = static_cast<int8_t>(w0 & 0xFF);
        d.length_ = (w0 >> 8) & 0xF;
        d.negative_ = (w0 >> 12) & 1;
        d.compact_ = (w0 >> 13) & 1;
        d.reserved_ = w0 >> 14;
        if (d.length_ > 8) [[unlikely]] throwLongMantissa();
        static_assert(std::endian::native == std::endian::little, "the words are stored as they lie in memory");
        std::memcpy(d.words_.data(), bytes + 4, sizeof d.words_);
        return d;
    }
    Stored stored() const;

    bool isNaN() const { return length_ == 0 && negative_; }
    // By value: a stored mantissa of zero words in use is zero as well.
    bool isZero() const { return !isNaN() && mantissa() == 0; }
    bool isNegative() const { return negative_ && !isNaN() && mantissa() != 0; }

    int exponent() const { return exponent_; }
    unsigned __int128 mantissa() const;  // from the words in use

    // Plain text: digits with "." and a leading "-", no grouping, no
    // exponent notation; "NaN" for not-a-number.
    std::string text() const;

    Decimal adding(const Decimal& other, const DecimalBehavior& b = DecimalBehavior::standard()) const;
    Decimal subtracting(const Decimal& other, const DecimalBehavior& b = DecimalBehavior::standard()) const;
    Decimal multiplying(const Decimal& other, const DecimalBehavior& b = DecimalBehavior::standard()) const;
    Decimal dividing(const Decimal& other, const DecimalBehavior& b = DecimalBehavior::standard()) const;
    // Rounds to the behaviour's scale with its mode (unchanged without scale).
    Decimal rounding(const DecimalBehavior& b) const;
    Decimal negated() const;

    // Value comparison; NaN is below every number and equal to NaN.
    std::strong_ordering compare(const Decimal& other) const;
    friend bool operator==(const Decimal& a, const Decimal& b) { return a.compare(b) == 0; }
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) { return a.compare(b); }

    // Exactly the same stored bytes (not only the same value).
    bool identical(const Decimal& other) const { return stored() == other.stored(); }

private:
    int8_t exponent_ = 0;
    uint8_t length_ = 0;
    bool negative_ = false;
    bool compact_ = false;
    uint32_t reserved_ = 0;
    std::array<uint16_t, 8> words_{};

    [[noreturn]] static void throwLongMantissa();

    friend struct DecimalAccess;
};
