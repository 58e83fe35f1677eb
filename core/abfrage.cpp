// Query rules: the scheduler, the answer check, the grading moves and the counters.
#include "abfrage.h"

#include "cp1252.h"
#include "unicodetext.h"

#include <algorithm>
#include <cstdio>

namespace lexidor {
namespace {

// Folded after NFC, so that a "ü" typed matches a "u" with a combining diaeresis.
std::string Vergleichsform(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != '\n' && c != '\r') {
            s += c;
        }
    }
    s = Gefaltet(IstUtf8(s) ? Nfc(s) : s);
    const auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto anfang = std::find_if_not(s.begin(), s.end(), leer);
    const auto ende = std::find_if_not(s.rbegin(), s.rend(), leer).base();
    return anfang < ende ? std::string(anfang, ende) : std::string();
}

} // namespace

void TAbfrage::AbfrageStarten(TKartei& kartei) {
    AktuellesFach = -1;
    kartei.Geoeffnet = true;
    Sekunden = 0;
    Minuten = 0;
    Wechsel = false;
    kartei.Gesichert = false;
    Falsche = 0;
    Richtige = 0;
    ErinnerungOffen = true;
}

bool TAbfrage::NaechsteVokabel(TKartei& kartei, Datum heute, const TEinstellungen& e,
                               Zufall& zufall) {
    if (!kartei.Geoeffnet) {
        return false;
    }
    const Intervalle intervalle = e.Intervall();
    for (int k = 2; k <= 5; ++k) {
        if (kartei.Faellig[k] && kartei.Fach[k].Count() == 0) {
            kartei.TerminFortschreiben(k, heute, intervalle[k]);
        }
    }
    const int anzahl1 = kartei.Fach[1].Count();
    if (Fach1Position >= anzahl1) {
        Fach1Position = anzahl1 > 0 ? static_cast<int>(zufall.Unter(anzahl1)) : 0;
    }
    int position = 0;
    AktuellesFach = -1;
    for (int k = 5; k >= 2; --k) {
        if (!kartei.Faellig[k]) {
            continue;
        }
        // Compartments 5, 4 and 3 alternate with compartment 1; compartment 2 does not.
        if (k >= 3 && Wechsel && anzahl1 > 0) {
            Wechsel = false;
            AktuellesFach = 1;
            position = Fach1Position;
        } else {
            Wechsel = k >= 3 ? true : Wechsel;
            AktuellesFach = k;
        }
        break;
    }
    if (AktuellesFach == -1 && anzahl1 > 0) {
        AktuellesFach = 1;
        position = Fach1Position;
    }
    if (AktuellesFach == -1) {
        AktuelleVokabel = {};
    } else {
        const TVokList& fach = kartei.Fach[AktuellesFach];
        AktuelleVokabel = {std::string(fach.Deutsch(position)), std::string(fach.Fremd(position)),
                           std::string(fach.Zusatz(position))};
    }
    const int richtung = std::clamp(e.Abfragerichtung, 0, 2);
    Richtung = richtung == 2 ? static_cast<int>(zufall.Unter(2)) : richtung;
    Zustand = TZustand::Offen;
    return true;
}

std::string TAbfrage::Frage() const {
    if (AktuellesFach == -1) {
        return std::string(kNichtsZuLernen);
    }
    return Richtung == 0 ? AktuelleVokabel.Deutsch : AktuelleVokabel.Fremd;
}

std::string TAbfrage::Loesung() const {
    return Richtung == 0 ? AktuelleVokabel.Fremd : AktuelleVokabel.Deutsch;
}

int TAbfrage::Balkenstufe() const {
    return AktuellesFach >= 1 ? AktuellesFach : 0;
}

TAufdeckung TAbfrage::Aufdecken(TKartei& kartei) {
    if (AktuellesFach == -1) {
        return TAufdeckung::Nichts;
    }
    if (!kartei.Geoeffnet) {
        return TAufdeckung::KeineKartei;
    }
    if (Zustand != TZustand::Offen) {
        return TAufdeckung::Nichts;
    }
    kartei.Gesichert = false;
    Zustand = TZustand::Aufgedeckt;
    return TAufdeckung::Aufgedeckt;
}

