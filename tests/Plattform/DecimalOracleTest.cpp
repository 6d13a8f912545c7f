// Compares the decimal arithmetic with Python's decimal module on random
// money-sized operands, for every operation, rounding mode and a range of
// scales, including the four behaviours amounts are computed with.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "Plattform/Decimal.h"
#include "Programkorning.h"

namespace {

struct Case {
    std::string op;
    Decimal a, b;
    DecimalBehavior behaviour;
};

// A value stored as given, without compaction (mantissa may end in zeros).
Decimal raw(unsigned __int128 m, int exponent, bool negative) {
    Decimal::Stored s{};
    s[0] = uint8_t(int8_t(exponent));
    int len = 0;
    for (auto t = m; t != 0; t >>= 16) {
        s[4 + 2 * len] = uint8_t(t);
        s[5 + 2 * len] = uint8_t(t >> 8);
        ++len;
    }
    s[1] = uint8_t(len | (negative && len ? 0x10 : 0));
    return Decimal::fromStored(s);
}

class Generator {
public:
    explicit Generator(uint64_t seed) : rng_(seed) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    Decimal operand(int maxDigits, int minExponent, int maxExponent) {
        if (between(0, 19) == 0) return Decimal();
        // Short mantissas half the time, so that ties and exact halves occur.
        int digits = between(0, 1) ? between(1, 4) : between(1, maxDigits);
        uint64_t limit = 1;
        for (int i = 0; i < digits; ++i) limit *= 10;
        uint64_t m = std::uniform_int_distribution<uint64_t>(1, limit - 1)(rng_);
        int exponent = between(minExponent, maxExponent);
        bool negative = between(0, 1);
        if (between(0, 2) == 0 && exponent > minExponent + 2) {
            int extra = between(1, 2);  // the same value, stored with trailing zeros
            return raw((unsigned __int128)m * (extra == 1 ? 10 : 100), exponent - extra, negative);
        }
        return Decimal::make(m, exponent, negative);
    }

    DecimalBehavior behaviour(bool allowNoScale) {
        static const DecimalBehavior named[] = {
            {RoundingMode::plain, std::nullopt, true, true, true},  // ejAvrundande
            {RoundingMode::bankers, 0, false, false, false},        // helaKronor
            {RoundingMode::plain, 0, false, false, false},          // helaKronorUppåt
            {RoundingMode::down, 2, false, false, false},           // helaÖren
        };
        int pick = between(0, 7);
        if (pick < 4 && (allowNoScale || pick > 0)) return named[pick];
        return {RoundingMode(between(0, 3)), between(-2, 6), false, false, false};
    }

private:
    std::mt19937_64 rng_;
};

std::vector<Case> makeCases(int count) {
    Generator g(20240315);
    std::vector<Case> cases;
    const char* ops[] = {"add", "sub", "mul", "div", "round"};
    for (int i = 0; i < count; ++i) {
        std::string op = ops[i % 5];
        Case c{op, {}, {}, {}};
        if (op == "div") {
            c.a = g.operand(16, -6, 4);
            do c.b = g.operand(8, -4, 2); while (c.b.isZero());
            c.behaviour = g.behaviour(false);
        } else if (op == "round") {
            c.a = g.operand(18, -12, 4);
            c.behaviour = g.behaviour(false);
        } else {
            c.a = g.operand(18, -12, 4);
            c.b = g.operand(18, -12, 4);
            c.behaviour = g.behaviour(true);
        }
        cases.push_back(c);
    }
    return cases;
}

Decimal compute(const Case& c) {
    if (c.op == "add") return c.a.adding(c.b, c.behaviour);
    if (c.op == "sub") return c.a.subtracting(c.b, c.behaviour);
    if (c.op == "mul") return c.a.multiplying(c.b, c.behaviour);
    if (c.op == "div") return c.a.dividing(c.b, c.behaviour);
    return c.a.rounding(c.behaviour);
}

}  // namespace

