// The file commands driven as the main window drives them: each step the window is told to
// take is logged, and the user's answers, the names chosen in dialogs and the disk are
// scripted. The scenarios are rows of tests/data/dateibefehle.txt.
#include "abfrage.h"
#include "dateibefehle.h"
#include "karteidatei.h"
#include "testdatei.h"
#include "zeilen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
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

// The main window's stand-in: it logs each step it is told to take and answers from the
// scripted answers, names and disk.
struct Fenster {
    Fenster() {
        bool start = false;
        EinstellungenLaden(Profildatei(), einstellungen, start); // intervals 3, 10, 30, 90
        kartei.Dateipfad = std::string(kKeineDatei);
        for (const char* name : {"a.vkd", "b.vkd", "kaputt.vkd", "abgebrochen.vkd", "kopie.vkd"}) {
            platte[name] = Testdatei(std::string("befehle/") + name);
        }
        abbrechend = {"abgebrochen.vkd"};
    }
    ~Fenster() {
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
    // A command by its name, followed by the path or the two texts it takes.
    TDateischritt Befehl(const std::vector<std::string>& b) {
        const std::map<std::string, std::function<TDateischritt()>> alle = {
            {"Neu", [&] { return befehle.Neu(kHeute, einstellungen.Intervall()); }},
            {"Oeffnen", [&] { return befehle.Oeffnen(); }},
            {"Zuletzt", [&] { return befehle.Zuletzt(b[1]); }},
            {"Laden", [&] { return befehle.Laden(); }},
            {"Speichern", [&] { return befehle.Speichern(); }},
            {"SpeichernUnter", [&] { return befehle.SpeichernUnter(); }},
            {"Schliessen", [&] { return befehle.Schliessen(); }},
            {"Beenden", [&] { return befehle.Beenden(); }},
            {"AutoSpeichern", [&] { return befehle.AutoSpeichern(true); }},
            {"OhneAutoSpeichern", [&] { return befehle.AutoSpeichern(false); }},
            {"Hinzugefuegt", [&] { return befehle.Hinzugefuegt(false); }},
            {"HinzugefuegtAuto", [&] { return befehle.Hinzugefuegt(true); }},
            {"Wiederherstellen", [&] { return befehle.Wiederherstellen(b[1], b[2]); }}};
        return alle.at(b[0])();
    }
    // Opens a.vkd as a recent-file entry does.
    void Offen() {
        ASSERT_TRUE(Los(befehle.Zuletzt("a.vkd")));
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
            return befehle.Geschrieben(Ablegen(s.Pfad), erklaerung);
        case TDateiaktion::Melden:
            protokoll.push_back("Meldung " + s.Text);
            break;
        case TDateiaktion::TitelSetzen:
            titel = s.Text;
            protokoll.push_back(s.Text.empty() ? "Titel" : "Titel " + s.Text);
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
    std::set<std::string> gesperrt;         // cannot be written
    std::string erklaerung = "Kein Platz."; // why a write failed, as the window hands it on
    std::set<std::string> abbrechend;       // the disk fails after handing over all bytes
    std::string titel = "Karvello Lexidor 1.1";
    Protokoll protokoll;
};

class Dateibefehle : public ::testing::Test, protected Fenster {};

// One row of the scenario file: the box made ready, the command run, and what came of it.
void Szenario(const std::vector<std::string>& feld) {
    Fenster w;
    const auto befehl = Teilen(feld[0], " ");
    if (befehl[0] == "neu") {
        w.Los(w.Befehl({"Neu"}));
        w.kartei.Fach[1].Add({"Haus", "house", "", true});
    } else if (befehl[0] == "benannt") {
        w.kartei.Dateipfad = "a.vkd";
    } else if (befehl[0] != "zu") {
        w.Offen();
    }
    if (befehl[0] == "geaendert") {
        w.kartei.Fach[1].Add({"Baum", "tree", "", true});
        w.kartei.Gesichert = false;
    }
    const std::string titelVorher = w.titel;
    for (const char a : feld[1]) {
        w.antworten.push_back(a == 'J'   ? TAntwort::Ja
                              : a == 'N' ? TAntwort::Nein
                                         : TAntwort::Abbrechen);
    }
    for (const auto& n : Teilen(feld[2], " ")) {
        w.namen.push_back(n == "-" ? std::nullopt : std::optional(n));
    }
    for (const auto& g : Teilen(feld[3], " ")) {
        w.gesperrt.insert(g);
    }
    const bool weiter = w.Los(w.Befehl({befehl.begin() + 1, befehl.end()}));

    Protokoll erwartet;
    for (const auto& s : Teilen(feld[4], ", ")) {
        erwartet.push_back(s == "@" ? kOhne : s.starts_with('@') ? Mit(s.substr(1)) : s);
    }
    EXPECT_EQ(w.protokoll, erwartet);
    const auto danach = Teilen(feld[5], " ");
    EXPECT_EQ(weiter, danach[0] == "weiter");
    EXPECT_EQ(w.kartei.Geoeffnet, danach[1] == "offen");
    EXPECT_EQ(w.kartei.Gesichert, danach[2] == "gesichert");
    EXPECT_EQ(w.kartei.Dateipfad, danach[3]);
    if (befehl[1] == "Neu" && weiter) { // with the intervals set
        EXPECT_EQ(w.kartei.Termin[5], PlusTage(kHeute, 90));
    }
    // A box saved by the command is what its file holds, a closed one holds no cards, the
    // title changes only in a step, and a.vkd only when written.
    const auto geschrieben = [&w](const std::string& pfad) {
        return std::ranges::find(w.protokoll, "Schreiben " + pfad) != w.protokoll.end();
    };
    if (w.kartei.Gesichert && geschrieben(w.kartei.Dateipfad)) {
        EXPECT_EQ(w.platte[w.kartei.Dateipfad], KarteiSchreiben(w.kartei, kMuster));
    }
    if (!w.kartei.Geoeffnet) {
        EXPECT_EQ(w.kartei.Gesamtzahl(), 0);
    }
    if (std::ranges::none_of(w.protokoll, [](const auto& z) { return z.starts_with("Titel"); })) {
        EXPECT_EQ(w.titel, titelVorher);
    }
    if (!geschrieben("a.vkd")) {
        EXPECT_EQ(w.platte["a.vkd"], Testdatei("befehle/a.vkd"));
    }
}

TEST(DateibefehleSzenarien, EveryRowOfTheFileComesOutAsWritten) {
    for (const auto& feld : Testfaelle("dateibefehle.txt")) {
        SCOPED_TRACE(feld[0] + " | " + feld[4]);
        ASSERT_EQ(feld.size(), 6u);
        Szenario(feld);
    }
}

// The note comes with the first save that needs UTF-8, not with later ones, nor for a box
// that was UTF-8 when it was opened; one that went back to code page 1252 gets it again.
TEST_F(Dateibefehle, TheFirstUtf8SaveOfABoxSaysSoOnce) {
    const std::string hinweis = "Meldung " + std::string(kUtf8Hinweis);
    Offen();
    kartei.Fach[6].Add({"Brot", "хлеб", "", true});
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, (Protokoll{"Schreiben a.vkd", hinweis}));
    EXPECT_TRUE(platte["a.vkd"].starts_with(kBom));
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, Protokoll{"Schreiben a.vkd"});
    Offen();
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, Protokoll{"Schreiben a.vkd"});
    kartei.Fach[6].Delete(0); // compartment 6 is not shuffled when read
    EXPECT_TRUE(Los(befehle.Speichern()));
    kartei.Fach[6].Add({"Brot", "хлеб", "", true});
    EXPECT_TRUE(Los(befehle.Speichern()));
    EXPECT_EQ(protokoll, (Protokoll{"Schreiben a.vkd", hinweis}));
}

TEST_F(Dateibefehle, OutcomesThatDoNotFitAndASecondCommandChangeNothing) {
    Los(Befehl({"Neu"}));
    TDateischritt s = befehle.Speichern();
    ASSERT_EQ(s.Aktion, TDateiaktion::SpeichernDialog);
    EXPECT_EQ(befehle.Geschrieben(true).Aktion, TDateiaktion::SpeichernDialog);
    EXPECT_EQ(befehle.Beantwortet(TAntwort::Nein).Aktion, TDateiaktion::SpeichernDialog);
    for (const char* andere :
         {"Neu", "Oeffnen", "Zuletzt b.vkd", "Laden", "Speichern", "SpeichernUnter", "Schliessen",
          "Beenden", "AutoSpeichern", "HinzugefuegtAuto"}) {
        const TDateischritt abgewiesen = Befehl(Teilen(andere, " "));
        EXPECT_EQ(abgewiesen.Aktion, TDateiaktion::Fertig);
        EXPECT_FALSE(abgewiesen.Weiter);
    }

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

} // namespace
} // namespace lexidor
