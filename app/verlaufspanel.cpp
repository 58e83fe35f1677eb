// Gradient panel.
#include "verlaufspanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace lexidor {

Verlaufspanel::Verlaufspanel(QWidget* parent) : QWidget(parent) {
}

void Verlaufspanel::paintEvent(QPaintEvent*) {
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, palette().color(QPalette::Window));
    verlauf.setColorAt(1, QColor(166, 202, 240));
    QPainter(this).fillRect(rect(), verlauf);
}

} // namespace lexidor
