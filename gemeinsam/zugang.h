// What assistive tools learn of a window: names for controls a screen reader could not name
// from a caption of their own, and access keys in the menus.
#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace lexidor {

// The label names the control for a screen reader, its colon left off, and looks as before.
void Beschriften(QLabel* beschriftung, QWidget* feld);

// The caption without the colon a label ends with.
QString OhneDoppelpunkt(const QString& text);

// Every visible menu item with a shortcut names it in its text after a tab, where the menu
// shows it anyway: a screen reader reads the name, and Orca 43 does not read Qt's key binding.
void TastenNennen(QMenuBar* leiste);

// Tab lands on the checked button of a group (on the first while none is): arrows then move
// the choice, so a user arriving by Tab does not change it by accident.
void TabZurWahl(const QList<QAbstractButton*>& knoepfe);

// Access keys for the visible menu titles and, menu by menu, for their visible items: a letter
// that begins a word first, any other letter next, each letter at most once per menu. The
// visible text changes only by the underline. Items whose text changes while the program runs
// are left out, as is every item that already has one.
void Zugangstasten(QMenuBar* leiste, const QList<QAction*>& ausgenommen = {});

} // namespace lexidor
