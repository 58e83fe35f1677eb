// The card box at the card limit: reading, writing, shuffling, searching and comparing
// 3,200,000 cards of realistic length.
#include "abfrage.h"
#include "karteidatei.h"
#include "karten.h"
#include "suche.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace lexidor;
using namespace lexidor::bench;

constexpr std::string_view kMuster = "%d.%m.%Y";

const std::string& GrosseDatei() {
    static const std::string datei = KarteiSchreiben(GrosseKartei(), kMuster);
    return datei;
}

void BM_KarteiLesen(benchmark::State& state) {
    const std::string& datei = GrosseDatei();
    std::size_t speicher = 0;
    for (auto _ : state) {
        TKartei kartei;
        kartei.Dateipfad = "/tmp/gross.vkd";
        MersenneZufall zufall(7);
        const bool ok = KarteiLesen(kartei, datei, kMuster, DatumAus(2026, 12, 6), zufall);
        benchmark::DoNotOptimize(ok);
        state.PauseTiming();
        speicher = 0;
        for (int c = 1; c <= 6; ++c) {
            speicher += kartei.Fach[c].Speicherbedarf();
        }
        state.ResumeTiming();
    }
    state.counters["datei_MB"] = static_cast<double>(datei.size()) / 1e6;
    state.counters["speicher_MB"] = static_cast<double>(speicher) / 1e6;
    state.counters["speicher_je_datei"] =
        static_cast<double>(speicher) / static_cast<double>(datei.size());
}
BENCHMARK(BM_KarteiLesen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KarteiSchreiben(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei();
    for (auto _ : state) {
        std::string datei = KarteiSchreiben(kartei, kMuster);
        benchmark::DoNotOptimize(datei.data());
    }
}
BENCHMARK(BM_KarteiSchreiben)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Shuffle(benchmark::State& state) {
    TVokList liste;
    std::mt19937 gen(1);
    for (int i = 0; i < kKarten; ++i) {
        liste.Anhaengen(Wort(gen), Wort(gen), "");
    }
    MersenneZufall zufall(3);
    for (auto _ : state) {
        liste.Shuffle(zufall);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Suche(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei();
    const TSuchmuster muster("\xC4q#z"); // "Äq#z": no card holds a "#"
    for (auto _ : state) {
        int treffer = 0;
        for (int c = 1; c <= 6; ++c) {
            const TVokList& fach = kartei.Fach[c];
            for (int i = 0; i < fach.Count(); ++i) {
                treffer += muster.Treffer(fach.Deutsch(i), fach.Fremd(i), c);
            }
        }
        if (treffer != 0) {
            state.SkipWithError("unexpected hit");
        }
    }
}
BENCHMARK(BM_Suche)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Vergleich(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei();
    const TVokList& fach = kartei.Fach[1];
    const std::string antwort = "  Ein typisches Wort  ";
    for (auto _ : state) {
        int richtig = 0;
        for (int i = 0; i < fach.Count(); ++i) {
            richtig += AntwortRichtig(antwort, UmbruecheDekodieren(fach.Fremd(i)));
        }
        benchmark::DoNotOptimize(richtig);
    }
    state.counters["vergleiche"] = fach.Count();
}
BENCHMARK(BM_Vergleich)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
