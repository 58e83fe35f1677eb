// Export and import at the card limit: writing 3,200,000 cards as CSV, and reading such a
// file back into an empty box; a word list of as many rows read as the program reads it.
#include "cp1252.h"
#include "karten.h"
#include "textimport.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <benchmark/benchmark.h>
#include <random>

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

// A list as people keep one: a header, then a German word (now and then with its article) and
// the foreign word, comma-separated, 3 to 12 letters each.
std::string Wortliste() {
    std::mt19937 gen(24);
    const auto wort = [&gen](std::string& zeile) {
        for (unsigned n = 3 + gen() % 10; n > 0; --n) {
            zeile += Deutsch()[gen() % Deutsch().size()];
        }
    };
    const std::string_view artikel[] = {"", "", "der ", "die ", "das "};
    std::string datei = "Deutsch,Englisch\n";
    for (int i = 0; i < kKarten; ++i) {
        datei += artikel[gen() % 5];
        wort(datei);
        datei += ',';
        wort(datei);
        datei += '\n';
    }
    return datei;
}

// The dialog reads the list's start, and the import its pieces as the program reads them from
// the disk, into an empty box.
void BM_WortlisteImportieren(benchmark::State& state) {
    static const std::string datei = Wortliste();
    constexpr std::size_t kStueck = std::size_t{1} << 20;
    for (auto _ : state) {
        TKartei kartei;
        const Importtabelle anfang =
            TextanfangLesen(std::string_view(datei).substr(0, kTextanfang));
        Textimport import(kartei, anfang, StandardWahl(anfang), datei.size());
        for (std::size_t pos = 0; pos < datei.size(); pos += kStueck) {
            import.Stueck(std::string_view(datei).substr(pos, kStueck),
                          pos + kStueck >= datei.size());
        }
        if (import.Ergebnis().uebernommen != kKarten) {
            state.SkipWithError("not every row became a card");
        }
    }
    state.counters["datei_MB"] = static_cast<double>(datei.size()) / 1e6;
}
BENCHMARK(BM_WortlisteImportieren)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