TEST(DecimalOracle, AgreesWithPythonDecimalOnRandomOperations) {
    const int count = 120000;
    auto cases = makeCases(count);

    std::ostringstream input;
    for (const auto& c : cases) {
        input << c.op << ' ' << c.a.text() << ' ' << (c.op == "round" ? "0" : c.b.text()) << ' ' << int(c.behaviour.mode)
              << ' ' << (c.behaviour.scale ? std::to_string(*c.behaviour.scale) : "-") << '\n';
    }
    testhjalp::Körning oracle = testhjalp::körProgram(
        "python3", {KONTOBOK_SOURCE_DIR "/tests/Plattform/decimal_oracle.py"}, {.indata = input.str()});
    ASSERT_EQ(oracle.status, 0) << "python3 oracle failed: " << oracle.fel;
    const std::string& output = oracle.ut;

    std::istringstream lines(output);
    std::string expected;
    int checked = 0, failures = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(std::getline(lines, expected)) << "oracle gave too few lines";
        Decimal result = compute(c);
        std::string actual = result.text();
        // Results are compact, except an operand passed through untouched
        // (rounding within the scale, adding zero), which keeps its form.
        bool passedThrough = result.identical(c.a) || result.identical(c.b) || result.identical(c.b.negated());
        bool agrees = actual == expected || (passedThrough && result == *Decimal::parseWhole(expected));
        if (!agrees && ++failures <= 10) {
            ADD_FAILURE() << c.op << ' ' << c.a.text() << ' ' << c.b.text() << " mode " << int(c.behaviour.mode)
                          << " scale " << (c.behaviour.scale ? std::to_string(*c.behaviour.scale) : "-") << ": got "
                          << actual << ", Python " << expected;
        }
        ++checked;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(checked, count);
}

namespace {

// Operands of every length up to the mantissa's 38 digits, far apart in
// size, and some just beside a multiple of a power of ten, where a cut
// decides how a value rounds.
std::vector<Case> makeWideCases(int count) {
    std::mt19937_64 rng(20250611);
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto mantissa = [&](int digits) {
        unsigned __int128 m = 0;
        for (int i = 0; i < digits; ++i) m = m * 10 + unsigned(between(i == 0 ? 1 : 0, 9));
        return m;
    };
    auto operand = [&] {
        int digits = between(1, 38);
        unsigned __int128 m = mantissa(digits);
        if (between(0, 3) == 0) {
            // 10^k and a few units on either side of it.
            unsigned __int128 p = 1;
            for (int i = 1; i < digits; ++i) p *= 10;
            m = p + mantissa(between(1, 2)) * (between(0, 1) ? 1 : 0);
            if (between(0, 1) && m > 9) m -= 9;
        }
        return Decimal::make(m, between(-45, 6) - (digits > 20 ? between(0, 20) : 0), between(0, 1));
    };
    std::vector<Case> cases;
    const char* ops[] = {"add", "sub", "mul", "div", "round"};
    for (int i = 0; i < count; ++i) {
        Case c{ops[i % 5], operand(), operand(), {}};
        if (c.b.isZero()) c.b = Decimal::smallInteger(3);
        c.behaviour = between(0, 4) == 0 ? DecimalBehavior{RoundingMode(between(0, 3)), std::nullopt, false, false, false}
                                        : DecimalBehavior{RoundingMode(between(0, 3)), between(-2, 8), false, false, false};
        cases.push_back(c);
    }
    return cases;
}

}  // namespace

