// Colour values and the palette.
#include "farben.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <array>

namespace lexidor {
namespace {

struct Rolle {
    QPalette::ColorGroup gruppe;
    QPalette::ColorRole rolle;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup I = QPalette::Inactive;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

// By system colour index, clScrollBar (0) to clMenuBar (30); 25 has no colour of its own.
constexpr std::array<Rolle, 31> kSystemrollen = {{
    {A, QPalette::Button},
    {A, QPalette::Dark},
    {A, QPalette::Highlight},
    {I, QPalette::Highlight},
    {A, QPalette::Window},
    {A, QPalette::Base},
    {A, QPalette::Shadow},
    {A, QPalette::WindowText},
    {A, QPalette::Text},
    {A, QPalette::HighlightedText},
    {A, QPalette::Window},
    {I, QPalette::Window},
    {A, QPalette::Dark},
    {A, QPalette::Highlight},
    {A, QPalette::HighlightedText},
    {A, QPalette::Button},
    {A, QPalette::Dark},
    {D, QPalette::Text},
    {A, QPalette::ButtonText},
    {I, QPalette::HighlightedText},
    {A, QPalette::Light},
    {A, QPalette::Shadow},
    {A, QPalette::Midlight},
    {A, QPalette::ToolTipText},
    {A, QPalette::ToolTipBase},
    {A, QPalette::Window},
    {A, QPalette::Link},
    {A, QPalette::Highlight},
    {I, QPalette::Highlight},
    {A, QPalette::Highlight},
    {A, QPalette::Window},
}};

bool IstSystemfarbe(TColor farbe) {
    return (static_cast<std::uint32_t>(farbe) >> 24) == 0xFF;
}

} // namespace

QColor Bildschirmfarbe(TColor farbe) {
    const auto wert = static_cast<std::uint32_t>(farbe);
    if (IstSystemfarbe(farbe)) {
        const std::size_t index = wert & 0xFF;
        const Rolle r =
            index < kSystemrollen.size() ? kSystemrollen[index] : Rolle{A, QPalette::Window};
        return QGuiApplication::palette().color(r.gruppe, r.rolle);
    }
    return QColor(static_cast<int>(wert & 0xFF), static_cast<int>((wert >> 8) & 0xFF),
                  static_cast<int>((wert >> 16) & 0xFF));
}

TColor Farbwert(const QColor& farbe) {
    const QColor rgb = farbe.toRgb();
    return static_cast<TColor>(static_cast<std::uint32_t>(rgb.red()) |
                               static_cast<std::uint32_t>(rgb.green()) << 8 |
                               static_cast<std::uint32_t>(rgb.blue()) << 16);
}

void Farbe(QWidget* teil, QPalette::ColorRole rolle, const QColor& farbe) {
    QPalette p = teil->palette();
    p.setColor(rolle, farbe);
    teil->setPalette(p);
}

} // namespace lexidor
