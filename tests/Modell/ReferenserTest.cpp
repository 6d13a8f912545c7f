#include "Modell/Referenser.h"

#include "Modell/Affarskontakt.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<Affärskontakt> kontakt(const std::string& nummer, int64_t ordningstal) {
    auto k = std::make_unique<Affärskontakt>(std::vector<const NumreratObjekt*>{});
    k->nummer = nummer;
    k->ordningstal = ordningstal;
    return k;
}
}  // namespace

TEST(Referenser, ContactsResolveByExactNumberFirstThenByOrdinal) {
    std::vector<std::unique_ptr<Affärskontakt>> kontakter;
    kontakter.push_back(kontakt("12", 12));
    kontakter.push_back(kontakt("K12", 12));      // shares the ordinal of "12"
    kontakter.push_back(kontakt("Bolaget", 77));  // stored ordinal unlike our hash
    kontakter.push_back(kontakt("0040", 40));

    Referenser ref;
    EXPECT_EQ(ref.kontaktMedNummer("12"), nullptr) << "no table given";
    ref.sättKontakter(kontakter);

    EXPECT_EQ(ref.kontaktMedNummer("12"), kontakter[0].get());
    EXPECT_EQ(ref.kontaktMedNummer("K12"), kontakter[1].get());
    EXPECT_EQ(ref.kontaktMedNummer("Bolaget"), kontakter[2].get());
    EXPECT_EQ(ref.kontaktMedNummer("40"), kontakter[3].get()) << "by ordinal when no number matches";
    EXPECT_EQ(ref.kontaktMedNummer("99"), nullptr);
    // The table by ordinal keeps the later of two contacts with one ordinal.
    EXPECT_EQ(ref.kontakt(12), kontakter[1].get());
}
