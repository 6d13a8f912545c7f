// The latest-entry job and the loading of real documents, through the
// tool itself.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Konto.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include "Programkorning.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

class SenasteVerifikation : public MedTillfälligKatalog {
protected:
    std::string spara(const Bytes& innehåll) {
        fs::path p = katalog / "dok.bok";
        skrivFil(p, innehåll);
        return p.string();
    }

    Körning kör(const std::string& dokument) { return körKontobok({dokument, "--latestEntry"}); }
};

std::unique_ptr<Verifikation> post(Konto& konto, std::optional<int64_t> nummer, int64_t datum) {
    Radlista rader;
    rader.push_back(std::make_unique<Rad>(konto, Decimal::fromInt(10), 1, std::vector<Kostnadsställe*>{}, std::nullopt,
                                          std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    rader.push_back(std::make_unique<Rad>(konto, Decimal::fromInt(-10), 2, std::vector<Kostnadsställe*>{},
                                          std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    return std::make_unique<Verifikation>(nummer, "Test", Verifikationstyp::manuell, Datum(datum), std::move(rader),
                                          std::nullopt, std::nullopt, std::nullopt);
}

Bytes kropp(const Bokföring& bok) {
    Utström ström;
    bok.spara(ström);
    return ström.take();
}

}  // namespace

TEST_F(SenasteVerifikation, PrintsTheHighestNumberOfTheLatestYearWithNumberedEntries) {
    auto bok = byggExempelbokföring({0, 2, false, false});
    Konto& bank = *bok->hittaKonto(1930);
    auto& år = bok->räkenskapsår;  // 2025, 2026
    for (int64_t n = 1; n <= 120; ++n) år[0]->verifikationer.push_back(post(bank, n, 20250101 + n % 28));
    EXPECT_EQ(kör(spara(bok->dataMedMellansteg(versionSomSkrivs))).ut, "120\n");

    år[1]->verifikationer.push_back(post(bank, 7, 20260301));
    år[1]->verifikationer.push_back(post(bank, 12, 20260201));
    år[1]->verifikationer.push_back(post(bank, std::nullopt, 20260401));
    // Stored out of order, and a later year with unnumbered entries only.
    std::swap(år[0], år[1]);
    år.insert(år.begin(), std::make_unique<Räkenskapsår>(Datum(20270101), Datum(20271231), "2027"));
    år[0]->verifikationer.push_back(post(bank, std::nullopt, 20270105));
    år.push_back(std::make_unique<Räkenskapsår>(Datum(20280101), Datum(20281231), "2028"));
    bok->kommandeVerifikationer.push_back(post(bank, 500, 20290101));

    Körning u = kör(spara(bok->dataMedMellansteg(versionSomSkrivs)));
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.ut, "12\n");
    EXPECT_EQ(u.fel, "");
}

TEST_F(SenasteVerifikation, PrintsNothingWithoutNumberedEntries) {
    auto bok = byggExempelbokföring({0, 0, false, false});
    bok->kommandeVerifikationer.push_back(post(*bok->hittaKonto(1930), 3, 20250101));
    Körning u = kör(spara(bok->dataMedMellansteg(versionSomSkrivs)));
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.ut, "");
    EXPECT_EQ(u.fel, "");
}

TEST_F(SenasteVerifikation, DamagedBodiesEndWithStatusOneAndAMessage) {
    auto bok = byggExempelbokföring({12, 3, true, true});
    Bytes ren = kropp(*bok);
    Förhandsvisning förhandsvisning;
    std::vector<Bytes> skadade;
    for (size_t längd : {size_t(0) + 1, ren.size() / 3, ren.size() - 1}) skadade.emplace_back(ren.begin(), ren.begin() + längd);
    for (size_t plats = 40; plats < ren.size(); plats += ren.size() / 9) {
        Bytes b = ren;
        for (size_t i = plats; i < std::min(plats + 8, b.size()); ++i) b[i] = 0xFF;
        skadade.push_back(b);
    }
    Bytes mittIListan = ren;
    mittIListan.insert(mittIListan.end(), 5, 0);  // bytes after the record are ignored, so this one reads
    skadade.push_back(mittIListan);
    int lästa = 0;
    for (const Bytes& b : skadade) {
        std::string dok = spara(skrivBokfil(versionSomSkrivs, b, förhandsvisning));
        std::string före = läsFil(dok);
        Körning u = kör(dok);
        if (u.status == 0) {
            ++lästa;
            continue;
        }
        EXPECT_EQ(u.status, 1);
        EXPECT_EQ(u.ut, "");
        EXPECT_NE(u.fel.find("\n\tCould not read input .bok file.\n"), std::string::npos) << u.fel;
        EXPECT_EQ(läsFil(dok), före);
    }
    // The three cut bodies at least are refused.
    EXPECT_LE(lästa, int(skadade.size()) - 3);
}

TEST_F(SenasteVerifikation, ADocumentWithSentInvoicesIsReadLikeAnyOther) {
    Exempelval val{12, 3, true, true};
    val.antalSkickadeFakturor = 8;
    Körning u = kör(spara(byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs)));
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.ut, "4\n");
    EXPECT_EQ(u.fel, "");
}
