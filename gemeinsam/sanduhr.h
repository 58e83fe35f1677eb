// The busy cursor and the window system told at once.
#pragma once

#include <QtGlobal>

namespace lexidor {

// The busy cursor for as long as it exists: reading, saving or searching a big card box keeps
// the user-interface thread from the user for a moment.
class Sanduhr final {
public:
    Sanduhr();
    ~Sanduhr();
    Q_DISABLE_COPY_MOVE(Sanduhr)
};

// Sends the window system at once what Qt has queued for it (a repaint, a cursor), before a
// step that keeps the event loop busy.
void AnzeigeAbschicken();

} // namespace lexidor
