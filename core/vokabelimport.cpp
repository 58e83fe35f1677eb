// Rows into cards.
#include "vokabelimport.h"

#include "ankinotizen.h"
#include "karteidatei.h"
#include "kvtml.h"
#include "trennwerte.h"
#include "vokabeleingabe.h"
#include "vokabelimport_vorschlag.h"
#include "zeichenanzeige.h"
#include "zeilen.h"

namespace lexidor {
namespace {

bool HatUmbruchzeichen(std::string_view utf8) {
    return utf8.find("\xC2\xBC") != std::string_view::npos ||
           utf8.find("\xC2\xBE") != std::string_view::npos;
}

// A stray byte of the file, or a NUL, which no text holds.
bool Unlesbar(std::string_view zelle) {
    return zelle.find(kErsatzzeichen) != std::string_view::npos ||
           zelle.find('\0') != std::string_view::npos;
}

std::optional<Abgelehnt> Eingabefehler(const Eingabeergebnis& e, int zeile) {
    switch (e.ergebnis) {
    case Eingabe::Leer:
        return Abgelehnt{zeile, Ablehnung::Leer, {}};
    case Eingabe::Markerzeile:
        return Abgelehnt{zeile, Ablehnung::Markerzeile, {}};
    case Eingabe::Ok:
    case Eingabe::Limit:
        break;
    }
    return std::nullopt;
}

std::string Anzahl(int n, std::string_view einzahl, std::string_view mehrzahl) {
    return std::to_string(n) + ' ' + std::string(n == 1 ? einzahl : mehrzahl);
}

// Counts, row by row as they become cards, what the two sides hold besides and the further
// languages that have a text in them.
class Auslassungen {
public:
    Auslassungen(const Importtabelle& tabelle, const Importwahl& wahl)
        : tabelle_(tabelle), wahl_(wahl),
          sprachen_(tabelle.format == Importformat::Kvtml ? AngeboteneSpalten(tabelle) : 0) {}

    void Karte(int zeile) {
        for (; beigabe_ < tabelle_.beigaben.size() && tabelle_.beigaben[beigabe_].zeile <= zeile;
             ++beigabe_) {
            const Zellbeigabe& b = tabelle_.beigaben[beigabe_];
            if (b.zeile == zeile && Seite(b.spalte)) {
                ++n_.beigaben[static_cast<std::size_t>(b.art)];
            }
        }
        for (int s = 0; s < static_cast<int>(sprachen_.size()); ++s) {
            if (!Seite(s) && s != tabelle_.stufenspalte && !tabelle_.Feld(zeile, s).empty()) {
                sprachen_[static_cast<std::size_t>(s)] = true;
            }
        }
    }

    Nichtuebernommen Ergebnis() {
        for (std::size_t s = 0; s < sprachen_.size(); ++s) {
            if (sprachen_[s]) {
                n_.sprachen.push_back(tabelle_.spaltennamen.at(s));
            }
        }
        return n_;
    }

private:
    bool Seite(int spalte) const { return spalte == wahl_.deutsch || spalte == wahl_.fremd; }

