// Export and import at the card limit: writing 3,200,000 cards as CSV, and reading such a
// file back into an empty box.
#include "cp1252.h"
#include "karten.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lexidor;
using namespace lexidor::bench;

// Piece by piece, as the program hands the export to the file.
void BM_Exportieren(benchmark::State& state) {
    const TKartei& kartei = GrosseKartei();
    std::size_t groesse = 0;
    for (auto _ : state) {
        groesse = 0;
        VokabelnExportieren(kartei, Exportformat::CsvSemikolon, [&groesse](std::string_view s) {
            groesse += s.size();
            benchmark::DoNotOptimize(s.data());
            return true;
        });
    }
    state.counters["datei_MB"] = static_cast<double>(groesse) / 1e6;
}
BENCHMARK(BM_Exportieren)->Unit(benchmark::kMillisecond)->Iterations(3);

// From the file's bytes to the cards in their compartments, levels kept: the export itself
// (UTF-8), and the same file as a German spreadsheet saves it (Windows-1252).
void BM_Importieren(benchmark::State& state) {
    std::string datei = VokabelnExportieren(GrosseKartei(), Exportformat::CsvSemikolon);
    if (state.range(0) == 1252) {
        datei = Utf8NachCp1252(std::string_view(datei).substr(3)).text;
    }
    for (auto _ : state) {
        TKartei kartei;
        const Importtabelle tabelle = TextdateiLesen(datei);
        Importwahl wahl = StandardWahl(tabelle);
        wahl.stufenBehalten = true;
        if (Importieren(kartei, tabelle, wahl).uebernommen != kKarten) {
            state.SkipWithError("not every row became a card");
        }
    }
    state.counters["datei_MB"] = static_cast<double>(datei.size()) / 1e6;
}
BENCHMARK(BM_Importieren)->Arg(8)->Arg(1252)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
