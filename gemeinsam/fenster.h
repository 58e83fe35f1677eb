// What the window manager shows of a window: its place on the screen, the room its caption
// needs, and a caption that is really empty.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace lexidor {

// Puts the whole window, its frame included, in the middle of bereich.
void Zentrieren(QWidget* fenster, const QRect& bereich);

// The window with its frame, as far as the frame is known yet.
QRect Rahmenrechteck(const QWidget* fenster);

// The width a window needs so that the window manager shows its caption whole beside the
// title-bar buttons.
int Titelbreite(const QString& titel);

// Sets the caption; an empty one shows no text on the screen either.
void FenstertitelSetzen(QWidget* fenster, const QString& titel);

} // namespace lexidor
