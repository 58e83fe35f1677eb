// The about window.
#include "info.h"

#include "browser.h"
#include "farben.h"
#include "programmsymbol.h"
#include "verlaufspanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace lexidor;

namespace lexidor {
QString Homepageadresse() {
    return QStringLiteral("www.karvello.example.org");
}
} // namespace lexidor

namespace {

QLabel* Schrifttext(const QString& text, const QString& familie, int pixel, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont schrift(familie);
    schrift.setPixelSize(pixel);
    label->setFont(schrift);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

bool Oeffnungstaste(const QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    const int taste = static_cast<const QKeyEvent*>(ereignis)->key();
    return taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space;
}

QGroupBox* Gruppe(const QString& titel, const QStringList& zeilen, QWidget* parent) {
    auto* gruppe = new QGroupBox(titel, parent);
    auto* spalte = new QVBoxLayout(gruppe);
    for (const QString& zeile : zeilen) {
        spalte->addWidget(new QLabel(zeile, gruppe));
    }
    return gruppe;
}

} // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Infos zu diesem Programm"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->addWidget(VerlaufAufbauen());
    spalte->addWidget(VersionAufbauen());
    spalte->addWidget(Gruppe(QStringLiteral("Lizenz"), {QString()}, this));
    spalte->addWidget(Gruppe(QStringLiteral("Kontakt"),
                             {QStringLiteral("Bei Kommentaren, Empfehlungen, Bugs, Beschwerden, "
                                             "Wünschen, Fragen usw."),
                              QStringLiteral("E-Mail: kontakt@karvello.example.org")},
                             this));
    setFixedSize(729, 481);
}

QWidget* TForm4::VerlaufAufbauen() {
    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rahmen->setFixedSize(713, 241);
    auto* verlauf = new Verlaufspanel(rahmen, QColor(166, 202, 240), QColor(255, 251, 240));
    // The gradient's colours are fixed, so is the colour of the text on it.
    Farbe(verlauf, QPalette::WindowText, Qt::black);
    auto* rand = new QVBoxLayout(rahmen);
    rand->setContentsMargins(2, 2, 2, 2);
    rand->addWidget(verlauf);

    auto* spalte = new QVBoxLayout(verlauf);
    spalte->addWidget(
        Schrifttext(QStringLiteral("Karvello"), QStringLiteral("Comic Sans MS"), 64, verlauf));
    spalte->addWidget(Schrifttext(QStringLiteral("Der ultimative Lexidor, mit dem sich alle "
                                                 "Vokabeln effizient und sicher ins "
                                                 "Langzeitgedächtnis befördern lassen"),
                                  QStringLiteral("Comic Sans MS"), 24, verlauf));
    Label8 = new QLabel(Homepageadresse(), verlauf);
    Label8->setObjectName(QStringLiteral("Label8"));
    QFont verweis = Label8->font();
    verweis.setBold(true);
    verweis.setUnderline(true);
    Label8->setFont(verweis);
    Farbe(Label8, QPalette::WindowText, Qt::blue);
    Label8->setCursor(Qt::PointingHandCursor);
    // Tab reaches the link and Enter or Space opens it, as a click does; a click still takes
    // no focus.
    Label8->setFocusPolicy(Qt::TabFocus);
    Label8->setAccessibleDescription(QStringLiteral("Öffnet die Homepage im Browser"));
    Label8->installEventFilter(this);
    spalte->addWidget(Label8, 0, Qt::AlignCenter);
    return rahmen;
}

QWidget* TForm4::VersionAufbauen() {
    auto* gruppe = new QGroupBox(this);
    auto* raster = new QGridLayout(gruppe);
    auto* symbol = new QLabel(gruppe);
    symbol->setObjectName(QStringLiteral("Programmsymbol"));
    symbol->setPixmap(Programmsymbol().pixmap(32, 32));
    raster->addWidget(symbol, 0, 0, 3, 1, Qt::AlignTop);
    const QString zeilen[] = {QStringLiteral("Version 1.1 für Windows 95, 98, 2000 und XP"),
                              QStringLiteral("© Karvello Software"),
                              QStringLiteral("Entwickelt vom Karvello-Team")};
    for (int i = 0; i < 3; ++i) {
        raster->addWidget(new QLabel(zeilen[i], gruppe), i, 1);
    }
    raster->setColumnStretch(1, 1);
    return gruppe;
}

void TForm4::Label8Click() {
    HtmlOeffnen(QStringLiteral("Connect.html"));
}

void TForm4::FormClose() {
    emit Geschlossen();
}

void TForm4::done(int ergebnis) {
    FormClose();
    QDialog::done(ergebnis);
}

bool TForm4::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Label8 &&
        (ereignis->type() == QEvent::MouseButtonRelease || Oeffnungstaste(ereignis))) {
        Label8Click();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
