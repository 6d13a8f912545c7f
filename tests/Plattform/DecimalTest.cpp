#include "Plattform/Decimal.h"

#include <gtest/gtest.h>

#include "Plattform/Bytes.h"

namespace {

Decimal D(std::string_view text) {
    auto d = Decimal::parseWhole(text);
    if (!d) throw std::invalid_argument(std::string(text));
    return *d;
}

std::string hex(const Decimal::Stored& b) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (uint8_t x : b) {
        s += digits[x >> 4];
        s += digits[x & 15];
    }
    return s;
}

Decimal::Stored fromHex(std::string_view h) {
    Decimal::Stored b{};
    for (size_t i = 0; i < 20; ++i) b[i] = uint8_t(std::stoi(std::string(h.substr(2 * i, 2)), nullptr, 16));
    return b;
}

const DecimalBehavior kHelaÖren{RoundingMode::down, 2, false, false, false};
const DecimalBehavior kHelaKronor{RoundingMode::bankers, 0, false, false, false};
const DecimalBehavior kHelaKronorUppåt{RoundingMode::plain, 0, false, false, false};

DecimalBehavior scaled(RoundingMode mode, int scale) { return {mode, scale, false, false, false}; }

}  // namespace

TEST(Decimal, StoredFormVectors) {
    struct Case {
        Decimal value;
        const char* bytes;
        const char* text;
    } cases[] = {
        {Decimal(), "0000000000000000000000000000000000000000", "0"},
        {Decimal::fromInt(1), "0021000001000000000000000000000000000000", "1"},
        {Decimal::fromInt(-1), "0031000001000000000000000000000000000000", "-1"},
        {D("0.5"), "FF21000005000000000000000000000000000000", "0.5"},
        {D("12.34"), "FE210000D2040000000000000000000000000000", "12.34"},
        {D("100"), "0221000001000000000000000000000000000000", "100"},
        {D("1234567.89"), "FE22000015CD5B07000000000000000000000000", "1234567.89"},
        {D("-0.01"), "FE31000001000000000000000000000000000000", "-0.01"},
        {Decimal::notANumber(), "0010000000000000000000000000000000000000", "NaN"},
        {D("12345678901234567890123456789012345678"), "002800004EF338DE509049C4133302F0F6B04909",
         "12345678901234567890123456789012345678"},
        {D("-1234567890123456789012345678901234567.8"), "FF3800004EF338DE509049C4133302F0F6B04909",
         "-1234567890123456789012345678901234567.8"},
        {D("340282366920938463463374607431768211455"), "00280000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
         "340282366920938463463374607431768211455"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hex(c.value.stored()), c.bytes) << c.text;
        EXPECT_EQ(c.value.text(), c.text);
        EXPECT_TRUE(Decimal::fromStored(fromHex(c.bytes)).identical(c.value)) << c.text;
    }
}

TEST(Decimal, StoredBytesSurviveUnchangedAndLengthOverEightIsRejected) {
    // Non-compact 100, reserved bits set, junk in unused words, a zero top word.
    for (const char* h : {"0001000064000000000000000000000000000000", "00C1FFFF6400ABCD000000000000000000000000",
                          "FE020000D2040000000000000000000000000000", "0010000012340000000000000000000000000000"}) {
        Decimal d = Decimal::fromStored(fromHex(h));
        EXPECT_EQ(hex(d.stored()), h);
    }
    EXPECT_EQ(Decimal::fromStored(fromHex("0001000064000000000000000000000000000000")), Decimal::fromInt(100));
    EXPECT_EQ(Decimal::fromStored(fromHex("FE020000D2040000000000000000000000000000")), D("12.34"));
    EXPECT_TRUE(Decimal::fromStored(fromHex("0010000012340000000000000000000000000000")).isNaN());
    EXPECT_THROW(Decimal::fromStored(fromHex("0009000000000000000000000000000000000000")), FormatError);
    // A length of one word holding zero is a zero by value, not a number to divide by.
    Decimal paddedZero = Decimal::fromStored(fromHex("0011000000000000000000000000000000000000"));
    EXPECT_TRUE(paddedZero.isZero());
    EXPECT_FALSE(paddedZero.isNegative());
    EXPECT_THROW(Decimal::fromInt(1).dividing(paddedZero), DecimalError);
}

