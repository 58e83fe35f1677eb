// Pauses of the user-interface thread, which tests switch off.
#include "pause.h"

#include <QThread>

namespace lexidor {

namespace {
bool& OhnePausen() {
    static bool ab = false;
    return ab;
}
} // namespace

void Pause(int ms) {
    if (!OhnePausen()) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

void PausenAbschalten(bool ab) {
    OhnePausen() = ab;
}

} // namespace lexidor
