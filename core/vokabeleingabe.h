// New and changed cards as the add and edit dialogs take them from their fields: the card
// limit, blank input, and the German side a card-box file cannot hold.
#pragma once

#include "kartei.h"

#include <string>
#include <string_view>

namespace lexidor {

inline constexpr int kKartenlimit = 3'200'000;

enum class Eingabe {
    Ok,
    Limit,       // the box holds kKartenlimit cards already
    Leer,        // both fields hold nothing but blanks and control characters
    Markerzeile, // the German side begins like a compartment marker line
};

struct Eingabeergebnis {
    Eingabe ergebnis = Eingabe::Ok;
};

// The field texts are UTF-8 as the fields hold them, lines separated by "\n". They are
// stored as typed in NFC, untrimmed, with each line break as the Windows "¾¼".

// A new card from two fields, checked as the add dialog checks it (blank input, the marker
// line); `karte` is set only with Eingabe::Ok.
Eingabeergebnis NeueVokabel(std::string_view deutsch, std::string_view fremd, TVokabel& karte);
Eingabeergebnis VokabelHinzufuegen(TKartei& kartei, std::string_view deutsch,
                                   std::string_view fremd);
// A side as the edit dialog received it: the bytes the card held, and the field text they
// became (UTF-8, as the field shows it right after filling).
struct Vorlage {
    std::string gespeichert;
    std::string gezeigt;
};

// Replaces the card at bearb (when its compartment is 1..6) by one with an empty Zusatz. A
// side whose field still shows what it showed after filling is stored exactly as it was: the
// field's line breaks cannot tell a bare "¼" or "¾" from a Windows "¾¼".
Eingabeergebnis VokabelAendern(TKartei& kartei, TPosInfo bearb, std::string_view deutsch,
                               std::string_view fremd, const Vorlage& deutschVorher,
                               const Vorlage& fremdVorher);

// A field's UTF-8 text with every "¼" and "¾" turned into the field's own line break; a
// Windows "¾¼" becomes one line break.
std::string UmbruecheImFeld(std::string_view utf8);

} // namespace lexidor
