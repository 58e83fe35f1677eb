// The busy cursor, sent to the X server at once.
#include "sanduhr.h"

#include <QCursor>
#include <QGuiApplication>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xlib.h>

namespace lexidor {

Sanduhr::Sanduhr() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    AnzeigeAbschicken();
}

Sanduhr::~Sanduhr() {
    QGuiApplication::restoreOverrideCursor();
}

void AnzeigeAbschicken() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display* anzeige = x11 ? x11->display() : nullptr) {
        XFlush(anzeige);
    }
}

} // namespace lexidor
