// The session's end and what it leaves: a signal or the session manager ends the program
// without the user, the unsaved cards are kept in a recovery copy, and the next start offers
// it. A second start's card box comes in here too.
#include "hauptfenster.h"

#include "dateien.h"
#include "meldung.h"
#include "sitzung.h"
#include "sitzungsende.h"
#include "umwandlung.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

using namespace lexidor;

void TForm1::SitzungBeenden() {
    ProgrammdateienSchreiben(false);
    UngesichertAufbewahren();
    // Every event loop ends, also that of a dialog or question open at this moment.
    QApplication::exit(0);
}

bool TForm1::SitzungBeantworten(bool fragen) {
    if (fragen) {
        if (!Ausfuehren(Dateibefehle.Beenden())) {
            return false;
        }
        verworfen_ = Kartei.Geoeffnet && !Kartei.Gesichert;
    } else {
        UngesichertAufbewahren();
    }
    ProgrammdateienSchreiben(fragen);
    return true;
}

// The box itself is written only where the user has said so once and for all (autosave).
void TForm1::UngesichertAufbewahren() {
    if (verworfen_) {
        return;
    }
    const auto ausgeben = [this](const Stueckweise& senke) {
        return Dateibefehle.KarteiAusgeben(senke);
    };
    switch (BeimSitzungsende(Kartei, Einstellungen.Autosave)) {
    case Sitzungssicherung::Nichts:
        break;
    case Sitzungssicherung::Kartei:
        Kartei.Gesichert = DateiStueckweiseSchreiben(PfadAus(Kartei.Dateipfad), ausgeben).ok;
        if (Kartei.Gesichert) {
            break;
        }
        [[fallthrough]]; // a box that cannot be written is kept as a copy
    case Sitzungssicherung::Kopie:
        Wiederherstellung::Ablegen(ausgeben, Kartei.Dateipfad);
        break;
    }
}

// Asked once; the copy goes either way, so it is never offered twice. A box named on the
// command line comes after it, through the question about the restored changes.
void TForm1::WiederherstellungAnbieten() {
    const auto original = Wiederherstellung::Vorhanden();
    if (!original) {
        return;
    }
    const auto antwort = Meldung::Frage(this, QString::fromUtf8(kWiederherstellungTitel),
                                        QString::fromStdString(WiederherstellungFrage(*original)),
                                        QMessageBox::Yes | QMessageBox::No);
    if (antwort == QMessageBox::Yes) {
        const bool genannt = Timer2->isActive();
        const std::string pfad = Kartei.Dateipfad;
        Timer2->stop();
        Ausfuehren(Dateibefehle.Wiederherstellen(PfadBytes(Wiederherstellung::Kopie()), *original));
        if (genannt) {
            QTimer::singleShot(0, this, [this, pfad] { Ausfuehren(Dateibefehle.Zuletzt(pfad)); });
        }
    }
    Wiederherstellung::Entfernen();
}

// The box already open only comes to the front: reading it again would ask about its changes.
void TForm1::KarteiUebernehmen(const QString& pfad) {
    const QString offen = QFileInfo(PfadAus(Kartei.Dateipfad)).canonicalFilePath();
    if (Kartei.Geoeffnet && !offen.isEmpty() && offen == QFileInfo(pfad).canonicalFilePath()) {
        return;
    }
    Ausfuehren(Dateibefehle.Zuletzt(PfadBytes(pfad)));
}
