// The card-box file (.vkd): four review dates, then six compartments between seven
// marker lines, five lines per card, lines ended by CR LF. A box whose cards all fit code page
// 1252 is written in it; any other as UTF-8 with a byte-order mark before the first line.
#pragma once

#include "kartei.h"

#include <array>
#include <functional>
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

// Takes the file's bytes piece by piece; false stops the writing.
using Senke = std::function<bool(std::string_view)>;

// Hands the bytes of the file for the card box (UTF-8 when !kartei.NurCp1252()) to senke in pieces
// of about a megabyte (more when one card is larger), dates in the given short-date pattern, so
// that the file never needs to be held whole beside the box. False when senke stopped it.
bool KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster, const Senke& senke);
// The same bytes in one piece.
std::string KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster);

// Fills the empty card box from the bytes of a file piece by piece, as they come from the
// disk, so that the file is never held whole beside the box. A piece may end anywhere, even
// between the CR and the LF of one line end or within the byte-order mark. A file that starts
// with the UTF-8 mark is UTF-8 (and broken where it is not), any other code page 1252; the
// box's Utf8Datei tells which it was.
class KarteiLeser {
public:
    // The box's Dateipfad names the file.
    KarteiLeser(TKartei& kartei, std::string_view datumsmuster, Datum heute);
    // False once the rest of the file does not matter: the box is complete or the file broken.
    bool Weiter(std::string_view stueck);
    // After the last piece: true when the file held a whole card box, whose compartments 1 to
    // 5 are then shuffled. On failure the box may hold part of the file; the caller closes it.
    bool Ende(Zufall& zufall);

private:
    enum class Schritt { Termin, Anfang, Deutsch, Fremd, Zusatz, Flag, Kartenende, Fertig, Fehler };
    enum class Kodierung { Offen, Cp1252, Utf8 };
    bool Laeuft() const { return schritt_ != Schritt::Fertig && schritt_ != Schritt::Fehler; }
    bool KodierungErkennen(std::string_view stueck);
    std::size_t Zeilen(std::string_view stueck, std::size_t pos, bool& mitRest);
    void Zeile(std::string_view zeile);
    std::optional<std::size_t> GanzeKarte(std::string_view stueck, std::size_t pos);
    void Text(std::string_view zeile, std::string& text) const;
    void Karte(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
               std::optional<bool> nurCp1252);
    void TerminLesen(std::string_view zeile);

    TKartei& kartei_;
    std::string datumsmuster_;
    Datum heute_;
    Schritt schritt_ = Schritt::Termin;
    int termin_ = 2;
    int fach_ = 1;
    Kodierung kodierung_ = Kodierung::Offen;
    std::string anfang_;                   // the first bytes, until they tell the encoding
    std::string deutsch_, fremd_, zusatz_; // the card being read, in the file's encoding
    std::string rest_;                     // the start of a line that a later piece ends
    bool crZuletzt_ = false;               // the last piece ended in a CR whose LF may come next
};

// Fills the empty card box from the bytes of the file named by its Dateipfad (nullopt when
// the file could not be read). On failure the box may hold part of the file; the caller
// closes it.
bool KarteiLesen(TKartei& kartei, std::optional<std::string_view> datei,
                 std::string_view datumsmuster, Datum heute, Zufall& zufall);

} // namespace lexidor
