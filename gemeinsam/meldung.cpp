// Message boxes with a test hook.
#include "meldung.h"

#include "fenster.h"
#include "testantworten.h"

#include <QApplication>
#include <QGridLayout>
#include <QList>
#include <QPushButton>
#include <QScreen>

namespace lexidor {
namespace {

Testantworten<QMessageBox::StandardButton>& Antworten() {
    static Testantworten<QMessageBox::StandardButton> antworten;
    return antworten;
}

// A message box that makes room for its caption, not only for its text, and stands in the
// middle of its window even while the window manager has not yet told Qt that window's frame.
class Meldungsfenster final : public QMessageBox {
public:
    Meldungsfenster(Icon symbol, const QString& titel, const QString& text, StandardButtons knoepfe,
                    QWidget* parent)
        : QMessageBox(symbol, titel, text, knoepfe, parent) {
        if (auto* raster = qobject_cast<QGridLayout*>(layout())) {
            raster->addItem(new QSpacerItem(Titelbreite(titel), 0), raster->rowCount(), 0, 1,
                            raster->columnCount());
        }
    }

protected:
    void showEvent(QShowEvent* ereignis) override {
        QMessageBox::showEvent(ereignis);
        const QWidget* ueber = parentWidget() ? parentWidget()->window() : nullptr;
        Zentrieren(this, ueber && ueber->isVisible() ? Rahmenrechteck(ueber)
                                                     : screen()->availableGeometry());
    }
};

} // namespace

QString Anwendungstitel() {
    return QStringLiteral("Karvello Lexidor");
}

QStringList& Meldung::Gezeigt() {
    static QStringList gezeigt;
    return gezeigt;
}

void Meldung::NaechsteAntwort(QMessageBox::StandardButton antwort) {
    Antworten().Anhaengen(antwort);
}

void Meldung::Testbetrieb(bool an) {
    Antworten().ImTest = an;
}

void Meldung::Zuruecksetzen() {
    Antworten().Leeren();
    Gezeigt().clear();
}

void Meldung::Information(QWidget* parent, const QString& text) {
    Gezeigt().append(text);
    if (Antworten().Naechste() || Antworten().ImTest) {
        return;
    }
    Meldungsfenster box(QMessageBox::NoIcon, Anwendungstitel(), text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton Meldung::Frage(QWidget* parent, const QString& titel,
                                           const QString& text,
                                           QMessageBox::StandardButtons knoepfe) {
    Gezeigt().append(text);
    if (const auto antwort = Antworten().Naechste()) {
        return *antwort;
    }
    if (Antworten().ImTest) {
        return knoepfe.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    Meldungsfenster box(QMessageBox::Question, titel, text, knoepfe, parent);
    // Qt makes "Nein" the answer to Escape and the close box of a box without "Abbrechen": a
    // hidden one takes them instead, so leaving a question never says no.
    if (knoepfe.testFlag(QMessageBox::No) && !knoepfe.testFlag(QMessageBox::Cancel)) {
        QPushButton* verlassen = box.addButton(QMessageBox::Cancel);
        verlassen->hide();
        box.setEscapeButton(verlassen);
    }
    const int ergebnis = box.exec();
    if (ergebnis == QMessageBox::Escape || ergebnis == 0) {
        return QMessageBox::Cancel;
    }
    return static_cast<QMessageBox::StandardButton>(ergebnis);
}

} // namespace lexidor
