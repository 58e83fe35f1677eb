// The file commands driven as the main window drives them: each step the window is told to
// take is logged, and the user's answers, the names chosen in dialogs and the disk are
// scripted.
#include "abfrage.h"
#include "dateibefehle.h"
#include "karteidatei.h"
#include "skriptzufall.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 5);
constexpr std::string_view kMuster = "%d.%m.%Y";
const std::string kOhne = "Titel Karvello Lexidor 1.1";
using Protokoll = std::vector<std::string>;

std::string Mit(std::string_view name) {
    return "Titel Karvello Lexidor 1.1   -   " + std::string(name);
}

// A card-box file with the given German sides in compartment 1.
std::string Datei(std::initializer_list<const char*> karten) {
    TKartei k;
    k.Termin.fill(PlusTage(kHeute, 1));
    for (const char* d : karten) {
        k.Fach[1].Add({d, std::string(d) + "-f", "", true});
    }
    return KarteiSchreiben(k, kMuster);
}

class Dateibefehle : public ::testing::Test {
protected:
    Dateibefehle() {
        bool start = false;
        EinstellungenLaden(Profildatei(), einstellungen, start); // intervals 3, 10, 30, 90
        kartei.Dateipfad = std::string(kKeineDatei);
        platte["a.vkd"] = Datei({"Haus"});
        platte["b.vkd"] = Datei({"Baum", "Blatt"});
    }
    ~Dateibefehle() override {
        EXPECT_TRUE(antworten.empty()) << "a question the command never asked";
        EXPECT_TRUE(namen.empty()) << "a dialog the command never showed";
    }

    // Runs a command to its end; the log holds its steps, the result is Weiter.
    bool Los(TDateischritt s) {
        protokoll.clear();
        for (int n = 0; s.Aktion != TDateiaktion::Fertig; ++n) {
            if (n == 50) {
                ADD_FAILURE() << "the command does not end";
                return false;
            }
            s = Ausfuehren(s);
        }
        return s.Weiter;
    }
    bool Neu() { return Los(befehle.Neu(kHeute, einstellungen.Intervall())); }
    // Opens a file as a recent-file entry does.
    void Offen(const std::string& pfad = "a.vkd") {
        ASSERT_TRUE(Los(befehle.Zuletzt(pfad)));
        ASSERT_TRUE(kartei.Geoeffnet && kartei.Gesichert);
    }

    // What the main window does for each step.
    TDateischritt Ausfuehren(const TDateischritt& s) {
        switch (s.Aktion) {
        case TDateiaktion::Fragen:
            protokoll.push_back(s.MitAbbrechen ? "Frage" : "Frage Ja/Nein");
            return befehle.Beantwortet(Naechste(antworten, TAntwort::Abbrechen));
        case TDateiaktion::OeffnenDialog:
        case TDateiaktion::SpeichernDialog:
            protokoll.push_back(s.Aktion == TDateiaktion::OeffnenDialog ? "Oeffnen-Dialog"
                                                                        : "Speichern-Dialog");
            return befehle.Gewaehlt(Naechste(namen, {}));
        case TDateiaktion::Lesen:
            protokoll.push_back("Lesen " + s.Pfad);
            return befehle.Gelesen(
                [this, &s](const Senke& senke) { return Abgeben(s.Pfad, senke); }, kHeute, zufall);
        case TDateiaktion::Schreiben:
            protokoll.push_back("Schreiben " + s.Pfad);
            return befehle.Geschrieben(Ablegen(s.Pfad));
        case TDateiaktion::Melden:
            protokoll.push_back("Meldung " + s.Text);
            break;
        case TDateiaktion::TitelSetzen:
            titel = s.Text;
            protokoll.push_back("Titel " + s.Text);
            break;
        case TDateiaktion::AbfrageLeeren:
            protokoll.push_back("Leeren");
            abfrage.Richtige = abfrage.Falsche = 0;
            break;
        case TDateiaktion::AbfrageStarten:
            protokoll.push_back("Start");
            abfrage.AbfrageStarten(kartei);
            break;
        case TDateiaktion::NaechsteVokabel:
            protokoll.push_back("Naechste");
            abfrage.NaechsteVokabel(kartei, kHeute, einstellungen, zufall);
            break;
        case TDateiaktion::HistorieEintragen:
            historie.push_back(s.Pfad);
            protokoll.push_back("Historie " + s.Pfad);
            break;
        case TDateiaktion::Fertig:
            break;
        }
        return befehle.Erledigt();
    }
    // The disk hands a file over in pieces of a few bytes, as a large one comes.
    bool Abgeben(const std::string& pfad, const Senke& senke) {
        const auto datei = platte.find(pfad);
        if (datei == platte.end()) {
            return false;
        }
        for (std::string_view rest = datei->second; !rest.empty();
             rest.remove_prefix(std::min<std::size_t>(rest.size(), 7))) {
            if (!senke(rest.substr(0, 7))) {
                break;
            }
        }
        return !abbrechend.contains(pfad);
    }
    bool Ablegen(const std::string& pfad) {
        std::string neu;
        const bool ok = befehle.KarteiAusgeben([&neu](std::string_view stueck) {
            neu += stueck;
            return true;
        });
        if (gesperrt.contains(pfad) || !ok) {
            return false;
        }
        platte[pfad] = std::move(neu);
        return true;
    }
    template <typename T> static T Naechste(std::deque<T>& skript, T sonst) {
        if (skript.empty()) {
            ADD_FAILURE() << "the command asked more than the test answers";
            return sonst;
        }
        T w = std::move(skript.front());
        skript.pop_front();
        return w;
    }

