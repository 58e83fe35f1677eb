// A word list at the card limit brought into an empty box as a user does it: a generated CSV
// of 3,200,000 rows (German word, foreign word) is chosen in the main window (offscreen), the
// import dialog shows its preview, "Importieren" puts the cards into the box. Prints the best
// of three for each step, and the peak memory the import added over the program before it,
// also as a multiple of the file's size.
#include "dateiwahl.h"
#include "grossseiten.h"
#include "hauptfenster.h"
#include "karten.h"
#include "programmumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <time.h>

using namespace lexidor;

namespace {

// A word of 3 to 12 letters, umlauts among them.
std::string Wort(std::mt19937& gen) {
    std::string wort;
    for (unsigned n = 3 + gen() % 10; n > 0; --n) {
        wort += bench::Deutsch()[gen() % bench::Deutsch().size()];
    }
    return wort;
}

// A real list's shape: a header, then a German word with its article now and then, and the
// foreign word, comma-separated.
bool ListeErzeugen(const std::string& pfad) {
    std::mt19937 gen(24);
    std::ofstream datei(pfad, std::ios::binary);
    datei << "Deutsch,Englisch\n";
    const std::string_view artikel[] = {"", "", "der ", "die ", "das "};
    std::string zeile;
    for (int i = 0; i < bench::kKarten; ++i) {
        zeile.assign(artikel[gen() % 5]);
        zeile += Wort(gen);
        zeile += ',';
        zeile += Wort(gen);
        zeile += '\n';
        datei << zeile;
    }
    return static_cast<bool>(datei);
}

// The resident memory of this process in KiB: now, and the highest so far.
long Kib(const char* feld) {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.starts_with(feld)) {
            return std::stol(zeile.substr(std::string_view(feld).size()));
        }
    }
    return 0;
}

double Ms(const QElapsedTimer& uhr) {
    return static_cast<double>(uhr.nsecsElapsed()) / 1e6;
}

// The processor time of every thread of the process: on a shared machine it says what a step
// costs where the wall clock says how long others kept it waiting.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir verzeichnis;
    const QString liste = verzeichnis.filePath(QStringLiteral("liste.csv"));
    if (!verzeichnis.isValid() || !ListeErzeugen(liste.toStdString())) {
        std::fprintf(stderr, "the list could not be made\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GrosseSeitenNutzen(); // as the program does
    bench::ProgrammordnerEinrichten(verzeichnis.path());
    TForm1 form1({});
    form1.show();
    QApplication::processEvents();

    const double dateiMib = static_cast<double>(QFileInfo(liste).size()) / (1024.0 * 1024.0);
    double vorschau = 1e12;
    double import_ = 1e12;
    double vorschauCpu = 1e12;
    double importCpu = 1e12;
    double zuwachsMib = 0;
    int karten = 0;
    for (int lauf = 0; lauf < 3; ++lauf) {
        form1.Kartei.Gesichert = true;
        form1.Neu1Click();
        QApplication::processEvents();
        const long vorher = Kib("VmRSS:");
        Dateiwahl::NaechsteAntwort(liste);
        QElapsedTimer uhr;
        double cpu = 0;
        std::function<void()> bestaetigen = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QStringLiteral("Importdialog")) {
                QTimer::singleShot(0, bestaetigen);
                return;
            }
            QApplication::processEvents(); // the preview painted
            vorschau = std::min(vorschau, Ms(uhr));
            vorschauCpu = std::min(vorschauCpu, CpuMs() - cpu);
            uhr.start();
            cpu = CpuMs();
            dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        };
        QTimer::singleShot(0, bestaetigen);
        uhr.start();
        cpu = CpuMs();
        form1.Importieren1Click();
        QApplication::processEvents(); // the main window showing the new cards
        import_ = std::min(import_, Ms(uhr));
        importCpu = std::min(importCpu, CpuMs() - cpu);
        // The peak of the first run: later ones start with freed memory still held.
        if (lauf == 0) {
            zuwachsMib = static_cast<double>(Kib("VmHWM:") - vorher) / 1024.0;
        }
        karten = form1.Kartei.Gesamtzahl();
    }
    std::printf("datei_MiB              %10.1f\n", dateiMib);
    std::printf("vorschau_ms            %10.1f\n", vorschau);
    std::printf("importieren_ms         %10.1f\n", import_);
    std::printf("vorschau_cpu_ms        %10.1f\n", vorschauCpu);
    std::printf("importieren_cpu_ms     %10.1f\n", importCpu);
    std::printf("spitze_zuwachs_MiB     %10.1f\n", zuwachsMib);
    std::printf("spitze_je_datei        %10.2f\n", zuwachsMib / dateiMib);
    // What the cards themselves hold, which no way of reading the file can spare.
    double kartenMib = 0;
    for (int fach = 1; fach <= 6; ++fach) {
        kartenMib += static_cast<double>(form1.Kartei.Fach[fach].Speicherbedarf()) / 1048576.0;
    }
    std::printf("karten_MiB             %10.1f\n", kartenMib);
    std::printf("spitze_gesamt_je_datei %10.2f\n",
                static_cast<double>(Kib("VmHWM:")) / 1024.0 / dateiMib);
    form1.Kartei.Gesichert = true;
    if (karten != bench::kKarten) {
        std::fprintf(stderr, "%d cards instead of %d\n", karten, bench::kKarten);
        return 1;
    }
    return 0;
}
