// 500 000 short lines ("a" and a break) in one field of a realistic
// invoice, in each template: a growing block is laid out only as far as it
// can show at its smallest size, so each run of the latest-invoice job
// keeps within 3 s and 256 MiB (`peak_MiB`) whatever the field and the
// template. The invoice is the generator's for the template (seed = its
// index, so the rest of the page is full too); the arguments are the
// template's index and the field's.
#include "Exempel/Fakturagenerator.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "Plattform/Filer.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr size_t rader = 500000;

struct Fält {
    const char* namn;
    std::function<void(Bokföring&, Faktura&, const std::string&)> sätt;
};

const std::array<Fält, 9> fälten = {{
    {"company", [](Bokföring&, Faktura& f, const std::string& t) { f._företag = t; }},
    {"street", [](Bokföring&, Faktura& f, const std::string& t) { f._mottagaradress.gata = t; }},
    {"delivery", [](Bokföring&, Faktura& f, const std::string& t) {
         if (!f.leveransadress_) f.leveransadress_ = f._mottagaradress;
         f.leveransadress_->gata = t;
     }},
    {"message", [](Bokföring&, Faktura& f, const std::string& t) { f.meddelande_ = t; }},
    {"credit", [](Bokföring&, Faktura& f, const std::string& t) { f.kreditvillkor_ = t; }},
    {"reference", [](Bokföring&, Faktura& f, const std::string& t) { f.erReferens_ = t; }},
    {"method", [](Bokföring&, Faktura& f, const std::string& t) { f.leveranssätt_ = t; }},
    {"order", [](Bokföring&, Faktura& f, const std::string& t) { f.inköpsordernummer_ = t; }},
    {"sender", [](Bokföring& b, Faktura&, const std::string& t) { b.namn = t; }},
}};

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-falt");
    return mapp.p;
}

fs::path dokument(uint64_t mall, size_t fält) {
    const fs::path fil = arbetsmapp() / (std::to_string(mall) + "-" + fälten[fält].namn + ".bok");
    if (fs::exists(fil)) return fil;
    std::string text;
    text.reserve(2 * rader);
    for (size_t i = 0; i < rader; ++i) text += "a\n";
    auto bok = genereradBokföring(mall, false);
    fälten[fält].sätt(*bok, *bok->skickadeFakturor.back(), text);
    writeFileSafely(fil.string(), bok->dataMedMellansteg(versionSomSkrivs));
    return fil;
}

void ShortLinesInOneField(benchmark::State& state) {
    const auto mall = static_cast<uint64_t>(state.range(0));
    const auto fält = static_cast<size_t>(state.range(1));
    state.SetLabel(genereradMall(mall) + " " + fälten[fält].namn);
    const fs::path fil = dokument(mall, fält), ut = arbetsmapp() / "tmp";
    fs::create_directories(ut);
    bänk::senasteFakturanIVerktyget(state, fil, ut, 0);
    fs::remove_all(ut);
}

void allaMallarOchFält(benchmark::internal::Benchmark* b) {
    for (int64_t mall = 0; mall + 1 < int64_t(antalGeneratorMallar); ++mall)
        for (int64_t fält = 0; fält < int64_t(fälten.size()); ++fält) b->Args({mall, fält});
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
}

BENCHMARK(ShortLinesInOneField)->Apply(allaMallarOchFält);

}  // namespace
