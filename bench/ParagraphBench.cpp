// Long paragraphs of ordinary words, as an import can plant them in an
// item's description. Target: the cost per character (the time per item
// processed) stays flat from 1 000 to 1 000 000 characters for every kind,
// measured and drawn on a page as the invoice does (the fitted complexity
// should read N); through the tool, an item of 1 000 000 characters of
// each kind takes a few seconds at most and far less than 512 MiB
// (`peak_MiB`). Laid out whole, a paragraph of words of seven letters cost
// its words times its length: 100 000 characters took 15 s through the
// tool, a million more than five minutes.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "LangaTexter.h"
#include "Plattform/Filer.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Kind {
    std::string repeated;
    bool hyphenated = false;  // in a style that hyphenates German
};

const Kind sevenLetters{"abcdefg "};
const Kind twoLetters{"ab cd "};
const Kind germanHyphenated{"Rechnungsnummer Versicherungsgesellschaft Mehrwertsteuer Lieferanschrift ", true};
const Kind oneWord{"k"};
const Kind lineSeparatorAndMark{"\u2028\u0301"};

// `length` characters of the kind.
std::string text(const Kind& kind, size_t length) {
    std::vector<std::string> characters;
    for (char c : kind.repeated) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) characters.emplace_back();
        characters.back() += c;
    }
    std::string s;
    for (size_t n = 0; n < length; ++n) s += characters[n % characters.size()];
    return s;
}

void Paragraph(benchmark::State& state, const Kind& kind) {
    const size_t length = static_cast<size_t>(state.range(0));
    TextAttributes a;
    a.font = Font{"HelveticaNeue", 9};
    if (kind.hyphenated) {
        ParagraphStyle style;
        style.hyphenationFactor = 1;
        style.hyphenationLanguage = "de";
        a.paragraphStyle = style;
    }
    const AttributedString s(text(kind, length), a);
    // The dictionary is read once a run.
    systemTextMeasurer().boundingSize(AttributedString(text(kind, 100), a), {150, 1000});
    bänk::mätOchRita(state, s, length);
}

BENCHMARK_CAPTURE(Paragraph, WordsOfSevenLetters, sevenLetters)->Apply(bänk::längder);
BENCHMARK_CAPTURE(Paragraph, WordsOfTwoLetters, twoLetters)->Apply(bänk::längder);
BENCHMARK_CAPTURE(Paragraph, GermanWordsHyphenated, germanHyphenated)->Apply(bänk::längder);
// One word and line separators with marks are laid out alone in
// ClusterBench; here they go through the tool.


const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-stycken");
    return mapp.p;
}

// A small ledger whose latest invoice (template Df) has one item described
// by a million characters of the kind.
fs::path dokument(const std::string& namn, const Kind& kind) {
    const fs::path fil = arbetsmapp() / (namn + ".bok");
    if (!fs::exists(fil)) {
        Exempelval val;
        val.antalSkickadeFakturor = 3;
        val.senasteFaktura.antalPoster = 1;
        auto bok = byggExempelbokföring(val);
        Faktura& faktura = *bok->skickadeFakturor.back();
        using K = Fakturakolumn;
        faktura.kolumner_ = {K::artikelnamn, K::antal, K::pris, K::belopp};
        faktura.poster.front()->artikelnamn_ = text(kind, 1000000);
        writeFileSafely(fil.string(), bok->dataMedMellansteg(versionSomSkrivs));
    }
    return fil;
}

// The latest-invoice job as the tool runs it, one process an iteration.
// The lines of a million pairs of a line separator and a mark would fill
// more pages than an invoice may have: the job says so and ends with
// status 1.
void LatestInvoiceOfAMillionCharacters(benchmark::State& state, const std::string& namn, const Kind& kind,
                                       int status) {
    const fs::path fil = dokument(namn, kind), ut = arbetsmapp() / "tmp";
    fs::create_directories(ut);
    bänk::senasteFakturanIVerktyget(state, fil, ut, status);
    fs::remove_all(ut);
}

void tool(benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2); }

BENCHMARK_CAPTURE(LatestInvoiceOfAMillionCharacters, WordsOfSevenLetters, "sju", sevenLetters, 0)->Apply(tool);
BENCHMARK_CAPTURE(LatestInvoiceOfAMillionCharacters, WordsOfTwoLetters, "två", twoLetters, 0)->Apply(tool);
BENCHMARK_CAPTURE(LatestInvoiceOfAMillionCharacters, GermanWords, "tyska", germanHyphenated, 0)->Apply(tool);
BENCHMARK_CAPTURE(LatestInvoiceOfAMillionCharacters, OneWord, "ett", oneWord, 0)->Apply(tool);
BENCHMARK_CAPTURE(LatestInvoiceOfAMillionCharacters, LineSeparatorAndMark, "radskiljare", lineSeparatorAndMark, 1)
    ->Apply(tool);

}  // namespace