TEST(Decimal, ParsePrefixFollowsThePlatformScanner) {
    struct Case {
        const char* input;
        const char* text;
    } cases[] = {
        {" 123.456 ", "123.456"},
        {" 01234e-02", "12.34"},
        {"3.14notanumber", "3.14"},
        {"A Flamingo's head", "NaN"},
        {"Jump 22 Street", "NaN"},
        {"invalid", "NaN"},
        {"", "NaN"},
        {"1e200", "NaN"},
        {"1e-200", "NaN"},
        {"000.000e123", "0"},
        {"-0.0e1", "0"},
        {"e", "0"},
        {"en", "0"},
        {"123e", "123"},
        {"12.50", "12.5"},
        {"1,5", "1"},
        {"1 234,50", "1"},
        {"12 kr", "12"},
        {"-", "0"},
        {".", "0"},
        {"+7", "7"},
    };
    for (const auto& c : cases) EXPECT_EQ(Decimal::parsePrefix(c.input).text(), c.text) << c.input;

    EXPECT_EQ(Decimal::parsePrefix("1" + std::string(170, '0')).text(), "NaN");
    Decimal big = Decimal::parsePrefix("-123.456e78");
    EXPECT_EQ(big.text(), "-123456" + std::string(75, '0'));
    EXPECT_EQ(hex(Decimal::parsePrefix("12.50").stored()), "FF2100007D000000000000000000000000000000");
    EXPECT_EQ(hex(Decimal::parsePrefix("-0").stored()), std::string(40, '0'));
    // Digits past 128 bits are dropped: integer digits still count.
    EXPECT_EQ(Decimal::parsePrefix("3402823669209384634633746074317682114559").text(),
              "3402823669209384634633746074317682114550");
    EXPECT_EQ(Decimal::parsePrefix("0.34028236692093846346337460743176821145599").text(),
              "0.340282366920938463463374607431768211455");
}

TEST(Decimal, ParseWholeTakesOnlyAWholeNumber) {
    for (const char* ok : {"12.50", " 12.50\n", "-3", "+0.5", ".5", "5.", "1e3", "1E-2"})
        EXPECT_TRUE(Decimal::parseWhole(ok)) << ok;
    for (const char* bad : {"abc", "12,50", "12 kr", "NaN", "", " ", "-", ".", "e", "1e", "1e+", "12.5.1", "1e200",
                            "Infinity", "- 5", "0x10"})
        EXPECT_FALSE(Decimal::parseWhole(bad)) << bad;
    EXPECT_EQ(Decimal::parseWhole("1e3")->text(), "1000");
}

TEST(Decimal, PrintsPlainDigits) {
    EXPECT_EQ(Decimal::make(1, 1, false).text(), "10");
    EXPECT_EQ(Decimal::make(57922 + 65536, -3, false).text(), "123.458");
    Decimal pi = Decimal::fromStored(fromHex("DA2800002366577DE7160DAD52AF4146A7DF58EC"));
    EXPECT_EQ(pi.text(), "3.14159265358979323846264338327950288419");
    EXPECT_EQ(Decimal::make(3, 10, true).text(), "-30000000000");
    EXPECT_EQ(Decimal::make(3, 5, false).text(), "300000");
    Decimal greatest = Decimal::make(~(unsigned __int128)0, 127, false);
    EXPECT_EQ(greatest.text(), "340282366920938463463374607431768211455" + std::string(127, '0'));
    EXPECT_EQ(Decimal::make(1, -128, false).text(), "0." + std::string(127, '0') + "1");
    // Non-compact mantissas print their trailing zeros.
    EXPECT_EQ(Decimal::fromStored(fromHex("FE020000E2040000000000000000000000000000")).text(), "12.50");
}

