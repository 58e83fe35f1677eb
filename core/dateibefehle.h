// The file commands of the main window: new, open, save, save as, close, a recent-file entry,
// the file named at start, automatic saving and the question at exit. The window carries out
// the steps named here (dialogs, reading and writing, messages, its own fields) one at a
// time and reports each outcome; the answer is the next step, until Fertig.
#pragma once

#include "kartei.h"
#include "karteidatei.h"
#include "kurzdatum.h"
#include "zufall.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lexidor {

inline constexpr std::string_view kProgrammtitel = "Karvello Lexidor 1.1";
inline constexpr std::string_view kLadefehler = "Datei ist fehlerhaft oder nicht vorhanden!";
inline constexpr std::string_view kSpeicherfehler = "Fehler beim speichern der Datei";
inline constexpr std::string_view kSpeicherUnterFehler = "Fehler beim Speichern der Datei";
// Once, when a box is first written as UTF-8.
inline constexpr std::string_view kUtf8Hinweis =
    "Diese Vokabelkartei enthält jetzt Zeichen, die es im westeuropäischen Zeichensatz "
    "(Windows-1252) nicht gibt. Sie wurde deshalb als UTF-8 gespeichert und lässt sich mit "
    "älteren Versionen von Lexidor nicht mehr öffnen.";

// The main window's title while the box with this display name is open.
std::string Fenstertitel(std::string_view anzeigename);

// The file a save writes for a name chosen in the save dialog: the name when it ends in
// ".vkd" exactly (letter case counts), else the name with ".vkd" appended.
std::string Speicherziel(std::string_view name);

// What the window does next, and how it reports back.
enum class TDateiaktion {
    Fertig,            // the command is over
    Fragen,            // ask whether to save the changes -> Beantwortet
    OeffnenDialog,     // -> Gewaehlt
    SpeichernDialog,   // -> Gewaehlt
    Lesen,             // read the file Pfad through Gelesen
    Schreiben,         // write KarteiAusgeben's bytes to the file Pfad -> Geschrieben
    Melden,            // information message Text -> Erledigt
    TitelSetzen,       // window title Text -> Erledigt
    AbfrageLeeren,     // the window's part of closing a box -> Erledigt
    AbfrageStarten,    // the query start -> Erledigt
    NaechsteVokabel,   // -> Erledigt
    HistorieEintragen, // enter Pfad into the recent files and rebuild their menu -> Erledigt
};

// Closing the question box without a choice counts as Abbrechen, also at exit, where the box
// offers only Ja and Nein: a slip of the Escape key never drops the changes.
enum class TAntwort { Ja, Nein, Abbrechen };

// A card box at the limit is some 200 MB: its file is taken apart as it comes from the disk
// and written as it is made, never held whole beside the cards. The window's reader for a
// Lesen step hands the file's bytes to the sink piece by piece and stops when the sink answers
// false; false when the file could not be read.
using Quelle = std::function<bool(const Senke&)>;

// Texts are UTF-8, as the paths they are made of.
struct TDateischritt {
    TDateiaktion Aktion = TDateiaktion::Fertig;
    std::string Pfad;
    std::string Text;
    bool MitAbbrechen = false; // Fragen: Yes, No and Cancel, else only Yes and No
    // Fertig: false when the command stopped at the question about unsaved changes (Cancel,
    // or Yes and the save did not happen), or was refused.
    bool Weiter = true;
};

class TDateibefehle {
public:
    TDateibefehle(TKartei& kartei, std::string datumsmuster);

    // While a command waits for an outcome, a second one is refused: Fertig, Weiter false.
    TDateischritt Neu(Datum heute, const Intervalle& intervalle);
    TDateischritt Oeffnen();
    TDateischritt Zuletzt(std::string pfad); // a recent-file entry, with its stored path
    TDateischritt Laden();                   // the file already named by Dateipfad
    TDateischritt Speichern();
    TDateischritt SpeichernUnter();
    TDateischritt Schliessen();
    TDateischritt AutoSpeichern(bool autosave);
    TDateischritt Hinzugefuegt(bool autosave); // the add dialog has closed
    // Weiter false at the end: the user wanted the changes saved and they were not, so the
    // window stays open.
    TDateischritt Beenden();
    // The recovery copy a killed session left: read from kopie, it then stands for the box at
    // original (kKeineDatei for one that never had a file), unsaved, so nothing is written
    // over that box until the user saves.
    TDateischritt Wiederherstellen(std::string kopie, std::string original);

    // Outcomes. One that does not fit the step asked for changes nothing and gets that
    // step again.
    TDateischritt Beantwortet(TAntwort antwort);
    TDateischritt Gewaehlt(std::optional<std::string> name); // nullopt: dialog cancelled
    TDateischritt Gelesen(const Quelle& quelle, Datum heute, Zufall& zufall);
    // erklaerung: why a write failed and what became of the file, after the message's line.
    TDateischritt Geschrieben(bool ok, std::string_view erklaerung = {});
    TDateischritt Erledigt();

    // The bytes a Schreiben step writes, handed to senke piece by piece; false when senke
    // stopped them.
    bool KarteiAusgeben(const Senke& senke) const;

private:
    enum class Aufgabe {
        Pruefen,
        PruefenBeenden,
        NurWennGesichert,
        Schliessen,
        Anlegen,
        OeffnenWaehlen,
        ZuletztLaden,
        KopieLaden,
        Wiederhergestellt,
        Laden,
        AlsGesichert,
        Speichern,
        SpeichernUnter,
    };
    enum class Erwartet { Nichts, Antwort, OeffnenName, SpeichernName, Datei, Schreiben, Erledigt };
    enum class Sicherung { MitDatei, OhneDatei, Unter };
    using Eintrag = std::variant<Aufgabe, TDateischritt>;

    bool Laeuft() const { return erwartet_ != Erwartet::Nichts; }
    TDateischritt Beginnen(std::initializer_list<Eintrag> plan);
    void Einplanen(std::initializer_list<Eintrag> plan);
    TDateischritt Fortfahren();
    std::optional<TDateischritt> Ausfuehren(Aufgabe aufgabe);
    TDateischritt Warten(Erwartet erwartet, TDateischritt schritt);
    TDateischritt Nochmals() const;
    TDateischritt Abbrechen();
    TDateischritt SchreibenNach(std::string ziel);
    void Gespeichert();
    void Fehlgeschlagen(std::string_view erklaerung);

    TKartei& kartei_;
    std::string datumsmuster_;
    std::vector<Eintrag> offen_; // the last entry comes next
    Erwartet erwartet_ = Erwartet::Nichts;
    TDateischritt aktuell_;
    Sicherung sicherung_ = Sicherung::MitDatei;
    std::string ziel_;
    std::string zuletzt_;
    std::string original_;
    bool wiederherstellung_ = false;
    Datum heute_{};
    Intervalle intervalle_{};
};

} // namespace lexidor
