// The system-wide hot key.
#include "hotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <xcb/xcb.h>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace lexidor {
namespace {

constexpr unsigned kStrgAlt = ControlMask | Mod1Mask;
// CapsLock and NumLock must not stop the key: grab it with each of them too.
constexpr unsigned kSperren[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

Display* X11Anzeige() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace

Globaltaste::Globaltaste(QWidget* fenster, std::function<void()> aktion)
    : QObject(fenster), aktion_(std::move(aktion)) {
    Display* anzeige = X11Anzeige();
    if (!anzeige) {
        auto* kurz = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W), fenster);
        kurz->setContext(Qt::ApplicationShortcut);
        connect(kurz, &QShortcut::activated, this, [this] { aktion_(); });
        return;
    }
    anzeige_ = anzeige;
    tastencode_ = XKeysymToKeycode(anzeige, XK_w);
    Greifen(true);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

Globaltaste::~Globaltaste() {
    if (anzeige_) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        Greifen(false);
    }
}

void Globaltaste::Greifen(bool an) {
    auto* anzeige = static_cast<Display*>(anzeige_);
    const Window wurzel = DefaultRootWindow(anzeige);
    for (const unsigned sperre : kSperren) {
        if (an) {
            XGrabKey(anzeige, static_cast<int>(tastencode_), kStrgAlt | sperre, wurzel, False,
                     GrabModeAsync, GrabModeAsync);
        } else {
            XUngrabKey(anzeige, static_cast<int>(tastencode_), kStrgAlt | sperre, wurzel);
        }
    }
    XFlush(anzeige);
}

bool Globaltaste::nativeEventFilter(const QByteArray& typ, void* nachricht, qintptr*) {
    if (typ != "xcb_generic_event_t") {
        return false;
    }
    const auto* ereignis = static_cast<const xcb_generic_event_t*>(nachricht);
    if ((ereignis->response_type & 0x7F) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* taste = static_cast<const xcb_key_press_event_t*>(nachricht);
    const unsigned gedrueckt = taste->state & (ShiftMask | ControlMask | Mod1Mask | Mod4Mask);
    if (taste->detail != tastencode_ || gedrueckt != kStrgAlt) {
        return false;
    }
    // Not inside the filter: the effect runs its own event handling for seconds.
    QMetaObject::invokeMethod(
        this, [this] { aktion_(); }, Qt::QueuedConnection);
    return true;
}

} // namespace lexidor