// The watch never vouches for a result that differs from the exact result
// rounded once at the scale, and it does vouch for most that are right,
// quotients that never end included.
TEST(DecimalOracle, TheExactnessWatchOnlyVouchesForExactResults) {
    const int count = 60000;
    auto cases = makeWideCases(count);
    std::ostringstream input;
    for (const auto& c : cases)
        input << c.op << ' ' << c.a.text() << ' ' << c.b.text() << ' ' << int(c.behaviour.mode) << ' '
              << (c.behaviour.scale ? std::to_string(*c.behaviour.scale) : "-") << '\n';
    testhjalp::Körning oracle = testhjalp::körProgram(
        "python3", {KONTOBOK_SOURCE_DIR "/tests/Plattform/decimal_oracle.py", "--exact"}, {.indata = input.str()});
    ASSERT_EQ(oracle.status, 0) << "python3 oracle failed: " << oracle.fel;

    std::istringstream lines(oracle.ut);
    std::string expected;
    int vouched = 0, right = 0, failures = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(std::getline(lines, expected)) << "oracle gave too few lines";
        DecimalExactnessWatch watch;
        Decimal result = compute(c);
        const bool isRight = !result.isNaN() && result == *Decimal::parseWhole(expected);
        right += isRight;
        if (!watch.exact()) continue;
        ++vouched;
        if (!isRight && ++failures <= 10)
            ADD_FAILURE() << c.op << ' ' << c.a.text() << ' ' << c.b.text() << " mode " << int(c.behaviour.mode)
                          << " scale " << (c.behaviour.scale ? std::to_string(*c.behaviour.scale) : "-")
                          << ": vouched for " << result.text() << ", exactly " << expected;
    }
    EXPECT_EQ(failures, 0);
    // Right results the watch cannot prove are cuts beside a rounding point.
    EXPECT_GT(vouched, right * 9 / 10) << vouched << " vouched, " << right << " right";
    EXPECT_LT(vouched, count);
}

TEST(DecimalExactness, AmountsBeyondTheMantissaAreCaughtAndOrdinaryOnesPass) {
    const DecimalBehavior öre{RoundingMode::down, 2, false, false, false};
    const DecimalBehavior exakt{RoundingMode::plain, std::nullopt, true, true, true};
    auto tal = [](const char* t) { return *Decimal::parseExact(t); };
    auto exakta = [](auto steg) {
        DecimalExactnessWatch watch;
        steg();
        return watch.exact();
    };
    // A discount over a VAT factor never ends, but öre end long before.
    EXPECT_TRUE(exakta([&] { tal("-100").dividing(tal("1.12"), öre); }));
    EXPECT_TRUE(exakta([&] { tal("249.5").multiplying(tal("0.25"), öre).adding(tal("1250.75"), exakt); }));
    // 10^37 + 1 with 25 % VAT needs 40 digits; so do 38 nines.
    EXPECT_TRUE(exakta([&] { tal("10000000000000000000000000000000000001").multiplying(tal("0.25"), öre); }));
    EXPECT_FALSE(exakta([&] { tal("10000000000000000000000000000000000001").multiplying(tal("1.25"), öre); }));
    EXPECT_FALSE(exakta([&] { tal("99999999999999999999999999999999999999").multiplying(tal("1.25"), öre); }));
    // A sum that drops the smaller amount's digits, with or without a scale.
    EXPECT_FALSE(exakta([&] { tal("1e38").adding(tal("0.1"), exakt); }));
    EXPECT_FALSE(exakta([&] { tal("1e38").adding(tal("0.1"), öre); }));
    EXPECT_FALSE(exakta([&] { tal("1e38").adding(tal("0.1"), exakt).subtracting(tal("1e38"), exakt); }));
    // Results no behaviour raises for: NaN and zero stand in for them.
    EXPECT_FALSE(exakta([&] { tal("1e127").multiplying(tal("1e127"), öre); }));
    EXPECT_FALSE(exakta([&] { tal("1").dividing(Decimal(), öre); }));
    EXPECT_FALSE(exakta([&] { Decimal::notANumber().rounding(öre); }));
    // A watch sees only what follows its making.
    tal("1e38").adding(tal("0.1"), exakt);
    EXPECT_TRUE(exakta([] {}));
}