    TKartei kartei;
    TEinstellungen einstellungen;
    TAbfrage abfrage;
    SkriptZufall zufall;
    TDateibefehle befehle{kartei, std::string(kMuster)};
    std::deque<TAntwort> antworten;
    std::deque<std::optional<std::string>> namen;
    std::map<std::string, std::string> platte;
    std::set<std::string> gesperrt;   // cannot be written
    std::set<std::string> abbrechend; // the disk fails after handing over all bytes
    std::vector<std::string> historie;
    std::string titel = "Karvello Lexidor 1.1";
    Protokoll protokoll;
};

TEST(Speicherziel, AppendsVkdUnlessTheNameEndsInItExactly) {
    for (const auto& [name, ziel] : {std::pair{"a.vkd", "a.vkd"},
                                     {"/x/.vkd", "/x/.vkd"},
                                     {"a", "a.vkd"},
                                     {"a.VKD", "a.VKD.vkd"},
                                     {"a.vkD", "a.vkD.vkd"},
                                     {"vkd", "vkd.vkd"},
                                     {"a.vkd ", "a.vkd .vkd"},
                                     {"a.vkd.alt", "a.vkd.alt.vkd"},
                                     {"", ".vkd"}}) {
        EXPECT_EQ(Speicherziel(name), ziel) << name;
    }
}

TEST_F(Dateibefehle, NewBoxCountsAsUnsavedSoClosingItAsks) {
    EXPECT_TRUE(Neu());
    EXPECT_EQ(protokoll, (Protokoll{"Start", Mit("Neu"), "Naechste"}));
    EXPECT_TRUE(kartei.Geoeffnet);
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_EQ(kartei.Dateipfad, "?none?");
    EXPECT_EQ(kartei.Termin[5], PlusTage(kHeute, 90));
    EXPECT_EQ(abfrage.Frage(), "Momentan gibt es nichts zu lernen!");

    antworten = {TAntwort::Nein};
    EXPECT_TRUE(Los(befehle.Schliessen()));
    EXPECT_EQ(protokoll, (Protokoll{"Frage", kOhne, "Leeren"}));
    EXPECT_FALSE(kartei.Geoeffnet);
    // Closing keeps the name and the flag; only the cards go.
    EXPECT_EQ(kartei.Anzeigename, "Neu");
    EXPECT_FALSE(kartei.Gesichert);

    EXPECT_TRUE(Los(befehle.Schliessen()));
    EXPECT_TRUE(protokoll.empty());
}

TEST_F(Dateibefehle, CancelAtTheQuestionLeavesTheBoxAsItWas) {
    Offen();
    kartei.Fach[1].Add({"Baum", "tree", "", true});
    kartei.Gesichert = false;
    const std::string vorher = titel;
    for (auto befehl : {+[](TDateibefehle& b) { return b.Neu(kHeute, {}); },
                        +[](TDateibefehle& b) { return b.Oeffnen(); },
                        +[](TDateibefehle& b) { return b.Zuletzt("b.vkd"); },
                        +[](TDateibefehle& b) { return b.Schliessen(); }}) {
        antworten = {TAntwort::Abbrechen};
        EXPECT_FALSE(Los(befehl(befehle)));
        EXPECT_EQ(protokoll, Protokoll{"Frage"});
        EXPECT_TRUE(kartei.Geoeffnet);
        EXPECT_EQ(kartei.Fach[1].Count(), 2);
        EXPECT_EQ(kartei.Dateipfad, "a.vkd");
        EXPECT_EQ(titel, vorher);
    }
    EXPECT_EQ(platte["a.vkd"], Datei({"Haus"}));
}

