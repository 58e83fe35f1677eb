// Gradient panel.
#include "verlaufspanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace lexidor {

Verlaufspanel::Verlaufspanel(QWidget* parent)
    : Verlaufspanel(parent, QColor(), QColor(166, 202, 240)) {
}

Verlaufspanel::Verlaufspanel(QWidget* parent, const QColor& oben, const QColor& unten)
    : QWidget(parent), oben_(oben), unten_(unten) {
}

void Verlaufspanel::paintEvent(QPaintEvent*) {
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, oben_.isValid() ? oben_ : palette().color(QPalette::Window));
    verlauf.setColorAt(1, unten_.isValid() ? unten_ : palette().color(QPalette::Window));
    QPainter(this).fillRect(rect(), verlauf);
}

} // namespace lexidor
