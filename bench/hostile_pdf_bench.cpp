// What the invoice's reader pays for a hostile logo or background: each of
// the small PDFs that ask a reader for gigabytes or minutes (HandmadePdf.h)
// and the same kinds as large as the bound lets through, each put into the
// latest invoice as the standard template's logo and as the
// user template's background, the tool run as a user runs it, and page 1
// of the invoice drawn by `pdftoppm -r 72` (the reader) for its time and
// peak (`reader_s`, `reader_peak_MiB`, by /usr/bin/time). `accepted` says
// whether the tool put the PDF in: a refused logo is left out with a
// warning, a refused background cannot be loaded (status 1). Goal: page 1
// of any invoice the tool writes draws within 10 s and 512 MiB, whatever it
// holds; so is the tool's own run (`peak_MiB`, its time).
#include "Plattform/Filer.h"
#include "TungaBilder.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-fientliga");
    return mapp.p;
}

// The hostile PDFs, then the same kinds as large as the bound lets
// through.
const std::vector<testhjalp::HostilePdf>& allaPdf() {
    static const std::vector<testhjalp::HostilePdf> alla = [] {
        std::vector<testhjalp::HostilePdf> a = testhjalp::hostilePdfs(), nära = testhjalp::nearTheBoundPdfs();
        a.insert(a.end(), nära.begin(), nära.end());
        return a;
    }();
    return alla;
}

// Argument: the PDF's place in allaPdf(), and whether it is the background
// rather than the logo.
void HostilePdfDrawnByItsReader(benchmark::State& state) {
    const std::vector<testhjalp::HostilePdf>& alla = allaPdf();
    const testhjalp::HostilePdf& fientlig = alla.at(size_t(state.range(0)));
    const bool bakgrund = state.range(1);
    state.SetLabel(fientlig.name + (bakgrund ? " (background)" : " (logo)"));
    const fs::path ut = arbetsmapp() / "ut", dokument = arbetsmapp() / "dokument.bok",
                   fel = arbetsmapp() / "fel.txt";
    fs::create_directories(ut);
    Bytes pdf(fientlig.pdf.begin(), fientlig.pdf.end());
    writeFileSafely(dokument.string(), bakgrund ? bänk::tunga::dokument(std::move(pdf), std::nullopt, 3)
                                                : bänk::tunga::dokument(std::nullopt, std::move(pdf), 3));
    double topp = 0, läsarensTid = 0, läsarensTopp = 0;
    bool godtagen = false;
    for (auto _ : state) {
        fs::remove_all(ut);
        fs::create_directories(ut);
        const bänk::Körning k = bänk::körVerktyget({dokument.string(), "--latestInvoice"}, {},
                                                   {"TMPDIR=" + ut.string()}, arbetsmapp() / "peak.txt", false, fel);
        state.SetIterationTime(k.sekunder);
        topp = std::max(topp, k.toppbyte);
        godtagen = k.status == 0 && fs::file_size(fel) == 0;
        if (!godtagen) continue;
        for (const auto& e : fs::directory_iterator(ut)) {
            if (e.path().extension() != ".pdf") continue;
            const fs::path mått = arbetsmapp() / "läsarens-topp.txt";
            const bänk::Körning läsare =
                bänk::körProgrammet({"/usr/bin/time", "-f", "%M", "-o", mått.string(), "/usr/bin/pdftoppm", "-r", "72",
                                     "-f", "1", "-l", "1", e.path().string(), (ut / "sida").string()});
            läsarensTid = std::max(läsarensTid, läsare.sekunder);
            läsarensTopp = std::max(läsarensTopp, bänk::toppEnligtTime(mått));
        }
    }
    state.counters["accepted"] = godtagen;
    state.counters["peak_MiB"] = topp / (1 << 20);
    state.counters["reader_s"] = läsarensTid;
    state.counters["reader_peak_MiB"] = läsarensTopp / (1 << 20);
}
BENCHMARK(HostilePdfDrawnByItsReader)
    ->ArgNames({"pdf", "background"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, 16, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace
