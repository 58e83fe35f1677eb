// Building the main window: toolbar, query area, statistics, status bar and start panel; the
// menus are in hauptfenster_menue.cpp.
#include "hauptfenster.h"

#include "ersetzung.h"
#include "farben.h"
#include "stufenbarflaeche.h"
#include "verlaufspanel.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

using namespace lexidor;

// The pictures live in the shell library; a static library must register them itself.
static void InitRessourcen() {
    Q_INIT_RESOURCE(lexidor);
}

namespace {

constexpr int kBreite = 674;
constexpr int kHoehe = 563;
constexpr int kLeisteHoehe = 57;
constexpr int kStatusHoehe = 25;
// The query fields' columns. The solution field is as wide as "Doch richtig (R)" below it,
// and the three fields end flush with the level bar.
constexpr int kSpalte[3] = {16, 224, 432};
constexpr int kFeldBreite[3] = {201, 201, 209};

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text, int x, int y,
                     int breite = 0) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    if (breite > 0) {
        label->setFixedWidth(breite);
    } else {
        label->adjustSize();
    }
    return label;
}

void Fett(QLabel* label) {
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
}

void Fett(QLabel* label, const QColor& farbe) {
    Fett(label);
    Farbe(label, QPalette::WindowText, farbe);
    // On the light faces of a usual palette the colour reads as it is; only a dark palette
    // needs the light face behind it.
    if (label->palette().color(QPalette::Window).lightnessF() < 0.5) {
        Farbe(label, QPalette::Window, kFlaeche);
        label->setAutoFillBackground(true);
    }
}

} // namespace

void TForm1::FensterAufbauen() {
    InitRessourcen();
    setObjectName(QStringLiteral("Form1"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(13);
    setFont(schrift);

    auto* flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    flaeche->setFixedSize(kBreite, kHoehe - kStatusHoehe);
    setCentralWidget(flaeche);
    MenueAufbauen();
    WerkzeugleisteAufbauen();
    AbfragebereichAufbauen();
    StatistikAufbauen();
    StatusleisteAufbauen();
    StartbildAufbauen();
}

QToolButton* TForm1::Knopf(const char* name, int x, const QString& bild, const QString& hinweis,
                           QAction* aktion) {
    auto* knopf = new QToolButton(Panel4);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setGeometry(x, 8, 41, 41);
    knopf->setAutoRaise(true);
    knopf->setIcon(QIcon(QStringLiteral(":/icons/") + bild + QStringLiteral(".png")));
    knopf->setIconSize(QSize(32, 32));
    knopf->setToolTip(hinweis);
    knopf->setStatusTip(hinweis);
    connect(knopf, &QToolButton::clicked, aktion, &QAction::trigger);
    return knopf;
}

void TForm1::WerkzeugleisteAufbauen() {
    Panel4 = new QWidget(centralWidget());
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(0, 0, kBreite, kLeisteHoehe);
    Panel4->setAutoFillBackground(true);
    auto* rahmen = new QFrame(Panel4);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    rahmen->setGeometry(0, 0, kBreite, kLeisteHoehe);

    const auto aktion = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    Knopf("SpeedButton8", 16, QStringLiteral("neu"), QStringLiteral("Neue Vokabelkartei anlegen"),
          aktion("Neu1"))
        ->setToolTip(QString());
    Knopf("SpeedButton4", 64, QStringLiteral("oeffnen"), QStringLiteral("Vokabelkartei öffnen"),
          aktion("ffnen1"));
    Knopf("SpeedButton1", 112, QStringLiteral("speichern"),
          QStringLiteral("Vokabelkartei speichern"), aktion("Speichern1"));
    Knopf("SpeedButton7", 160, QStringLiteral("schliessen"),
          QStringLiteral("Vokabelkartei schließen"), aktion("Schlieen1"));
    Knopf("SpeedButton3", 208, QStringLiteral("hinzufuegen"),
          QStringLiteral("Der geöffneten Vokabelkartei Vokabeln hinzufügen"), aktion("Hinzufgen1"));
    Knopf("SpeedButton9", 256, QStringLiteral("einstellungen"), QStringLiteral("Einstellungen"),
          aktion("Allgemein1"));
    Knopf("Speed1", 536, QStringLiteral("info"), QStringLiteral("Informationen zu diesem Programm"),
          aktion("ber1"));
    Knopf("SPeed2", 584, QStringLiteral("hilfe"), QStringLiteral("Hilfe"), aktion("Hilfe1"));
    Knopf("Speed3", 632, QStringLiteral("beenden"), QStringLiteral("Anwendung beenden"),
          aktion("Beenden1"));
}

void TForm1::AbfragebereichAufbauen() {
    Abfragebereich = new QGroupBox(centralWidget());
    Abfragebereich->setObjectName(QStringLiteral("GroupBox1"));
    Abfragebereich->setGeometry(8, kLeisteHoehe + 6, 658, 232);

    const auto feld = [this](const char* name, int spalte) {
        auto* memo = new QPlainTextEdit(Abfragebereich);
        memo->setObjectName(QString::fromLatin1(name));
        memo->setGeometry(kSpalte[spalte], 38, kFeldBreite[spalte], 104);
        memo->setTabChangesFocus(true);
        return memo;
    };
    Beschriftung(Abfragebereich, "Label3", QStringLiteral("Gefragte Vokabel:"), kSpalte[0], 18);
    Memo1 = feld("Memo1", 0);
    Beschriftung(Abfragebereich, "Label5", QStringLiteral("Eingabe:"), kSpalte[1], 18);
    Label6 = Beschriftung(Abfragebereich, "Label6", QStringLiteral("Falsch!"), kSpalte[1] + 70, 18);
    Fett(Label6, QColor(255, 0, 0));
    Label6->adjustSize();
    Memo2 = feld("Memo2", 1);
    Beschriftung(Abfragebereich, "Label4", QStringLiteral("Lösung:"), kSpalte[2], 18);
    Label7 = Beschriftung(Abfragebereich, "Label7", QStringLiteral("Richtig wäre gewesen..."),
                          kSpalte[2], 18);
    Fett(Label7, QColor(0, 128, 0));
    Label7->adjustSize();
    Label7->move(kSpalte[2] + kFeldBreite[2] - Label7->width(), 18);
    Memo3 = feld("Memo3", 2);
    Memo1->setReadOnly(true);
    Memo3->setReadOnly(true);
    // Read-only fields have the button face behind their text.
    Farbe(Memo1, QPalette::Base, Memo1->palette().color(QPalette::Button));
    Farbe(Memo3, QPalette::Base, kFlaeche);
    Label6->hide();
    Label7->hide();

    auto* ersetzung = new Sonderzeichenersetzung(Ersatztexte, this);
    ersetzung->Einrichten(Memo2);
    Memo2->installEventFilter(this);

    const auto knopf = [this](const char* name, const QString& text, int x, int breite) {
        auto* b = new QPushButton(text, Abfragebereich);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 150, breite, 27);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    Button1 = knopf("Button1", QStringLiteral("Eingabe selbst überprüfen (F9)"), kSpalte[0],
                    kFeldBreite[0]);
    Button1->setStatusTip(
        QStringLiteral("Bestätigen Sie hier Ihre eingaben (auch über ENTER-Taste)"));
    Button2 = knopf("Button2", QStringLiteral("Eingabe autom. überprüfen (F10)"), kSpalte[1],
                    kFeldBreite[1]);
    Rbutton = knopf("Rbutton", QStringLiteral("Richtig (R)"), kSpalte[2], 100);
    Rbutton->setIcon(QIcon(QStringLiteral(":/icons/richtig.png")));
    Rbutton->setStatusTip(QStringLiteral("Antwort als richtig markieren"));
    Fbutton =
        knopf("Fbutton", QStringLiteral("Falsch (F)"), kSpalte[2] + kFeldBreite[2] - 100, 100);
    Fbutton->setIcon(QIcon(QStringLiteral(":/icons/falsch.png")));
    Fbutton->setStatusTip(QStringLiteral("Antwort als falsch festlegen"));
    Rbutton->setEnabled(false);
    Fbutton->setEnabled(false);
    Rbutton->raise();
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Rbutton, &QPushButton::clicked, this, &TForm1::RbuttonClick);
    connect(Fbutton, &QPushButton::clicked, this, &TForm1::FbuttonClick);

    PaintBox1 = new Stufenbarflaeche(625, 33, Abfragebereich);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->move(kSpalte[0], 188);
}

void TForm1::StatistikAufbauen() {
    sbox = new QGroupBox(QStringLiteral("Aktuelle Abfragestatistik"), centralWidget());
    sbox->setObjectName(QStringLiteral("sbox"));
    sbox->setStatusTip(QStringLiteral("Statistik"));
    sbox->setGeometry(8, kLeisteHoehe + 246, 658, 228);

    constexpr int kWert = 240;
    constexpr int kWertBreite = 60;
    const auto zeile = [this](const char* name, const char* wertName, const QString& text, int y) {
        Beschriftung(sbox, name, text, 16, y);
        auto* wert = Beschriftung(sbox, wertName, QStringLiteral("0"), kWert, y, kWertBreite);
        Fett(wert);
        wert->setAlignment(Qt::AlignRight);
        return wert;
    };
    Label8 = zeile("Label9", "Label8", QStringLiteral("Vergangene Zeit:"), 28);
    Label8->setText(QStringLiteral("00:00"));
    labgesamt = zeile("Label10", "labgesamt", QStringLiteral("Bereits abgefragte Vokabeln:"), 54);
    Labr = zeile("Label11", "Labr", QStringLiteral("Davon richtig beantwortet:"), 80);
    Fett(Labr, QColor(0, 128, 0));
    Labf = zeile("Label12", "Labf", QStringLiteral("Davon falsch beantwortet:"), 106);
    Fett(Labf, QColor(215, 0, 5));
    Beschriftung(sbox, "Label16", QStringLiteral("Richtig beantwortet:"), 16, 140);
    Label17 = Beschriftung(sbox, "Label17", QStringLiteral("0%"), kWert, 140, kWertBreite);
    Label17->setAlignment(Qt::AlignRight);
    Prozentsatz = new QProgressBar(sbox);
    Prozentsatz->setObjectName(QStringLiteral("Prozentsatz"));
    Prozentsatz->setGeometry(16, 166, kWert + kWertBreite - 16, 20);
    Prozentsatz->setRange(0, 100);
    Prozentsatz->setValue(0);
    Prozentsatz->setTextVisible(false);

    constexpr int kRechts = 420;
    auto* Label13 = Beschriftung(sbox, "Label13", QStringLiteral("Anzahl Vokabeln"), kRechts, 28);
    Fett(Label13);
    Label13->adjustSize();
    for (int k = 1; k <= 6; ++k) {
        const QByteArray name = "lab" + QByteArray::number(k);
        lab[k] = Beschriftung(sbox, name.constData(), QString(), kRechts, 28 + 24 * k, 200);
    }
    gesamt = Beschriftung(sbox, "gesamt", QString(), kRechts, 28 + 24 * 7 + 4, 200);
    Fett(gesamt);
    sbox->hide();
}

void TForm1::StatusleisteAufbauen() {
    QStatusBar* leiste = statusBar();
    leiste->setObjectName(QStringLiteral("StatusBar"));
    leiste->setFixedHeight(kStatusHoehe);
    leiste->setSizeGripEnabled(false);
    Hinweisfeld = new QLabel(QStringLiteral("Hilfetexte"), leiste);
    Hinweisfeld->setObjectName(QStringLiteral("Hinweisfeld"));
    Hinweisfeld->setFixedWidth(500);
    Uhrfeld = new QLabel(QStringLiteral("Datum / Uhrzeit"), leiste);
    Uhrfeld->setObjectName(QStringLiteral("Uhrfeld"));
    Uhrfeld->setFixedWidth(150);
    Uhrfeld->setAlignment(Qt::AlignCenter);
    for (QLabel* feld : {Hinweisfeld, Uhrfeld}) {
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        leiste->addWidget(feld);
    }
}

// Covers the empty window while no card box is open.
void TForm1::StartbildAufbauen() {
    JvPanel1 = new Verlaufspanel(centralWidget());
    JvPanel1->setObjectName(QStringLiteral("JvPanel1"));
    JvPanel1->setGeometry(0, kLeisteHoehe, kBreite, kHoehe - kStatusHoehe - kLeisteHoehe);
    auto* Label14 = new QLabel(QStringLiteral("Karvello Lexidor"), JvPanel1);
    Label14->setObjectName(QStringLiteral("Label14"));
    QFont titel(QStringLiteral("Comic Sans MS"));
    titel.setPixelSize(45);
    Label14->setFont(titel);
    Farbe(Label14, QPalette::WindowText, QColor(0, 128, 128));
    Label14->move(70, 368);
    Label14->adjustSize();
}
