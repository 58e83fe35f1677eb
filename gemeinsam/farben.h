// Colour values of the settings on screen: plain values are RGB with red in the lowest
// byte, system colours come from the matching role of the application's palette. And the
// colours the windows give their parts.
#pragma once

#include "einstellungen.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace lexidor {

QColor Bildschirmfarbe(TColor farbe);
// The value of a colour picked on screen, so that a named colour is written by its name.
TColor Farbwert(const QColor& farbe);

// The light face under a text in a fixed colour, so that a dark desktop palette cannot take
// its contrast away.
inline const QColor kFlaeche(240, 240, 240);

// One role of the part's palette.
void Farbe(QWidget* teil, QPalette::ColorRole rolle, const QColor& farbe);

} // namespace lexidor
