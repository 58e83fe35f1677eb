// The main window. Handlers gather what the user did, let core decide and show the result.
#include "hauptfenster.h"

#include "bearbeiten.h"
#include "browser.h"
#include "cp1252.h"
#include "dateiwahl.h"
#include "einstellungsdialog.h"
#include "ersetzung.h"
#include "fenster.h"
#include "hilfehinweis.h"
#include "hintergrund.h"
#include "hinzufuegen.h"
#include "hotkey.h"
#include "info.h"
#include "karteidatei.h"
#include "meldung.h"
#include "plattform.h"
#include "profil.h"
#include "stufenbarflaeche.h"
#include "tastaturbelegung.h"
#include "verlaufspanel.h"
#include "vokabeleingabe.h"
#include "vokabelliste.h"
#include "wirbelflaeche.h"
#include "zeichenwahl.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

using namespace lexidor;

// The pictures live in the shell library; a static library must register them itself.
static void InitRessourcen() {
    Q_INIT_RESOURCE(lexidor);
}

namespace {

const QString kTitel = QStringLiteral("Karvello Lexidor 1.1");
const QString kTitelTrenner = QStringLiteral("   -   ");
const QString kFrageUngesichert =
    QStringLiteral("Die momentan geöffnete Datei wurde nicht gesichert");
const QString kFrageSpeichern = QStringLiteral("Wollen sie die Änderungen Speichern?");
const QString kKeineKartei = QStringLiteral("Keine Vokabelkartei geöffnet!");
const QString kTrennlinie = QString(26, u'-');

constexpr int kBreite = 674;
constexpr int kHoehe = 563;
constexpr int kLeisteHoehe = 57;
constexpr int kStatusHoehe = 25;
// The query fields' columns. The solution field is as wide as "Doch richtig (R)" below it,
// and the three fields end flush with the level bar.
constexpr int kSpalte[3] = {16, 224, 432};
constexpr int kFeldBreite[3] = {201, 201, 209};
// Timer2 reads the box after a second at the latest, even if the window is never shown.
constexpr int kTimer2Runden = 50;

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

// The light face under a text in a fixed colour, so that a dark desktop palette cannot take
// its contrast away.
const QColor kFlaeche(240, 240, 240);

void Fett(QLabel* label) {
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
}

void Fett(QLabel* label, const QColor& farbe) {
    Fett(label);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, farbe);
    // On the light faces of a usual palette the colour reads as it is; only a dark palette
    // needs the light face behind it.
    if (p.color(QPalette::Window).lightnessF() < 0.5) {
        p.setColor(QPalette::Window, kFlaeche);
        label->setAutoFillBackground(true);
    }
    label->setPalette(p);
}

// Read-only fields have the button face behind their text.
void Hintergrund(QPlainTextEdit* feld, const QColor& farbe) {
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, farbe);
    feld->setPalette(p);
}

void Textfarbe(QPlainTextEdit* feld, const QColor& farbe) {
    QPalette p = feld->palette();
    p.setColor(QPalette::Text, farbe);
    feld->setPalette(p);
}

} // namespace

