// Colour values of the settings on screen: plain values are RGB with red in the lowest
// byte, system colours come from the matching role of the application's palette.
#pragma once

#include "einstellungen.h"

#include <QColor>

namespace lexidor {

QColor Bildschirmfarbe(TColor farbe);
// The value of a colour picked on screen, so that a named colour is written by its name.
TColor Farbwert(const QColor& farbe);

} // namespace lexidor
