// File dialogs with the card-box filter and with those of the import and the export.
#include "dateiwahl.h"

#include "testantworten.h"

#include <QFileDialog>
#include <QList>
#include <QRegularExpression>

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

QString Endung(const QString& filter) {
    return filter.section(QStringLiteral("*."), 1).section(u')', 0, 0);
}

// Which of the dialog's filters is meant: with their patterns hidden, the dialog may name a
// filter by its type's name alone.
int Typ(const QFileDialog& dialog, const QString& gewaehlt) {
    const auto name = [](const QString& f) { return f.section(QStringLiteral(" ("), 0, 0); };
    const QStringList filter = dialog.nameFilters();
    for (qsizetype i = 0; i < filter.size(); ++i) {
        if (name(filter[i]) == name(gewaehlt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The file type of the name chosen last is chosen again, and a name typed without an ending
// gets the one of the chosen type. The dialog's filters are those of art in their order.
void EndungFolgtDemTyp(QFileDialog& dialog, const QStringList& filter, const QString& letzter) {
    for (qsizetype i = 0; i < filter.size(); ++i) {
        if (!letzter.isEmpty() && letzter.endsWith(u'.' + Endung(filter[i]), Qt::CaseInsensitive)) {
            dialog.selectNameFilter(dialog.nameFilters().at(i));
        }
    }
    const auto folgen = [&dialog, filter](const QString& gewaehlt) {
        dialog.setDefaultSuffix(Endung(filter.value(Typ(dialog, gewaehlt))));
    };
    folgen(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, folgen);
}

// GTK's and the desktop portal's file dialogs match a pattern letter case and all, so "*.vkd"
// would hide "MEINE.VKD": each letter of an ending becomes a class of both its cases. The
// dialog then shows the type's name without its patterns.
QString JedeSchreibung(const QString& filter) {
    static const QRegularExpression endung(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QString ergebnis = filter;
    QList<QRegularExpressionMatch> treffer;
    for (auto it = endung.globalMatch(filter); it.hasNext();) {
        treffer.prepend(it.next());
    }
    for (const auto& t : treffer) {
        QString muster = QStringLiteral("*.");
        for (const QChar c : t.captured(1)) {
            muster += c.isLetter() ? u'[' + c.toLower() + c.toUpper() + u']' : QString(c);
        }
        ergebnis.replace(t.capturedStart(), t.capturedLength(), muster);
    }
    return ergebnis;
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
    QStringList filter;
    for (const QString& f : art.filter) {
        filter.append(JedeSchreibung(f));
    }
    dialog.setNameFilters(filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!art.titel.isEmpty()) {
        dialog.setWindowTitle(art.titel);
    }
    if (art.endungNachTyp) {
        EndungFolgtDemTyp(dialog, art.filter, letzter);
    }
    if (!letzter.isEmpty()) {
        dialog.selectFile(letzter);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    letzter = dialog.selectedFiles().constFirst();
    return Antwort{letzter, Typ(dialog, dialog.selectedNameFilter())};
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
