// The paint box of the level bar: draws a TStufenbar, animates its moves and tells assistive
// tools the level it shows.
#pragma once

#include "stufenbar.h"

#include <QWidget>

namespace lexidor {

class Stufenbarflaeche final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Stufenbarflaeche)

public:
    Stufenbarflaeche(int breite, int hoehe, QWidget* parent);

    const TStufenbar& Balken() const { return balken_; }
    // What a screen reader says of the bar: "Stufe 3", or "Keine Stufe" for the empty bar.
    QString Stufenname() const;
    void Setzen(int n);
    // Slides the highlighted cell pixel by pixel and pauses, blocking as the user expects
    // the card to travel before the next one comes.
    void Bewegen(int n);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void Zeichnen();
    void StufeMelden();
    TStufenbar balken_;
};

} // namespace lexidor