    const Importtabelle& tabelle_;
    const Importwahl& wahl_;
    std::size_t beigabe_ = 0;
    std::vector<bool> sprachen_;
    Nichtuebernommen n_;
};

// Rows of the lessons left out: nothing about them is reported.
std::vector<bool> Gewaehlt(const Importtabelle& tabelle, const Importwahl& wahl) {
    if (wahl.lektionen.empty()) {
        return {};
    }
    return GewaehlteZeilen(tabelle, ImportLektionen(tabelle), wahl.lektionen);
}

bool Abgewaehlt(const std::vector<bool>& gewaehlt, int zeile) {
    return !gewaehlt.empty() && !gewaehlt[static_cast<std::size_t>(zeile)];
}

} // namespace

std::string ZuGrossText() {
    return "Die Datei ist größer als " + std::to_string(kImportHoechstgroesse >> 20) +
           " MB. So viel braucht keine Vokabelliste, auch nicht für " +
           std::to_string(kKartenlimit) + " Vokabeln.";
}

Importdatei ImportdateiErkennen(std::string_view datei) {
    if (IstKarteidatei(datei)) {
        return Importdatei::Kartei;
    }
    if (const auto wurzel = XmlWurzel(datei)) {
        return *wurzel == "kvtml" ? Importdatei::Kvtml : Importdatei::AnderesXml;
    }
    // The start shows it; a NUL further on is a stray byte in a row.
    const std::string_view probe = datei.substr(0, 4096);
    std::string puffer;
    return IstBinaer(AlsUtf8(probe, KodierungErkennen(probe), puffer)) ? Importdatei::Binaer
                                                                       : Importdatei::Text;
}

Importtabelle TextdateiLesen(std::string_view datei, const Leseart& art) {
    const Textkodierung kodierung = KodierungErkennen(datei);
    std::string puffer;
    const std::string_view text = AlsUtf8(datei, kodierung, puffer);
    Importtabelle tabelle;
    if (IstAnkiExport(text)) {
        tabelle = AnkiLesen(text, art);
    } else {
        tabelle = TrennwerteLesen(text, art.trenner, art.fortschritt);
        // This program's own export holds the cards as they were: nothing in it is markup or
        // a repeated question, so that a box comes back from it exactly.
        const bool export_ = text.starts_with("Deutsch;Fremd;Lernstufe\r\n") ||
                             text.starts_with("Deutsch\tFremd\tLernstufe\r\n");
        tabelle.htmlErkannt = !export_ && HatHtml(text);
        if (art.html.value_or(tabelle.htmlErkannt)) {
            tabelle = HtmlAlsText(tabelle);
        }
        if (!export_) {
            AnkiKartenErkennen(tabelle);
        }
    }
    tabelle.kodierung = kodierung;
    ZweiseitigErkennen(tabelle);
    return tabelle;
}

Importtabelle TextanfangLesen(std::string_view anfang, const Leseart& art) {
    const std::size_t ende = anfang.rfind('\n');
    if (ende != std::string_view::npos) {
        // In UTF-16 (little-endian) a line ends with the zero byte after the "\n".
        const bool null = ende + 1 < anfang.size() && anfang[ende + 1] == '\0';
        anfang = anfang.substr(0, ende + (null ? 2 : 1));
    }
    Importtabelle tabelle = TextdateiLesen(anfang, art);
    tabelle.nurAnfang = true;
    return tabelle;
}

bool IstKarteidatei(std::string_view datei) {
    return OhneBom(datei).substr(0, 256).find(kMarker[0]) != std::string_view::npos;
}

Importtabelle KarteiTabelle(const TKartei& kartei) {
    Importtabelle tabelle;
    tabelle.format = Importformat::Kartei;
    tabelle.spaltennamen = {"Deutsch", "Fremd", "Lernstufe"};
    tabelle.stufenspalte = 2;
    int zeile = 0;
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            tabelle.ZeileBeginnen(++zeile);
            for (const std::string_view seite : {fach.Deutsch(i), fach.Fremd(i)}) {
                tabelle.FeldBeginnen();
                // Most sides hold no line break; they are not taken apart for one.
                if (HatUmbruchzeichen(seite)) {
                    tabelle.Anhaengen(UmbruecheImFeld(seite));
                } else {
                    tabelle.Anhaengen(seite);
                }
            }
            tabelle.FeldBeginnen();
            tabelle.Anhaengen(static_cast<char>('0' + k));
        }
    }
    return tabelle;
}

Importwahl StandardWahl(const Importtabelle& tabelle) {
    Importwahl wahl;
    wahl.kopfzeileUeberspringen = tabelle.kopfzeile;
    const Spaltenvorschlag vorschlag = SpaltenVorschlagen(tabelle);
    wahl.deutsch = vorschlag.deutsch;
    wahl.fremd = vorschlag.fremd;
    if (tabelle.stufenspalte) {
        StufenspalteWaehlen(wahl, tabelle, *tabelle.stufenspalte);
    }
    return wahl;
}

void StufenspalteWaehlen(Importwahl& wahl, const Importtabelle& tabelle, int spalte) {
    wahl.stufenspalte = spalte;
    wahl.skala = StufenskalaErkennen(tabelle, spalte, wahl.kopfzeileUeberspringen ? 1 : 0)
                     .value_or(Stufenskala::EinsBisSechs);
}