TEST(Decimal, ArithmeticVectors) {
    EXPECT_EQ(D("5538").adding(D("2880.4")).text(), "8418.4");
    EXPECT_EQ(D("2880.4").subtracting(D("5538")).text(), "-2657.6");
    EXPECT_EQ(hex(D("0.1").adding(D("0.2")).stored()), "FF21000003000000000000000000000000000000");
    EXPECT_EQ(hex(D("1.05").adding(D("2.95")).stored()), "0021000004000000000000000000000000000000");
    EXPECT_EQ(D("1").adding(Decimal::make(1, -39, false)).text(), "1");
    EXPECT_EQ(D("1").adding(Decimal::make(1, -37, false)).text(), "1.0000000000000000000000000000000000001");
    EXPECT_EQ(hex(D("1.5").subtracting(D("1.5")).stored()), std::string(40, '0'));

    EXPECT_EQ(D("119.993").multiplying(D("4.1565")).text(), "498.7509045");
    EXPECT_EQ(hex(D("19.99").multiplying(D("3"), kHelaÖren).stored()), "FE2100006D170000000000000000000000000000");
    EXPECT_EQ(D("99.99").multiplying(D("0.9"), kHelaÖren).text(), "89.99");
    EXPECT_EQ(D("99.99").multiplying(D("1.25"), kHelaÖren).text(), "124.98");
    EXPECT_EQ(D("99.99").multiplying(D("1.25"), scaled(RoundingMode::plain, 2)).text(), "124.99");
    EXPECT_EQ(hex(D("-99.99").multiplying(D("1.25"), kHelaÖren).stored()),
              "FE310000D3300000000000000000000000000000");
    EXPECT_EQ(hex(D("-1").multiplying(D("0")).stored()), std::string(40, '0'));

    EXPECT_EQ(D("111111111111111111111111111111111111111").dividing(D("9")).text(),
              "12345679012345679012345679012345679012.3");
    EXPECT_EQ(D("1010").dividing(D("16").dividing(D("9"))).text(), "568.12500000000000000000000000000248554");
    EXPECT_EQ(D("10").dividing(D("3"), kHelaÖren).text(), "3.33");
    EXPECT_EQ(D("-10").dividing(D("3"), kHelaÖren).text(), "-3.34");
    EXPECT_EQ(hex(D("-200").dividing(D("1.25"), kHelaÖren).stored()), "0131000010000000000000000000000000000000");
    EXPECT_EQ(D("-100").dividing(D("1.12"), kHelaÖren).text(), "-89.29");
    EXPECT_EQ(D("0").dividing(D("7")).text(), "0");
}

