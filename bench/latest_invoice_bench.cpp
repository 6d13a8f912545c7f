// The latest-invoice job on a large document: 100 000 entries and a latest
// invoice of 500 items in template Karvomat4. Targets: the invoice's layout
// and PDF under 0.2 s on one core, the whole run (load, layout, PDF, file)
// under 0.5 s.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Kommandorad/Kommandorad.h"
#include "Modell/Fakturor/Faktura.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

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

// As the tool runs it, with the result line sent to /dev/null.
void LatestInvoiceWholeRun(benchmark::State& state) {
    static const fs::path katalog = fs::temp_directory_path() / ("kontobok-bench-" + std::to_string(::getpid()));
    fs::create_directories(katalog);
    const std::string fil = (katalog / "stor.bok").string();
    std::ofstream(fil, std::ios::binary)
        .write(reinterpret_cast<const char*>(dokument().data()), std::streamsize(dokument().size()));
    const char* tmpdir = std::getenv("TMPDIR");
    const std::string sparadTmpdir = tmpdir ? tmpdir : "";
    ::setenv("TMPDIR", katalog.c_str(), 1);

    std::fflush(stdout);
    const int sparad = ::dup(1), tom = ::open("/dev/null", O_WRONLY);
    ::dup2(tom, 1);
    int status = 0;
    for (auto _ : state) status |= kör({"kontobok", fil, "--latestInvoice"});
    std::fflush(stdout);
    ::dup2(sparad, 1);
    ::close(sparad), ::close(tom);
    if (tmpdir) ::setenv("TMPDIR", sparadTmpdir.c_str(), 1);
    else ::unsetenv("TMPDIR");
    fs::remove_all(katalog);
    if (status != 0) state.SkipWithError("the job failed");
}
BENCHMARK(LatestInvoiceWholeRun)->Unit(benchmark::kMillisecond);

}  // namespace
