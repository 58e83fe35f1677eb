// The card-box file (.vkd): four review dates, then six compartments between seven
// marker lines, five lines per card, code page 1252, lines ended by CR LF.
#pragma once

#include "kartei.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

inline constexpr std::array<std::string_view, 7> kMarker = {
    "-----------Anfang der Datei / Anfang Fach1----------",
    "----------------ENDE Fach1 / Anfang Fach2-----------",
    "---------------ENDE Fach2 / Anfang Fach3 -----------",
    "--------------ENDE Fach3 / Anfang Fach4-------------",
    "-------------ENDE Fach4 / Anfang Fach5--------------",
    "-----------ENDE Fach5 / Anfang Fach6 -------------",
    "----------ENDE Fach6 / ENDE DER DATEI --------------",
};

inline constexpr std::string_view kKartenende = "<<<<<>>>>>";

// The bytes of the file for the card box; dates in the given short-date pattern.
std::string KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster);

// Fills the empty card box from the bytes of the file named by its Dateipfad (nullopt when
// the file could not be read). On failure the box may hold part of the file; the caller
// closes it.
bool KarteiLesen(TKartei& kartei, std::optional<std::string_view> datei,
                 std::string_view datumsmuster, Datum heute, Zufall& zufall);

} // namespace lexidor
