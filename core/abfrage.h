// The query: which card is asked next, the answer check, the grading moves, and the
// counters and clock of the statistics panel. The main window owns one and shows its state.
#pragma once

#include "einstellungen.h"
#include "kartei.h"
#include "zufall.h"

#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

enum class TZustand { Offen = 0, Aufgedeckt = 1, Abgelehnt = 2 };

inline constexpr std::string_view kNichtsZuLernen = "Momentan gibt es nichts zu lernen!";

struct TAktuelleVokabel {
    std::string Deutsch;
    std::string Fremd;
    std::string Zusatz;
};

// What a reveal (F9) or an automatic check (F10) came to; the shell acts on it.
// KeineKartei: the shell says so with this message.
inline constexpr std::string_view kKeineKartei = "Keine Vokabelkartei geöffnet!";
enum class TAufdeckung { Nichts, KeineKartei, Aufgedeckt };
// Richtig and Abgelehnt have revealed the solution; Richtig is graded right at once.
// Weiter: the user accepts a rejection, which grades the answer wrong.
enum class TPruefung { Nichts, KeineKartei, Richtig, Abgelehnt, Weiter };

class TAbfrage {
public:
    int AktuellesFach = 0; // 1..5, -1 when nothing is to be learned, 0 before the first box
    int Fach1Position = 0;
    bool Wechsel = false;
    TAktuelleVokabel AktuelleVokabel;
    int Richtung = 0; // 0: the German side is asked, 1: the foreign side
    TZustand Zustand = TZustand::Offen;

    int Richtige = 0;
    int Falsche = 0;
    int Minuten = 0;
    int Sekunden = 0;
    bool ErinnerungOffen = false;

    void AbfrageStarten(TKartei& kartei);

    // False (and nothing changes) while no box is open.
    bool NaechsteVokabel(TKartei& kartei, Datum heute, const TEinstellungen& e, Zufall& zufall);
    std::string Frage() const;   // the side shown, or the nothing-to-learn text
    std::string Loesung() const; // the side to be typed
    int Balkenstufe() const;     // the level bar's level for the card shown

    TAufdeckung Aufdecken(TKartei& kartei);
    // eingabe is the typed answer (UTF-8).
    TPruefung AutomatischPruefen(TKartei& kartei, std::string_view eingabe);
    // Whether R (richtig) or F (falsch) grades in the present state.
    bool KannBewerten(bool richtig) const;
    // Counts the answer and moves the card. The level the bar runs to, or nullopt when the
    // grading finds no box or no card to move and so does nothing.
    std::optional<int> VokabelVerschieben(TKartei& kartei, bool richtig, Zufall& zufall);

    void Sekundentakt();
    // Whether the study-time reminder is due now, after timer minutes (0: never). It comes
    // once per query; the call that answers true uses it up.
    bool ErinnerungFaellig(std::int32_t timer);
    std::string Zeittext() const;
    // Right answers in whole percent; nullopt before the first answer.
    std::optional<int> Prozent() const;
};

// What the query area shows in an answer state: whether the answer can be typed, which
// buttons work, the captions and width of the buttons that change, the colours of the typed
// answer and the solution, whether the verdict labels show, and whether the letters R and
// F grade.
struct TAbfragebild {
    bool Eingabe;
    bool Selbst; // F9
    bool Richtig;
    bool Falsch;
    std::string_view RichtigText;
    int RichtigBreite;
    std::string_view PruefenText; // F10
    TColor Antwortfarbe;
    TColor Loesungsfarbe;
    bool Urteil;
    bool Tasten;
    bool operator==(const TAbfragebild&) const = default;
};
TAbfragebild Abfragebild(TZustand zustand);

// Letter case (in every script), the ends' blanks and line breaks do not count, nor does the
// form of a character in NFC; everything else does.
bool AntwortRichtig(std::string_view antwort, std::string_view loesung);

std::string FachText(int k, int anzahl);
std::string GesamtText(int anzahl);

} // namespace lexidor
