// The file commands and the recent files. Core decides each step of a command; the window
// takes it (a question, a dialog, reading or writing, a message, its own fields) and reports
// how it went, until the command is over.
#include "hauptfenster.h"

#include "dateien.h"
#include "dateiwahl.h"
#include "fenster.h"
#include "lernverlauf.h"
#include "meldung.h"
#include "sanduhr.h"
#include "uhr.h"
#include "umwandlung.h"

#include <QAction>

using namespace lexidor;

void TForm1::KarteiLaden() {
    Ausfuehren(Dateibefehle.Laden());
}

void TForm1::Neu1Click() {
    Ausfuehren(Dateibefehle.Neu(Heute(), Einstellungen.Intervall()));
}

void TForm1::ffnen1Click() {
    Ausfuehren(Dateibefehle.Oeffnen());
}

void TForm1::Speichern1Click() {
    Ausfuehren(Dateibefehle.Speichern());
}

void TForm1::Speichernunter1Click() {
    Ausfuehren(Dateibefehle.SpeichernUnter());
}

void TForm1::Schlieen1Click() {
    Ausfuehren(Dateibefehle.Schliessen());
}

void TForm1::AutoSpeichern() {
    Ausfuehren(Dateibefehle.AutoSpeichern(Einstellungen.Autosave));
}

// False when the command stopped before its end: cancelled, refused, or the changes the user
// wanted saved were not.
bool TForm1::Ausfuehren(TDateischritt schritt) {
    while (schritt.Aktion != TDateiaktion::Fertig) {
        schritt = Schritt(schritt);
    }
    return schritt.Weiter;
}

TDateischritt TForm1::Schritt(const TDateischritt& schritt) {
    switch (schritt.Aktion) {
    case TDateiaktion::Fertig:
        break;
    case TDateiaktion::Fragen:
        return Dateibefehle.Beantwortet(Fragen(schritt.MitAbbrechen));
    case TDateiaktion::OeffnenDialog:
        return Gewaehlt(Dateiwahl::Oeffnen(this, letzterOeffnenName_));
    case TDateiaktion::SpeichernDialog:
        return Gewaehlt(Dateiwahl::Speichern(this, letzterSpeichernName_));
    case TDateiaktion::Lesen:
        return Einlesen(schritt.Pfad);
    case TDateiaktion::Schreiben: {
        const Schreibergebnis ergebnis = Ablegen(schritt.Pfad);
        return Dateibefehle.Geschrieben(ergebnis.ok, Schreibfehlertext(ergebnis));
    }
    case TDateiaktion::Melden:
        Meldung::Information(this, QString::fromStdString(schritt.Text));
        break;
    case TDateiaktion::TitelSetzen:
        FenstertitelSetzen(this, QString::fromStdString(schritt.Text));
        break;
    case TDateiaktion::AbfrageLeeren:
        AbfrageLeeren();
        break;
    case TDateiaktion::AbfrageStarten:
        AbfrageStarten();
        break;
    case TDateiaktion::NaechsteVokabel:
        NaechsteVokabel();
        break;
    case TDateiaktion::HistorieEintragen:
        Historie.Add(schritt.Pfad);
        HistorieAnzeigen();
        break;
    }
    return Dateibefehle.Erledigt();
}

TAntwort TForm1::Fragen(bool mitAbbrechen) {
    QMessageBox::StandardButtons knoepfe = QMessageBox::Yes | QMessageBox::No;
    if (mitAbbrechen) {
        knoepfe |= QMessageBox::Cancel;
    }
    switch (Meldung::Frage(this,
                           QStringLiteral("Die momentan geöffnete Datei wurde nicht gesichert"),
                           QStringLiteral("Wollen sie die Änderungen Speichern?"), knoepfe)) {
    case QMessageBox::Yes:
        return TAntwort::Ja;
    case QMessageBox::No:
        return TAntwort::Nein;
    default:
        return TAntwort::Abbrechen;
    }
}

TDateischritt TForm1::Gewaehlt(const std::optional<QString>& name) {
    if (!name) {
        return Dateibefehle.Gewaehlt(std::nullopt);
    }
    return Dateibefehle.Gewaehlt(PfadBytes(*name));
}

// The busy cursor stands while the file is read or written, not during the message after.
TDateischritt TForm1::Einlesen(const std::string& pfad) {
    const Sanduhr sanduhr;
    const QString datei = PfadAus(pfad);
    return Dateibefehle.Gelesen(
        [&datei](const Senke& senke) { return DateiStueckweiseLesen(datei, senke); }, Heute(),
        zufall_);
}

// A saved box records the day in its learning history; the history follows the path saved to.
Schreibergebnis TForm1::Ablegen(const std::string& pfad) {
    const Sanduhr sanduhr;
    const Schreibergebnis geschrieben =
        DateiStueckweiseSchreiben(PfadAus(pfad), [this](const Stueckweise& senke) {
            return Dateibefehle.KarteiAusgeben(senke);
        });
    if (geschrieben) {
        VerlaufEintragen(pfad, Kartei, Heute(), 0, 0);
    }
    return geschrieben;
}

// ---------------------------------------------------------------------------------------
// Recent files

void TForm1::HistorieAnzeigen() {
    bool eines = false;
    for (int n = 0; n < 4; ++n) {
        const bool belegt = Historie.Belegt(n);
        C[n]->setText(PfadAus(Historie.GetDisplay(n)).replace(u'&', QStringLiteral("&&")));
        C[n]->setVisible(belegt);
        eines = eines || belegt;
    }
    oben->setVisible(eines);
    unten->setVisible(eines);
}

void TForm1::CClick(int slot) {
    Ausfuehren(Dateibefehle.Zuletzt(Historie.Get(slot)));
}
