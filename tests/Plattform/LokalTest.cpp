#include "Plattform/Lokal.h"

#include <gtest/gtest.h>

TEST(Lokal, TakesTheFirstSetVariableWithoutCodesetOrModifier) {
    struct Case {
        const char *all, *numeric, *lang, *expected;
    } cases[] = {
        {"sv_SE.UTF-8@euro", nullptr, nullptr, "sv_SE"},
        {nullptr, "en_US.UTF-8", "sv_SE.UTF-8", "en_US"},
        {"", "", "fi_FI", "fi_FI"},
        {"", nullptr, "de_DE@euro", "de_DE"},
        {"C", nullptr, "en_US", "sv_SE"},  // the first set one decides, even "C"
        {"POSIX", nullptr, nullptr, "sv_SE"},
        {"C.UTF-8", nullptr, nullptr, "sv_SE"},
        {nullptr, nullptr, nullptr, "sv_SE"},
        {"", "", "", "sv_SE"},
        {".UTF-8", nullptr, nullptr, "sv_SE"},
        {"nb_NO", nullptr, nullptr, "nb_NO"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lokal::frånMiljövärden(c.all, c.numeric, c.lang), c.expected)
            << (c.all ? c.all : "-") << " " << (c.numeric ? c.numeric : "-") << " " << (c.lang ? c.lang : "-");
}

TEST(Lokal, TestsCanFixTheLocale) {
    lokal::sättAktuell("en_US");
    EXPECT_EQ(lokal::aktuell(), "en_US");
    lokal::sättAktuell(std::nullopt);
    EXPECT_FALSE(lokal::aktuell().empty());
}
