// The eleven user settings, their defaults, and how "lexidor.ini" holds them.
#pragma once

#include "kartei.h"
#include "profil.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

// A colour as a 32-bit value: red in the lowest byte, then green and blue; a high byte of
// FF names a system colour by the index in the low byte.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;

// Colour name for a value that has one, else "$" and eight upper-case hex digits.
std::string FarbeNachText(TColor farbe);
// A colour name (any letter case) or a number; nullopt for anything else.
std::optional<TColor> TextNachFarbe(std::string_view text);

// Zero, false and colour 0 until loaded, as the fields of a fresh main window are.
struct TEinstellungen {
    std::int32_t Abfragerichtung = 0;
    bool Autosave = false;
    std::int32_t Fach2 = 0, Fach3 = 0, Fach4 = 0, Fach5 = 0;
    std::int32_t Timer = 0;
    TColor Hintergrundfarbe = 0;
    bool Enterneu = false;
    bool Enterab = false;

    Intervalle Intervall() const { return {0, 0, Fach2, Fach3, Fach4, Fach5}; }
    bool operator==(const TEinstellungen&) const = default;
};

struct EinstellungenGeladen {
    bool ok = true;
    // The key whose value could not be read; the keys after it were not read.
    std::string fehlerBei;
};

// Reads in the fixed order, each key with its default. The only failure is a colour that
// is neither a name nor a number: reading stops there, and that colour stays 0.
EinstellungenGeladen EinstellungenLaden(const Profildatei& ini, TEinstellungen& e,
                                        bool& hintergrundStartFlag);

// form10Sichtbar is whether the background window is shown now, not what was read at start.
void EinstellungenSpeichern(Profildatei& ini, const TEinstellungen& e, bool form10Sichtbar);

// The profile-file integer: "0x" hex, decimal with sign, or "$" hex; nullopt otherwise.
std::optional<std::int32_t> ProfilZahl(std::string_view text);

} // namespace lexidor
