// Hyphenation points come from the system's dictionaries, and no break
// leaves fewer than three letters of its word on either side, whatever a
// dictionary would allow.
#include "Plattform/Ritning/Hyphenation.h"

#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include <string>
#include <vector>

namespace {

// The word with a "-" at each point.
std::string hyphenated(const std::string& word, const std::string& language) {
    std::string out;
    size_t previous = 0;
    for (size_t p : hyphenationPoints(word, language)) {
        out += word.substr(previous, p - previous) + "-";
        previous = p;
    }
    return out + word.substr(previous);
}

size_t letters(std::string_view s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); ++n) U8_FWD_1(s.data(), i, s.size());
    return n;
}

}  // namespace

TEST(Hyphenation, BreaksAtTheDictionarysPointsBetweenTheParts) {
    // German's dictionary of compounds first parts the word, then breaks
    // the parts.
    EXPECT_EQ(hyphenated("Rechnungsnummer", "de"), "Rech-nungs-num-mer");
    EXPECT_NE(hyphenated("betalningsmottagare", "sv").find("nings-mot"), std::string::npos);
    EXPECT_NE(hyphenated("leveringsadresse", "da").find("rings-adresse"), std::string::npos);
    EXPECT_NE(hyphenated("betalingsvilkår", "nb").find("betalings-vilkår"), std::string::npos);
    // Capitals break where the small letters do.
    EXPECT_EQ(hyphenated("ÅTERBETALNING", "sv"), "ÅTER-BE-TAL-NING");
    // No dictionary for the language: no points, no failure.
    EXPECT_TRUE(hyphenationPoints("betalningsmottagare", "xx").empty());
    EXPECT_TRUE(hyphenationPoints("betalningsmottagare", "").empty());
}

TEST(Hyphenation, LeavesAtLeastThreeLettersOnEitherSide) {
    // The Swedish dictionary itself would break "av-gift", "eko-no-mi" and
    // "ä-ren-de".
    EXPECT_EQ(hyphenated("avgift", "sv"), "avgift");
    EXPECT_EQ(hyphenated("ekonomi", "sv"), "eko-nomi");
    EXPECT_EQ(hyphenated("ärende", "sv"), "ärende");
    EXPECT_EQ(hyphenated("åtgärd", "sv"), "åtgärd");

    const std::vector<std::pair<std::string, std::vector<std::string>>> words = {
        {"sv", {"betalningsmottagare", "leveransadress", "öresutjämning", "mervärdesskatt", "abborre", "ordet"}},
        {"da", {"betalingsbetingelser", "leveringsadresse", "faktura"}},
        {"en", {"invoice", "payment", "delivery", "address", "every"}},
        {"es", {"factura", "pagamento", "dirección"}},
        {"fr", {"facture", "livraison", "échéance"}},
        {"it", {"fattura", "pagamento", "consegna"}},
        {"nl", {"betalingstermijn", "afleveradres", "ook"}},
        {"nb", {"mottakeradresse", "betalingsvilkår", "øre"}},
    };
    for (const auto& [language, list] : words)
        for (const std::string& word : list) {
            SCOPED_TRACE(language + " " + word);
            for (size_t p : hyphenationPoints("Till " + word + ".", language)) {
                ASSERT_GT(p, 5u);
                EXPECT_GE(letters(word.substr(0, p - 5)), 3u);
                EXPECT_GE(letters(word.substr(p - 5)), 3u);
            }
        }
}
