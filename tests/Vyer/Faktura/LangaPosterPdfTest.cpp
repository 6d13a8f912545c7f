// Items no page holds, in every built-in template: a 600-word description
// beside a comment of 300 words, a description of one word of 10 000
// letters, and one of 10 000 characters of words. The tool's PDF, read
// back with pdftotext, prints every word of each once and in order; the
// invoice's display list holds every line in its frame and over no other
// text.
#include "Langtext.h"
#include "Lasbarhet.h"
#include "Pdfkontroll.h"
#include "Programkorning.h"

#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace testhjalp;

class LångaPoster : public MedTillfälligKatalog, public ::testing::WithParamInterface<InbyggdFakturamall> {};

TEST_P(LångaPoster, EveryWordIsPrintedOnceInOrderAndOverNoOtherText) {
    Exempelval val;
    val.antalVerifikationer = 0;
    val.medFakturamall = false;
    val.antalSkickadeFakturor = 1;
    val.senasteFaktura.mall = std::string(kod(GetParam()));
    val.senasteFaktura.antalPoster = 3;
    auto bok = byggExempelbokföring(val);
    Faktura& faktura = *bok->skickadeFakturor.back();
    using K = Fakturakolumn;
    faktura.kolumner_ = {K::artikelnamn, K::kommentar, K::antal, K::enhet, K::pris, K::belopp};
    std::vector<std::string> texter = långtext::treLångaPoster();
    for (size_t i = 0; i < texter.size(); ++i) faktura.poster[i]->artikelnamn_ = texter[i];
    texter.push_back(långtext::ord("fyra", 300));
    faktura.poster[0]->kommentar_ = texter.back();

    Fakturavy vy(faktura, *bok, false);
    const auto fel = läsbarhet::fel(vy);
    for (size_t i = 0; i < fel.size() && i < 10; ++i) ADD_FAILURE() << fel[i];

    const fs::path dokument = katalog / "lång.bok";
    skrivFil(dokument, bok->dataMedMellansteg(versionSomSkrivs));
    Körning k = körKontobok({dokument.string(), "--latestInvoice"}, {.miljö = {{"TMPDIR", katalog.string()}}});
    ASSERT_EQ(k.status, 0) << k.fel;
    const auto ord = pdfkontroll::ord(katalog / (faktura.nummer() + ".pdf"));
    for (const std::string& text : texter) EXPECT_EQ(långtext::brister(ord, text), "");
}

INSTANTIATE_TEST_SUITE_P(AllaMallar, LångaPoster, ::testing::ValuesIn(allaInbyggdaFakturamallar()),
                         [](const auto& info) { return std::string(kod(info.param)); });

}  // namespace
