// The hidden effect's order of pixels.
#include "wirbel.h"

#include <algorithm>

namespace lexidor {

Wirbelablauf::Wirbelablauf(int breite, int hoehe, Zufall& zufall)
    : breite_(breite), hoehe_(hoehe), zufall_(zufall) {
}

std::optional<Wirbelpunkt> Wirbelablauf::Naechster() {
    const std::uint64_t phase = gesetzt_ / kWirbelPunkteJeFarbe;
    if (phase < 3) {
        ++gesetzt_;
        return Zufallspunkt(static_cast<Wirbelfarbe>(phase));
    }
    if (x_ > breite_) {
        return std::nullopt;
    }
    return Schwenkpunkt();
}

Wirbelpunkt Wirbelablauf::Zufallspunkt(Wirbelfarbe farbe) {
    // An empty client area draws 0, as a random range of zero does.
    const auto x = zufall_.Unter(static_cast<std::uint32_t>(std::max(breite_, 1)));
    const auto y = zufall_.Unter(static_cast<std::uint32_t>(std::max(hoehe_, 1)));
    return {static_cast<int>(x), static_cast<int>(y), farbe, false};
}

Wirbelpunkt Wirbelablauf::Schwenkpunkt() {
    Wirbelpunkt p{x_, y_, Wirbelfarbe::Flaeche, y_ == hoehe_};
    if (p.spaltenende) {
        y_ = 0;
        ++x_;
    } else {
        ++y_;
    }
    return p;
}

} // namespace lexidor
