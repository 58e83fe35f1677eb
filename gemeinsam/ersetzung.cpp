// Key substitution in the text fields.
#include "ersetzung.h"

#include "umwandlung.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace lexidor {

bool Substitute(QPlainTextEdit* feld, const QString& zeichen, const Ersatztexte& texte) {
    const auto ersatz = Ersetzung(texte, NachUtf8(zeichen));
    if (!ersatz) {
        return false;
    }
    feld->textCursor().insertText(AusUtf8(*ersatz));
    // The inserted text must not end up out of sight in a long entry.
    feld->ensureCursorVisible();
    return true;
}

Sonderzeichenersetzung::Sonderzeichenersetzung(const Ersatztexte& texte, QObject* parent)
    : QObject(parent), texte_(texte) {
}

void Sonderzeichenersetzung::Einrichten(QPlainTextEdit* feld) {
    feld->installEventFilter(this);
}

bool Sonderzeichenersetzung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    auto* feld = qobject_cast<QPlainTextEdit*>(objekt);
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    // Shortcuts with Ctrl or Meta type no character; AltGr combinations do.
    if (!feld || feld->isReadOnly() || taste->text().size() != 1 ||
        (taste->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return false;
    }
    return Substitute(feld, taste->text(), texte_);
}

} // namespace lexidor
