// The main window's timers and the commands that open the other windows.
#include "hauptfenster.h"

#include "bearbeiten.h"
#include "browser.h"
#include "drucken.h"
#include "einstellungsdialog.h"
#include "hilfehinweis.h"
#include "hintergrund.h"
#include "hinzufuegen.h"
#include "info.h"
#include "lernverlauf.h"
#include "meldung.h"
#include "sanduhr.h"
#include "tastaturbelegung.h"
#include "uhr.h"
#include "verlaufspanel.h"
#include "vokabelliste.h"
#include "wirbelflaeche.h"
#include "zeichenwahl.h"

#include <QLabel>
#include <QTimer>
#include <QWindow>

using namespace lexidor;

namespace {

// Timer2 reads the box after a second at the latest, even if the window is never shown.
constexpr int kTimer2Runden = 50;

QTimer* Zeitgeber(QObject* eltern, const char* name, int ms, bool einmal) {
    auto* timer = new QTimer(eltern);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(ms);
    timer->setSingleShot(einmal);
    return timer;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Timers

// Timer1 is the query clock, Timer2 reads the box named at start, Timer3 the status bar's
// clock, Timer4 shows the background at start.
void TForm1::TimerAnlegen() {
    Timer1 = Zeitgeber(this, "Timer1", 1000, false);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = Zeitgeber(this, "Timer2", 20, true);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer3 = Zeitgeber(this, "Timer3", 20, false);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    Timer3->start();
    Timer4 = Zeitgeber(this, "Timer4", 10, true);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    Timer4->start();
}

void TForm1::Timer1Timer() {
    Abfrage.Sekundentakt();
    Label8->setText(QString::fromStdString(Abfrage.Zeittext()));
    if (!Abfrage.ErinnerungFaellig(Einstellungen.Timer)) {
        return;
    }
    // Shown from outside this tick: a box that ran inside it would keep Timer1 from firing, and
    // the clock would stand still while the box is open.
    QTimer::singleShot(0, this, [this] {
        Meldung::Frage(this, QStringLiteral("Vokabeltimer"),
                       QStringLiteral("Sie lernen schon ziemlich lange..."), QMessageBox::Ok);
    });
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
    Form4 = new TForm4(this);
    connect(Form4, &TForm4::Geschlossen, this, &TForm1::UhrWeiter);
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
        Meldung::Information(this, QString::fromUtf8(kKeineKartei));
    }
    return Kartei.Geoeffnet;
}

// The query clock stands while the dialog keeps the user from the query.
int TForm1::OhneUhr(QDialog& dialog) {
    Timer1->stop();
    const int ergebnis = dialog.exec();
    UhrWeiter();
    return ergebnis;
}

void TForm1::UhrWeiter() {
    if (Kartei.Geoeffnet) {
        Timer1->start();
    }
}

void TForm1::Hinzufgen1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    // "Fertig" asks the next card while the dialog closes; the close box does not.
    if (OhneUhr(*Form5) == QDialog::Accepted) {
        NaechsteVokabel();
    }
    StatistikAktualisieren();
    Ausfuehren(Dateibefehle.Hinzugefuegt(Einstellungen.Autosave));
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

// Made afresh each time: they show the box as it is now.
void TForm1::Lernverlauf1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    TLernverlauf fenster(Kartei, Heute(), this);
    OhneUhr(fenster);
}

void TForm1::Drucken1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    TDrucken fenster(Kartei, Einstellungen.Abfragerichtung, Heute(), this);
    OhneUhr(fenster);
}

void TForm1::Wirbel1Click() {
    wirbel_->Ablaufen();
}

void TForm1::JvApplicationHotKey1HotKey() {
    Wirbel1Click();
}

void TForm1::Allgemein1Click() {
    OhneUhr(*Form2);
    Form10->FarbeSetzen(Einstellungen.Hintergrundfarbe);
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
    if (!Form10->Zeigen(Einstellungen.Hintergrundfarbe)) {
        Meldung::Information(this, QString::fromUtf8(kKeinHintergrund));
        return;
    }
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

// The about window says when it closes, and the clock goes on then.
void TForm1::ber1Click() {
    Timer1->stop();
    Form4->exec();
}
