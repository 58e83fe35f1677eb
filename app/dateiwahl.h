// The open and save dialogs: for card-box files, and for the files of other programs that
// vocabulary is imported from or exported to. Tests queue the names a user would choose.
#pragma once

#include "vokabelexport.h"

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
    static std::optional<QString> Importieren(QWidget* parent, QString& letzter);

    // The name and the file type chosen from the list, whose order is Exportformat's.
    struct Export {
        QString name;
        Exportformat format = Exportformat::CsvSemikolon;
    };
    static std::optional<Export> Exportieren(QWidget* parent, QString& letzter);

    // For tests: while answers are queued, no dialog is shown and each call takes the next,
    // with the file type given.
    static void NaechsteAntwort(std::optional<QString> antwort, int typ = 0);
    static void Zuruecksetzen();
    // While on, an unqueued dialog counts as cancelled and is never shown.
    static void Testbetrieb(bool an);
};

} // namespace lexidor