Zeilenkarte KarteAusZeile(const Importtabelle& tabelle, int zeile, const Importwahl& wahl) {
    Zeilenkarte z;
    const int nummer = tabelle.Zeilennummer(zeile);
    const std::string_view deutsch = tabelle.Feld(zeile, wahl.deutsch);
    const std::string_view fremd = tabelle.Feld(zeile, wahl.fremd);
    if (IstUeberschrift(tabelle, zeile)) {
        z.abgelehnt = Abgelehnt{nummer, Ablehnung::Ueberschrift, {}};
        return z;
    }
    if (Unlesbar(deutsch) || Unlesbar(fremd)) {
        z.abgelehnt = Abgelehnt{nummer, Ablehnung::Kodierung, {}};
        return z;
    }
    if ((z.abgelehnt = Eingabefehler(NeueVokabel(deutsch, fremd, z.karte), nummer))) {
        return z;
    }
    if (HatUmbruchzeichen(deutsch) || HatUmbruchzeichen(fremd)) {
        z.abgelehnt = Abgelehnt{nummer, Ablehnung::Umbruchzeichen, {}};
        return z;
    }
    if (!wahl.stufenBehalten || !wahl.stufenspalte) {
        return z;
    }
    const std::string_view zelle = tabelle.Feld(zeile, *wahl.stufenspalte);
    const std::optional<int> stufe = StufeLesen(zelle, wahl.skala);
    if (stufe == 0) {
        z.abgelehnt = Abgelehnt{nummer, Ablehnung::Stufe, std::string(Beschnitten(zelle))};
    }
    z.fach = stufe.value_or(1);
    return z;
}

std::vector<Vorschauzeile> ImportVorschau(const Importtabelle& tabelle, const Importwahl& wahl,
                                          int anzahl) {
    std::vector<Vorschauzeile> vorschau;
    const std::vector<bool> gewaehlt = Gewaehlt(tabelle, wahl);
    for (int z = wahl.kopfzeileUeberspringen ? 1 : 0;
         z < tabelle.Zeilen() && static_cast<int>(vorschau.size()) < anzahl; ++z) {
        Zeilenkarte k = KarteAusZeile(tabelle, z, wahl);
        if (Abgewaehlt(gewaehlt, z)) {
            k.abgelehnt = Abgelehnt{tabelle.Zeilennummer(z), Ablehnung::Abgewaehlt, {}};
        }
        Vorschauzeile v{tabelle.Zeilennummer(z), {}, k.fach, std::move(k.abgelehnt), false};
        for (int s = 0; s < AngeboteneSpalten(tabelle); ++s) {
            v.zellen.push_back(tabelle.Feld(z, s));
        }
        v.seiteLeer = !v.abgelehnt && (Beschnitten(tabelle.Feld(z, wahl.deutsch)).empty() ||
                                       Beschnitten(tabelle.Feld(z, wahl.fremd)).empty());
        vorschau.push_back(std::move(v));
    }
    return vorschau;
}

Importergebnis Importieren(TKartei& kartei, const Importtabelle& tabelle, const Importwahl& wahl,
                           const Fortschritt& fortschritt) {
    Importergebnis e;
    int gesamt = kartei.Gesamtzahl();
    const auto zeilen = static_cast<std::size_t>(tabelle.Zeilen());
    const std::vector<bool> gewaehlt = Gewaehlt(tabelle, wahl);
    Auslassungen auslassungen(tabelle, wahl);
    for (int z = wahl.kopfzeileUeberspringen ? 1 : 0; z < tabelle.Zeilen(); ++z) {
        if (gesamt >= kKartenlimit) {
            e.limitAbZeile = tabelle.Zeilennummer(z);
            break;
        }
        if (fortschritt && z % kFortschrittZeilen == 0 &&
            !fortschritt(static_cast<std::size_t>(z), zeilen)) {
            e.abgebrochenAbZeile = tabelle.Zeilennummer(z);
            break;
        }
        if (Abgewaehlt(gewaehlt, z)) {
            continue;
        }
        Zeilenkarte k = KarteAusZeile(tabelle, z, wahl);
        if (k.abgelehnt) {
            ++e.uebersprungen;
            if (e.abgelehnt.size() < kGemeldeteZeilen) {
                e.abgelehnt.push_back(std::move(*k.abgelehnt));
            }
            continue;
        }
        kartei.Fach[k.fach].Anhaengen(k.karte.Deutsch, k.karte.Fremd, k.karte.Zusatz);
        auslassungen.Karte(z);
        ++gesamt;
        ++e.uebernommen;
    }
    e.nichtUebernommen = auslassungen.Ergebnis();
    if (e.uebernommen > 0) {
        kartei.Gesichert = false;
    }
    return e;
}

