// The hidden effect's pixels in the order they are set: three colours of random pixels, then
// a sweep of the whole client area column by column.
#pragma once

#include "zufall.h"

#include <cstdint>
#include <optional>

namespace lexidor {

// The window blinks six times: twelve toggles of its visibility, 100 ms apart.
inline constexpr int kWirbelUmschaltungen = 12;
inline constexpr int kWirbelPauseMs = 100;
// Two million and one random pixels of each colour.
inline constexpr std::uint32_t kWirbelPunkteJeFarbe = 2000001;

enum class Wirbelfarbe { Blau, Rot, Schwarz, Flaeche };

struct Wirbelpunkt {
    int x = 0;
    int y = 0;
    Wirbelfarbe farbe = Wirbelfarbe::Blau;
    // The sweep's last pixel of a column, after which events are handled once more.
    bool spaltenende = false;
};

class Wirbelablauf {
public:
    // breite and hoehe: the client area; the sweep runs to both of them inclusive.
    Wirbelablauf(int breite, int hoehe, Zufall& zufall);
    // nullopt once the sweep has set its last pixel.
    std::optional<Wirbelpunkt> Naechster();

private:
    Wirbelpunkt Zufallspunkt(Wirbelfarbe farbe);
    Wirbelpunkt Schwenkpunkt();

    int breite_;
    int hoehe_;
    Zufall& zufall_;
    std::uint64_t gesetzt_ = 0;
    int x_ = 0;
    int y_ = 0;
};

} // namespace lexidor
