// Tells a screen reader what has just appeared in a window, without changing what the window
// shows.
#pragma once

#include <QString>

class QWidget;

namespace lexidor {

// The text becomes the accessible description of the control that has the focus in the window
// (of the window itself when none has), and the change event makes a screen reader read it
// out: Orca presents description changes of the object the user is on. Qt 6.4 has no
// announcement event, and its AT-SPI bridge drops QAccessible::Alert. The control that carried
// the previous announcement gets its own description back.
void Ansagen(QWidget* fenster, const QString& text);

} // namespace lexidor
