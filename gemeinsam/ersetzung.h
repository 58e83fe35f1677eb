// Typing a mapped key inserts its replacement text instead of the key's own character.
#pragma once

#include "sonderzeichen.h"

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace lexidor {

// Replaces the selection of feld (or inserts at the caret) when zeichen has a replacement.
// True when it did, and the typed character is then to be discarded.
bool Substitute(QPlainTextEdit* feld, const QString& zeichen, const Ersatztexte& texte);

// Calls Substitute for every character typed into the fields it is installed on. The table
// is read at each key press, so a change to it counts from the next key on.
class Sonderzeichenersetzung final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sonderzeichenersetzung)

public:
    Sonderzeichenersetzung(const Ersatztexte& texte, QObject* parent);
    void Einrichten(QPlainTextEdit* feld);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    const Ersatztexte& texte_;
};

} // namespace lexidor
