// The background window.
#include "hintergrund.h"

#include "farben.h"

#include <QScreen>

using namespace lexidor;

TForm10::TForm10()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("Form10"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
}

void TForm10::FarbeSetzen(TColor farbe) {
    QPalette p = palette();
    p.setColor(QPalette::Window, Bildschirmfarbe(farbe));
    setPalette(p);
}

void TForm10::Zeigen(TColor farbe) {
    show();
    raise();
    setEnabled(false);
    setGeometry(QRect(QPoint(0, 0), screen()->size()));
    FarbeSetzen(farbe);
}
