// PDFs judged by drawing them, as a user meets them: each PDF of the
// corpora (artwork as users make it, drawings that cost their reader
// seconds or gigabytes, the hostile files; HandmadePdf.h, Artwork.h) put
// into the latest invoice as the standard template's logo and as the user
// template's background, the tool run as a user runs it.
//   - PdfInTheInvoice: `accepted` says whether the tool put the PDF in (a
//     refused logo is left out with a warning, a refused background cannot
//     be loaded, status 1); the tool's time and `peak_MiB` (the tool's or
//     any child's it runs: the reading child, the judge's renderers); for
//     an accepted one, page 1 of the invoice drawn by `pdftoppm -r 72` (the
//     reader) for its time and peak (`reader_s`, `reader_peak_MiB`, by
//     /usr/bin/time). Goals: every ordinary one accepted; the reader of
//     any accepted one within 10 s and 512 MiB; the tool within 10 s.
//   - PdfDrawnByEachRenderer: the PDF itself drawn at 144 dpi, as the judge
//     draws a page shown at its own size, by Splash (`pdftoppm`) and by
//     cairo (`pdftocairo`, whose figures include its start and the PNG it
//     writes), each for its time and peak (`splash_s`, `cairo_s`,
//     ..._peak_MiB), each stopped after 30 s (a time of 30 means more):
//     where the two differ, the judge goes by the costlier. Then the judge
//     itself on it, under the program's limits: `judged` (whether both
//     renderers drew it within them), its time and the processor time of
//     the two renderers together (`judge_s`, `judge_cpu_s`).
//   - PdfLogoAgainstPng: the invoice with an ordinary PDF logo against the
//     same logo as a PNG (drawn from it at 150 dpi), run in turn:
//     `pdf_minus_png_ms`, the difference of the medians. Goal: at most 100.
#include "Plattform/Filer.h"
#include "Plattform/Ritning/Artwork.h"
#include "Plattform/Ritning/PdfObjectBounds.h"
#include "TungaBilder.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-bedomda");
    return mapp.p;
}

struct Prov {
    std::string namn;
    std::vector<uint8_t> pdf;
};

// Ordinary artwork first (the A4 pages as drawn; the logos as logos), then
// the costly drawings on a logo's page and an A4 page, then the hostile
// files.
const std::vector<Prov>& allaPdf() {
    static const std::vector<Prov> alla = [] {
        std::vector<Prov> a;
        for (auto& k : testhjalp::ordinaryArtwork()) a.push_back({"ordinary: " + k.name, std::move(k.pdf)});
        for (auto& k : testhjalp::costlyDrawings(300, 100)) a.push_back({"costly: " + k.name + " (300 x 100)", std::move(k.pdf)});
        for (auto& k : testhjalp::costlyDrawings(595, 842)) a.push_back({"costly: " + k.name + " (A4)", std::move(k.pdf)});
        for (auto& h : testhjalp::hostilePdfs()) a.push_back({"hostile: " + h.name, std::move(h.pdf)});
        return a;
    }();
    return alla;
}
constexpr int antalOrdinära = 8, antalPdf = 8 + 12 + 9;

// Page 1 of `pdf` drawn by `program` (its path and options), for its time
// and peak; after 30 s it is stopped.
bänk::Körning rita(std::vector<std::string> program, const fs::path& pdf, const fs::path& ut) {
    const fs::path mått = arbetsmapp() / "ritarens-topp.txt";
    std::vector<std::string> argv = {"/usr/bin/time", "-f", "%M", "-o", mått.string(), "/usr/bin/timeout", "30"};
    argv.insert(argv.end(), program.begin(), program.end());
    argv.insert(argv.end(), {"-f", "1", "-l", "1", pdf.string(), ut.string()});
    bänk::Körning k = bänk::körProgrammet(argv);
    k.toppbyte = bänk::toppEnligtTime(mått);
    return k;
}

