#pragma once
// A calendar date held as one integer yyyyMMdd. No range check is made on
// creation; arithmetic uses the proleptic Gregorian calendar, normalising
// out-of-range months and days the way a calendar does.
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct Datum {
    int64_t d = 0;

    constexpr Datum() = default;
    constexpr explicit Datum(int64_t yyyymmdd) : d(yyyymmdd) {}

    // Removes every "-", then takes exactly eight UTF-8 bytes as a base-10
    // integer (an optional leading "+" allowed).
    static std::optional<Datum> från(std::string_view text);
    static Datum idag();

    Datum sjuÅrTidigare() const;
    // Year, month and day after normalisation (month 13 is next January).
    int64_t år() const;
    int månad() const;
    int dag() const;
    // True when the integer names a real calendar day.
    bool ärGiltigt() const;
    // yyyy-MM-dd.
    std::string text() const;

    friend constexpr auto operator<=>(const Datum&, const Datum&) = default;
};

Datum operator+(Datum datum, int64_t dagar);

// An optional date in one word, for records a ledger holds by the hundred
// thousand. The day 0 is none: the stored form cannot tell them apart either.
class ValfrittDatum {
public:
    constexpr ValfrittDatum() = default;
    constexpr ValfrittDatum(std::nullopt_t) {}
    constexpr ValfrittDatum(Datum datum) : datum_(datum) {}
    constexpr ValfrittDatum(std::optional<Datum> datum) : datum_(datum.value_or(Datum())) {}

    constexpr bool has_value() const { return datum_.d != 0; }
    constexpr explicit operator bool() const { return has_value(); }
    constexpr const Datum& operator*() const { return datum_; }
    constexpr const Datum* operator->() const { return &datum_; }
    constexpr Datum value_or(Datum annars) const { return has_value() ? datum_ : annars; }
    constexpr operator std::optional<Datum>() const { return has_value() ? std::optional(datum_) : std::nullopt; }

    friend constexpr bool operator==(ValfrittDatum, ValfrittDatum) = default;
    friend constexpr bool operator==(ValfrittDatum a, Datum b) { return a.has_value() && a.datum_ == b; }
    friend constexpr bool operator==(ValfrittDatum a, std::nullopt_t) { return !a.has_value(); }

private:
    Datum datum_;
};

template <>
struct std::hash<Datum> {
    size_t operator()(const Datum& x) const noexcept { return std::hash<int64_t>{}(x.d); }
};
