// The main window's import and export: vocabulary from other programs' files into the open
// box, and the box's cards out as a text file. Reading the files and choosing are the
// shell's; what becomes of each row is core's.
#include "dateiwahl.h"
#include "hauptfenster.h"
#include "importdialog.h"
#include "karteidatei.h"
#include "kvtml.h"
#include "kvtmlleser.h"
#include "meldung.h"
#include "plattform.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <QDir>
#include <QFileInfo>

using namespace lexidor;

namespace {

QString Anzeigepfad(const QString& pfad) {
    return Sichtbar(QDir::toNativeSeparators(pfad));
}

// Another card box: read as opening it would, its compartments shuffled as they would be.
std::optional<Importtabelle> KarteiTabelleLesen(QWidget* fenster, const QString& pfad,
                                                std::string_view datei) {
    TKartei andere;
    andere.Dateipfad = PfadBytes(pfad);
    bool gelesen = false;
    {
        const Sanduhr sanduhr;
        MersenneZufall zufall(Uhrsaat());
        gelesen = KarteiLesen(andere, datei, Datumsmuster(), Heute(), zufall);
    }
    if (!gelesen) {
        Meldung::Information(
            fenster,
            QStringLiteral("Die Vokabelkartei „%1“ ist fehlerhaft.").arg(Anzeigepfad(pfad)));
        return std::nullopt;
    }
    const Sanduhr sanduhr;
    return KarteiTabelle(andere);
}

// The rows of the file, or nullopt after the message that says why there are none.
std::optional<Importtabelle> TabelleLesen(QWidget* fenster, const QString& pfad) {
    std::optional<std::string> datei;
    {
        const Sanduhr sanduhr;
        datei = DateiLesen(pfad);
    }
    if (!datei) {
        Meldung::Information(
            fenster,
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(Anzeigepfad(pfad)));
        return std::nullopt;
    }
    if (IstKarteidatei(*datei)) {
        return KarteiTabelleLesen(fenster, pfad, *datei);
    }
    if (!IstKvtml(*datei)) {
        const Sanduhr sanduhr;
        return TextdateiLesen(*datei);
    }
    QString fehler;
    const auto dokument = KvtmlLesen(*datei, fehler);
    if (!dokument) {
        Meldung::Information(fenster,
                             QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\n\n%2")
                                 .arg(Anzeigepfad(pfad), fehler));
        return std::nullopt;
    }
    return KvtmlTabelle(*dokument);
}

} // namespace

void TForm1::Importieren1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    const auto name = Dateiwahl::Importieren(this, letzterImportName_);
    if (!name) {
        return;
    }
    const auto tabelle = TabelleLesen(this, *name);
    if (!tabelle) {
        return;
    }
    if (tabelle->Zeilen() == 0) {
        Meldung::Information(
            this, QStringLiteral("Die Datei „%1“ enthält keine Vokabeln.").arg(Anzeigepfad(*name)));
        return;
    }
    TImportdialog dialog(*tabelle, QFileInfo(*name).fileName(), this);
    if (OhneUhr(dialog) != QDialog::Accepted) {
        return;
    }
    Importergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = Importieren(Kartei, *tabelle, dialog.Wahl());
    }
    // As after the add dialog: the box has changed and is saved automatically.
    if (ergebnis.uebernommen > 0) {
        StatistikAktualisieren();
        Ausfuehren(Dateibefehle.Hinzugefuegt(Einstellungen.Autosave));
        NaechsteVokabel();
    }
    Meldung::Information(this, QString::fromStdString(ImportMeldung(ergebnis)));
}

void TForm1::Exportieren1Click() {
    if (!KarteiOffenPruefen()) {
        return;
    }
    const auto ziel = Dateiwahl::Exportieren(this, letzterExportName_);
    if (!ziel) {
        return;
    }
    Schreibergebnis geschrieben;
    {
        const Sanduhr sanduhr;
        geschrieben =
            DateiStueckweiseSchreiben(ziel->name, [this, &ziel](const Stueckweise& senke) {
                return VokabelnExportieren(Kartei, ziel->format, senke);
            });
    }
    if (!geschrieben) {
        const QString zeile = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.")
                                  .arg(Anzeigepfad(ziel->name));
        Meldung::Information(this, QString::fromStdString(MitErklaerung(
                                       zeile.toStdString(), Schreibfehlertext(geschrieben))));
    }
}
