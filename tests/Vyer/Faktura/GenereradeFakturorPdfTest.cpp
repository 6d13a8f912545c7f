// The invoice generator's seeds (Exempel/Fakturagenerator.h) through every
// template: each invoice with long values against the same invoice with
// ordinary ones by the field comparison of Faltjamforelse.h. A fault names
// its seed and the one command that remakes the invoice.
//  - Sample: seeds 0 to 379, every template in every caption language
//    (under the sanitizers 38, every template once with the languages in
//    turn).
//  - Range: KONTOBOK_GENERATED_SEEDS=FROM-TO, a line per fault and per seed
//    for scripts/check-generated to count; KONTOBOK_GENERATED_TEMPLATES=C,Sk
//    keeps to the seeds of those templates.
#include "Sanerare.h"
#include "Faltjamforelse.h"
#include "Programkorning.h"
#include "Tidsbundna.h"

#include "Exempel/Fakturagenerator.h"
#include "Exempel/Generatorord.h"
#include "Fillagring.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Fakturor/Faktura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;


class GenereradeFakturor : public testhjalp::MedTillfälligKatalog {
    // The user template's background is read in this process: the layout
    // on it is the point, not its judging.
    testhjalp::IEgenProcess iEgenProcess;

protected:
    // KONTOBOK_GENERATED_PDF_DIR keeps every PDF made, for a look.
    fs::path pdfKatalog() const {
        const char* k = std::getenv("KONTOBOK_GENERATED_PDF_DIR");
        return k ? fs::path(k) : katalog;
    }

    // What is wrong with the seed's invoice; a layout that fails is a
    // fault too, and the seeds after it are still checked.
    std::vector<fältjämförelse::Fel> kontrollera(uint64_t frö) try {
        const std::string namn = std::to_string(frö);
        const auto kort = fältjämförelse::skrivSenaste(*genereradBokföring(frö, false),
                                                       pdfKatalog() / (namn + "-short.pdf"));
        std::vector<fältjämförelse::Egetfält> egna;
        const auto lång = fältjämförelse::skrivSenaste(*genereradBokföring(frö, true),
                                                       pdfKatalog() / (namn + ".pdf"), &egna);
        auto fel = fältjämförelse::brister(*kort, *lång, genereradeFält(frö), egna);
        for (const auto* l : {kort.get(), lång.get()})
            for (const std::string& r : l->rumsfel) fel.push_back({"room", r});
        return fel;
    } catch (const std::exception& e) {
        return {{"layout failed", std::string("layout failed: ") + e.what()}};
    }

    static std::string vilken(uint64_t frö) {
        return "seed " + std::to_string(frö) + " (template " + genereradMall(frö) + ", language " +
               genereratSpråk(frö) + ")";
    }
};

class GenereradeFakturorPerMall : public GenereradeFakturor, public ::testing::WithParamInterface<uint64_t> {};

TEST_P(GenereradeFakturorPerMall, EveryTextWholeInEveryLanguage) {
    for (uint64_t språk = 0; språk < antalGeneratorSpråk; ++språk) {
        if (underSanerare && språk != GetParam() % antalGeneratorSpråk) continue;
        const uint64_t frö = GetParam() + språk * antalGeneratorMallar;
        const auto fel = kontrollera(frö);
        std::string rader;
        for (const auto& b : fel) rader += "\n  " + b.text;
        EXPECT_TRUE(fel.empty()) << vilken(frö) << ": remake with scripts/generated-invoice " << frö << rader;
    }
}

INSTANTIATE_TEST_SUITE_P(Mallar, GenereradeFakturorPerMall, ::testing::Range<uint64_t>(0, antalGeneratorMallar),
                         [](const auto& info) { return genereradMall(info.param); });

