// What a heavy background or logo costs the latest-invoice job, the tool
// run as a user runs it: one process per iteration, its peak memory by
// /usr/bin/time (`peak_MiB`), its pages (`pages`). Goals:
//   - a background is held once per document: a background of 20 000
//     lines adds as much to an invoice of 60 pages as to one of one page
//     (within 20 ms; against the same invoice over a blank page);
//   - a background beyond the bound (an image of 20 000 x 20 000 pixels,
//     two million line operators in a few kilobytes) is refused with the
//     "cannot be loaded" error in under 0.5 s and 100 MiB;
//   - a logo of 20 000 x 20 000 pixels is refused from its header, with a
//     warning, in under 0.5 s and 100 MiB; one of 12 000 x 12 000 pixels
//     is decoded for its frame in under 150 MiB.
#include "Plattform/Filer.h"
#include "TungaBilder.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-bilder");
    return mapp.p;
}

// Items that fill this many pages of the example's user template.
int64_t posterFör(int sidor) { return sidor == 1 ? 3 : int64_t(sidor) * 16 - 8; }

// The document of that name, written once.
fs::path dokument(const std::string& namn, const std::function<Bytes()>& gör) {
    static std::map<std::string, fs::path> gjorda;
    auto& fil = gjorda[namn];
    if (fil.empty()) {
        fil = arbetsmapp() / (namn + ".bok");
        writeFileSafely(fil.string(), gör());
    }
    return fil;
}

int sidorI(const fs::path& pdf) {
    const Bytes b = readWholeFile(pdf.string());
    const std::string text(b.begin(), b.end());
    int sidor = 0;
    for (size_t i = text.find("/Type /Page"); i != std::string::npos; i = text.find("/Type /Page", i + 1))
        if (i + 11 < text.size() && text[i + 11] != 's') ++sidor;
    return sidor;
}

// Runs the job on the document, expecting `status`.
void mät(benchmark::State& state, const fs::path& fil, int status) {
    const fs::path ut = arbetsmapp() / "tmp";
    fs::create_directories(ut);
    double sekunder = 0, topp = 0;
    for (auto _ : state) {
        bänk::Körning k = bänk::körVerktyget({fil.string(), "--latestInvoice"}, {}, {"TMPDIR=" + ut.string()},
                                             arbetsmapp() / "peak.txt", true);
        if (k.status != status) state.SkipWithError("the tool ended with another status");
        state.SetIterationTime(k.sekunder);
        sekunder += k.sekunder;
        topp = std::max(topp, k.toppbyte);
    }
    state.counters["peak_MiB"] = topp / (1 << 20);
    int sidor = 0;
    for (const auto& e : fs::directory_iterator(ut)) sidor = sidorI(e.path());
    state.counters["pages"] = sidor;
    fs::remove_all(ut);
}

// Arguments: pages, and lines of the background (0: a blank page).
void BackgroundHeldOncePerDocument(benchmark::State& state) {
    const int sidor = int(state.range(0)), streck = int(state.range(1));
    mät(state, dokument("streck-" + std::to_string(sidor) + "-" + std::to_string(streck), [&] {
            return bänk::tunga::dokument(bänk::tunga::bakgrundMedStreck(streck), std::nullopt, posterFör(sidor));
        }), 0);
}
BENCHMARK(BackgroundHeldOncePerDocument)
    ->ArgsProduct({{1, 60}, {0, 20'000}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

void BackgroundWithAnImageOf20000SquareRefused(benchmark::State& state) {
    mät(state, dokument("bild-20000", [] {
            return bänk::tunga::dokument(bänk::tunga::bakgrundMedBild(20'000), std::nullopt, posterFör(60));
        }), 1);
}
BENCHMARK(BackgroundWithAnImageOf20000SquareRefused)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BackgroundOfTwoMillionLinesRefused(benchmark::State& state) {
    mät(state, dokument("linjer", [] {
            return bänk::tunga::dokument(bänk::tunga::bakgrundMedLinjer(2'000'000), std::nullopt, posterFör(3));
        }), 1);
}
BENCHMARK(BackgroundOfTwoMillionLinesRefused)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void LogoOf20000SquareRefused(benchmark::State& state) {
    mät(state, dokument("logo-20000", [] { return bänk::tunga::dokument(std::nullopt, bänk::tunga::png(20'000), 3); }),
        0);
}
BENCHMARK(LogoOf20000SquareRefused)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void LogoOf12000SquareDecodedForItsFrame(benchmark::State& state) {
    mät(state, dokument("logo-12000", [] { return bänk::tunga::dokument(std::nullopt, bänk::tunga::png(12'000), 3); }),
        0);
}
BENCHMARK(LogoOf12000SquareDecodedForItsFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
