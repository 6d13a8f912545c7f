// Names in every alphabet of Europe's Latin letters through every template
// and a user template (the generator's invoice of each, its texts replaced):
// every word drawn in one face, as the template's faces draw each of these
// letters themselves, and the text taken from the PDF the text as written.
#include "Faltjamforelse.h"
#include "Kodpunkter.h"
#include "Pdfkontroll.h"
#include "Programkorning.h"
#include "Tidsbundna.h"

#include "Exempel/Fakturagenerator.h"
#include "Plattform/Ritning/FontFiles.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturapost.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

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

// The seed's invoice with these names wherever the invoice shows a text of
// its own (recipient, addresses, references, items, message, sender), and
// each of Europe's letters between two plain ones.
std::unique_ptr<Bokföring> medNamnen(uint64_t frö) {
    auto bok = genereradBokföring(frö, false);
    Faktura& f = *bok->skickadeFakturor.back();
    std::u32string alfabet;
    for (char32_t c : testhjalp::europasBokstäver()) alfabet += {u_isupper(UChar32(c)) ? U'X' : U'x', c, U'x', U' '};
    const std::string allaBokstäver = testhjalp::utf8(alfabet);
    f._företag = namn[0];
    f._mottagaradress.gata = std::string(namn[11]) + "\n" + namn[2];
    f._mottagaradress.postadress = "Győr";
    f.erReferens_ = namn[3];
    f.vårReferens_ = namn[8];
    std::string meddelande = namn[12];
    for (size_t i = 13; i < std::size(namn); ++i) meddelande += std::string(" ") + namn[i];
    f.meddelande_ = meddelande;
    if (f.leveransadress_) f.leveransadress_->gata = namn[7];
    const std::string poster[] = {namn[1], namn[4], namn[5], namn[6], namn[9], namn[10], allaBokstäver};
    for (size_t i = 0; i < f.poster.size(); ++i) f.poster[i]->artikelnamn_ = poster[i % std::size(poster)];
    if (f.poster.size() < std::size(poster)) f.poster.back()->artikelnamn_ = allaBokstäver;
    bok->namn = namn[1];
    return bok;
}

// The user template's background is read in this process: the words on
// it are the point, not its judging.
class EuropasBokstäver : public testhjalp::MedTillfälligKatalog, public ::testing::WithParamInterface<uint64_t> {
    testhjalp::IEgenProcess iEgenProcess;
};

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
    for (const pdfkontroll::Typsnitt& t : pdfkontroll::typsnitt(pdf))
        EXPECT_TRUE(t.namn != fonts::fallbackFace || ritade.count(t.namn)) << t.namn;
    for (const pdfkontroll::Ord& o : pdfkontroll::ord(pdf)) sett.insert(o.text);
    EXPECT_TRUE(sett.count("Győr")) << "the recipient's town";
    // Whatever is copied is a letter as written, never a base and an accent.
    for (const std::string& o : sett)
        for (char32_t c : testhjalp::kodpunkter(o))
            EXPECT_EQ(u_getCombiningClass(UChar32(c)), 0) << "'" << o << "' holds a combining mark";
}

INSTANTIATE_TEST_SUITE_P(Mallar, EuropasBokstäver, ::testing::Range<uint64_t>(0, antalGeneratorMallar),
                         [](const auto& info) { return genereradMall(info.param); });

}  // namespace
