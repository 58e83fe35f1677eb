// Pieces that several windows are built from, so they look and behave alike.
#pragma once

#include "vokabeleingabe.h"

#include <QIcon>
#include <QString>

class QGridLayout;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lexidor {

// A text field in which Tab moves on instead of typing a tab.
QPlainTextEdit* Textfeld(const char* name, QWidget* parent);

// A button that Enter in another control never presses by accident.
QPushButton* Knopf(const char* name, const QString& text, QWidget* parent, const QIcon& bild = {});

// The foreign field (left) and the German field (right) under their captions in rows 0 and 1
// of a new grid on the dialog; Tab goes from the foreign to the German field.
QGridLayout* BedeutungsfelderAnordnen(QWidget* dialog, QPlainTextEdit* fremd,
                                      QPlainTextEdit* deutsch);

// Says why a card from the add or the edit dialog was refused (its German side begins like a
// marker line); the fields keep their text.
void EingabeAbgelehntMelden(QWidget* parent);

} // namespace lexidor