std::string AblehnungGrund(const Abgelehnt& a) {
    switch (a.grund) {
    case Ablehnung::Leer:
        return "Beide Seiten sind leer.";
    case Ablehnung::Markerzeile:
        return "Die deutsche Bedeutung beginnt mit \"----\".";
    case Ablehnung::Umbruchzeichen:
        return "„¼“ und „¾“ kann eine Vokabelkartei nur als Zeilenumbruch speichern.";
    case Ablehnung::Stufe:
        return "Die Lernstufe „" + Anzeigetext(a.zeichen) +
               "“ ist keine Zahl der Stufen dieser Spalte (1 bis 6, "
               "0 bis 5 oder 0 bis 6).";
    case Ablehnung::Ueberschrift:
        return "Die Zeile ist eine Überschrift, keine Vokabel.";
    case Ablehnung::Kodierung:
        return "Die Zeile enthält Bytes, die in der Kodierung der Datei kein Zeichen sind.";
    case Ablehnung::Abgewaehlt:
        return "Die Zeile gehört zu keiner gewählten Lektion.";
    }
    return {};
}

std::string AblehnungText(const Abgelehnt& a) {
    return "Zeile " + std::to_string(a.zeile) + ": " + AblehnungGrund(a);
}

std::string ImportMeldung(const Importergebnis& e) {
    std::string text = Anzahl(e.uebernommen, "Vokabel wurde", "Vokabeln wurden") + " importiert.";
    if (const std::string nicht = NichtuebernommenText(e.nichtUebernommen); !nicht.empty()) {
        text += "\n\n" + nicht;
    }
    if (e.limitAbZeile) {
        text += "\n\nDas Limit (" + std::to_string(kKartenlimit) + ") wurde erreicht; ab Zeile " +
                std::to_string(*e.limitAbZeile) + " wurde nichts mehr importiert.";
    }
    if (e.abgebrochenAbZeile) {
        text += "\n\nDer Import wurde abgebrochen; ab Zeile " +
                std::to_string(*e.abgebrochenAbZeile) + " wurde nichts mehr importiert.";
    }
    if (e.uebersprungen == 0) {
        return text;
    }
    text += "\n\n" + Anzahl(e.uebersprungen, "Zeile wurde", "Zeilen wurden") + " übersprungen:";
    for (const Abgelehnt& a : e.abgelehnt) {
        text.append("\n").append(AblehnungText(a));
    }
    const int weitere = e.uebersprungen - static_cast<int>(e.abgelehnt.size());
    if (weitere > 0) {
        text += "\n… und " + std::to_string(weitere) + " weitere.";
    }
    return text;
}

std::string NichtuebernommenText(const Nichtuebernommen& n) {
    static constexpr std::pair<std::string_view, std::string_view> kNamen[kBeigaben] = {
        {"Kommentar", "Kommentare"},
        {"Aussprache", "Aussprachen"},
        {"Beispiel", "Beispiele"},
        {"Umschreibung", "Umschreibungen"},
        {"Konjugation", "Konjugationen"},
        {"Steigerung", "Steigerungen"},
        {"Auswahlliste", "Auswahllisten"},
        {"Bild", "Bilder"},
        {"Ton", "Töne"},
    };
    std::vector<std::string> teile;
    for (std::size_t i = 0; i < kBeigaben; ++i) {
        if (n.beigaben[i] > 0) {
            teile.push_back(Anzahl(n.beigaben[i], kNamen[i].first, kNamen[i].second));
        }
    }
    if (!n.sprachen.empty()) {
        std::string namen;
        for (const std::string& s : n.sprachen) {
            namen += (namen.empty() ? "" : ", ") + s;
        }
        teile.push_back(
            Anzahl(static_cast<int>(n.sprachen.size()), "weitere Sprache", "weitere Sprachen") +
            " (" + namen + ")");
    }
    std::string text;
    for (const std::string& teil : teile) {
        text += (text.empty() ? "Nicht übernommen: " : ", ") + teil;
    }
    return text;
}

std::string_view ImportdateiAblehnung(Importdatei art) {
    switch (art) {
    case Importdatei::AnderesXml:
        return "Sie ist eine XML-Datei, aber keine KVTML-Datei (Parley, KWordQuiz).";
    case Importdatei::Binaer:
        return "Sie ist keine Textdatei, sondern etwa ein Bild oder ein Programm.";
    case Importdatei::Kartei:
    case Importdatei::Kvtml:
    case Importdatei::Text:
        return {};
    }
    return {};
}

} // namespace lexidor