TEST(Decimal, RoundingVectors) {
    struct Case {
        const char* value;
        RoundingMode mode;
        int scale;
        const char* expected;
    } cases[] = {
        {"1.24", RoundingMode::plain, 1, "1.2"},   {"1.24", RoundingMode::down, 1, "1.2"},
        {"1.24", RoundingMode::up, 1, "1.3"},      {"1.24", RoundingMode::bankers, 1, "1.2"},
        {"1.26", RoundingMode::plain, 1, "1.3"},   {"1.26", RoundingMode::down, 1, "1.2"},
        {"1.26", RoundingMode::up, 1, "1.3"},      {"1.26", RoundingMode::bankers, 1, "1.3"},
        {"1.25", RoundingMode::plain, 1, "1.3"},   {"1.25", RoundingMode::down, 1, "1.2"},
        {"1.25", RoundingMode::up, 1, "1.3"},      {"1.25", RoundingMode::bankers, 1, "1.2"},
        {"0.5", RoundingMode::down, 0, "0"},       {"0.5", RoundingMode::up, 0, "1"},
        {"2.5", RoundingMode::bankers, 0, "2"},    {"3.5", RoundingMode::bankers, 0, "4"},
        {"-0.5", RoundingMode::down, 0, "-1"},     {"-2.5", RoundingMode::up, 0, "-2"},
        {"-5.2", RoundingMode::plain, 0, "-5"},    {"-2.5", RoundingMode::bankers, 0, "-2"},
        {"-3.5", RoundingMode::bankers, 0, "-4"},  {"2.51", RoundingMode::bankers, 0, "3"},
        {"0.004", RoundingMode::plain, 2, "0"},    {"-0.004", RoundingMode::plain, 2, "0"},
        {"123.456", RoundingMode::plain, -1, "120"}, {"123.456", RoundingMode::plain, 0, "123"},
        {"123.456", RoundingMode::plain, 1, "123.5"}, {"2.5000001", RoundingMode::bankers, 0, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(D(c.value).rounding(scaled(c.mode, c.scale)).text(), c.expected)
            << c.value << " mode " << int(c.mode) << " scale " << c.scale;

    EXPECT_EQ(D("1.239").rounding(kHelaÖren).text(), "1.23");
    EXPECT_EQ(hex(D("-1.231").rounding(kHelaÖren).stored()), "FE3100007C000000000000000000000000000000");
    EXPECT_EQ(D("-0.001").rounding(kHelaÖren).text(), "-0.01");
    EXPECT_EQ(D("2.5").rounding(kHelaKronorUppåt).text(), "3");
    EXPECT_EQ(D("-2.5").rounding(kHelaKronorUppåt).text(), "-3");
    for (auto [in, out] : {std::pair{"1234.50", "1234"}, {"1235.50", "1236"}, {"1234.51", "1235"}, {"-1234.50", "-1234"}})
        EXPECT_EQ(D(in).rounding(kHelaKronor).text(), out) << in;
    EXPECT_EQ(hex(D("123.456").rounding(scaled(RoundingMode::plain, -1)).stored()),
              "012100000C00" + std::string(28, '0'));
    EXPECT_EQ(hex(D("-0.004").rounding(scaled(RoundingMode::plain, 2)).stored()), std::string(40, '0'));
    // Already within the scale: untouched, not even compacted.
    Decimal nonCompact = Decimal::fromStored(fromHex("FE020000E2040000000000000000000000000000"));
    EXPECT_TRUE(nonCompact.rounding(kHelaÖren).identical(nonCompact));
    EXPECT_EQ(hex(D("12.5").rounding(kHelaÖren).stored()), "FF2100007D000000000000000000000000000000");
}

TEST(Decimal, ComparesByValueWithNaNLowest) {
    EXPECT_LT(Decimal::notANumber(), Decimal());
    EXPECT_LT(Decimal::notANumber(), D("-1e100"));
    EXPECT_EQ(Decimal::notANumber(), Decimal::notANumber());
    EXPECT_EQ(D("1.0"), D("1"));
    EXPECT_EQ(D("0.00"), Decimal());
    EXPECT_EQ(Decimal::fromStored(fromHex("0001000064000000000000000000000000000000")), D("1e2"));
    EXPECT_LT(D("-2"), D("-1.5"));
    EXPECT_LT(D("1e-128"), D("2e-128"));
    EXPECT_GT(Decimal::make(1, 127, false), Decimal::make(~(unsigned __int128)0, 0, false));
    EXPECT_LT(Decimal::make(1, 127, true), Decimal::make(~(unsigned __int128)0, 0, true));
    EXPECT_LT(D("0.1234567890123456789012345678901234567"), D("0.1234567890123456789012345678901234568"));
}

TEST(Decimal, FailuresRaiseOrGiveNaNByBehaviour) {
    Decimal nan = Decimal::notANumber();
    Decimal greatest = Decimal::make(~(unsigned __int128)0, 127, false);
    EXPECT_THROW(D("1").dividing(Decimal()), DecimalError);
    EXPECT_THROW(nan.adding(D("1")), DecimalError);
    EXPECT_THROW(D("1").multiplying(nan), DecimalError);
    EXPECT_THROW(greatest.multiplying(D("10")), DecimalError);
    EXPECT_THROW(greatest.adding(greatest), DecimalError);
    EXPECT_THROW(Decimal::make(1, -100, false).multiplying(Decimal::make(1, -100, false)), DecimalError);
    EXPECT_THROW(nan.rounding(DecimalBehavior::standard()), DecimalError);

    EXPECT_TRUE(D("1").dividing(Decimal(), kHelaÖren).isNaN());
    EXPECT_TRUE(nan.subtracting(D("1"), kHelaKronor).isNaN());
    EXPECT_TRUE(greatest.multiplying(D("10"), kHelaÖren).isNaN());
    EXPECT_TRUE(nan.rounding(kHelaÖren).isNaN());
    EXPECT_TRUE(Decimal::make(1, -100, false).multiplying(Decimal::make(1, -100, false), kHelaÖren).isZero());
    // A product that only needs fewer digits is cut, not refused.
    EXPECT_EQ(D("3").multiplying(Decimal::make(1, -127, false)).dividing(D("10")).text(),
              "0." + std::string(127, '0') + "3");
    EXPECT_EQ(Decimal::make(10, 127, false).multiplying(D("10")).text(), "1" + std::string(129, '0'));
}
