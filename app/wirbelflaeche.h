// The hidden effect: the main window blinks six times, then blue, red and black pixels rain
// on a surface over its client area and a sweep wipes it in the button-face colour.
#pragma once

#include "wirbel.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <cstdint>

class QMainWindow;

namespace lexidor {

// A child of the main window that lets the mouse through, so the program stays usable.
class Wirbelflaeche final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Wirbelflaeche)

public:
    explicit Wirbelflaeche(QMainWindow* fenster);

    // Wirbel1Click. Handles pending events after every pixel, so it may start again inside
    // itself; the inner run completes before the outer one goes on.
    void Ablaufen();
    // For tests: the run ends after this many pixels, so it takes milliseconds.
    void SchritteBegrenzen(std::uint64_t schritte) { schritte_ = schritte; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void Blinken();
    void Beginnen();
    void Setzen(const Wirbelpunkt& p);

    QMainWindow* fenster_;
    QImage bild_;
    int tiefe_ = 0;
    QElapsedTimer seitBild_;
    qint64 bildabstandNs_ = 0;
    std::uint64_t schritte_ = UINT64_MAX;
};

} // namespace lexidor
