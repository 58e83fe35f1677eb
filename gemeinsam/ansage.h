// Tells a screen reader what has just appeared in a window, without changing what the window
// shows.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace lexidor {

// The text becomes the accessible description of the control that has the focus in the window
// (of the window itself when none has), and while assistive technology is active a change
// event that carries the text makes a screen reader read it out: Orca presents description
// changes of the object the user is on. Qt 6.4 has no announcement event, its AT-SPI bridge
// drops QAccessible::Alert, and Orca 43 ignores a text change it did not see typed and a
// focus move that Qt reports after the caret. The control that carried the previous
// announcement gets its own description back.
void Ansagen(QWidget* fenster, const QString& text);

// Makes Orca 43 speak the control that takes the focus where Qt 6.4 reports it in an order
// Orca does not follow: a dialog's control, reported before the dialog is the active window,
// and a line edit reached by Tab, whose selection is reported before its focus. Works while
// assistive technology is active, for as long as the owner lives.
void FokusMelden(QObject* besitzer);

} // namespace lexidor
