// Message boxes with a test hook.
#include "meldung.h"

#include "fenster.h"

#include <QApplication>
#include <QGridLayout>
#include <QList>

namespace lexidor {
namespace {

QList<QMessageBox::StandardButton>& Antworten() {
    static QList<QMessageBox::StandardButton> antworten;
    return antworten;
}

bool& ImTest() {
    static bool an = false;
    return an;
}

// A message box makes room for its text only; its caption must be readable whole too.
void Titelraum(QMessageBox& box) {
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout())) {
        raster->addItem(new QSpacerItem(Titelbreite(box.windowTitle()), 0), raster->rowCount(), 0,
                        1, raster->columnCount());
    }
}

} // namespace

QString Anwendungstitel() {
    return QStringLiteral("Karvello Lexidor");
}

QStringList& Meldung::Gezeigt() {
    static QStringList gezeigt;
    return gezeigt;
}

void Meldung::NaechsteAntwort(QMessageBox::StandardButton antwort) {
    Antworten().append(antwort);
}

void Meldung::Testbetrieb(bool an) {
    ImTest() = an;
}

void Meldung::Zuruecksetzen() {
    Antworten().clear();
    Gezeigt().clear();
}

void Meldung::Information(QWidget* parent, const QString& text) {
    Gezeigt().append(text);
    if (!Antworten().isEmpty()) {
        Antworten().removeFirst();
        return;
    }
    if (ImTest()) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, Anwendungstitel(), text, QMessageBox::Ok, parent);
    Titelraum(box);
    box.exec();
}

QMessageBox::StandardButton Meldung::Frage(QWidget* parent, const QString& titel,
                                           const QString& text,
                                           QMessageBox::StandardButtons knoepfe) {
    Gezeigt().append(text);
    if (!Antworten().isEmpty()) {
        return Antworten().takeFirst();
    }
    if (ImTest()) {
        return knoepfe.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    QMessageBox box(QMessageBox::Question, titel, text, knoepfe, parent);
    Titelraum(box);
    const int ergebnis = box.exec();
    // A box closed without a choice answers as Cancel where there is one, else as No.
    if (ergebnis == QMessageBox::Escape || ergebnis == 0) {
        return knoepfe.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    return static_cast<QMessageBox::StandardButton>(ergebnis);
}

} // namespace lexidor
