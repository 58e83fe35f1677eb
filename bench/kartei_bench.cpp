// The card box at the card limit: reading, writing, shuffling, searching and comparing
// 3,200,000 cards of realistic length.
#include "abfrage.h"
#include "karteidatei.h"
#include "karten.h"
#include "suche.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <random>

namespace {

using namespace lexidor;
using namespace lexidor::bench;

// The pieces in which the program reads a file.
constexpr std::size_t kStueck = std::size_t{1} << 20;

Schrift SchriftVon(const benchmark::State& state) {
    return static_cast<Schrift>(state.range(0));
}

void BM_KarteiLesen(benchmark::State& state) {
    const std::string_view datei = GrosseDatei(SchriftVon(state));
    std::size_t speicher = 0;
    for (auto _ : state) {
        std::optional<TKartei> kartei(std::in_place);
        kartei->Dateipfad = "/tmp/gross.vkd";
        MersenneZufall zufall(7);
        KarteiLeser leser(*kartei, kMuster, DatumAus(2026, 12, 6));
        for (std::size_t pos = 0; pos < datei.size(); pos += kStueck) {
            leser.Weiter(datei.substr(pos, kStueck));
        }
        if (!leser.Ende(zufall)) {
            state.SkipWithError("not read");
        }
        state.PauseTiming();
        speicher = 0;
        for (int c = 1; c <= 6; ++c) {
            speicher += kartei->Fach[c].Speicherbedarf();
        }
        kartei.reset();
        state.ResumeTiming();
    }
    state.counters["datei_MB"] = static_cast<double>(datei.size()) / 1e6;
    state.counters["speicher_MB"] = static_cast<double>(speicher) / 1e6;
    state.counters["speicher_je_datei"] =
        static_cast<double>(speicher) / static_cast<double>(datei.size());
}
// Argument 0: the box in code page 1252; 1: the Russian and Greek box in UTF-8.
BENCHMARK(BM_KarteiLesen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// Into pieces, as the program writes a file; the box is one read from a file, so that the
// card texts lie where reading and shuffling left them.
void BM_KarteiSchreiben(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei(SchriftVon(state));
    for (auto _ : state) {
        std::size_t bytes = 0;
        KarteiSchreiben(kartei, kMuster, [&bytes](std::string_view stueck) {
            benchmark::DoNotOptimize(stueck.data());
            bytes += stueck.size();
            return true;
        });
        if (bytes != GrosseDatei(SchriftVon(state)).size()) {
            state.SkipWithError("wrong size");
        }
    }
}
BENCHMARK(BM_KarteiSchreiben)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

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
    const TKartei& kartei = GrosseKartei(SchriftVon(state));
    const TSuchmuster muster(Fehlsuche(SchriftVon(state)));
    for (auto _ : state) {
        int treffer = 0;
        for (int c = 1; c <= 6; ++c) {
            treffer += muster.ErsterTreffer(kartei.Fach[c], c, 0) + 1;
        }
        if (treffer != 0) {
            state.SkipWithError("unexpected hit");
        }
    }
}
BENCHMARK(BM_Suche)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Vergleich(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei(SchriftVon(state));
    const TVokList& fach = kartei.Fach[1];
    const std::string antwort = "  Ein typisches Wort  ";
    for (auto _ : state) {
        int richtig = 0;
        for (int i = 0; i < fach.Count(); ++i) {
            // The program compares one card at a time; the walk over all of them should
            // not wait for the scattered texts instead.
            fach.Vorausladen(i);
            richtig += AntwortRichtig(antwort, UmbruecheDekodieren(fach.Fremd(i)));
        }
        benchmark::DoNotOptimize(richtig);
    }
    state.counters["vergleiche"] = fach.Count();
}
BENCHMARK(BM_Vergleich)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
