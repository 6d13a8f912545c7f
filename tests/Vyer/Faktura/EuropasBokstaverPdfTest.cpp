// Names in every alphabet of Europe's Latin letters through every template
// and a user template (the generator's invoice of each, its texts replaced):
// every word drawn in one face, as the template's faces draw each of these
// letters themselves, and the text taken from the PDF the text as written.
#include "Faltjamforelse.h"
#include "Pdfkontroll.h"
#include "Programkorning.h"

#include "Exempel/Fakturagenerator.h"
#include "Plattform/Ritning/FontFiles.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturapost.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <set>

namespace {

namespace fs = std::filesystem;

// Firms, people and places of Latvia, Lithuania, Poland, Hungary, Romania,
// Slovakia, Czechia, Croatia, Slovenia, Malta, Estonia, Turkey, Wales,
// Catalonia, the Netherlands, Iceland, Denmark, France and Germany.
const char* const namn[] = {
    "Győri Hőtechnikai Kft.", "Przedsiębiorstwo Jędrzejczak Sp. z o.o.", "Rīga Jūrmala Liepāja",
    "Ģirts Ķepa Ļaudona Ņikita Bērziņš", "Ąžuolas įmonė Šiaulių Klaipėda Jurgaitytė", "Łódź Gdańsk Żółkiewski Źródło",
    "Szűcs Kőszegi", "Iași Timișoara Constanța Țurcanu Ștefănescu Brăila Târgu", "Ľubica Ďurčo Ťažký Kĺzavý Vŕba",
    "Růžička Dvořák Ústí Třeboň Děčín", "Đuro Ćosić Đakovo Kranjčević", "Ħamrun Ċirkewwa Ġżira Xagħra",
    "Tõnisson Pärnu Jõhvi", "İstanbul Ağrı Şişli", "Pontŵr Tŷ Ŷ", "Paŀlars Ŀ", "Ĳsselmeer ĳs ŉ",
    "Þórshöfn Ærø Œuvre L'Haÿ Straße", "Máŋggabealat Ŧoavdi Ŋ ĸ",
};

// Each letter of Latin-1, Latin Extended-A and Ș ș Ț ț between two plain ones.
std::vector<std::string> bokstäver() {
    std::vector<std::string> ut;
    for (UChar32 c = 0xC0; c <= 0x21B; ++c) {
        if ((c > 0x17F && c < 0x218) || !u_isalpha(c)) continue;
        std::string bokstav;
        icu::UnicodeString(c).toUTF8String(bokstav);
        ut.push_back((u_isupper(c) ? "X" : "x") + bokstav + "x");
    }
    return ut;
}

std::string rader(std::initializer_list<std::string> delar, const char* mellan) {
    std::string ut;
    for (const std::string& d : delar) ut += (ut.empty() ? "" : mellan) + d;
    return ut;
}

// The seed's invoice with these names wherever the invoice shows a text of
// its own: recipient, addresses, references, items, message, sender.
std::unique_ptr<Bokföring> medNamnen(uint64_t frö) {
    auto bok = genereradBokföring(frö, false);
    Faktura& f = *bok->skickadeFakturor.back();
    const std::vector<std::string> alfabet = bokstäver();
    std::string allaBokstäver;
    for (const std::string& b : alfabet) allaBokstäver += (allaBokstäver.empty() ? "" : " ") + b;
    f._företag = namn[0];
    f._mottagaradress.gata = rader({namn[11], namn[2]}, "\n");
    f._mottagaradress.postadress = "Győr";
    f.erReferens_ = namn[3];
    f.vårReferens_ = namn[8];
    f.meddelande_ = rader({namn[12], namn[13], namn[14], namn[15], namn[16], namn[17], namn[18]}, " ");
    if (f.leveransadress_) f.leveransadress_->gata = namn[7];
    const std::string poster[] = {namn[1], namn[4], namn[5], namn[6], namn[9], namn[10], allaBokstäver};
    for (size_t i = 0; i < f.poster.size(); ++i) f.poster[i]->artikelnamn_ = poster[i % std::size(poster)];
    if (f.poster.size() < std::size(poster)) f.poster.back()->artikelnamn_ = allaBokstäver;
    bok->namn = namn[1];
    return bok;
}

class EuropasBokstäver : public testhjalp::MedTillfälligKatalog, public ::testing::WithParamInterface<uint64_t> {};

TEST_P(EuropasBokstäver, EveryWordInOneFaceAndCopiedAsWritten) {
    // KONTOBOK_GENERATED_PDF_DIR keeps the PDFs, for a look.
    const char* behåll = std::getenv("KONTOBOK_GENERATED_PDF_DIR");
    const fs::path pdf = (behåll ? fs::path(behåll) : katalog) / (genereradMall(GetParam()) + "-letters.pdf");
    const auto läsning = fältjämförelse::skrivSenaste(*medNamnen(GetParam()), pdf);
    std::set<std::string> sett, ritade;
    size_t ord = 0;
    for (const auto& sida : läsning->ritade)
        for (const auto& o : sida.ord) {
            ++ord;
            ritade.insert(o.typsnitt);
            EXPECT_TRUE(o.ävenTypsnitt.empty())
                << "page " << sida.nummer << ": '" << o.text << "' is set in " << o.typsnitt << " and " << o.ävenTypsnitt;
        }
    EXPECT_GT(ord, 0u);
    // The face that draws what others lack is in the PDF only where the
    // template draws words with it.
    for (const pdfkontroll::Typsnitt& t : pdfkontroll::typsnitt(pdf)) {
        if (t.namn == fonts::fallbackFace) {
            EXPECT_TRUE(ritade.count(t.namn)) << t.namn;
        }
    }
    for (const pdfkontroll::Ord& o : pdfkontroll::ord(pdf)) sett.insert(o.text);
    EXPECT_TRUE(sett.count("Győr")) << "the recipient's town";
    // Whatever is copied is a letter as written, never a base and an accent.
    for (const std::string& o : sett) {
        icu::UnicodeString text = icu::UnicodeString::fromUTF8(o);
        for (int32_t i = 0; i < text.length(); ++i)
            EXPECT_FALSE(u_getCombiningClass(text.char32At(i)) != 0) << "'" << o << "' holds a combining mark";
    }
}

INSTANTIATE_TEST_SUITE_P(Mallar, EuropasBokstäver, ::testing::Range<uint64_t>(0, antalGeneratorMallar),
                         [](const auto& info) { return genereradMall(info.param); });

}  // namespace
