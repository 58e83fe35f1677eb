// Window placement and captions.
#include "fenster.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStyle>
#include <QWidget>
#include <QWindow>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lexidor {
namespace {

// Title-bar buttons, the window icon and the padding around the caption, with room to spare
// for the window managers that draw them larger.
constexpr int kKnopfraum = 140;

// The frame is known once the window manager has framed a window; before its first showing
// a window borrows the frame of another visible one, or else assumes a title bar.
QMargins Rahmen(const QWidget* fenster) {
    const auto bekannt = [](const QWidget* w) {
        return w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
    };
    if (const QMargins eigen = bekannt(fenster); !eigen.isNull()) {
        return eigen;
    }
    for (const QWidget* anderes : QApplication::topLevelWidgets()) {
        if (anderes != fenster && anderes->isVisible() && !bekannt(anderes).isNull()) {
            return bekannt(anderes);
        }
    }
    const int titel = fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {1, titel, 1, 1};
}

} // namespace

void Zentrieren(QWidget* fenster, const QRect& bereich) {
    const QMargins rahmen = Rahmen(fenster);
    const QSize aussen = fenster->size().grownBy(rahmen);
    const QPoint ecke = bereich.topLeft() + QPoint((bereich.width() - aussen.width()) / 2,
                                                   (bereich.height() - aussen.height()) / 2);
    // The client area is placed: move() would count the frame only once Qt knows it, so a
    // window would stand lower from its second showing on.
    fenster->setGeometry(QRect(ecke + QPoint(rahmen.left(), rahmen.top()), fenster->size()));
}

QRect Rahmenrechteck(const QWidget* fenster) {
    return fenster->geometry().marginsAdded(Rahmen(fenster));
}

int Titelbreite(const QString& titel) {
    QFont schrift = QApplication::font();
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + kKnopfraum;
}

void FenstertitelSetzen(QWidget* fenster, const QString& titel) {
    fenster->setWindowTitle(titel);
    // Qt hands the window manager the program's name in place of an empty caption, and a
    // window manager may show a name of its own for one ("Unnamed Window" in openbox). On
    // X11 the caption properties get a single blank behind Qt's back: it shows no glyph.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* anzeige = x11 ? x11->display() : nullptr;
    if (!titel.isEmpty() || !anzeige || !fenster->windowHandle()) {
        return;
    }
    const auto id = static_cast<Window>(fenster->winId());
    const unsigned char leer[] = " ";
    XChangeProperty(anzeige, id, XInternAtom(anzeige, "_NET_WM_NAME", False),
                    XInternAtom(anzeige, "UTF8_STRING", False), 8, PropModeReplace, leer, 1);
    XChangeProperty(anzeige, id, XA_WM_NAME, XA_STRING, 8, PropModeReplace, leer, 1);
    XFlush(anzeige);
}

} // namespace lexidor
