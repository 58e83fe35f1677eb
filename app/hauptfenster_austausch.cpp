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
#include "textimport.h"
#include "uhr.h"
#include "umwandlung.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <QDir>
#include <QFile>
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

std::optional<std::string> Anfang(const QString& pfad) {
    QFile datei(pfad);
    std::string bytes(kTextanfang, '\0');
    const qint64 gelesen = datei.open(QIODevice::ReadOnly)
                               ? datei.read(bytes.data(), static_cast<qint64>(bytes.size()))
                               : -1;
    if (gelesen < 0) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(gelesen));
    return bytes;
}

// The file's bytes, of a large file its start only, or nullopt after the message that says
// why there are none.
std::optional<std::string> ImportdateiLesen(QWidget* fenster, const QString& pfad, bool ganz) {
    if (static_cast<std::uint64_t>(QFileInfo(pfad).size()) > kImportHoechstgroesse) {
        Abgelehnt(fenster, pfad, QString::fromStdString(ZuGrossText()));
        return std::nullopt;
    }
    std::optional<std::string> datei;
    {
        const Sanduhr sanduhr;
        datei = ganz ? DateiLesen(pfad) : Anfang(pfad);
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
                                          std::string_view datei, bool ganz) {
    const Importdatei sorte = ImportdateiErkennen(datei);
    if (const std::string_view grund = ImportdateiAblehnung(sorte); !grund.empty()) {
        Abgelehnt(fenster, pfad, QString::fromUtf8(grund.data(), std::ssize(grund)));
        return std::nullopt;
    }
    if (sorte == Importdatei::Kartei) {
        return KarteiTabelleLesen(fenster, pfad, datei);
    }
    if (sorte == Importdatei::Kvtml) {
        return KvtmlTabelleLesen(fenster, pfad, datei);
    }
    const Sanduhr sanduhr;
    Fortschrittsanzeige anzeige(fenster, QStringLiteral("Die Datei wird gelesen …"));
    Leseart art;
    art.fortschritt = anzeige.Melder();
    Importtabelle tabelle = ganz ? TextdateiLesen(datei, art) : TextanfangLesen(datei, art);
    if (anzeige.Abgebrochen()) {
        return std::nullopt;
    }
    return tabelle;
}

struct Textergebnis {
    Importergebnis ergebnis;
    bool lesefehler = false; // the file could not be read to its end
};

// A text file's cards, of a large file read piece by piece from the disk as they come in:
// only its start was read for the dialog, and the whole of it never needs to be in memory.
Textergebnis TextImportieren(TKartei& kartei, const QString& pfad, std::string_view datei,
                             const Importtabelle& vorlage, const Importwahl& wahl,
                             const Fortschritt& fortschritt) {
    if (!vorlage.nurAnfang) {
        Textimport import(kartei, vorlage, wahl, datei.size());
        import.Stueck(datei, true);
        return {import.Ergebnis()};
    }
    constexpr auto kStueck = static_cast<qint64>(kImportstueck);
    QFile quelle(pfad);
    const bool offen = quelle.open(QIODevice::ReadOnly);
    Textimport import(kartei, vorlage, wahl, static_cast<std::uint64_t>(quelle.size()),
                      fortschritt);
    std::string stueck(kStueck, '\0');
    for (;;) {
        const qint64 gelesen = offen ? quelle.read(stueck.data(), kStueck) : -1;
        if (gelesen < 0) {
            import.Abbrechen();
            return {import.Ergebnis(), true};
        }
        const bool letztes = gelesen < kStueck || quelle.atEnd();
        if (!import.Stueck(std::string_view(stueck.data(), static_cast<std::size_t>(gelesen)),
                           letztes) ||
            letztes) {
            return {import.Ergebnis()};
        }
    }
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
    // A text file is seen in the dialog by its start; any other is read whole.
    bool ganz = QFileInfo(*name).size() <= static_cast<qint64>(kTextanfang);
    auto datei = ImportdateiLesen(this, *name, ganz);
    if (datei && !ganz && ImportdateiErkennen(*datei) != Importdatei::Text) {
        ganz = true;
        datei = ImportdateiLesen(this, *name, ganz);
    }
    if (!datei) {
        return;
    }
    auto tabelle = TabelleLesen(this, *name, *datei, ganz);
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
    Textergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        Fortschrittsanzeige anzeige(this, QStringLiteral("Die Vokabeln werden importiert …"));
        const Importtabelle& t = dialog.Tabelle();
        if (t.format == Importformat::Trennzeichen || t.format == Importformat::Anki) {
            ergebnis = TextImportieren(Kartei, *name, *datei, t, dialog.Wahl(), anzeige.Melder());
        } else {
            ergebnis.ergebnis = Importieren(Kartei, t, dialog.Wahl(), anzeige.Melder());
        }
    }
    if (ergebnis.lesefehler) {
        Meldung::Information(
            this,
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(Anzeigepfad(*name)));
    }
    // As after the add dialog: the box has changed and is saved automatically.
    if (ergebnis.ergebnis.uebernommen > 0) {
        StatistikAktualisieren();
        Ausfuehren(Dateibefehle.Hinzugefuegt(Einstellungen.Autosave));
        NaechsteVokabel();
    }
    Meldung::Information(this, QString::fromStdString(ImportMeldung(ergebnis.ergebnis)));
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
