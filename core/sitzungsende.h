// The end of a session nobody can answer (logout, SIGTERM, SIGHUP): what becomes of the open
// card box, and the question that offers a recovery copy at the next start.
#pragma once

#include "kartei.h"

#include <string>
#include <string_view>

namespace lexidor {

enum class Sitzungssicherung {
    Nichts, // no box, or nothing unsaved
    Kartei, // autosave is on and the box has its file: the box is saved as autosave would
    Kopie,  // the changes go to a recovery copy; the box's file stays as the user last saved it
};

Sitzungssicherung BeimSitzungsende(const TKartei& kartei, bool autosave);

inline constexpr std::string_view kWiederherstellungTitel = "Ungesicherte Änderungen gefunden";
// The display name of the box at pfad: "Neu" for one that never had a file (kKeineDatei).
std::string AnzeigenameVon(std::string_view pfad);
// original: the path of the box the copy was made of.
std::string WiederherstellungFrage(std::string_view original);

} // namespace lexidor
