// The level bar's geometry and animation steps: six cells "Stufe 1" to "Stufe 6",
// the highlighted cell sliding pixel by pixel after grading. Drawing is the shell's.
#pragma once

namespace lexidor {

class TStufenbar {
public:
    static constexpr int SchlusspauseMs = 400;

    explicit TStufenbar(int breite) : Breite(breite) {}

    int Stufe = 0;    // 0: empty bar, 1..6: compartment
    int Position = 0; // left edge of the highlighted cell, in pixels
    int Breite;

    int Zellbreite() const { return Breite / 6; }
    void Setzen(int n);

    // Begins an animated move; false when the bar already shows n (then not even the
    // closing pause follows).
    bool Bewegen(int n);
    bool Unterwegs() const { return Position != ziel_ && Stufe != 0; }
    // Moves one pixel towards the target; true when a 1 ms pause follows.
    bool Schritt();

    // Where label i (0..5) of the given text size goes.
    int BeschriftungX(int i, int textBreite) const;
    static int BeschriftungY(int hoehe, int textHoehe) { return (hoehe - textHoehe) / 2; }

private:
    int ziel_ = 0;
    bool vorwaerts_ = true;
};

} // namespace lexidor
