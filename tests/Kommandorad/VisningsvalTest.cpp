#include "Kommandorad/Visningsval.h"

#include "Plattform/Anvandarinstallningar.h"

#include <gtest/gtest.h>

TEST(Visningsval, ReadsHideAndTheFirstFormatArgument) {
    struct Fall {
        std::vector<std::string> args;
        bool döljDecimaler;
        int64_t valutastil;
    } fall[] = {
        {{"kontobok", "a.bok", "--latestInvoice"}, false, 0},
        {{"kontobok", "a.bok", "--latestInvoice", "--hide00"}, true, 0},
        {{"--hide00", "a.bok", "--latestInvoice"}, true, 0},  // the program's own path counts
        {{"kontobok", "a.bok", "--latestInvoice", "--hide000"}, false, 0},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=2", "--format=1"}, false, 2},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=abc", "--format=1"}, false, 0},
        {{"kontobok", "a.bok", "--latestInvoice", "--format="}, false, 0},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=--format=1"}, false, 1},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=1--format="}, false, 1},
        // One pass: what two removals join together is not removed again.
        {{"kontobok", "a.bok", "--latestInvoice", "--format=--for--format=mat=1"}, false, 0},
        {{"kontobok", "a.bok", "--latestInvoice", "x--format=2", "--format=1"}, false, 1},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=7"}, false, 7},
        {{"kontobok", "a.bok", "--latestInvoice", "--format=-3", "--hide00"}, true, -3},
    };
    for (const auto& f : fall) {
        Visningsval v = läsVisningsval(f.args);
        std::string namn;
        for (const auto& a : f.args) namn += a + " ";
        EXPECT_EQ(v.döljDecimaler, f.döljDecimaler) << namn;
        EXPECT_EQ(v.valutastil, f.valutastil) << namn;
    }
}

TEST(Visningsval, IntegersHaveAnOptionalSignThenDigitsWithinSixtyFourBits) {
    struct Fall {
        const char* text;
        std::optional<int64_t> värde;
    } fall[] = {
        {"0", 0},
        {"+7", 7},
        {"-0", 0},
        {"007", 7},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1x", std::nullopt},
        {"0x10", std::nullopt},
        {"\xd9\xa1", std::nullopt},  // ARABIC-INDIC DIGIT ONE
    };
    for (const auto& f : fall) EXPECT_EQ(heltalFrånText(f.text), f.värde) << '"' << f.text << '"';
}

TEST(Visningsval, BothSettingsAreWrittenEveryTime) {
    auto& inst = Användarinställningar::standard();
    inst.rensa();
    sparaVisningsval({true, 5});
    EXPECT_TRUE(inst.boolVärde("TVMBHideDecimalsOnInvoices"));
    EXPECT_EQ(inst.heltal("TVMBInvoiceCurrencyStyle"), 5);
    sparaVisningsval({});
    EXPECT_TRUE(inst.finns("TVMBHideDecimalsOnInvoices"));
    EXPECT_FALSE(inst.boolVärde("TVMBHideDecimalsOnInvoices"));
    EXPECT_EQ(inst.heltal("TVMBInvoiceCurrencyStyle"), 0);
    inst.rensa();
}