TEST_F(Dateibefehle, NoDropsTheChangesAndASavedBoxIsNotAsked) {
    Offen();
    kartei.Gesichert = false;
    antworten = {TAntwort::Nein};
    namen = {"b.vkd"};
    EXPECT_TRUE(Los(befehle.Oeffnen()));
    EXPECT_EQ(protokoll, (Protokoll{"Frage", kOhne, "Leeren", "Oeffnen-Dialog", "Lesen b.vkd",
                                    "Start", Mit("b.vkd"), "Naechste", "Historie b.vkd"}));
    EXPECT_EQ(platte["a.vkd"], Datei({"Haus"}));

    // Just read, so saved: no question, and New closes the box before making its own.
    EXPECT_TRUE(Neu());
    EXPECT_EQ(protokoll, (Protokoll{kOhne, "Leeren", "Start", Mit("Neu"), "Naechste"}));
    EXPECT_EQ(kartei.Fach[1].Count(), 0);
}

TEST_F(Dateibefehle, YesSavesFirstAndGoesOnOnlyWhenTheSaveHappened) {
    Offen();
    kartei.Gesichert = false;
    antworten = {TAntwort::Ja};
    EXPECT_TRUE(Los(befehle.Zuletzt("b.vkd")));
    EXPECT_EQ(protokoll, (Protokoll{"Frage", "Schreiben a.vkd", kOhne, "Leeren", "Lesen b.vkd",
                                    "Start", Mit("b.vkd"), "Naechste", "Historie b.vkd"}));

    // Writing fails: the message, and the box stays.
    kartei.Gesichert = false;
    gesperrt = {"b.vkd"};
    antworten = {TAntwort::Ja};
    EXPECT_FALSE(Los(befehle.Schliessen()));
    EXPECT_EQ(protokoll,
              (Protokoll{"Frage", "Schreiben b.vkd", "Meldung Fehler beim speichern der Datei"}));
    EXPECT_TRUE(kartei.Geoeffnet);

    // A new box whose save dialog is cancelled: the question was the only one asked.
    antworten = {TAntwort::Nein};
    Neu();
    kartei.Fach[1].Add({"Haus", "house", "", true});
    antworten = {TAntwort::Ja};
    namen = {std::nullopt};
    EXPECT_FALSE(Los(befehle.Oeffnen()));
    EXPECT_EQ(protokoll, (Protokoll{"Frage", "Speichern-Dialog"}));
    EXPECT_EQ(kartei.Fach[1].Count(), 1);
    EXPECT_EQ(titel, "Karvello Lexidor 1.1   -   Neu");
}

TEST_F(Dateibefehle, SavingANewBoxNamesItAndTheNextSaveNeedsNoDialog) {
    Neu();
    kartei.Fach[1].Add({"Haus", "house", "", true});
    platte["/k/vokabeln.vkd"] = "alt";
    // Typed without the extension, so the dialog's replace question never saw this file.
    namen = {"/k/vokabeln"};
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll,
              (Protokoll{"Speichern-Dialog", "Schreiben /k/vokabeln.vkd", Mit("vokabeln.vkd")}));
    EXPECT_EQ(kartei.Dateipfad, "/k/vokabeln.vkd");
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_EQ(platte["/k/vokabeln.vkd"], KarteiSchreiben(kartei, kMuster));

    kartei.Fach[1].Add({"Baum", "tree", "", true});
    kartei.Gesichert = false;
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, Protokoll{"Schreiben /k/vokabeln.vkd"});
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_EQ(platte["/k/vokabeln.vkd"], KarteiSchreiben(kartei, kMuster));

    namen = {"gross.VKD"};
    EXPECT_TRUE(Los(befehle.SpeichernUnter()));
    EXPECT_EQ(protokoll,
              (Protokoll{"Speichern-Dialog", "Schreiben gross.VKD.vkd", Mit("gross.VKD.vkd")}));
    EXPECT_EQ(kartei.Dateipfad, "gross.VKD.vkd");
    // Saving never enters the recent files.
    EXPECT_TRUE(historie.empty());
}

