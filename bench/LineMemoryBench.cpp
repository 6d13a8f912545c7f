// Texts of many short lines, as an import can plant them in a customer's
// name or an item's comment: "a" and a line break, over and over. Each
// laid-out line once kept its paragraph's pango layout and text, 2 to 4 kB
// a line of one letter, and a field that shows a few lines laid out all of
// them: a company name of 500 000 such lines took 11.4 s and 1.1 GB in
// template Karvomat4, an item comment of as many was refused after 17.8 s
// at 1.0 GB. Targets:
//   - a laid-out line keeps a few offsets and measures: `bytes_per_line`,
//     the heap a text's layout holds once measured, divided by its lines,
//     falls to some 200 by 1 000 000 lines (it was 1.2 to 2 kB and
//     growing), the layouts of the last paragraphs laid out, kept for
//     drawing, counting at most 16 MiB however many lines;
//   - through the tool (`peak_MiB`, the time): that company name within
//     3 s and 256 MiB; that item comment refused ("more than 10000 pages")
//     within 10 s and 512 MiB, and one of 2 000 000 lines likewise.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Plattform/Filer.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// "a" and a line break, `lines` times.
std::string shortLines(size_t lines) {
    std::string s;
    s.reserve(2 * lines);
    for (size_t i = 0; i < lines; ++i) s += "a\n";
    return s;
}

size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The text measured in a column, as the item table measures a cell, its
// layout then held by the engine for drawing.
void MeasuredLines(benchmark::State& state) {
    const size_t lines = static_cast<size_t>(state.range(0));
    const AttributedString text(shortLines(lines), TextAttributes{std::nullopt, std::nullopt, Font{"HelveticaNeue", 9}});
    systemTextMeasurer().boundingSize(AttributedString("a"), {150, 1000});  // the fonts, once
    size_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        text::forgetLayouts();
        const size_t before = heapInUse();
        state.ResumeTiming();
        benchmark::DoNotOptimize(systemTextMeasurer().boundingSize(text, {150, 1000}));
        state.PauseTiming();
        held = heapInUse() - before;
        state.ResumeTiming();
    }
    text::forgetLayouts();
    state.counters["bytes_per_line"] = static_cast<double>(held) / static_cast<double>(lines);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines));
}
BENCHMARK(MeasuredLines)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-rader");
    return mapp.p;
}

// A fresh example ledger into which the tool has imported a customer and
// an invoice to it in template Karvomat4 with `lines` short lines in the
// field named.
fs::path dokument(const std::string& fält, size_t lines) {
    const fs::path fil = arbetsmapp() / (fält + std::to_string(lines) + ".bok");
    if (fs::exists(fil)) return fil;
    writeFileSafely(fil.string(), byggExempelbokföring({})->dataMedMellansteg(versionSomSkrivs));
    std::string json;
    for (size_t i = 0; i < lines; ++i) json += "a\\n";
    const std::string företag = fält == "company" ? json : "Ekdahls Snickeri AB";
    const std::string kommentar = fält == "comment" ? json : "";
    const fs::path indata = arbetsmapp() / "import.json";
    std::ofstream(indata) << R"({"customers": [{"company": ")" << företag
                          << R"(", "name": "Maria Ekdahl"}], "invoices": [{"date": "2026-03-15", "template": "Karvomat4",)"
                          << R"( "items": [{"description": "Arbete", "quantity": "1", "price": "100", "comment": ")"
                          << kommentar << R"("}]}]})";
    if (bänk::körVerktyget({fil.string()}, indata, {}, arbetsmapp() / "peak.txt", true).status != 0) fs::remove(fil);
    return fil;
}

// The latest-invoice job, one process an iteration.
void LatestInvoice(benchmark::State& state, const std::string& fält, int status) {
    const fs::path fil = dokument(fält, static_cast<size_t>(state.range(0))), ut = arbetsmapp() / "tmp";
    if (!fs::exists(fil)) return state.SkipWithError("the import failed");
    fs::create_directories(ut);
    bänk::senasteFakturanIVerktyget(state, fil, ut, status);
    fs::remove_all(ut);
}

void tool(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
}

BENCHMARK_CAPTURE(LatestInvoice, CompanyNameOfShortLines, "company", 0)->Arg(500000)->Apply(tool);
BENCHMARK_CAPTURE(LatestInvoice, ItemCommentOfShortLines, "comment", 1)->Arg(500000)->Arg(2000000)->Apply(tool);

}  // namespace
