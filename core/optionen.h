// What the settings and keyboard-mapping dialogs show: value labels, the query-direction
// item and the rows of the key list.
#pragma once

#include "sonderzeichen.h"

#include <array>
#include <cstdint>
#include <string>

namespace lexidor {

// The intervals that "Auf Standardwerte zurücksetzen" puts back, compartments 2 to 5.
inline constexpr std::int32_t kStandardFach2 = 3;
inline constexpr std::int32_t kStandardFach3 = 10;
inline constexpr std::int32_t kStandardFach4 = 30;
inline constexpr std::int32_t kStandardFach5 = 90;

struct Schieberbereich {
    std::int32_t Min;
    std::int32_t Max;
};

// The track bars of the review intervals, index 2..5 as the compartments. Each keeps only its
// own range; nothing keeps the intervals rising from one compartment to the next.
inline constexpr std::array<Schieberbereich, 6> kIntervallBereiche = {
    {{0, 0}, {0, 0}, {1, 200}, {3, 200}, {6, 200}, {8, 200}}};
inline constexpr Schieberbereich kTimerBereich = {0, 60};

// "Auf Standardwerte zurücksetzen" would otherwise put a bar at the end of its range.
constexpr bool IntervallPasst(int k, std::int32_t tage) {
    return kIntervallBereiche[k].Min <= tage && tage <= kIntervallBereiche[k].Max;
}
static_assert(IntervallPasst(2, kStandardFach2) && IntervallPasst(3, kStandardFach3) &&
              IntervallPasst(4, kStandardFach4) && IntervallPasst(5, kStandardFach5));

// "30 Tage".
std::string TageText(std::int32_t tage);
// "Nach 7 Minuten", or "Deaktiviert" for 0.
std::string TimerText(std::int32_t minuten);

// The radio item for a query direction read from the file: above the last item selects the
// last one, a negative value selects none (-1).
int RichtungsIndex(std::int32_t abfragerichtung, int anzahl);

// Row i of the key list: the key, 14 blanks, its replacement text.
std::string Belegungszeile(const Ersatztexte& texte, int i);

} // namespace lexidor
