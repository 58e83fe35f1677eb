// Rules that turn a few texts into a text, as rows of tests/data/regeln.txt.
#include "abfrage.h"
#include "ankinotizen.h"
#include "aufruf.h"
#include "cp1252.h"
#include "dateibefehle.h"
#include "druck.h"
#include "einstellungen.h"
#include "einzelsperre.h"
#include "history.h"
#include "kurzdatum.h"
#include "kvtml.h"
#include "optionen.h"
#include "profil.h"
#include "programmordner.h"
#include "schreibfehler.h"
#include "sitzungsende.h"
#include "sonderzeichen.h"
#include "stufenbar.h"
#include "suche.h"
#include "testdatei.h"
#include "textkodierung.h"
#include "trennwerte.h"
#include "unicodetext.h"
#include "verlauf.h"
#include "vokabeleingabe.h"
#include "vokabelimport.h"
#include "vokabelimport_vorschlag.h"
#include "vokabelzeilen.h"
#include "zeichenanzeige.h"
#include "zeilen.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace lexidor {
namespace {

using Felder = std::vector<std::string>;

std::string Text(std::string s) {
    return s;
}
std::string Text(bool b) {
    return b ? "ja" : "nein";
}
std::string Text(int i) {
    return std::to_string(i);
}
std::string Text(Datum d) {
    const std::chrono::year_month_day t(d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(t.year()),
                  static_cast<unsigned>(t.month()), static_cast<unsigned>(t.day()));
    return text;
}
std::string Text(double d) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", d);
    return text;
}
std::string Text(const std::vector<std::string>& teile) {
    std::string text;
    for (const std::string& t : teile) {
        text += t + ";";
    }
    return text;
}
template <typename T> std::string Text(const std::optional<T>& wert) {
    return wert ? Text(*wert) : "-";
}

Datum DatumAusText(const std::string& text) {
    int jahr = 0;
    unsigned monat = 0, tag = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "%d-%u-%u", &jahr, &monat, &tag), 3) << text;
    return DatumAus(jahr, monat, tag);
}

// "2:1 0:3": one answer right two days before 2026-12-07, three that day.
TVerlauf Gelernt(const std::string& tage) {
    TVerlauf v;
    std::istringstream text(tage);
    int vorTagen = 0, antworten = 0;
    for (char doppelpunkt = 0; text >> vorTagen >> doppelpunkt >> antworten;) {
        v.Tage.push_back({PlusTage(DatumAus(2026, 12, 7), -vorTagen), antworten, 0, {}});
    }
    return v;
}

// Keys 1, -, ", /, ü and Ä replaced; "/" by "(nichts)", which is not exactly "(Nichts)".
Ersatztexte Ersatz() {
    Ersatztexte t = ErsatztexteLeer();
    t[0] = "ç";
    t[13] = "";
    t[16] = "";
    t[21] = "(nichts)";
    t[29] = "ææ";
    t[34] = "çæ";
    return t;
}

std::optional<int> ZahlOderNichts(const std::string& text) {
    return text == "-" ? std::nullopt : std::optional(std::stoi(text));
}

constexpr std::string_view kSkalen[] = {"EinsBisSechs", "NullBisFuenf", "NullBisSechs"};
constexpr std::string_view kGruende[] = {"Unbekannt",      "KeinPlatz",   "KeinZugriff",
                                         "KeineSicherung", "FremderLink", "KeineDatei"};

template <std::size_t N> int Index(const std::string_view (&namen)[N], std::string_view name) {
    return static_cast<int>(std::ranges::find(namen, name) - std::begin(namen));
}

std::optional<Sperrinhaber> Inhaber(const Felder& f) {
    return f[1] == "-" ? std::nullopt : std::optional(Sperrinhaber{std::stoi(f[1]), f[2]});
}

