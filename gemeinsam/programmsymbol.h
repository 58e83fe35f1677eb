// The icon drawn for Lexidor: the icon of every window and the about window's picture.
#pragma once

#include <QIcon>

namespace lexidor {

// Every size of the desktop's icon theme, 16 to 256 pixels.
QIcon Programmsymbol();

} // namespace lexidor
