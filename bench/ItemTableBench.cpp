// Laying out the item table of a long invoice: every cell measured once,
// stretch cells twice, then the rows split over pages. Measured with the
// drawing layer's own text engine.
#include <benchmark/benchmark.h>

#include "../tests/Vyer/Faktura/Provfaktura.h"
#include "Plattform/Lokal.h"
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <string>

static void ItemTable500(benchmark::State& state) {
    lokal::sättAktuell("sv_SE");
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.inbyggdFakturamall_.reset();
    faktura.meddelande_ = "Thank you for your order.";
    using K = Fakturakolumn;
    faktura.kolumner_ = {K::radnummer, K::artikelnamn, K::kommentar, K::antal, K::enhet, K::pris, K::belopp};
    for (int i = 0; i < 500; ++i) {
        prov::Post p;
        p.artikelnamn_ = "Article " + std::to_string(i);
        p.kommentar_ = std::string(static_cast<size_t>(i % 7) * 12, 'x') + " comment";
        p.antal_ = prov::D("3.5");
        faktura.poster.push_back(p);
    }
    TextAttributes data, höger;
    data.font = Font{"HelveticaNeue", 9};
    höger = data;
    höger.paragraphStyle = rightAligned();
    for (auto _ : state) {
        Fakturavy vy(faktura, *bok, false);
        rumsplan::Plan plan(vy);
        plan.artikeltabell({data, data, höger, höger,
                            {.rubrikutrymme = {30, 250, 535, 15},
                             .datautrymme = {30, 270, 535, 400},
                             .höjdPåÖvrigaSidor = 520,
                             .storaBokstäverPåRubriker = true,
                             .alternerandeRadfärg = Color::grey(0.95)}});
        std::move(plan).placera();
        benchmark::DoNotOptimize(vy.innehållFörVarjeSida.size());
    }
}
BENCHMARK(ItemTable500)->Unit(benchmark::kMillisecond);
