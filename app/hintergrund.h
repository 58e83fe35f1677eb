// The background window: a borderless full-screen area in one colour behind the main window.
#pragma once

#include "einstellungen.h"

#include <QWidget>

inline constexpr char kKeinHintergrund[] =
    "Auf einer Wayland-Sitzung ohne X-Server kann Lexidor den Hintergrund nicht hinter sein "
    "Fenster legen; er bleibt deshalb aus.";

// Top-level with no parent, so that the window manager does not keep it above the main
// window; it never keeps the program running on its own.
class TForm10 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm10)

public:
    TForm10();

    void FarbeSetzen(lexidor::TColor farbe);
    // Shows it over the whole screen at (0, 0), disabled, in farbe; the caller then gives
    // the main window the focus to bring it in front. False, and nothing shown, where the
    // window system lets no program keep a window below its others.
    bool Zeigen(lexidor::TColor farbe);
    static bool Moeglich();

private:
    void AlsHintergrundAnmelden();
};