TForm1::TForm1(const QStringList& argumente, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      Historie(4), zufall_(Uhrsaat()) {
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

    JvPanel1 = new Verlaufspanel(flaeche);
    JvPanel1->setObjectName(QStringLiteral("JvPanel1"));
    auto* Label14 = new QLabel(QStringLiteral("Karvello Lexidor"), JvPanel1);
    Label14->setObjectName(QStringLiteral("Label14"));
    QFont titel(QStringLiteral("Comic Sans MS"));
    titel.setPixelSize(45);
    Label14->setFont(titel);
    QPalette p = Label14->palette();
    p.setColor(QPalette::WindowText, QColor(0, 128, 128));
    Label14->setPalette(p);
    Label14->move(70, 368);
    Label14->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(20);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(20);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    Timer3->start();
    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(10);
    Timer4->setSingleShot(true);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    Timer4->start();

    // Ctrl+Alt+W from any window, for as long as this window exists.
    JvApplicationHotKey1 = new Globaltaste(this, [this] { JvApplicationHotKey1HotKey(); });
    FormCreate(argumente);
    FensterErzeugen();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    Zentrieren(this, screen()->availableGeometry());
    Timer3Timer();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------------------
// Building the window

QAction* TForm1::Aktion(QMenu* menue, const char* name, const QString& text, const QString& hinweis,
                        const QKeySequence& taste) {
    auto* aktion = menue->addAction(text);
    aktion->setObjectName(QString::fromLatin1(name));
    aktion->setStatusTip(hinweis);
    aktion->setShortcut(taste);
    return aktion;
}

void TForm1::MenueAufbauen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* kartei = leiste->addMenu(QStringLiteral("Kartei"));
    kartei->setObjectName(QStringLiteral("Datei1"));
    connect(
        Aktion(kartei, "Neu1", QStringLiteral("Neu"), QStringLiteral("Neue Vokabelkartei anlegen")),
        &QAction::triggered, this, &TForm1::Neu1Click);
    connect(Aktion(kartei, "ffnen1", QStringLiteral("Öffnen..."),
                   QStringLiteral("Vokabelkartei öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TForm1::ffnen1Click);
    connect(Aktion(kartei, "Speichern1", QStringLiteral("Speichern"),
                   QStringLiteral("Aktuelle Vokabelkartei speichern"),
                   QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TForm1::Speichern1Click);
    connect(Aktion(kartei, "Speichernunter1", QStringLiteral("Speichern unter..."),
                   QStringLiteral("Vokabelkartei an einen anderen Ort speichern")),
            &QAction::triggered, this, &TForm1::Speichernunter1Click);
    connect(Aktion(kartei, "Schlieen1", QStringLiteral("Schließen"),
                   QStringLiteral("Vokabelkartei schließen"), QKeySequence(Qt::CTRL | Qt::Key_W)),
            &QAction::triggered, this, &TForm1::Schlieen1Click);
    const auto trennlinieGeklickt = [this] {
        Meldung::Information(
            this, QStringLiteral("Ein Klick auf eine Trennlinie löst keinerlei Aktion aus"));
    };
    oben = Aktion(kartei, "oben", kTrennlinie, QString());
    connect(oben, &QAction::triggered, this, trennlinieGeklickt);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "C" + QByteArray::number(i + 1);
        C[i] = Aktion(kartei, name.constData(), QString(), QString());
        connect(C[i], &QAction::triggered, this, [this, i] { CClick(i); });
    }
    unten = Aktion(kartei, "unten", kTrennlinie, QString());
    connect(unten, &QAction::triggered, this, trennlinieGeklickt);
    connect(
        Aktion(kartei, "Beenden1", QStringLiteral("Beenden"), QStringLiteral("Anwendung beenden")),
        &QAction::triggered, this, &TForm1::Beenden1Click);

    QMenu* vokabeln = leiste->addMenu(QStringLiteral("Vokabeln"));
    vokabeln->setObjectName(QStringLiteral("Vokabeln1"));
    connect(Aktion(vokabeln, "Hinzufgen1", QStringLiteral("Hinzufügen..."),
                   QStringLiteral("Neue Vokabeln in diese Kartei aufnehmen"),
                   QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &TForm1::Hinzufgen1Click);
    connect(Aktion(vokabeln, "Liste1", QStringLiteral("Liste..."),
                   QStringLiteral("Alle Vokabeln in dieser Kartei anzeigen"),
                   QKeySequence(Qt::Key_F6)),
            &QAction::triggered, this, &TForm1::Liste1Click);
    QAction* wirbel = Aktion(vokabeln, "Wirbel1", QStringLiteral("Wirbel"), QString());
    wirbel->setVisible(false);
    connect(wirbel, &QAction::triggered, this, &TForm1::Wirbel1Click);

    QMenu* optionen = leiste->addMenu(QStringLiteral("Optionen"));
    optionen->setObjectName(QStringLiteral("Optionen1"));
    connect(Aktion(optionen, "Allgemein1", QStringLiteral("Einstellungen..."),
                   QStringLiteral("Einstellungen"), QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &TForm1::Allgemein1Click);
    connect(Aktion(optionen, "TastaturbelegungSonderzeichen1",
                   QStringLiteral("Tastaturbelegung (Sonderzeichen)..."),
                   QStringLiteral("Ändern der Tastaturbelegung")),
            &QAction::triggered, this, &TForm1::TastaturbelegungSonderzeichen1Click);
    connect(Aktion(optionen, "Hintergrundanaus1", QStringLiteral("Hintergrund an/aus"),
                   QStringLiteral("An- / Ausschalten des Hintergrunds")),
            &QAction::triggered, this, &TForm1::Hintergrundanaus1Click);

    QMenu* hilfe = leiste->addMenu(QStringLiteral("?"));
    hilfe->setObjectName(QStringLiteral("N2"));
    connect(Aktion(hilfe, "Hilfe1", QStringLiteral("Hilfe..."), QStringLiteral("Hilfe"),
                   QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &TForm1::Hilfe1Click);
    connect(Aktion(hilfe, "Homepage1", QStringLiteral("Homepage..."),
                   QStringLiteral("Besuchen sie doch einmal die Homepage")),
            &QAction::triggered, this, &TForm1::Homepage1Click);
    connect(Aktion(hilfe, "ber1", QStringLiteral("Über..."),
                   QStringLiteral("Informationen zu diesem Programm")),
            &QAction::triggered, this, &TForm1::ber1Click);

    // Never shown: its items are the query's keys. A hidden menu fires no shortcuts, so
    // the window carries its actions as well.
    QMenu* komb = leiste->addMenu(QStringLiteral("T_komb"));
    komb->setObjectName(QStringLiteral("komb1"));
    komb->menuAction()->setVisible(false);
    connect(Aktion(komb, "F101", QStringLiteral("F10"), QString(), QKeySequence(Qt::Key_F10)),
            &QAction::triggered, this, &TForm1::Button2Click);
    connect(Aktion(komb, "F91", QStringLiteral("F9"), QString(), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, &TForm1::Button1Click);
    F1 = Aktion(komb, "F1", QStringLiteral("F"), QString());
    connect(F1, &QAction::triggered, this, [this] {
        if (Abfrage.KannBewerten(false)) {
            FbuttonClick();
        }
    });
    R1 = Aktion(komb, "R1", QStringLiteral("R"), QString());
    connect(R1, &QAction::triggered, this, [this] {
        if (Abfrage.KannBewerten(true)) {
            RbuttonClick();
        }
    });
    Enter1 = Aktion(komb, "Enter1", QStringLiteral("Enter"), QString());
    connect(Enter1, &QAction::triggered, this, &TForm1::Button2Click);
    addActions(komb->actions());
    addAction(wirbel);
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
    for (QPlainTextEdit* leseFeld : {Memo1, Memo3}) {
        leseFeld->setReadOnly(true);
        leseFeld->setFocusPolicy(Qt::NoFocus);
    }
    Hintergrund(Memo1, Memo1->palette().color(QPalette::Button));
    Hintergrund(Memo3, kFlaeche);
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

// ---------------------------------------------------------------------------------------
// Creation and close

void TForm1::FormCreate(const QStringList& argumente) {
    JvPanel1->setGeometry(0, kLeisteHoehe, kBreite, kHoehe - kStatusHoehe - kLeisteHoehe);
    Historie.Load(DateiLesen(ProgrammDatei(QStringLiteral("history.ini"))));
    HistorieAnzeigen();
    Kartei.Faellig = {};
    Abfrage.Richtige = 0;
    Abfrage.Falsche = 0;
    PaintBox1->Setzen(0);

    const auto ini = DateiLesen(ProgrammDatei(QStringLiteral("lexidor.ini")));
    const Profildatei profil(ini.value_or(std::string()));
    if (!EinstellungenLaden(profil, Einstellungen, HintergrundStartFlag).ok) {
        Meldung::Information(this, QStringLiteral("Fehler beim Laden der Einstellungen"));
    }
    TastenUmschalten(false);
    if (!ErsatztexteLaden(Ersatztexte, DateiLesen(SonderzeichenLesepfad()))) {
        Meldung::Information(this, QStringLiteral("Fehler beim Laden der Sonderzeichen"));
    }
    setWindowTitle(kTitel);
    Kartei.Gesichert = true;
    if (!argumente.isEmpty()) {
        Kartei.Dateipfad = PfadBytes(argumente.constFirst());
        Timer2->start();
    }
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (!FormClose()) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
}

// False when the user asked to save and the save did not happen: the window then stays, so
// the changes can still be saved elsewhere.
bool TForm1::FormClose() {
    if (Kartei.Geoeffnet && !Kartei.Gesichert) {
        const auto antwort = Meldung::Frage(this, kFrageUngesichert, kFrageSpeichern,
                                            QMessageBox::Yes | QMessageBox::No);
        if (antwort == QMessageBox::Yes) {
            Speichern1Click();
            if (!Kartei.Gesichert) {
                return false;
            }
        }
    }
    Profildatei profil(
        DateiLesen(ProgrammDatei(QStringLiteral("lexidor.ini"))).value_or(std::string()));
    EinstellungenSpeichern(profil, Einstellungen, Form10->isVisible());
    ProgrammverzeichnisAnlegen();
    ProgrammdateiSchreiben(QStringLiteral("lexidor.ini"), profil.Daten());
    ProgrammdateiSchreiben(QStringLiteral("sonderzeichen.ini"), ErsatztexteSpeichern(Ersatztexte));
    ProgrammdateiSchreiben(QStringLiteral("history.ini"), Historie.Save());
    Timer1->stop();
    Timer3->stop();
    return true;
}

void TForm1::ProgrammdateiSchreiben(const QString& name, const std::string& bytes) {
    if (!DateiSchreiben(ProgrammDatei(name), bytes)) {
        Meldung::Information(this, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.")
                                       .arg(ProgrammDatei(name)));
    }
}

bool TForm1::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::StatusTip) {
        HinweisZeigen(static_cast<QStatusTipEvent*>(ereignis)->tip());
        return true;
    }
    return QMainWindow::event(ereignis);
}

void TForm1::HinweisZeigen(const QString& hinweis) {
    Hinweisfeld->setText(hinweis);
}

// Enter in the answer field is the text field's own key; with Enterab it checks the answer.
bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != Memo2 || ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const bool enter = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
    if (!enter || (taste->modifiers() & ~Qt::KeypadModifier) || Enter1->shortcut().isEmpty()) {
        return false;
    }
    Enter1->trigger();
    return true;
}

void TForm1::Beenden1Click() {
    close();
}

// ---------------------------------------------------------------------------------------
// File commands

void TForm1::TitelSetzen() {
    setWindowTitle(kTitel + kTitelTrenner + PfadAus(Kartei.Anzeigename));
}

bool TForm1::AenderungenPruefen() {
    if (!Kartei.Geoeffnet || Kartei.Gesichert) {
        return true;
    }
    const auto antwort = Meldung::Frage(this, kFrageUngesichert, kFrageSpeichern,
                                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (antwort == QMessageBox::Yes) {
        // Going on after a save that did not happen would drop what the user wanted kept.
        Speichern1Click();
        return Kartei.Gesichert;
    }
    return antwort == QMessageBox::No;
}

void TForm1::KarteiSchliessen() {
    Kartei.Schliessen();
    Timer1->stop();
    setWindowTitle(kTitel);
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    Abfrage.Richtige = 0;
    Abfrage.Falsche = 0;
    PaintBox1->Setzen(0);
    sbox->hide();
}

// A box at the card limit is some 200 MB: it is taken apart as it comes from the disk, never
// held whole beside the cards.
bool TForm1::KarteiEinlesen() {
    const Sanduhr sanduhr;
    KarteiLeser leser(Kartei, Datumsmuster(), Heute());
    const bool gelesen =
        DateiStueckweiseLesen(PfadAus(Kartei.Dateipfad),
                              [&leser](std::string_view stueck) { return leser.Weiter(stueck); });
    return gelesen && leser.Ende(zufall_);
}

bool TForm1::KarteiAblegen(const QString& pfad) {
    const Sanduhr sanduhr;
    const std::string muster = Datumsmuster();
    return DateiStueckweiseSchreiben(pfad, [this, &muster](const Stueckweise& senke) {
        return KarteiSchreiben(Kartei, muster, senke);
    });
}

void TForm1::KarteiLaden() {
    if (!KarteiEinlesen()) {
        Kartei.Geoeffnet = false;
        Meldung::Information(this, QStringLiteral("Datei ist fehlerhaft oder nicht vorhanden!"));
        Kartei.Dateipfad = kKeineDatei;
        setWindowTitle(kTitel);
        KarteiSchliessen();
        return;
    }
    AbfrageStarten();
    NaechsteVokabel();
    Kartei.Gesichert = true;
    Historie.Add(Kartei.Dateipfad);
    HistorieAnzeigen();
}

void TForm1::Neu1Click() {
    if (Kartei.Geoeffnet) {
        if (!AenderungenPruefen()) {
            return;
        }
        KarteiSchliessen();
    }
    Kartei.NeuAnlegen(Heute(), Einstellungen.Intervall());
    AbfrageStarten();
    NaechsteVokabel();
}

void TForm1::ffnen1Click() {
    if (!AenderungenPruefen()) {
        return;
    }
    KarteiSchliessen();
    const auto name = Dateiwahl::Oeffnen(this, letzterOeffnenName_);
    if (!name) {
        return;
    }
    Kartei.Dateipfad = PfadBytes(*name);
    KarteiLaden();
}

void TForm1::DateiSpeichernFehlgeschlagen(const QString& text) {
    Meldung::Information(this, text);
    Kartei.Gesichert = false;
}

void TForm1::Speichern1Click() {
    if (!Kartei.Geoeffnet) {
        return;
    }
    if (Kartei.Dateipfad == kKeineDatei) {
        SichernUnter(true);
        return;
    }
    if (!KarteiAblegen(PfadAus(Kartei.Dateipfad))) {
        DateiSpeichernFehlgeschlagen(QStringLiteral("Fehler beim speichern der Datei"));
        return;
    }
    Kartei.Gesichert = true;
}

void TForm1::Speichernunter1Click() {
    if (!Kartei.Geoeffnet) {
        return;
    }
    SichernUnter(false);
}

// The save of a box without a file and "Speichern unter..." differ only in their message and
// in what the title shows after a failure.
void TForm1::SichernUnter(bool alsNeu) {
    const auto name = Dateiwahl::Speichern(this, letzterSpeichernName_);
    if (!name) {
        return;
    }
    std::string ziel = PfadBytes(*name);
    if (!ziel.ends_with(".vkd")) {
        ziel += ".vkd";
    }
    if (!KarteiAblegen(PfadAus(ziel))) {
        DateiSpeichernFehlgeschlagen(alsNeu ? QStringLiteral("Fehler beim speichern der Datei")
                                            : QStringLiteral("Fehler beim Speichern der Datei"));
        Kartei.Dateipfad = kKeineDatei;
        if (!alsNeu) {
            FenstertitelSetzen(this, QString());
        }
        return;
    }
    Kartei.Dateipfad = ziel;
    Kartei.Anzeigename = Dateiname(ziel);
    Kartei.Gesichert = true;
    TitelSetzen();
}

void TForm1::Schlieen1Click() {
    if (Kartei.Geoeffnet && AenderungenPruefen()) {
        KarteiSchliessen();
    }
}

void TForm1::AutoSpeichern() {
    if (Kartei.Dateipfad != kKeineDatei && Einstellungen.Autosave) {
        Speichern1Click();
    }
}

// ---------------------------------------------------------------------------------------
// Recent files

void TForm1::HistorieAnzeigen() {
    bool eines = false;
    for (int n = 0; n < 4; ++n) {
        const QString text = PfadAus(Historie.GetDisplay(n));
        const bool belegt = text != QLatin1String(kLeererPlatz.data(), kLeererPlatz.size());
        C[n]->setText(text);
        C[n]->setVisible(belegt);
        eines = eines || belegt;
    }
    oben->setVisible(eines);
    unten->setVisible(eines);
}

void TForm1::CClick(int slot) {
    if (!AenderungenPruefen()) {
        return;
    }
    KarteiSchliessen();
    Kartei.Dateipfad = Historie.Get(slot);
    KarteiLaden();
}

// ---------------------------------------------------------------------------------------
// The query

void TForm1::AbfrageStarten() {
    Abfrage.AbfrageStarten(Kartei);
    Timer1->start();
    sbox->show();
    StatistikAktualisieren();
    Label17->setText(QStringLiteral("0%"));
    Prozentsatz->setValue(0);
    Label8->setText(QStringLiteral("00:00"));
    TitelSetzen();
}

void TForm1::TastenUmschalten(bool an) {
    F1->setShortcut(an ? QKeySequence(Qt::Key_F) : QKeySequence());
    R1->setShortcut(an ? QKeySequence(Qt::Key_R) : QKeySequence());
}

void TForm1::Eingabefeld(bool bearbeitbar) {
    Memo2->setReadOnly(!bearbeitbar);
    Hintergrund(Memo2, bearbeitbar ? QColor(Qt::white) : kFlaeche);
}

void TForm1::FeldZeigen(QPlainTextEdit* feld, const std::string& text) {
    feld->setPlainText(QString::fromStdString(UmbruecheImFeld(Cp1252NachUtf8(text))));
}

void TForm1::NaechsteVokabel() {
    if (!Abfrage.NaechsteVokabel(Kartei, Heute(), Einstellungen, zufall_)) {
        return;
    }
    if (Abfrage.AktuellesFach != -1) {
        PaintBox1->Setzen(Abfrage.Balkenstufe());
    }
    Memo2->clear();
    Memo3->clear();
    FeldZeigen(Memo1, Abfrage.Frage());
    if (Abfrage.AktuellesFach == -1) {
        PaintBox1->Setzen(0);
    }
    Memo2->setFocus();
    Eingabefeld(true);
    Button1->setText(QStringLiteral("Eingabe selbst überprüfen (F9)"));
    Button1->setEnabled(true);
    Rbutton->setText(QStringLiteral("Richtig (R)"));
    Rbutton->setFixedWidth(100);
    Rbutton->setEnabled(false);
    Fbutton->setEnabled(false);
    Button2->setText(QStringLiteral("Eingabe autom. überprüfen (F10)"));
    Textfarbe(Memo2, Qt::black);
    Textfarbe(Memo3, Qt::black);
    Label6->hide();
    Label7->hide();
    TastenUmschalten(false);
    Enter1->setShortcuts(Einstellungen.Enterab ? QList<QKeySequence>{QKeySequence(Qt::Key_Return),
                                                                     QKeySequence(Qt::Key_Enter)}
                                               : QList<QKeySequence>{});
}

void TForm1::Button1Click() {
    switch (Abfrage.Aufdecken(Kartei)) {
    case TAufdeckung::Nichts:
        return;
    case TAufdeckung::KeineKartei:
        Meldung::Information(this, kKeineKartei);
        return;
    case TAufdeckung::Aufgedeckt:
        break;
    }
    LoesungZeigen();
}

void TForm1::LoesungZeigen() {
    FeldZeigen(Memo3, Abfrage.Loesung());
    Eingabefeld(false);
    Rbutton->setEnabled(true);
    Fbutton->setEnabled(true);
    Button1->setEnabled(false);
    TastenUmschalten(true);
}

void TForm1::Button2Click() {
    if (Abfrage.Zustand == TZustand::Abgelehnt) {
        Bewerten(false);
        return;
    }
    if (Abfrage.Zustand != TZustand::Offen) {
        return;
    }
    const auto eingabe = NachCp1252(Memo2->toPlainText());
    const TPruefung pruefung = Abfrage.AutomatischPruefen(
        Kartei, eingabe ? std::optional<std::string_view>(*eingabe) : std::nullopt);
    switch (pruefung) {
    case TPruefung::Nichts:
    case TPruefung::Weiter:
        return;
    case TPruefung::KeineKartei:
        Meldung::Information(this, kKeineKartei);
        return;
    case TPruefung::Richtig:
    case TPruefung::Abgelehnt:
        break;
    }
    // The check reveals the solution like F9 does, then grades or rejects at once.
    LoesungZeigen();
    Fbutton->setEnabled(false);
    Rbutton->setEnabled(false);
    if (pruefung == TPruefung::Richtig) {
        Bewerten(true);
        return;
    }
    Textfarbe(Memo2, QColor(255, 0, 0));
    Textfarbe(Memo3, QColor(0, 128, 0));
    Rbutton->setEnabled(true);
    Rbutton->setText(QStringLiteral("Doch richtig (R)"));
    Rbutton->setFixedWidth(209);
    Button2->setText(QStringLiteral("Weiter (F10)"));
    Label6->show();
    Label7->show();
}

void TForm1::RbuttonClick() {
    if (Abfrage.KannBewerten(true)) {
        Bewerten(true);
    }
}

void TForm1::FbuttonClick() {
    if (Abfrage.Zustand == TZustand::Aufgedeckt) {
        Bewerten(false);
    }
}

void TForm1::Bewerten(bool richtig) {
    Memo2->clear();
    VokabelVerschieben(richtig);
    StatistikAktualisieren();
    AutoSpeichern();
    NaechsteVokabel();
}

void TForm1::VokabelVerschieben(bool richtig) {
    if (const auto stufe = Abfrage.VokabelVerschieben(Kartei, richtig, zufall_)) {
        PaintBox1->Bewegen(*stufe);
    }
}

void TForm1::StatistikAktualisieren() {
    Labr->setText(QString::number(Abfrage.Richtige));
    Labf->setText(QString::number(Abfrage.Falsche));
    labgesamt->setText(QString::number(Abfrage.Richtige + Abfrage.Falsche));
    if (const auto p = Abfrage.Prozent()) {
        Prozentsatz->setValue(*p);
        Label17->setText(QString::number(*p) + u'%');
    }
    for (int k = 1; k <= 6; ++k) {
        lab[k]->setText(QString::fromStdString(FachText(k, Kartei.Fach[k].Count())));
    }
    gesamt->setText(QString::fromStdString(GesamtText(Kartei.Gesamtzahl())));
}

// ---------------------------------------------------------------------------------------
// Timers

void TForm1::Timer1Timer() {
    Abfrage.Sekundentakt();
    Label8->setText(QString::fromStdString(Abfrage.Zeittext()));
    if (Einstellungen.Timer != 0 && Abfrage.Minuten == Einstellungen.Timer &&
        Abfrage.ErinnerungOffen) {
        Abfrage.ErinnerungOffen = false;
        // Shown from outside this tick: a box that ran inside it would keep Timer1 from firing,
        // and the clock would stand still while the box is open.
        QTimer::singleShot(0, this, [this] {
            Meldung::Frage(this, QStringLiteral("Vokabeltimer"),
                           QStringLiteral("Sie lernen schon ziemlich lange..."), QMessageBox::Ok);
        });
    }
}

// The window is drawn before the box is read, which keeps the event loop busy for a moment
// with a big box: until the window system shows it, the timer waits a round more each time.
void TForm1::Timer2Timer() {
    Timer2->stop();
    const QWindow* fenster = windowHandle();
    if (fenster && !fenster->isExposed() && ++timer2Runden_ < kTimer2Runden) {
        Timer2->start();
        return;
    }
    repaint();
    AnzeigeAbschicken();
    KarteiLaden();
}

void TForm1::Timer3Timer() {
    Uhrfeld->setText(QString::fromStdString(KurzdatumFormatieren(Heute(), Datumsmuster())) + u' ' +
                     Uhrzeit());
    JvPanel1->setVisible(!Kartei.Geoeffnet);
}

void TForm1::Timer4Timer() {
    Timer4->stop();
    if (HintergrundStartFlag) {
        Hintergrundanaus1Click();
    }
}

// ---------------------------------------------------------------------------------------
// The other windows

void TForm1::FensterErzeugen() {
    Form2 = new TForm2(Einstellungen, this);
    Form3 = new TForm3(this);
    Form4 = new TForm4(*Timer1, Kartei, this);
    Form5 = new TForm5(Kartei, Einstellungen, Ersatztexte, this);
    Form6 = new TForm6(Kartei, Ersatztexte, this);
    Form7 = new TForm7(Kartei, *Form6, this);
    Form9 = new TForm9(this);
    Form8 = new TForm8(Ersatztexte, *Form9, this);
    Form10 = std::make_unique<TForm10>();
    wirbel_ = new Wirbelflaeche(this);
}

bool TForm1::KarteiOffenPruefen() {
    if (!Kartei.Geoeffnet) {
        Meldung::Information(this, kKeineKartei);
    }
    return Kartei.Geoeffnet;
}

void TForm1::Hinzufgen1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    Timer1->stop();
    // "Fertig" asks the next card while the dialog closes; the close box does not.
    if (Form5->exec() == QDialog::Accepted) {
        NaechsteVokabel();
    }
    if (Kartei.Geoeffnet) {
        Timer1->start();
    }
    Kartei.Gesichert = false;
    StatistikAktualisieren();
    AutoSpeichern();
}

void TForm1::Liste1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    Form7->Aufbauen();
    Form7->exec();
    NaechsteVokabel();
    // Cards deleted in the list would otherwise still be counted until the next grading.
    StatistikAktualisieren();
}

void TForm1::Wirbel1Click() {
    wirbel_->Ablaufen();
}

void TForm1::JvApplicationHotKey1HotKey() {
    Wirbel1Click();
}

void TForm1::Allgemein1Click() {
    Timer1->stop();
    Form2->exec();
    Form10->FarbeSetzen(Einstellungen.Hintergrundfarbe);
    if (Kartei.Geoeffnet) {
        Timer1->start();
    }
    NaechsteVokabel();
}

void TForm1::TastaturbelegungSonderzeichen1Click() {
    Form8->exec();
}

void TForm1::Hintergrundanaus1Click() {
    if (Form10->isVisible()) {
        Form10->hide();
        return;
    }
    Form10->Zeigen(Einstellungen.Hintergrundfarbe);
    raise();
    activateWindow();
}

void TForm1::Hilfe1Click() {
    HtmlOeffnen(QStringLiteral("Hilfe.html"));
    Form3->exec();
}

void TForm1::Homepage1Click() {
    HtmlOeffnen(QStringLiteral("Connect.html"));
}

// The about window starts the clock again itself when it closes.
void TForm1::ber1Click() {
    Timer1->stop();
    Form4->exec();
}
