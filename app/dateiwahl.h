// The open and save dialogs for card-box files. Tests queue the names a user would choose.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

namespace lexidor {

class Dateiwahl final {
public:
    // The chosen name, or nullopt when the dialog was cancelled. letzter is the name chosen
    // last in the same dialog; the dialog starts with it and a choice replaces it.
    static std::optional<QString> Oeffnen(QWidget* parent, QString& letzter);
    static std::optional<QString> Speichern(QWidget* parent, QString& letzter);

    // For tests: while answers are queued, no dialog is shown and each call takes the next.
    static void NaechsteAntwort(std::optional<QString> antwort);
    static void Zuruecksetzen();
    // While on, an unqueued dialog counts as cancelled and is never shown.
    static void Testbetrieb(bool an);
};

} // namespace lexidor
