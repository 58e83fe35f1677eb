// The main window's import and export: vocabulary from other programs' files into the open
// box, and the box's cards out as a text file. Reading the files and choosing are the
// shell's; what becomes of each row is core's.
#include "dateien.h"
#include "dateiwahl.h"
#include "hauptfenster.h"
#include "importdialog.h"
#include "karteidatei.h"
#include "kvtml.h"
#include "kvtmlleser.h"
#include "meldung.h"
#include "sanduhr.h"
#include "uhr.h"
#include "umwandlung.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <algorithm>

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

// A bar with "Abbrechen" for a step that takes more than a moment; a quick one shows none.
class Fortschrittsanzeige {
public:
    Fortschrittsanzeige(QWidget* fenster, const QString& text)
        : dialog_(text, QStringLiteral("Abbrechen"), 0, kSchritte, fenster) {
        dialog_.setWindowTitle(QStringLiteral("Vokabeln importieren"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    Fortschritt Melder() {
        return [this](std::size_t erledigt, std::size_t gesamt) {
            dialog_.setValue(
                static_cast<int>(erledigt * kSchritte / std::max<std::size_t>(gesamt, 1)));
            return !dialog_.wasCanceled();
        };
    }
    bool Abgebrochen() const { return dialog_.wasCanceled(); }

private:
    static constexpr int kSchritte = 1000;
    QProgressDialog dialog_;
};

void Abgelehnt(QWidget* fenster, const QString& pfad, const QString& grund) {
    Meldung::Information(fenster,
                         QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\n\n%2")
                             .arg(Anzeigepfad(pfad), grund));
}

std::optional<Importtabelle> KvtmlTabelleLesen(QWidget* fenster, const QString& pfad,
                                               std::string_view datei) {
    QString fehler;
    std::optional<KvtmlDokument> dokument;
    {
        const Sanduhr sanduhr;
        Fortschrittsanzeige anzeige(fenster, QStringLiteral("Die Datei wird gelesen …"));
        dokument = KvtmlLesen(datei, fehler, anzeige.Melder());
        if (anzeige.Abgebrochen()) {
            return std::nullopt;
        }
    }
    if (!dokument) {
        Abgelehnt(fenster, pfad, fehler);
        return std::nullopt;
    }
    const Sanduhr sanduhr;
    return KvtmlTabelle(*dokument);
}

// The file's bytes, or nullopt after the message that says why there are none.
std::optional<std::string> ImportdateiLesen(QWidget* fenster, const QString& pfad) {
    if (static_cast<std::uint64_t>(QFileInfo(pfad).size()) > kImportHoechstgroesse) {
        Abgelehnt(fenster, pfad, QString::fromStdString(ZuGrossText()));
        return std::nullopt;
    }
    std::optional<std::string> datei;
    {
        const Sanduhr sanduhr;
        datei = DateiLesen(pfad);
    }
    if (!datei) {
        Meldung::Information(
            fenster,
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(Anzeigepfad(pfad)));
    }
    return datei;
}

// The rows of the file, or nullopt after the message that says why there are none.
std::optional<Importtabelle> TabelleLesen(QWidget* fenster, const QString& pfad,
                                          std::string_view datei) {
    switch (ImportdateiErkennen(datei)) {
    case Importdatei::Kartei:
        return KarteiTabelleLesen(fenster, pfad, datei);
    case Importdatei::Kvtml:
        return KvtmlTabelleLesen(fenster, pfad, datei);
    case Importdatei::AnderesXml:
        Abgelehnt(fenster, pfad,
                  QStringLiteral("Sie ist eine XML-Datei, aber keine KVTML-Datei (Parley, "
                                 "KWordQuiz)."));
        return std::nullopt;
    case Importdatei::Binaer:
        Abgelehnt(fenster, pfad,
                  QStringLiteral("Sie ist keine Textdatei, sondern etwa ein Bild oder ein "
                                 "Programm."));
        return std::nullopt;
    case Importdatei::Text:
        break;
    }
    const Sanduhr sanduhr;
    Fortschrittsanzeige anzeige(fenster, QStringLiteral("Die Datei wird gelesen …"));
    Leseart art;
    art.fortschritt = anzeige.Melder();
    Importtabelle tabelle = TextdateiLesen(datei, art);
    if (anzeige.Abgebrochen()) {
        return std::nullopt;
    }
    return tabelle;
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
    const auto datei = ImportdateiLesen(this, *name);
    if (!datei) {
        return;
    }
    auto tabelle = TabelleLesen(this, *name, *datei);
    if (!tabelle) {
        return;
    }
    if (tabelle->Zeilen() == 0) {
        Meldung::Information(
            this, QStringLiteral("Die Datei „%1“ enthält keine Vokabeln.").arg(Anzeigepfad(*name)));
        return;
    }
    TImportdialog dialog(std::move(*tabelle), *datei, QFileInfo(*name).fileName(), this);
    if (OhneUhr(dialog) != QDialog::Accepted) {
        return;
    }
    Importergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        Fortschrittsanzeige anzeige(this, QStringLiteral("Die Vokabeln werden importiert …"));
        ergebnis = Importieren(Kartei, dialog.Tabelle(), dialog.Wahl(), anzeige.Melder());
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
