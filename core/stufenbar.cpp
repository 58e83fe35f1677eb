// Level bar: cell positions and the pixel steps of a move.
#include "stufenbar.h"

namespace lexidor {

void TStufenbar::Setzen(int n) {
    Stufe = n;
    Position = n == 0 ? 0 : Zellbreite() * (n - 1);
    ziel_ = Position;
}

bool TStufenbar::Bewegen(int n) {
    if (n == Stufe) {
        return false;
    }
    vorwaerts_ = Stufe < n;
    Stufe = n;
    ziel_ = Zellbreite() * (n - 1);
    return true;
}

bool TStufenbar::Schritt() {
    Position += vorwaerts_ ? 1 : -1;
    return vorwaerts_ && Position % 2 == 0;
}

int TStufenbar::BeschriftungX(int i, int textBreite) const {
    return Zellbreite() * i + (Zellbreite() - textBreite) / 2;
}

} // namespace lexidor
