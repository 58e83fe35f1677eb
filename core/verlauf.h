// The learning history of a card box: one record per day studied, kept in a small file of
// the user's outside the box, and the forecast of the cards that come due.
#pragma once

#include "kartei.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

struct TTagesstand {
    Datum Tag;
    int Richtige = 0;
    int Falsche = 0;
    std::array<int, 7> Faecher{}; // 1..6: cards per compartment at the day's last record
    bool operator==(const TTagesstand&) const = default;
};

struct TVerlauf {
    std::vector<TTagesstand> Tage; // oldest first, each day once
    int Beschaedigt = 0;           // lines that could not be read and were left out
};

TVerlauf VerlaufLesen(std::string_view bytes);
std::string VerlaufSchreiben(const TVerlauf& verlauf);

// Today's record, added or updated: the compartments as they are now, the answers added up.
void TagEintragen(TVerlauf& verlauf, Datum heute, const TKartei& kartei, int richtige, int falsche);

// The days in a row with answers up to today; a today without answers yet does not break it.
int TageInFolge(const TVerlauf& verlauf, Datum heute);

// The records of the last `tage` days up to today; all of them for tage <= 0.
std::span<const TTagesstand> Zeitraum(const TVerlauf& verlauf, Datum heute, int tage);

// The history file of a box in the user's data folder: named after the box's path, so a box
// that is moved starts afresh, and free of characters a file name cannot hold.
std::string VerlaufDateiname(std::string_view kartenpfad);

// Whether compartment k (1..6) is on offer today: 1 always, 2..5 while due, 6 never.
bool FachHeuteFaellig(const TKartei& kartei, int k, Datum heute);

inline constexpr int kVorschauTage = 30;
// Cards that come due on each of the next days, today first; overdue cards count for today.
std::array<int, kVorschauTage> Vorschau(const TKartei& kartei, Datum heute);

} // namespace lexidor
