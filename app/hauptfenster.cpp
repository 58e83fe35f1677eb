// The main window's start and exit: the program's own files are read at start and written
// at exit, and a card box named on the command line is read once the window is shown.
#include "hauptfenster.h"

#include "dateien.h"
#include "fenster.h"
#include "hintergrund.h"
#include "hotkey.h"
#include "meldung.h"
#include "profil.h"
#include "programmpfade.h"
#include "stufenbarflaeche.h"
#include "uhr.h"
#include "umwandlung.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>

using namespace lexidor;

TForm1::TForm1(const QStringList& argumente, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      Historie(4), Dateibefehle(Kartei, Datumsmuster()), zufall_(Uhrsaat()) {
    FensterAufbauen();
    TimerAnlegen();
    // Ctrl+Alt+W from any window, for as long as this window exists.
    JvApplicationHotKey1 = new Globaltaste(this, [this] { JvApplicationHotKey1HotKey(); });
    FormCreate(argumente);
    FensterErzeugen();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    Zentrieren(this, screen()->availableGeometry());
    Timer3Timer();
    ZugangEinrichten();
    WiederherstellungAnbieten();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const QStringList& argumente) {
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
    setWindowTitle(QString::fromUtf8(kProgrammtitel));
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
    if (!Ausfuehren(Dateibefehle.Beenden())) {
        return false;
    }
    ProgrammdateienSchreiben(true);
    Timer1->stop();
    Timer3->stop();
    return true;
}

void TForm1::ProgrammdateienSchreiben(bool melden) {
    Profildatei profil(
        DateiLesen(ProgrammDatei(QStringLiteral("lexidor.ini"))).value_or(std::string()));
    EinstellungenSpeichern(profil, Einstellungen, Form10->isVisible());
    ProgrammverzeichnisAnlegen();
    ProgrammdateiSchreiben(QStringLiteral("lexidor.ini"), profil.Daten(), melden);
    ProgrammdateiSchreiben(QStringLiteral("sonderzeichen.ini"), ErsatztexteSpeichern(Ersatztexte),
                           melden);
    ProgrammdateiSchreiben(QStringLiteral("history.ini"), Historie.Save(), melden);
}

void TForm1::ProgrammdateiSchreiben(const QString& name, const std::string& bytes, bool melden) {
    const Schreibergebnis ergebnis = DateiSchreiben(ProgrammDatei(name), bytes);
    if (!ergebnis && melden) {
        const QString zeile = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.")
                                  .arg(ProgrammDatei(name));
        Meldung::Information(this, QString::fromStdString(MitErklaerung(
                                       zeile.toStdString(), Schreibfehlertext(ergebnis))));
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

void TForm1::Beenden1Click() {
    close();
}