TPruefung TAbfrage::AutomatischPruefen(TKartei& kartei, std::string_view eingabe) {
    if (Zustand == TZustand::Abgelehnt) {
        return TPruefung::Weiter;
    }
    if (Zustand == TZustand::Aufgedeckt) {
        return TPruefung::Nichts;
    }
    switch (Aufdecken(kartei)) {
    case TAufdeckung::Nichts:
        return TPruefung::Nichts;
    case TAufdeckung::KeineKartei:
        return TPruefung::KeineKartei;
    case TAufdeckung::Aufgedeckt:
        break;
    }
    if (AntwortRichtig(eingabe, UmbruecheDekodieren(Loesung()))) {
        return TPruefung::Richtig;
    }
    Zustand = TZustand::Abgelehnt;
    return TPruefung::Abgelehnt;
}

bool TAbfrage::KannBewerten(bool richtig) const {
    return Zustand == TZustand::Aufgedeckt || (richtig && Zustand == TZustand::Abgelehnt);
}

std::optional<int> TAbfrage::VokabelVerschieben(TKartei& kartei, bool richtig, Zufall& zufall) {
    const int k = AktuellesFach;
    if (!kartei.Geoeffnet || k < 1 || k > 5) {
        return std::nullopt;
    }
    const int position = k == 1 ? Fach1Position : 0;
    if (position >= kartei.Fach[k].Count()) {
        return std::nullopt;
    }
    if (richtig) {
        ++Richtige;
        kartei.Verschieben(k, position, k + 1);
        return k + 1;
    }
    ++Falsche;
    if (k == 1) {
        Fach1Position = static_cast<int>(zufall.Unter(kartei.Fach[1].Count()));
    } else {
        kartei.Verschieben(k, 0, 1);
    }
    return 1;
}

void TAbfrage::Sekundentakt() {
    if (++Sekunden == 60) {
        Sekunden = 0;
        ++Minuten;
    }
}

// Equal, not at least: a limit set below the time already passed brings no reminder.
bool TAbfrage::ErinnerungFaellig(std::int32_t timer) {
    if (timer == 0 || Minuten != timer || !ErinnerungOffen) {
        return false;
    }
    ErinnerungOffen = false;
    return true;
}

std::string TAbfrage::Zeittext() const {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d:%02d", Minuten, Sekunden);
    return puffer;
}

std::optional<int> TAbfrage::Prozent() const {
    const int gesamt = Richtige + Falsche;
    if (gesamt <= 0) {
        return std::nullopt;
    }
    return static_cast<int>(static_cast<long long>(Richtige) * 100 / gesamt);
}

TAbfragebild Abfragebild(TZustand zustand) {
    constexpr std::string_view richtig = "Richtig (R)";
    constexpr std::string_view pruefen = "Eingabe autom. überprüfen (F10)";
    switch (zustand) {
    case TZustand::Offen:
        break;
    case TZustand::Aufgedeckt:
        return {false, false, true, true, richtig, 100, pruefen, clBlack, clBlack, false, true};
    case TZustand::Abgelehnt:
        // Only R works: it overrules the verdict; F10 accepts it.
        return {false, false,   true, false, "Doch richtig (R)", 209, "Weiter (F10)",
                clRed, clGreen, true, true};
    }
    return {true, true, false, false, richtig, 100, pruefen, clBlack, clBlack, false, false};
}

bool AntwortRichtig(std::string_view antwort, std::string_view loesung) {
    return Vergleichsform(antwort) == Vergleichsform(loesung);
}

std::string FachText(int k, int anzahl) {
    return "Im " + std::to_string(k) + ". Fach:  " + std::to_string(anzahl);
}

std::string GesamtText(int anzahl) {
    return "Gesamt:  " + std::to_string(anzahl);
}

} // namespace lexidor