TEST_F(GenereradeFakturor, SeedRange) {
    const char* intervall = std::getenv("KONTOBOK_GENERATED_SEEDS");
    unsigned long long från = 0, till = 0;
    if (!intervall || std::sscanf(intervall, "%llu-%llu", &från, &till) != 2)
        GTEST_SKIP() << "KONTOBOK_GENERATED_SEEDS=FROM-TO runs those seeds";
    const char* mallar = std::getenv("KONTOBOK_GENERATED_TEMPLATES");
    const std::string valda = mallar ? "," + std::string(mallar) + "," : "";
    for (uint64_t frö = från; frö <= till; ++frö) {
        if (!valda.empty() && valda.find("," + genereradMall(frö) + ",") == std::string::npos) continue;
        const auto start = std::chrono::steady_clock::now();
        const auto fel = kontrollera(frö);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        const std::string mall = genereradMall(frö), språk = genereratSpråk(frö);
        for (const auto& b : fel)
            std::printf("generated-fault\t%llu\t%s\t%s\t%s\t%s\n", (unsigned long long)frö, mall.c_str(), språk.c_str(),
                        b.slag.c_str(), b.text.c_str());
        std::printf("generated-seed\t%llu\t%s\t%s\t%zu\t%lld\n", (unsigned long long)frö, mall.c_str(), språk.c_str(),
                    fel.size(), (long long)ms.count());
        std::fflush(stdout);
    }
}

// What the generator must reach for the checks to mean anything, over the
// sample's seeds: every country and template, lengths up to what registers
// hold and no further, one to six street lines, items from one to a few
// pages, the invoice's facts and ways of payment both on and off; and the
// remake command writes the very document checked.
TEST_F(GenereradeFakturor, SampleReachesWhatRealInvoicesHold) {
    std::set<std::string> länder, mallar;
    std::set<size_t> gatrader, antalFält;
    size_t längstaNamn = 0, längstaEpost = 0, minstPoster = 100, flestPoster = 0, medAvdrag = 0, påminda = 0;
    for (uint64_t frö = 0; frö < antalGeneratorMallar * antalGeneratorSpråk; ++frö) {
        const auto bok = genereradBokföring(frö, true);
        const Faktura& f = *bok->skickadeFakturor.back();
        länder.insert(f.mottagare->adress.land);
        mallar.insert(genereradMall(frö));
        gatrader.insert(size_t(std::count(f.mottagare->adress.gata.begin(), f.mottagare->adress.gata.end(), '\n')) + 1);
        längstaNamn = std::max({längstaNamn, f._företag.size(), bok->namn.size()});
        längstaEpost = std::max(längstaEpost, bok->email.value_or("").size());
        minstPoster = std::min(minstPoster, f.poster.size());
        flestPoster = std::max(flestPoster, f.poster.size());
        medAvdrag += !f.skatteavdrag_.ärInget();
        påminda += !f.påminnelserSkickade.empty();
        antalFält.insert(genereradeFält(frö).size());
    }
    EXPECT_EQ(länder.size(), generatorord::länder().size());
    EXPECT_EQ(mallar.size(), antalGeneratorMallar);
    EXPECT_EQ(gatrader, (std::set<size_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_GE(längstaNamn, 150u);
    EXPECT_LE(längstaNamn, 160u);
    EXPECT_GE(längstaEpost, 55u);
    EXPECT_LE(längstaEpost, 70u);
    EXPECT_EQ(minstPoster, 1u);
    EXPECT_GE(flestPoster, 40u);
    EXPECT_GT(medAvdrag, 10u);
    EXPECT_GT(påminda, 10u);
    EXPECT_GT(antalFält.size(), 10u) << "facts and ways of payment vary";

    const fs::path program = fs::path(KONTOBOK_BINARY).parent_path() / "make-example";
    for (bool korta : {false, true}) {
        std::vector<std::string> argument = {"--generated", "1234", (katalog / "g.bok").string()};
        if (korta) argument.insert(argument.begin() + 2, "--short");
        ASSERT_EQ(testhjalp::körProgram(program.string(), argument).status, 0);
        const Bytes väntat = genereradBokföring(1234, !korta)->dataMedMellansteg(versionSomSkrivs);
        EXPECT_EQ(testhjalp::läsFil(katalog / "g.bok"), std::string(väntat.begin(), väntat.end()));
    }
}

}  // namespace
