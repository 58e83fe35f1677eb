// The end of a session nobody can answer: Unix signals turned into a call from the event loop,
// and the recovery copy of unsaved cards in the user's data folder.
#pragma once

#include "dateien.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QSocketNotifier;

namespace lexidor {

// SIGTERM (logout, shutdown), SIGHUP (the X server or terminal went) and SIGINT (Ctrl+C) call
// beenden from the event loop for as long as this object lives. A signal handler may do next
// to nothing, so it only writes to a pipe that the event loop watches (Qt's documented way).
class Signalwache final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Signalwache)

public:
    explicit Signalwache(std::function<void()> beenden, QObject* parent = nullptr);
    ~Signalwache() override;

private:
    std::function<void()> beenden_;
    QSocketNotifier* melder_ = nullptr;
};

// The recovery copy: the box as it would be saved, and beside it the path of the box it was
// made of. Both lie in $XDG_DATA_HOME/lexidor (~/.local/share/lexidor).
namespace Wiederherstellung {

QString Kopie();
// Writes the copy through schreiber (as a save would: complete or not at all), then its origin.
bool Ablegen(const std::function<bool(const Stueckweise&)>& schreiber, const std::string& original);
// The origin of the copy that lies there; nullopt when there is none. A copy whose writing
// was cut short before its origin was written is removed.
std::optional<std::string> Vorhanden();
void Entfernen();

} // namespace Wiederherstellung

} // namespace lexidor
