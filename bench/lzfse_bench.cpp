// Throughput of our LZFSE codec on a 30 MB ledger-like text body.
// Targets on one core: decode >= 250 MB/s, encode >= 50 MB/s (of input).
#include "Plattform/Lzfse/Lzfse.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using lzfse::Bytes;

namespace {

// A body like the ones documents hold: numbered entries with dates, account
// numbers, amounts and Swedish names.
const Bytes& ledgerBody() {
    static const Bytes body = [] {
        static const char* names[] = {"Kundfaktura Åsa Öberg", "Lön Märta Ljungström", "Hyra kontor Göteborg",
                                      "Inköp varor Björk & Söner", "Bankavgift", "Momsredovisning",
                                      "Försäljning Håkan Ekström", "Leverantörsfaktura Älvdalens Trä",
                                      "Resa Malmö–Stockholm", "Representation"};
        static const int accounts[] = {1510, 1630, 1910, 1930, 2440, 2610, 2640, 2710, 2731, 3001,
                                       3041, 4010, 5010, 5410, 6110, 6212, 6570, 7010, 7510, 8310};
        uint64_t s = 20240508;
        auto next = [&s] {
            s ^= s >> 12, s ^= s << 25, s ^= s >> 27;
            return uint32_t((s * 0x2545F4914F6CDD1DULL) >> 32);
        };
        std::string text;
        text.reserve(31'000'000);
        char line[200];
        for (int entry = 1; text.size() < 30'000'000; ++entry) {
            const char* name = names[next() % 10];
            std::snprintf(line, sizeof line, "VER A%06d 2024-%02u-%02u \"%s\" 19%02u%02u%02u-%04u\n", entry,
                          1 + next() % 12, 1 + next() % 28, name, next() % 100, 1 + next() % 12, 1 + next() % 28,
                          next() % 10000);
            text += line;
            unsigned rows = 2 + next() % 3;
            long total = 0;
            for (unsigned r = 0; r + 1 < rows; ++r) {
                long ore = long(next() % 2500000);
                total += ore;
                std::snprintf(line, sizeof line, "  #TRANS %d {} %ld.%02ld \"\" \"%s\"\n", accounts[next() % 20],
                              ore / 100, ore % 100, name);
                text += line;
            }
            std::snprintf(line, sizeof line, "  #TRANS %d {} -%ld.%02ld \"\" \"%s\"\n}\n", accounts[next() % 20],
                          total / 100, total % 100, name);
            text += line;
        }
        text.resize(30'000'000);
        return Bytes(text.begin(), text.end());
    }();
    return body;
}

void BM_LzfseDecode(benchmark::State& state) {
    const Bytes& body = ledgerBody();
    const Bytes stream = lzfse::encode(body);
    for (auto _ : state) {
        auto decoded = lzfse::decode(stream, body.size());
        if (!decoded) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(decoded);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(body.size()));
    state.counters["ratio"] = double(body.size()) / double(stream.size());
}
BENCHMARK(BM_LzfseDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LzfseEncode(benchmark::State& state) {
    const Bytes& body = ledgerBody();
    for (auto _ : state) {
        Bytes stream = lzfse::encode(body);
        benchmark::DoNotOptimize(stream);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(body.size()));
}
BENCHMARK(BM_LzfseEncode)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
