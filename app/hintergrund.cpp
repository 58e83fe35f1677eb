// The background window.
#include "hintergrund.h"

#include "farben.h"

#include <QGuiApplication>
#include <QScreen>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace lexidor;

// It never takes the focus, and stays below the windows of its layer.
TForm10::TForm10()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnBottomHint) {
    setObjectName(QStringLiteral("Form10"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
}

void TForm10::FarbeSetzen(TColor farbe) {
    Farbe(this, QPalette::Window, Bildschirmfarbe(farbe));
}

// A Wayland compositor stacks windows as it likes: a screen-sized window shown after the main
// window would lie on top of it and hide it. Where an X display exists the program runs on
// it (XWayland, see main), so this holds only on a Wayland session without one.
bool TForm10::Moeglich() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool TForm10::Zeigen(TColor farbe) {
    if (!Moeglich()) {
        return false;
    }
    AlsHintergrundAnmelden();
    show();
    raise();
    setEnabled(false);
    setGeometry(QRect(QPoint(0, 0), screen()->size()));
    FarbeSetzen(farbe);
    return true;
}

// A window manager raises a clicked window and lists it in the task bar. Told that this is
// the desktop, it keeps it below every other window, does not list it, and a click on it
// raises nothing. Qt has no window type for that, so the properties are set on the X window
// before each showing (a window manager drops the states of a hidden window).
void TForm10::AlsHintergrundAnmelden() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* anzeige = x11 ? x11->display() : nullptr;
    if (!anzeige) {
        return;
    }
    const auto fenster = static_cast<Window>(winId());
    const auto atom = [anzeige](const char* name) { return XInternAtom(anzeige, name, False); };
    Atom typ = atom("_NET_WM_WINDOW_TYPE_DESKTOP");
    XChangeProperty(anzeige, fenster, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&typ), 1);
    Atom zustaende[] = {atom("_NET_WM_STATE_SKIP_TASKBAR"), atom("_NET_WM_STATE_SKIP_PAGER"),
                        atom("_NET_WM_STATE_BELOW")};
    XChangeProperty(anzeige, fenster, atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(zustaende), 3);
    XFlush(anzeige);
}
