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
