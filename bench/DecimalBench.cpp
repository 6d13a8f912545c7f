// Amount arithmetic and formatting run once per invoice line and total;
// these keep an eye on their cost.
#include <benchmark/benchmark.h>

#include "Modell/Belopp.h"
#include "Modell/Beloppsformatterare.h"
#include "Plattform/Lokal.h"

static void MultiplyWholeÖre(benchmark::State& state) {
    Decimal price = *Decimal::parseWhole("1234.56"), quantity = *Decimal::parseWhole("3.25");
    for (auto _ : state) benchmark::DoNotOptimize(price.multiplying(quantity, helaÖren));
}
BENCHMARK(MultiplyWholeÖre);

static void DivideWholeÖre(benchmark::State& state) {
    Decimal amount = *Decimal::parseWhole("-100"), rate = *Decimal::parseWhole("1.12");
    for (auto _ : state) benchmark::DoNotOptimize(amount.dividing(rate, helaÖren));
}
BENCHMARK(DivideWholeÖre);

static void ParseAndPrint(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Decimal::parseWhole("1234567.89")->text());
}
BENCHMARK(ParseAndPrint);

static void FormatAmount(benchmark::State& state) {
    lokal::sättAktuell("sv_SE");
    Beloppsformatterare f("SEK");
    f.döljDecimaler = true;
    Decimal amount = *Decimal::parseWhole("1234567.00");
    for (auto _ : state) benchmark::DoNotOptimize(f.string(amount));
}
BENCHMARK(FormatAmount);

static void MakeInvoiceFormatter(benchmark::State& state) {
    lokal::sättAktuell("sv_SE");
    Decimal amount = *Decimal::parseWhole("1234.5");
    for (auto _ : state) benchmark::DoNotOptimize(Beloppsformatterare::förFaktura("SEK").string(amount));
}
BENCHMARK(MakeInvoiceFormatter);
