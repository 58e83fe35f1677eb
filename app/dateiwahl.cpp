// File dialogs with the card-box filter and with those of the import and the export.
#include "dateiwahl.h"

#include "testantworten.h"

#include <QFileDialog>

namespace lexidor {
namespace {

struct Antwort {
    std::optional<QString> name;
    int typ = 0;
};

Testantworten<Antwort>& Antworten() {
    static Testantworten<Antwort> antworten;
    return antworten;
}

struct Art {
    QFileDialog::AcceptMode modus;
    QString titel; // empty: Qt's own
    QStringList filter;
    bool endungNachTyp = false;
};

// The file type of the name chosen last is chosen again, and a name typed without an ending
// gets the one of the chosen type.
void EndungFolgtDemTyp(QFileDialog& dialog, const QString& letzter) {
    const auto endung = [](const QString& filter) {
        return filter.section(QStringLiteral("*."), 1).section(u')', 0, 0);
    };
    for (const QString& filter : dialog.nameFilters()) {
        if (!letzter.isEmpty() && letzter.endsWith(u'.' + endung(filter), Qt::CaseInsensitive)) {
            dialog.selectNameFilter(filter);
        }
    }
    dialog.setDefaultSuffix(endung(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, endung](const QString& filter) { dialog.setDefaultSuffix(endung(filter)); });
}

std::optional<Antwort> Waehlen(QWidget* parent, QString& letzter, const Art& art) {
    if (auto antwort = Antworten().Naechste()) {
        if (!antwort->name) {
            return std::nullopt;
        }
        letzter = *antwort->name;
        return antwort;
    }
    if (Antworten().ImTest) {
        return std::nullopt;
    }
    QFileDialog dialog(parent);
    dialog.setAcceptMode(art.modus);
    // A name that does not exist is accepted in both; opening it then reports the error.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(art.filter);
    if (!art.titel.isEmpty()) {
        dialog.setWindowTitle(art.titel);
    }
    if (art.endungNachTyp) {
        EndungFolgtDemTyp(dialog, letzter);
    }
    if (!letzter.isEmpty()) {
        dialog.selectFile(letzter);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    letzter = dialog.selectedFiles().constFirst();
    return Antwort{letzter, static_cast<int>(art.filter.indexOf(dialog.selectedNameFilter()))};
}

std::optional<QString> Name(const std::optional<Antwort>& antwort) {
    return antwort ? antwort->name : std::nullopt;
}

} // namespace

std::optional<QString> Dateiwahl::Oeffnen(QWidget* parent, QString& letzter) {
    return Name(Waehlen(parent, letzter,
                        {QFileDialog::AcceptOpen,
                         QStringLiteral("Vokabelkartei öffnen"),
                         {QStringLiteral("Vokabeldatei (*.vkd)")}}));
}

std::optional<QString> Dateiwahl::Speichern(QWidget* parent, QString& letzter) {
    return Name(
        Waehlen(parent, letzter,
                {QFileDialog::AcceptSave, QString(), {QStringLiteral("Vokabeldatei (*.vkd)")}}));
}

std::optional<QString> Dateiwahl::Importieren(QWidget* parent, QString& letzter) {
    return Name(
        Waehlen(parent, letzter,
                {QFileDialog::AcceptOpen,
                 QStringLiteral("Vokabeln importieren"),
                 {QStringLiteral("Vokabellisten (*.csv *.txt *.tsv *.tab *.kvtml *.vkd)"),
                  QStringLiteral("Text mit Trennzeichen (*.csv *.txt *.tsv *.tab)"),
                  QStringLiteral("Anki-Export (*.txt)"),
                  QStringLiteral("KVTML, Parley und KWordQuiz (*.kvtml)"),
                  QStringLiteral("Vokabeldatei (*.vkd)"), QStringLiteral("Alle Dateien (*)")}}));
}

std::optional<Dateiwahl::Export> Dateiwahl::Exportieren(QWidget* parent, QString& letzter) {
    const QStringList filter = {QStringLiteral("CSV, Semikolon (*.csv)"),
                                QStringLiteral("Text, Tabulator (*.txt)")};
    const auto antwort =
        Waehlen(parent, letzter,
                {QFileDialog::AcceptSave, QStringLiteral("Vokabeln exportieren"), filter, true});
    if (!antwort) {
        return std::nullopt;
    }
    return Export{*antwort->name,
                  antwort->typ == 1 ? Exportformat::TextTabulator : Exportformat::CsvSemikolon};
}

void Dateiwahl::NaechsteAntwort(std::optional<QString> antwort, int typ) {
    Antworten().Anhaengen({std::move(antwort), typ});
}

void Dateiwahl::Zuruecksetzen() {
    Antworten().Leeren();
}

void Dateiwahl::Testbetrieb(bool an) {
    Antworten().ImTest = an;
}

} // namespace lexidor