// Arguments: the PDF's place in allaPdf(), and whether it is the background
// rather than the logo.
void PdfInTheInvoice(benchmark::State& state) {
    const Prov& prov = allaPdf().at(size_t(state.range(0)));
    const bool bakgrund = state.range(1);
    state.SetLabel(prov.namn + (bakgrund ? " (background)" : " (logo)"));
    const fs::path ut = arbetsmapp() / "ut", dokument = arbetsmapp() / "dokument.bok", fel = arbetsmapp() / "fel.txt";
    Bytes pdf(prov.pdf.begin(), prov.pdf.end());
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
            const bänk::Körning läsare = rita({"/usr/bin/pdftoppm", "-r", "72"}, e.path(), ut / "sida");
            läsarensTid = std::max(läsarensTid, läsare.sekunder);
            läsarensTopp = std::max(läsarensTopp, läsare.toppbyte);
        }
    }
    state.counters["accepted"] = godtagen;
    state.counters["peak_MiB"] = topp / (1 << 20);
    state.counters["reader_s"] = läsarensTid;
    state.counters["reader_peak_MiB"] = läsarensTopp / (1 << 20);
}
BENCHMARK(PdfInTheInvoice)
    ->ArgNames({"pdf", "background"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, antalPdf - 1, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

// The judge beside the tool on `pdf` at 144 dpi, under the program's
// limits, as the tool runs it for a page shown at its own size: its
// status, time, and the processor time of it and its renderers.
struct Dom {
    int status = -1;
    double sekunder = 0, processortid = 0;
};
Dom döm(const fs::path& pdf) {
    const fs::path mått = arbetsmapp() / "domarens-tid.txt";
    fs::remove(mått);
    const bänk::Körning k = bänk::körProgrammet({"/usr/bin/time", "-f", "%U %S", "-o", mått.string(), "/bin/sh", "-c",
                                                 "ulimit -t " + std::to_string(pdfbounds::mostChildSeconds) +
                                                     "; exec \"$0\" \"$@\"",
                                                 KONTOBOK_JUDGE, std::to_string(pdfbounds::judgedDpi),
                                                 std::to_string(pdfbounds::mostChildMemory)},
                                                pdf);
    Dom d{k.status, k.sekunder};
    std::ifstream in(mått);
    std::string rad, sista;
    while (std::getline(in, rad))
        if (!rad.empty()) sista = rad;
    double användare = 0, system = 0;
    std::istringstream(sista) >> användare >> system;
    d.processortid = användare + system;
    return d;
}

// Argument: the PDF's place in allaPdf().
void PdfDrawnByEachRenderer(benchmark::State& state) {
    const Prov& prov = allaPdf().at(size_t(state.range(0)));
    state.SetLabel(prov.namn);
    const fs::path pdf = arbetsmapp() / "prov.pdf";
    writeFileSafely(pdf.string(), Bytes(prov.pdf.begin(), prov.pdf.end()));
    bänk::Körning splash, cairo;
    Dom dom;
    for (auto _ : state) {
        splash = rita({"/usr/bin/pdftoppm", "-r", "144"}, pdf, arbetsmapp() / "splash");
        cairo = rita({"/usr/bin/pdftocairo", "-png", "-r", "144"}, pdf, arbetsmapp() / "cairo");
        dom = döm(pdf);
        state.SetIterationTime(splash.sekunder + cairo.sekunder);
    }
    state.counters["judged"] = dom.status == 0;
    state.counters["judge_s"] = dom.sekunder;
    state.counters["judge_cpu_s"] = dom.processortid;
    state.counters["splash_s"] = splash.sekunder;
    state.counters["splash_peak_MiB"] = splash.toppbyte / (1 << 20);
    state.counters["cairo_s"] = cairo.sekunder;
    state.counters["cairo_peak_MiB"] = cairo.toppbyte / (1 << 20);
}
BENCHMARK(PdfDrawnByEachRenderer)
    ->ArgName("pdf")
    ->DenseRange(0, antalPdf - 1, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Argument: the ordinary artwork's place in allaPdf().
void PdfLogoAgainstPng(benchmark::State& state) {
    const Prov& prov = allaPdf().at(size_t(state.range(0)));
    state.SetLabel(prov.namn);
    const fs::path pdf = arbetsmapp() / "logo.pdf", png = arbetsmapp() / "logo";
    writeFileSafely(pdf.string(), Bytes(prov.pdf.begin(), prov.pdf.end()));
    bänk::körProgrammet({"/usr/bin/pdftoppm", "-r", "150", "-png", "-singlefile", pdf.string(), png.string()});
    const fs::path medPdf = arbetsmapp() / "pdf.bok", medPng = arbetsmapp() / "png.bok", ut = arbetsmapp() / "ut";
    writeFileSafely(medPdf.string(), bänk::tunga::dokument(std::nullopt, Bytes(prov.pdf.begin(), prov.pdf.end()), 3));
    writeFileSafely(medPng.string(), bänk::tunga::dokument(std::nullopt, readWholeFile(png.string() + ".png"), 3));
    fs::create_directories(ut);
    auto kör = [&](const fs::path& dokument) {
        const bänk::Körning k = bänk::körVerktyget({dokument.string(), "--latestInvoice"}, {}, {"TMPDIR=" + ut.string()},
                                                   arbetsmapp() / "peak.txt", true);
        if (k.status != 0) state.SkipWithError("the tool failed");
        return k.sekunder;
    };
    kör(medPdf), kör(medPng);  // the files the runs read, into the page cache
    std::vector<double> pdfTider, pngTider;
    for (auto _ : state) {
        pdfTider.push_back(kör(medPdf));
        pngTider.push_back(kör(medPng));
        state.SetIterationTime(pdfTider.back());
    }
    state.counters["png_ms"] = median(pngTider) * 1000;
    state.counters["pdf_minus_png_ms"] = (median(pdfTider) - median(pngTider)) * 1000;
}
BENCHMARK(PdfLogoAgainstPng)
    ->ArgName("pdf")
    ->DenseRange(0, antalOrdinära - 1, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);

}  // namespace
