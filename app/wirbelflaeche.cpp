// The hidden effect on its surface.
#include "wirbelflaeche.h"

#include "farben.h"
#include "pause.h"
#include "uhr.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>

namespace lexidor {
namespace {

constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

QRgb Pixelfarbe(Wirbelfarbe farbe) {
    switch (farbe) {
    case Wirbelfarbe::Blau:
        return qRgb(0, 0, 255);
    case Wirbelfarbe::Rot:
        return qRgb(255, 0, 0);
    case Wirbelfarbe::Schwarz:
        return qRgb(0, 0, 0);
    case Wirbelfarbe::Flaeche:
        break;
    }
    return Bildschirmfarbe(clBtnFace).rgb();
}

} // namespace

Wirbelflaeche::Wirbelflaeche(QMainWindow* fenster) : QWidget(fenster), fenster_(fenster) {
    setObjectName(QStringLiteral("Wirbelflaeche"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Wirbelflaeche::Ablaufen() {
    Blinken();
    MersenneZufall zufall(Uhrsaat());
    if (tiefe_++ == 0) {
        Beginnen();
    }
    Wirbelablauf ablauf(width(), height(), zufall);
    for (std::uint64_t n = 0; n < schritte_; ++n) {
        const auto p = ablauf.Naechster();
        if (!p) {
            break;
        }
        Setzen(*p);
        QCoreApplication::processEvents();
        if (p->spaltenende) {
            QCoreApplication::processEvents();
        }
    }
    // The controls come back on top, as they would once they repaint themselves.
    if (--tiefe_ == 0) {
        hide();
    }
}

void Wirbelflaeche::Blinken() {
    for (int i = 0; i < kWirbelUmschaltungen; ++i) {
        fenster_->setVisible(!fenster_->isVisible());
        // The pause blocks, so the window system must see the change before it.
        QGuiApplication::sync();
        Pause(kWirbelPauseMs);
    }
}

void Wirbelflaeche::Beginnen() {
    const QWidget* menue = fenster_->menuWidget();
    const int oben = menue ? menue->geometry().bottom() + 1 : 0;
    setGeometry(0, oben, fenster_->width(), fenster_->height() - oben);
    bild_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    bild_.fill(Qt::transparent);
    const qreal hz = screen() ? screen()->refreshRate() : 60.0;
    bildabstandNs_ = static_cast<qint64>(1e9 / (hz > 0 ? hz : 60.0));
    seitBild_.start();
    show();
    raise();
}

void Wirbelflaeche::Setzen(const Wirbelpunkt& p) {
    if (bild_.rect().contains(p.x, p.y)) {
        bild_.setPixel(p.x, p.y, Pixelfarbe(p.farbe));
    }
    // Every pixel is drawn, but the screen is repainted at most once a frame.
    if (seitBild_.nsecsElapsed() >= bildabstandNs_) {
        update();
        seitBild_.restart();
    }
}

void Wirbelflaeche::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, bild_);
}

} // namespace lexidor
