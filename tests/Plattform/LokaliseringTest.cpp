#include "Plattform/Lokalisering.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const std::string kKommentar = "Printed on invoice if the corresponding checkbox is ticked.";
const std::vector<std::string> kFakturaspråk{"da", "de", "en", "es", "fi", "fr", "it", "nl", "no", "nb", "sv"};
const std::vector<std::string> kNycklar{"Registered for tax.", "Registered for VAT.", "Invoice #%@",
                                        "\u2026 continued on page %d", "\u2026 continued from page %d"};

size_t antal(const std::string& text, const std::string& del) {
    size_t n = 0;
    for (size_t i = text.find(del); i != std::string::npos; i = text.find(del, i + 1)) ++n;
    return n;
}
}  // namespace

TEST(Lokalisering, SwedishInvoiceNotesAreSwedish) {
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, "sv"), "Godkänd för F-skatt");
    EXPECT_EQ(sträng("Registered for VAT.", kKommentar, "sv"), "Registrerad för mervärdesskatt");
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, "en"), "Registered for tax.");
}

TEST(Lokalisering, EveryInvoiceLanguageTranslatesEveryKey) {
    auto språk = lokaliseringar();
    std::sort(språk.begin(), språk.end());
    auto väntat = kFakturaspråk;
    std::sort(väntat.begin(), väntat.end());
    EXPECT_EQ(språk, väntat);

    for (const auto& s : kFakturaspråk) {
        for (const auto& nyckel : kNycklar) {
            auto text = översättning(s, nyckel);
            ASSERT_TRUE(text) << s << " " << nyckel;
            EXPECT_FALSE(text->empty());
            if (s != "en") {
                EXPECT_NE(*text, nyckel) << s;
            }
            // Callers format these texts: the placeholders must survive.
            for (const char* p : {"%@", "%d"}) EXPECT_EQ(antal(*text, p), antal(nyckel, p)) << s << " " << nyckel;
        }
    }
    for (const auto& nyckel : kNycklar) EXPECT_EQ(översättning("no", nyckel), översättning("nb", nyckel));
}

TEST(Lokalisering, MissingLanguageOrKeyGivesTheKey) {
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, "pt"), "Registered for tax.");
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, "SV"), "Registered for tax.");  // codes match exactly
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, "sv-SE"), "Registered for tax.");
    EXPECT_EQ(sträng("Registered for tax.", kKommentar, ""), "Registered for tax.");
    EXPECT_EQ(sträng("No such text", "", "sv"), "No such text");
    EXPECT_EQ(lokaliseradSträng("Invoice #%@"), "Invoice #%@");
    EXPECT_FALSE(översättning("sv", "No such text"));
}
