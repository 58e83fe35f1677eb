// File dialogs with the card-box filter.
#include "dateiwahl.h"

#include <QFileDialog>
#include <QList>

namespace lexidor {
namespace {

QList<std::optional<QString>>& Antworten() {
    static QList<std::optional<QString>> antworten;
    return antworten;
}

bool& ImTest() {
    static bool an = false;
    return an;
}

std::optional<QString> Waehlen(QWidget* parent, QString& letzter, QFileDialog::AcceptMode modus) {
    if (!Antworten().isEmpty()) {
        auto antwort = Antworten().takeFirst();
        if (antwort) {
            letzter = *antwort;
        }
        return antwort;
    }
    if (ImTest()) {
        return std::nullopt;
    }
    QFileDialog dialog(parent);
    dialog.setAcceptMode(modus);
    // A name that does not exist is accepted in both; opening it then reports the error.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Vokabeldatei (*.vkd)"));
    if (modus == QFileDialog::AcceptOpen) {
        dialog.setWindowTitle(QStringLiteral("Vokabelkartei öffnen"));
    }
    if (!letzter.isEmpty()) {
        dialog.selectFile(letzter);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    letzter = dialog.selectedFiles().constFirst();
    return letzter;
}

} // namespace

std::optional<QString> Dateiwahl::Oeffnen(QWidget* parent, QString& letzter) {
    return Waehlen(parent, letzter, QFileDialog::AcceptOpen);
}

std::optional<QString> Dateiwahl::Speichern(QWidget* parent, QString& letzter) {
    return Waehlen(parent, letzter, QFileDialog::AcceptSave);
}

void Dateiwahl::NaechsteAntwort(std::optional<QString> antwort) {
    Antworten().append(std::move(antwort));
}

void Dateiwahl::Zuruecksetzen() {
    Antworten().clear();
}

void Dateiwahl::Testbetrieb(bool an) {
    ImTest() = an;
}

} // namespace lexidor
