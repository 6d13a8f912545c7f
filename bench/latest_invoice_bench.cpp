// The latest-invoice job on a large document: 100 000 entries and a latest
// invoice of 500 items in template Karvomat4. Targets: the invoice's layout
// and PDF under 0.2 s on one core, the whole run (load, layout, PDF, file)
// under 0.5 s.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "SenasteFakturanIProcessen.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <benchmark/benchmark.h>

namespace {

const Bytes& dokument() {
    static const Bytes fil = [] {
        Exempelval val;
        val.antalVerifikationer = 100000;
        val.antalKontakter = 500;
        val.antalSkickadeFakturor = 12;
        val.senasteFaktura.antalPoster = 500;
        return byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs);
    }();
    return fil;
}

void LatestInvoiceLayoutAndPdf(benchmark::State& state) {
    auto bok = Bokföring::från(dokument());
    const Faktura& faktura = *senasteSkickadeFaktura(bok->skickadeFakturor);
    size_t sidor = 0, byte = 0;
    for (auto _ : state) {
        Fakturavy vy(faktura, *bok, false);
        std::vector<uint8_t> pdf = vy.pdf();
        sidor = size_t(vy.antalSidor()), byte = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pages"] = double(sidor);
    state.counters["bytes"] = double(byte);
}
BENCHMARK(LatestInvoiceLayoutAndPdf)->Unit(benchmark::kMillisecond);

// As the tool runs it.
void LatestInvoiceWholeRun(benchmark::State& state) { bänk::körSenasteFakturan(state, dokument()); }
BENCHMARK(LatestInvoiceWholeRun)->Unit(benchmark::kMillisecond);

}  // namespace
