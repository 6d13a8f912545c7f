// Long texts as an import can plant them, words without a space and words:
// the time must grow with the length of the text, not with its square.
// Every line of them is printed, over as many pages as it takes. Targets,
// for the whole latest-invoice job: one item whose description is a word
// of 200 000 letters (86 pages) under 1 s; 300 items with descriptions and
// comments of 10 000 letters (2 195 pages) under 8 s. The text engine
// alone is measured at several lengths for its growth (the fitted
// complexity should read N).
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "SenasteFakturanIProcessen.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string ord(size_t längd) {
    std::string s;
    s.reserve(längd);
    static const char bokstäver[] = "konsulttimmarresekostnad";
    for (size_t i = 0; i < längd; ++i) s += bokstäver[i % (sizeof bokstäver - 1)];
    return s;
}

void WordInAColumn(benchmark::State& state) {
    TextAttributes a;
    a.font = Font{"HelveticaNeue", 9};
    const AttributedString text(ord(size_t(state.range(0))), a);
    for (auto _ : state) {
        text::forgetLayouts();
        benchmark::DoNotOptimize(systemTextMeasurer().boundingSize(text, {150, 1000}));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(WordInAColumn)->RangeMultiplier(4)->Range(3125, 200000)->Unit(benchmark::kMillisecond)->Complexity();

// A paragraph of short words, broken into lines by pango.
void WordsInAColumn(benchmark::State& state) {
    TextAttributes a;
    a.font = Font{"HelveticaNeue", 9};
    std::string ord;
    for (size_t i = 0; ord.size() < size_t(state.range(0)); ++i) ord += "tim" + std::to_string(i % 1000) + " ";
    const AttributedString text(ord, a);
    for (auto _ : state) {
        text::forgetLayouts();
        benchmark::DoNotOptimize(systemTextMeasurer().boundingSize(text, {150, 1000}));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(WordsInAColumn)->RangeMultiplier(4)->Range(3125, 200000)->Unit(benchmark::kMillisecond)->Complexity();

// A small ledger whose latest invoice (template Df, description and comment
// columns shown) has `antal` items with the given texts, each led by its
// item's number so that no two items share a text.
Bytes dokument(int antal, const std::string& benämning, const std::string& kommentar) {
    Exempelval val;
    val.antalSkickadeFakturor = 3;
    val.senasteFaktura.antalPoster = antal;
    auto bok = byggExempelbokföring(val);
    Faktura& faktura = *bok->skickadeFakturor.back();
    using K = Fakturakolumn;
    faktura.kolumner_ = {K::artikelnamn, K::kommentar, K::antal, K::enhet, K::pris, K::belopp};
    for (size_t i = 0; i < faktura.poster.size(); ++i) {
        faktura.poster[i]->artikelnamn_ = std::to_string(i) + benämning;
        if (!kommentar.empty()) faktura.poster[i]->kommentar_ = std::to_string(i) + kommentar;
    }
    return bok->dataMedMellansteg(versionSomSkrivs);
}

// The job as the tool runs it, every run with no layouts kept from the last.
void körJobbet(benchmark::State& state, const Bytes& innehåll) {
    bänk::körSenasteFakturan(state, innehåll, text::forgetLayouts);
}

void LatestInvoiceOneLongWord(benchmark::State& state) {
    static const Bytes innehåll = dokument(1, ord(200000), "");
    körJobbet(state, innehåll);
}
BENCHMARK(LatestInvoiceOneLongWord)->Unit(benchmark::kMillisecond);

void LatestInvoiceLongComment(benchmark::State& state) {
    static const Bytes innehåll = dokument(1, "Konsulttimmar", ord(100000));
    körJobbet(state, innehåll);
}
BENCHMARK(LatestInvoiceLongComment)->Unit(benchmark::kMillisecond);

void LatestInvoice300LongItems(benchmark::State& state) {
    static const Bytes innehåll = dokument(300, ord(10000), ord(10000));
    körJobbet(state, innehåll);
}
BENCHMARK(LatestInvoice300LongItems)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