const std::map<std::string, std::function<std::string(const Felder&)>, std::less<>> kRegeln = {
    {"Abfragebild", // the state's typing, F9, R, F, R's caption and width, F10's caption, the
                    // colours, the verdict and the R and F keys
     [](const Felder& f) {
         const TAbfragebild b = Abfragebild(static_cast<TZustand>(std::stoi(f[1])));
         return Text(Felder{Text(b.Eingabe), Text(b.Selbst), Text(b.Richtig), Text(b.Falsch),
                            std::string(b.RichtigText), Text(b.RichtigBreite),
                            std::string(b.PruefenText), FarbeNachText(b.Antwortfarbe),
                            FarbeNachText(b.Loesungsfarbe), Text(b.Urteil), Text(b.Tasten)});
     }},
    {"AntwortRichtig", [](const Felder& f) { return Text(AntwortRichtig(f[1], f[2])); }},
    {"Anzeigetext", [](const Felder& f) { return Anzeigetext(f[1]); }},
    {"Aufruf", // the command line split at blanks: what the program does, the box, the text
     [](const Felder& f) {
         static constexpr const char* kArten[] = {"Starten", "Hilfe", "Version", "Fehler"};
         const Aufruf a = AufrufDeuten(Teilen(f[1], " "));
         return kArten[static_cast<int>(a.Art)] + (":" + a.Datei + ":" + a.Text);
     }},
    {"Dekodiert",
     [](const Felder& f) {
         static constexpr const char* kNamen[] = {"Utf8", "Utf8MitBom", "Utf16Le", "Utf16Be",
                                                  "Windows1252"};
         std::string puffer;
         const Textkodierung k = KodierungErkennen(f[1]);
         return kNamen[static_cast<int>(k)] + (" " + std::string(AlsUtf8(f[1], k, puffer)));
     }},
    {"Belegungszeile", [](const Felder& f) { return Belegungszeile(Ersatz(), std::stoi(f[1])); }},
    {"DeutschPunkte", [](const Felder& f) { return Text(DeutschPunkte(f[1])); }},
    {"DeutscheSprache",
     [](const Felder& f) {
         std::vector<KvtmlSprache> sprachen;
         for (std::size_t i = 1; i + 1 < f.size(); ++i) {
             sprachen.push_back({"", "", f[i]});
         }
         return Text(static_cast<int>(DeutscheSprache(sprachen)));
     }},
    {"Einstellungen", // read, then what the next exit writes into an empty file
     [](const Felder& f) {
         TEinstellungen e;
         bool start = false;
         const bool ok = EinstellungenLaden(Profildatei(f[1]), e, start).ok;
         Profildatei ini;
         EinstellungenSpeichern(ini, e, false);
         return Text(ok) + " " + Text(start) + " " + ini.Daten();
     }},
    {"ErsatztextAusFeld", // what the picker's field gives key 1
     [](const Felder& f) {
         Ersatztexte t = ErsatztexteLeer();
         t[0] = ErsatztextAusFeld(f[1]);
         return Text(Ersetzung(t, "1"));
     }},
    {"ErsatztexteLaden", // the file (- for none): whether it held every key, and what is saved
     [](const Felder& f) {
         Ersatztexte t;
         const bool ok = ErsatztexteLaden(t, f[1] == "-" ? std::nullopt
                                                         : std::optional<std::string_view>(f[1]));
         return Text(ok) + " " + ErsatztexteSpeichern(t);
     }},
    {"Ersetzung", [](const Felder& f) { return Text(Ersetzung(Ersatz(), f[1])); }},
    {"ErsteZeile", [](const Felder& f) { return std::string(ErsteZeile(f[1])); }},
    {"Farbe",
     [](const Felder& f) {
         const auto farbe = TextNachFarbe(f[1]);
         return farbe ? FarbeNachText(*farbe) : "-";
     }},
    {"GeteilterOrdner", [](const Felder& f) { return GeteilterOrdner(f[1]); }},
    {"HatHtml", [](const Felder& f) { return Text(HatHtml(f[1])); }},
    {"HoechsterGrad",
     [](const Felder& f) { return Text(HoechsterGrad(ZahlOderNichts(f[1]), GradLesen(f[2]))); }},
    {"Historie", // the file read (- for a new list), then each path added: the slots, - if free
     [](const Felder& f) {
         THistory h(4);
         if (f[1] != "-") {
             h.Load(f[1]);
         }
         for (const std::string& pfad : Teilen(f[2], " ")) {
             h.Add(pfad);
         }
         std::string plaetze;
         for (int i = 0; i < static_cast<int>(h.Lines.size()); ++i) {
             plaetze += (h.Belegt(i) ? h.Get(i) : "-") + ";";
         }
         return plaetze;
     }},
    {"HtmlNachText", [](const Felder& f) { return HtmlNachText(f[1]); }},
    {"IniZahl",
     [](const Felder& f) {
         TEinstellungen e;
         bool start = false;
         EinstellungenLaden(Profildatei("[Intervalle]\nFach2=" + f[1]), e, start);
         return Text(e.Fach2);
     }},
    {"IstKopfzeile", [](const Felder& f) { return Text(IstKopfzeile(TrennwerteLesen(f[1]))); }},
    {"IstAnkiExport", [](const Felder& f) { return Text(IstAnkiExport(f[1])); }},
    {"Kleinschreibung", [](const Felder& f) { return Kleinschreibung(f[1]); }},
    {"Kopfzeile", // whether the first row is a header, and the column names it gives
     [](const Felder& f) {
         const Importtabelle t = TrennwerteLesen(f[1]);
         return Text(t.kopfzeile) + " " + Text(t.spaltennamen);
     }},
    {"Kurzanzeige",
     [](const Felder& f) {
         THistory h(1);
         h.Load(f[1]);
         return h.GetDisplay(0);
     }},
    {"KurzdatumFormatieren",
     [](const Felder& f) { return KurzdatumFormatieren(DatumAusText(f[1]), f[2]); }},
    {"KurzdatumLesen", [](const Felder& f) { return Text(KurzdatumLesen(f[1], f[2])); }},
    {"KurzdatumMuster", [](const Felder& f) { return KurzdatumMuster(f[1], f[2]); }},
    {"KvtmlFach", [](const Felder& f) { return Text(KvtmlFach(ZahlOderNichts(f[1]))); }},
    {"Lektionen", // the lessons a text file's heading rows make, as the dialog offers them
     [](const Felder& f) { return Text(Lektionsnamen(TextdateiLesen(f[1]))); }},
    {"LinkFolgen",
     [](const Felder& f) {
         const auto zahl = [&f](int i, int basis) {
             return static_cast<unsigned>(std::stoul(f[i], nullptr, basis));
         };
         return Text(LinkFolgen({zahl(1, 10), zahl(2, 10), zahl(3, 8), zahl(4, 10)}));
     }},
    {"MitErklaerung", [](const Felder& f) { return MitErklaerung(f[1], f[2]); }},
    {"Namenswoerter", [](const Felder& f) { return Text(Namenswoerter(f[1])); }},
    {"PlusTage",
     [](const Felder& f) { return Text(PlusTage(DatumAusText(f[1]), std::stoi(f[2]))); }},
    {"Profil", [](const Felder& f) { return Text(Profildatei(f[1]).Lesen(f[2], f[3])); }},
    {"ProfilSchreiben", // the file, then section, key and value of each write in turn
     [](const Felder& f) {
         Profildatei ini(f[1]);
         for (std::size_t i = 2; i + 3 < f.size(); i += 3) {
             ini.Schreiben(f[i], f[i + 1], f[i + 2]);
         }
         return ini.Daten();
     }},
    {"Programmordner", // installed, the user's files, the shipped files, the learning history
     [](const Felder& f) {
         const auto o = ProgrammordnerBestimmen(f[1], f[2] == "ja", {f[3], f[4], f[5]});
         return Text(o.installiert) + " " + o.eigene + " " + o.mitgelieferte + " " + o.daten;
     }},
    {"Prozent",
     [](const Felder& f) {
         TAbfrage a;
         a.Richtige = std::stoi(f[1]);
         a.Falsche = std::stoi(f[2]);
         return Text(a.Prozent());
     }},
    {"RichtungsIndex",
     [](const Felder& f) { return Text(RichtungsIndex(std::stoi(f[1]), std::stoi(f[2]))); }},
    {"SchreibgrundAus",
     [](const Felder& f) {
         static const std::map<std::string, int> kFehler = {
             {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EROFS", EROFS}, {"EIO", EIO}};
         return std::string(kGruende[static_cast<int>(SchreibgrundAus(kFehler.at(f[1])))]);
     }},
    {"Schreibfehlertext",
     [](const Felder& f) {
         return Schreibfehlertext(
             {f[1] == "ja", static_cast<Schreibgrund>(Index(kGruende, f[2])), f[3]});
     }},
    {"Satzleser", // each record as its line number and fields, each field followed by "/"
     [](const Felder& f) {
         Importtabelle t;
         Satzleser leser(f[1], ';');
         std::string saetze;
         while (leser.Naechster(t)) {
         }
         for (int r = 0; r < t.Zeilen(); ++r) {
             saetze += std::to_string(t.Zeilennummer(r)) + ":";
             for (int s = 0; s < t.Felder(r); ++s) {
                 saetze += std::string(t.Feld(r, s)) + "/";
             }
             saetze += " ";
         }
         return saetze;
     }},
    {"Seitenumbruch", // on pages 10 high: each page's first row and the row after its last
     [](const Felder& f) {
         const Felder hoehen = Teilen(f[1], " ");
         TSeitenplan plan(static_cast<int>(hoehen.size()), 10,
                          [&](int i) { return std::stoi(hoehen[static_cast<std::size_t>(i)]); });
         std::string seiten;
         for (int s = 0; const auto seite = plan.Seite(s); ++s) {
             seiten += std::to_string(seite->first) + "-" + std::to_string(seite->second) + " ";
         }
         return seiten + Text(plan.Fertig()) + " " + Text(plan.BekannteSeiten());
     }},
    {"Sicherungsname", [](const Felder& f) { return Sicherungsname(f[1], f[2], std::stoi(f[3])); }},
    {"Sitzungsende",
     [](const Felder& f) {
         TKartei k;
         k.Geoeffnet = f[1] == "ja";
         k.Gesichert = f[2] == "ja";
         k.Dateipfad = f[4];
         static constexpr const char* kNamen[] = {"Nichts", "Kartei", "Kopie"};
         return std::string(kNamen[static_cast<int>(BeimSitzungsende(k, f[3] == "ja"))]);
     }},
    {"SonderzeichenQuelle", // an installed program or not, and whether the user's file is there
     [](const Felder& f) {
         const auto ordner = ProgrammordnerBestimmen(f[1], f[2] == "ja", {"", "/home/anna", ""});
         return SonderzeichenQuelle(ordner, f[3] == "ja");
     }},
    {"Sondertasten", // the keys in the file's line order
     [](const Felder&) { return Text(Felder(Sondertasten.begin(), Sondertasten.end())); }},
    {"SperreUebernehmen",
     [](const Felder& f) { return Text(SperreUebernehmen(Inhaber(f), "hier")); }},
    {"SpaltenVorschlagen", // the German and the foreign column the dialog proposes
     [](const Felder& f) {
         const Spaltenvorschlag v = SpaltenVorschlagen(TrennwerteLesen(f[1]));
         return Text(v.deutsch) + " " + Text(v.fremd);
     }},
    {"Speicherziel", [](const Felder& f) { return Speicherziel(f[1]); }},
    {"StufeLesen",
     [](const Felder& f) {
         return Text(StufeLesen(f[2], static_cast<Stufenskala>(Index(kSkalen, f[1]))));
     }},
    {"Stufenbar", // width, level, level moved to: moved, steps, 1 ms pauses and the pixel reached
     [](const Felder& f) {
         TStufenbar bar(std::stoi(f[1]));
         bar.Setzen(std::stoi(f[2]));
         const bool bewegt = bar.Bewegen(std::stoi(f[3]));
         int schritte = 0, pausen = 0;
         for (; bar.Unterwegs(); ++schritte) {
             pausen += bar.Schritt();
         }
         return Text(bewegt) + " " + Text(schritte) + " " + Text(pausen) + " " + Text(bar.Position);
     }},
    {"Stufenbeschriftung", // width, label, text width, bar height, text height: x and y
     [](const Felder& f) {
         const TStufenbar bar(std::stoi(f[1]));
         return Text(bar.BeschriftungX(std::stoi(f[2]), std::stoi(f[3]))) + " " +
                Text(TStufenbar::BeschriftungY(std::stoi(f[4]), std::stoi(f[5])));
     }},
    {"StufenskalaErkennen", // the third column from the second row on
     [](const Felder& f) {
         const auto skala = StufenskalaErkennen(TrennwerteLesen(f[1]), 2, 0);
         return skala ? std::string(kSkalen[static_cast<int>(*skala)]) : "-";
     }},
    {"Stufenspalte", [](const Felder& f) { return Text(TrennwerteLesen(f[1]).stufenspalte); }},
    {"TageText", [](const Felder& f) { return TageText(std::stoi(f[1])); }},
    {"TageInFolge",
     [](const Felder& f) { return Text(TageInFolge(Gelernt(f[1]), DatumAus(2026, 12, 7))); }},
    {"TimerText", [](const Felder& f) { return TimerText(std::stoi(f[1])); }},
    {"Zeitraum",
     [](const Felder& f) {
         const TVerlauf v = Gelernt(f[1]);
         return Text(static_cast<int>(Zeitraum(v, DatumAus(2026, 12, 7), std::stoi(f[2])).size()));
     }},
    {"Treffer",
     [](const Felder& f) { return Text(TSuchmuster(f[1]).Treffer(f[2], f[3], std::stoi(f[4]))); }},
    {"TrennzeichenErkennen",
     [](const Felder& f) { return std::string(1, TrennzeichenErkennen(f[1])); }},
    {"UmbruecheDekodieren", [](const Felder& f) { return UmbruecheDekodieren(f[1]); }},
    {"UmbruecheImFeld", [](const Felder& f) { return UmbruecheImFeld(f[1]); }},
    {"Utf8Pruefen", // valid, NFC, within code page 1252, and the quick validity check
     [](const Felder& f) {
         const Utf8Befund b = Utf8Pruefen(f[1]);
         return Text(b.gueltig) + " " + Text(b.nfc) + " " + Text(b.cp1252) + " " +
                Text(IstUtf8(f[1]));
     }},
    {"UebernahmeHinweis", [](const Felder& f) { return UebernahmeHinweis(Inhaber(f)); }},
    {"UmbruecheKodieren", [](const Felder& f) { return UmbruecheKodieren(f[1]); }},
    {"Utf8NachCp1252", // whether it fits, and the first character that does not
     [](const Felder& f) {
         const Cp1252Kodierung k = Utf8NachCp1252(f[1]);
         return Text(k.ok()) + " " + Text(k.fremdzeichen);
     }},
    {"Utf8Kleinschreibung", [](const Felder& f) { return Utf8Kleinschreibung(f[1]); }},
    {"VokabelHinzufuegen", // taken or why not, whether the box fits code page 1252, the card
     [](const Felder& f) {
         static constexpr const char* kErgebnisse[] = {"Ok", "Limit", "Leer", "Markerzeile"};
         TKartei k;
         const Eingabe e = VokabelHinzufuegen(k, f[1], f[2]).ergebnis;
         const std::string karte =
             k.Fach[1].Count() == 1 ? " " + k.Fach[1].Get(0).Deutsch + "=" + k.Fach[1].Get(0).Fremd
                                    : "";
         return kErgebnisse[static_cast<int>(e)] + (" " + Text(k.NurCp1252()) + karte);
     }},
    {"VerlaufDateiname", [](const Felder& f) { return VerlaufDateiname(f[1]); }},
    {"WiederherstellungFrage", [](const Felder& f) { return WiederherstellungFrage(f[1]); }},
    {"XmlWurzel", [](const Felder& f) { return Text(XmlWurzel(f[1])); }},
    {"XmlWurzelUtf16Le", // the text in UTF-16 LE, with its byte-order mark or without
     [](const Felder& f) { return Text(XmlWurzel(Utf16Le(f[1], f[2] == "ja"))); }},
    {"ZeichenInCp1252",
     [](const Felder& f) { return Text(ZeichenInCp1252(std::stoul(f[1], nullptr, 16))); }},
    {"ZeilenTeilen", [](const Felder& f) { return Text(ZeilenTeilen(f[1])); }},
};

TEST(Regeln, EveryRowGivesItsResult) {
    for (const auto& f : Testfaelle("regeln.txt")) {
        ASSERT_TRUE(kRegeln.contains(f[0])) << f[0];
        EXPECT_EQ(kRegeln.at(f[0])(f), f.back()) << f[0] << " | " << f[1];
    }
}

} // namespace
} // namespace lexidor
