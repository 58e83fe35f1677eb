// The learning-progress window and the print window at the card limit: the due forecast, and
// choosing the cards of a printed list and of a shuffled test sheet.
#include "druck.h"
#include "karten.h"
#include "verlauf.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lexidor;
using namespace lexidor::bench;

const Datum kHeute = DatumAus(2026, 12, 6);

void BM_Vorschau(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Vorschau(kartei, kHeute));
    }
    state.counters["karten"] = kartei.Gesamtzahl();
}
BENCHMARK(BM_Vorschau)->Unit(benchmark::kMicrosecond);

void BM_DruckKarten(benchmark::State& state) {
    const auto art = state.range(0) == 0 ? TDruckart::Liste : TDruckart::Testbogen;
    MersenneZufall zufall(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DruckKarten(GrosseKartei(), art, 0, 2, kHeute, zufall));
    }
}
BENCHMARK(BM_DruckKarten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
