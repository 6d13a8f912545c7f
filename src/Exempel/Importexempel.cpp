#include "Exempel/Importexempel.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include <string>

namespace importexempel {

namespace {

std::unique_ptr<Verifikation> verifikation(Bokföring& b, std::optional<int64_t> nummer, Datum datum,
                                                  const std::string& namn) {
    Radlista rader;
    Konto* bank = Konto::hittaKontoMedNummer(1930, b.konton);
    Konto* intäkt = Konto::hittaKontoMedNummer(3001, b.konton);
    rader.push_back(std::make_unique<Rad>(*bank, Decimal::fromInt(100), 1930, std::vector<Kostnadsställe*>{},
                                          std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    rader.push_back(std::make_unique<Rad>(*intäkt, Decimal::fromInt(-100), 3001, std::vector<Kostnadsställe*>{},
                                          std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    return std::make_unique<Verifikation>(nummer, namn, Verifikationstyp::okänd, datum, std::move(rader),
                                          std::nullopt, std::nullopt, std::nullopt);
}

}  // namespace

std::unique_ptr<Bokföring> dokument(int64_t antalI2023) {
    auto b = std::make_unique<Bokföring>("SEK", "5560000000", "se", std::string("0A1B2C3D-0000-4000-8000-00000000000A"),
                                         Företagsform::aktiebolag);
    b->namn = "Exempel AB";
    b->konton.push_back(std::make_unique<Konto>(1930, "Företagskonto", Kontotyp::tillgång));
    b->konton.push_back(std::make_unique<Konto>(2440, "Leverantörsskulder", Kontotyp::skuld));
    b->konton.push_back(std::make_unique<Konto>(3001, "Försäljning", Kontotyp::intäkt));
    b->konton.push_back(std::make_unique<Konto>(5010, "Lokalhyra", Kontotyp::kostnad));
    b->konton.push_back(std::make_unique<Konto>(6071, "Representation", Kontotyp::kostnad));
    b->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P1", "Projekt 1"));
    b->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P2", "Projekt 2"));
    b->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(1, "P1", "Avdelning 1"));

    auto år2023 = std::make_unique<Räkenskapsår>(Datum(20230101), Datum(20231231), "2023");
    for (int64_t n = 1; n <= antalI2023; ++n)
        år2023->verifikationer.push_back(verifikation(*b, n, Datum(20230101 + (n % 28)), "Försäljning " + std::to_string(n)));
    auto år2024 = std::make_unique<Räkenskapsår>(Datum(20240101), Datum(20241231), "2024");
    år2024->stängt = true;
    for (int64_t n = 1; n <= 5; ++n) år2024->verifikationer.push_back(verifikation(*b, n, Datum(20240201), "Kassa"));
    auto år2026 = std::make_unique<Räkenskapsår>(Datum(20260101), Datum(20261231), "2026");
    b->räkenskapsår.push_back(std::move(år2023));
    b->räkenskapsår.push_back(std::move(år2024));
    b->räkenskapsår.push_back(std::move(år2026));
    b->kommandeVerifikationer.push_back(verifikation(*b, std::nullopt, Datum(20240301), "Väntande"));

    for (const char* företag : {"Acme AB", "Beta AB"}) {
        auto k = std::make_unique<Affärskontakt>(somNumrerade(b->kontakter));
        k->företag = företag;
        b->kontakter.push_back(std::move(k));
    }
    return b;
}

}  // namespace importexempel
