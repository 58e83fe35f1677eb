// Drawing of the level bar: navy strip, sky-blue cell, navy labels that show only on it.
#include "stufenbarflaeche.h"

#include "plattform.h"

#include <QPainter>
#include <QPixmap>

namespace lexidor {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kHimmelblau(166, 202, 240);

} // namespace

Stufenbarflaeche::Stufenbarflaeche(int breite, int hoehe, QWidget* parent)
    : QWidget(parent), balken_(breite) {
    setFixedSize(breite, hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Stufenbarflaeche::Setzen(int n) {
    balken_.Setzen(n);
    Zeichnen();
}

void Stufenbarflaeche::Bewegen(int n) {
    if (!balken_.Bewegen(n)) {
        return;
    }
    while (balken_.Unterwegs()) {
        const bool pause = balken_.Schritt();
        Zeichnen();
        if (pause) {
            Pause(1);
        }
    }
    Pause(TStufenbar::SchlusspauseMs);
}

void Stufenbarflaeche::Zeichnen() {
    repaint();
}

void Stufenbarflaeche::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    // Drawn off screen and copied in one step, so a sliding cell never flickers.
    QPixmap bild(w, h);
    bild.fill(kNavy);
    if (balken_.Stufe != 0) {
        QPainter maler(&bild);
        maler.setPen(QPen(kNavy, 1));
        maler.setBrush(kHimmelblau);
        maler.drawRect(balken_.Position, 1, balken_.Zellbreite() - 1, h - 4);
        QFont schrift(QStringLiteral("Arial"), 12, QFont::Bold);
        maler.setFont(schrift);
        const QFontMetrics masse(schrift);
        for (int i = 0; i < 6; ++i) {
            const QString text = QStringLiteral("Stufe %1").arg(i + 1);
            const int x = balken_.BeschriftungX(i, masse.horizontalAdvance(text));
            const int y = TStufenbar::BeschriftungY(h, masse.height());
            maler.drawText(x, y + masse.ascent(), text);
        }
    }
    QPainter(this).drawPixmap(0, 0, bild);
}

} // namespace lexidor