TEST_F(Dateibefehle, FailedSavesKeepTheBoxOpenAndUnsaved) {
    gesperrt = {"a.vkd", "fest.vkd"};
    Offen();
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, (Protokoll{"Schreiben a.vkd", "Meldung Fehler beim speichern der Datei"}));
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_EQ(kartei.Dateipfad, "a.vkd");
    EXPECT_EQ(titel, "Karvello Lexidor 1.1   -   a.vkd");

    namen = {"fest"};
    EXPECT_TRUE(Los(befehle.SpeichernUnter()));
    EXPECT_EQ(protokoll, (Protokoll{"Speichern-Dialog", "Schreiben fest.vkd",
                                    "Meldung Fehler beim Speichern der Datei", "Titel "}));
    EXPECT_TRUE(titel.empty());
    EXPECT_EQ(kartei.Dateipfad, "?none?");
    EXPECT_TRUE(kartei.Geoeffnet);

    // The next save asks for a name again; this time it fails as a box without a file.
    namen = {"fest.vkd"};
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, (Protokoll{"Speichern-Dialog", "Schreiben fest.vkd",
                                    "Meldung Fehler beim speichern der Datei"}));
    EXPECT_EQ(kartei.Dateipfad, "?none?");
    EXPECT_FALSE(kartei.Gesichert);
}

TEST_F(Dateibefehle, CancelledSaveDialogAndAClosedBoxChangeNothing) {
    Offen();
    namen = {std::nullopt};
    EXPECT_TRUE(Los(befehle.SpeichernUnter()));
    EXPECT_EQ(protokoll, Protokoll{"Speichern-Dialog"});
    EXPECT_EQ(kartei.Dateipfad, "a.vkd");
    EXPECT_TRUE(kartei.Gesichert);

    Los(befehle.Schliessen());
    for (auto befehl : {+[](TDateibefehle& b) { return b.Speichern(); },
                        +[](TDateibefehle& b) { return b.SpeichernUnter(); },
                        +[](TDateibefehle& b) { return b.AutoSpeichern(true); }}) {
        EXPECT_TRUE(Los(befehl(befehle)));
        EXPECT_TRUE(protokoll.empty());
    }
}

TEST_F(Dateibefehle, CancelledOpenDialogLeavesNoBoxOpen) {
    Offen();
    namen = {std::nullopt};
    EXPECT_TRUE(Los(befehle.Oeffnen()));
    EXPECT_EQ(protokoll, (Protokoll{kOhne, "Leeren", "Oeffnen-Dialog"}));
    EXPECT_FALSE(kartei.Geoeffnet);
    EXPECT_EQ(titel, "Karvello Lexidor 1.1");
}

TEST_F(Dateibefehle, UnreadableFileLeavesNoBoxAndTheRecentFilesAsTheyWere) {
    Offen("b.vkd");
    const std::string ganz = Datei({"Haus", "Baum"});
    platte["kaputt.vkd"] = ganz.substr(0, ganz.size() - 60); // its cards, not its last markers
    platte["abgebrochen.vkd"] = ganz;
    abbrechend = {"abgebrochen.vkd"};
    for (const std::string pfad : {"fehlt.vkd", "kaputt.vkd", "abgebrochen.vkd"}) {
        EXPECT_TRUE(Los(befehle.Zuletzt(pfad)));
        EXPECT_EQ(protokoll, (Protokoll{kOhne, "Leeren", "Lesen " + pfad,
                                        "Meldung Datei ist fehlerhaft oder nicht vorhanden!", kOhne,
                                        "Leeren"}));
        EXPECT_FALSE(kartei.Geoeffnet);
        EXPECT_EQ(kartei.Dateipfad, "?none?");
        EXPECT_EQ(kartei.Gesamtzahl(), 0);
        EXPECT_EQ(historie, std::vector<std::string>{"b.vkd"});
    }
    // The file named at start is read without a question and without closing first.
    kartei.Dateipfad = "a.vkd";
    EXPECT_TRUE(Los(befehle.Laden()));
    EXPECT_EQ(protokoll,
              (Protokoll{"Lesen a.vkd", "Start", Mit("a.vkd"), "Naechste", "Historie a.vkd"}));
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_EQ(abfrage.AktuelleVokabel.Deutsch, "Haus");
}

TEST_F(Dateibefehle, AutosaveNeedsTheSettingAndAFile) {
    Neu();
    kartei.Gesichert = true;
    // A box without a file: no dialog, and the add dialog still marks it changed.
    EXPECT_TRUE(Los(befehle.Hinzugefuegt(true)));
    EXPECT_TRUE(protokoll.empty());
    EXPECT_FALSE(kartei.Gesichert);

    antworten = {TAntwort::Nein};
    Offen();
    EXPECT_TRUE(Los(befehle.Hinzugefuegt(false)));
    EXPECT_TRUE(protokoll.empty());
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_TRUE(Los(befehle.AutoSpeichern(true)));
    EXPECT_EQ(protokoll, Protokoll{"Schreiben a.vkd"});
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_TRUE(Los(befehle.Hinzugefuegt(true)));
    EXPECT_EQ(protokoll, Protokoll{"Schreiben a.vkd"});
    EXPECT_TRUE(kartei.Gesichert);
}

