// Every message box of the program goes through here: information messages with the
// application title, and questions. Tests queue answers and read what the user saw.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace lexidor {

// The caption of information messages. Not the application's display name: Qt would append
// that to every window title.
QString Anwendungstitel();

class Meldung final {
public:
    static void Information(QWidget* parent, const QString& text);
    // Leaving a question without a choice (Escape, its close box) answers Cancel, also where
    // the box shows only Yes and No.
    static QMessageBox::StandardButton Frage(QWidget* parent, const QString& titel,
                                             const QString& text,
                                             QMessageBox::StandardButtons knoepfe);

    // For tests: while answers are queued, no box is shown and each call takes the next
    // answer (an information message takes one too). Every text shown is recorded.
    static void NaechsteAntwort(QMessageBox::StandardButton antwort);
    // While on, no box is ever shown: an unqueued question answers Cancel (No where there
    // is no Cancel), so a test that forgot an answer fails instead of hanging.
    static void Testbetrieb(bool an);
    static QStringList& Gezeigt();
    static void Zuruecksetzen();
};

} // namespace lexidor
