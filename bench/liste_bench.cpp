// The vocabulary list at the card limit: building its rows, a search without a hit, and a
// delete near the front of compartment 1 with the rebuild after it.
#include "karten.h"
#include "vokabelzeilen.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lexidor;
using namespace lexidor::bench;

// The list changes the box it lists, so it gets a box of its own.
TKartei& ListenKartei() {
    static TKartei kartei = KarteiGelesen();
    return kartei;
}

void BM_ListeAufbauen(benchmark::State& state) {
    TVokabelliste liste(ListenKartei());
    for (auto _ : state) {
        liste.Aufbauen();
        benchmark::DoNotOptimize(liste.Position(liste.Zeilen() - 1));
    }
    state.counters["zeilen"] = liste.Zeilen();
}
BENCHMARK(BM_ListeAufbauen)->Unit(benchmark::kMillisecond);

void BM_ListeSuchen(benchmark::State& state) {
    TVokabelliste liste(ListenKartei());
    liste.Aufbauen();
    for (auto _ : state) {
        if (liste.Suchen(Fehlsuche(Schrift::Westlich)).ausgang != Suchausgang::KeinTreffer) {
            state.SkipWithError("unexpected hit");
        }
    }
}
BENCHMARK(BM_ListeSuchen)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ListeLoeschen(benchmark::State& state) {
    TVokabelliste liste(ListenKartei());
    liste.Aufbauen();
    for (auto _ : state) {
        benchmark::DoNotOptimize(liste.Loeschen(10));
    }
    state.counters["zeilen_danach"] = liste.Zeilen();
}
BENCHMARK(BM_ListeLoeschen)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