TEST_F(Dateibefehle, ExitAsksYesOrNoAndStaysOnlyWhenTheWantedSaveFailed) {
    EXPECT_TRUE(Los(befehle.Beenden()));
    EXPECT_TRUE(protokoll.empty());

    Offen();
    kartei.Gesichert = false;
    // The box shows no Cancel, but closing it without a choice (Escape) keeps the program.
    for (auto [antwort, endet] : {std::pair{TAntwort::Nein, true}, {TAntwort::Abbrechen, false}}) {
        antworten = {antwort};
        EXPECT_EQ(Los(befehle.Beenden()), endet);
        EXPECT_EQ(protokoll, Protokoll{"Frage Ja/Nein"});
    }
    kartei.Gesichert = false;
    antworten = {TAntwort::Ja};
    EXPECT_TRUE(Los(befehle.Beenden()));
    EXPECT_EQ(protokoll, (Protokoll{"Frage Ja/Nein", "Schreiben a.vkd"}));

    kartei.Gesichert = false;
    gesperrt = {"a.vkd"};
    antworten = {TAntwort::Ja};
    EXPECT_FALSE(Los(befehle.Beenden()));
}

TEST_F(Dateibefehle, OutcomesThatDoNotFitAndASecondCommandChangeNothing) {
    Neu();
    TDateischritt s = befehle.Speichern();
    ASSERT_EQ(s.Aktion, TDateiaktion::SpeichernDialog);
    EXPECT_EQ(befehle.Geschrieben(true).Aktion, TDateiaktion::SpeichernDialog);
    EXPECT_EQ(befehle.Beantwortet(TAntwort::Nein).Aktion, TDateiaktion::SpeichernDialog);
    const TDateischritt abgewiesen = befehle.Oeffnen();
    EXPECT_EQ(abgewiesen.Aktion, TDateiaktion::Fertig);
    EXPECT_FALSE(abgewiesen.Weiter);

    s = befehle.Gewaehlt("x");
    ASSERT_EQ(s.Aktion, TDateiaktion::Schreiben);
    const TDateischritt wieder = befehle.Erledigt();
    EXPECT_EQ(wieder.Aktion, TDateiaktion::Schreiben);
    EXPECT_EQ(wieder.Pfad, "x.vkd");
    bool gelesen = false;
    const auto lesen = [&gelesen](const Senke&) { return gelesen = true; };
    EXPECT_EQ(befehle.Gelesen(lesen, kHeute, zufall).Aktion, TDateiaktion::Schreiben);
    EXPECT_FALSE(gelesen) << "a read out of turn would fill the open box";
    EXPECT_TRUE(Los(befehle.Geschrieben(true)));
    EXPECT_EQ(protokoll, Protokoll{Mit("x.vkd")});
    EXPECT_EQ(befehle.Erledigt().Aktion, TDateiaktion::Fertig);
}

// The copy stands for its box unsaved: its file is not touched until the user saves.
TEST_F(Dateibefehle, ARecoveryCopyOpensAsTheUnsavedBoxItWasMadeOf) {
    platte["kopie.vkd"] = Datei({"Tisch", "Stuhl"});
    EXPECT_TRUE(Los(befehle.Wiederherstellen("kopie.vkd", "ordner/a.vkd")));
    EXPECT_EQ(protokoll,
              (Protokoll{kOhne, "Leeren", "Lesen kopie.vkd", "Start", Mit("a.vkd"), "Naechste"}));
    EXPECT_EQ(kartei.Fach[1].Count(), 2);
    EXPECT_EQ(kartei.Dateipfad, "ordner/a.vkd");
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_TRUE(historie.empty());

    // As any open command, it first asks about the unsaved box it replaces.
    antworten = {TAntwort::Nein};
    EXPECT_TRUE(Los(befehle.Wiederherstellen("kopie.vkd", std::string(kKeineDatei))));
    EXPECT_EQ(protokoll.front(), "Frage");
    EXPECT_EQ(kartei.Anzeigename, "Neu");
    antworten = {TAntwort::Nein};
    EXPECT_TRUE(Los(befehle.Wiederherstellen("fehlt.vkd", "a.vkd")));
    EXPECT_EQ(protokoll.at(4), "Meldung " + std::string(kLadefehler));
    EXPECT_FALSE(kartei.Geoeffnet);
}

} // namespace
} // namespace lexidor
