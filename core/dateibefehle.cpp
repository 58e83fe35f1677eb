// The file commands as a plan of pending entries: a task decides at once or names a step for
// the window and waits for its outcome; a ready step goes to the window as it is. Commands
// nest (the question may run a save, which may show a dialog), so the plan is a stack.
#include "dateibefehle.h"

#include "karteidatei.h"
#include "schreibfehler.h"
#include "sitzungsende.h"

#include <iterator>
#include <utility>

namespace lexidor {
namespace {

constexpr std::string_view kEndung = ".vkd";
constexpr std::string_view kTitelTrenner = "   -   ";

TDateischritt Nur(TDateiaktion aktion) {
    TDateischritt s;
    s.Aktion = aktion;
    return s;
}

TDateischritt MitPfad(TDateiaktion aktion, std::string pfad) {
    TDateischritt s = Nur(aktion);
    s.Pfad = std::move(pfad);
    return s;
}

TDateischritt MitText(TDateiaktion aktion, std::string_view text) {
    TDateischritt s = Nur(aktion);
    s.Text = text;
    return s;
}

TDateischritt Titel(std::string_view text) {
    return MitText(TDateiaktion::TitelSetzen, text);
}

TDateischritt Meldung(std::string_view text) {
    return MitText(TDateiaktion::Melden, text);
}

TDateischritt Ende(bool weiter) {
    TDateischritt s;
    s.Weiter = weiter;
    return s;
}

} // namespace

std::string Fenstertitel(std::string_view anzeigename) {
    std::string titel(kProgrammtitel);
    titel += kTitelTrenner;
    titel += anzeigename;
    return titel;
}

std::string Speicherziel(std::string_view name) {
    std::string ziel(name);
    if (!name.ends_with(kEndung)) {
        ziel += kEndung;
    }
    return ziel;
}

TDateibefehle::TDateibefehle(TKartei& kartei, std::string datumsmuster)
    : kartei_(kartei), datumsmuster_(std::move(datumsmuster)) {
}

// ---------------------------------------------------------------------------------------
// Commands

TDateischritt TDateibefehle::Neu(Datum heute, const Intervalle& intervalle) {
    if (Laeuft()) {
        return Ende(false);
    }
    heute_ = heute;
    intervalle_ = intervalle;
    if (!kartei_.Geoeffnet) {
        return Beginnen({Aufgabe::Anlegen});
    }
    return Beginnen({Aufgabe::Pruefen, Aufgabe::Schliessen, Aufgabe::Anlegen});
}

// The open box is closed before the dialog, so it stays closed when the dialog is cancelled.
TDateischritt TDateibefehle::Oeffnen() {
    return Beginnen({Aufgabe::Pruefen, Aufgabe::Schliessen, Aufgabe::OeffnenWaehlen});
}

TDateischritt TDateibefehle::Zuletzt(std::string pfad) {
    if (Laeuft()) {
        return Ende(false);
    }
    zuletzt_ = std::move(pfad);
    return Beginnen({Aufgabe::Pruefen, Aufgabe::Schliessen, Aufgabe::ZuletztLaden});
}

TDateischritt TDateibefehle::Wiederherstellen(std::string kopie, std::string original) {
    if (Laeuft()) {
        return Ende(false);
    }
    zuletzt_ = std::move(kopie);
    original_ = std::move(original);
    return Beginnen({Aufgabe::Pruefen, Aufgabe::Schliessen, Aufgabe::KopieLaden});
}

TDateischritt TDateibefehle::Laden() {
    return Beginnen({Aufgabe::Laden});
}

TDateischritt TDateibefehle::Speichern() {
    return Beginnen({Aufgabe::Speichern});
}

TDateischritt TDateibefehle::SpeichernUnter() {
    return Beginnen({Aufgabe::SpeichernUnter});
}

TDateischritt TDateibefehle::Schliessen() {
    if (!kartei_.Geoeffnet) {
        return Beginnen({});
    }
    return Beginnen({Aufgabe::Pruefen, Aufgabe::Schliessen});
}

// A box without a file is never saved automatically: that would show a dialog.
TDateischritt TDateibefehle::AutoSpeichern(bool autosave) {
    if (!autosave || kartei_.Dateipfad == kKeineDatei) {
        return Beginnen({});
    }
    return Beginnen({Aufgabe::Speichern});
}

// The dialog counts as a change even when nothing was added.
TDateischritt TDateibefehle::Hinzugefuegt(bool autosave) {
    if (Laeuft()) {
        return Ende(false);
    }
    kartei_.Gesichert = false;
    return AutoSpeichern(autosave);
}

TDateischritt TDateibefehle::Beenden() {
    return Beginnen({Aufgabe::PruefenBeenden});
}

// ---------------------------------------------------------------------------------------
// Outcomes

TDateischritt TDateibefehle::Beantwortet(TAntwort antwort) {
    if (erwartet_ != Erwartet::Antwort) {
        return Nochmals();
    }
    if (antwort == TAntwort::Ja) {
        // Going on after a save that did not happen would drop what the user wanted kept.
        Einplanen({Aufgabe::Speichern, Aufgabe::NurWennGesichert});
    } else if (antwort == TAntwort::Abbrechen) {
        return Abbrechen();
    }
    return Fortfahren();
}

TDateischritt TDateibefehle::Gewaehlt(std::optional<std::string> name) {
    if (erwartet_ == Erwartet::OeffnenName) {
        if (name) {
            kartei_.Dateipfad = std::move(*name);
            Einplanen({Aufgabe::Laden});
        }
        return Fortfahren();
    }
    if (erwartet_ != Erwartet::SpeichernName) {
        return Nochmals();
    }
    if (!name) {
        return Fortfahren();
    }
    return SchreibenNach(Speicherziel(*name));
}

TDateischritt TDateibefehle::Gelesen(const Quelle& quelle, Datum heute, Zufall& zufall) {
    if (erwartet_ != Erwartet::Datei) {
        return Nochmals();
    }
    KarteiLeser leser(kartei_, datumsmuster_, heute);
    const bool gelesen = quelle([&leser](std::string_view stueck) { return leser.Weiter(stueck); });
    const bool kopie = std::exchange(wiederherstellung_, false);
    if (!gelesen || !leser.Ende(zufall)) {
        kartei_.Geoeffnet = false;
        kartei_.Dateipfad = kKeineDatei;
        // Closing discards whatever part of the file was read.
        Einplanen({Meldung(kLadefehler), Aufgabe::Schliessen});
        return Fortfahren();
    }
    if (kopie) {
        Einplanen({Nur(TDateiaktion::AbfrageStarten), Aufgabe::Wiederhergestellt,
                   Nur(TDateiaktion::NaechsteVokabel)});
        return Fortfahren();
    }
    // The query start counts the box as changed; only after it is the box saved.
    Einplanen({Nur(TDateiaktion::AbfrageStarten), Titel(Fenstertitel(kartei_.Anzeigename)),
               Nur(TDateiaktion::NaechsteVokabel), Aufgabe::AlsGesichert,
               MitPfad(TDateiaktion::HistorieEintragen, kartei_.Dateipfad)});
    return Fortfahren();
}

TDateischritt TDateibefehle::Geschrieben(bool ok, std::string_view erklaerung) {
    if (erwartet_ != Erwartet::Schreiben) {
        return Nochmals();
    }
    if (ok) {
        Gespeichert();
    } else {
        Fehlgeschlagen(erklaerung);
    }
    return Fortfahren();
}

TDateischritt TDateibefehle::Erledigt() {
    if (erwartet_ != Erwartet::Erledigt) {
        return Nochmals();
    }
    return Fortfahren();
}

// ---------------------------------------------------------------------------------------
// The plan

TDateischritt TDateibefehle::Beginnen(std::initializer_list<Eintrag> plan) {
    if (Laeuft()) {
        return Ende(false);
    }
    Einplanen(plan);
    return Fortfahren();
}

void TDateibefehle::Einplanen(std::initializer_list<Eintrag> plan) {
    offen_.insert(offen_.end(), std::make_reverse_iterator(plan.end()),
                  std::make_reverse_iterator(plan.begin()));
}

TDateischritt TDateibefehle::Fortfahren() {
    while (!offen_.empty()) {
        Eintrag naechster = std::move(offen_.back());
        offen_.pop_back();
        if (auto* schritt = std::get_if<TDateischritt>(&naechster)) {
            return Warten(Erwartet::Erledigt, std::move(*schritt));
        }
        if (auto schritt = Ausfuehren(std::get<Aufgabe>(naechster))) {
            return *schritt;
        }
    }
    erwartet_ = Erwartet::Nichts;
    return Ende(true);
}

std::optional<TDateischritt> TDateibefehle::Ausfuehren(Aufgabe aufgabe) {
    switch (aufgabe) {
    case Aufgabe::Pruefen:
    case Aufgabe::PruefenBeenden: {
        if (!kartei_.Geoeffnet || kartei_.Gesichert) {
            return std::nullopt;
        }
        // At exit the box shows no Cancel, though closing it without a choice still cancels.
        TDateischritt frage = Nur(TDateiaktion::Fragen);
        frage.MitAbbrechen = aufgabe == Aufgabe::Pruefen;
        return Warten(Erwartet::Antwort, std::move(frage));
    }
    case Aufgabe::NurWennGesichert:
        if (!kartei_.Gesichert) {
            return Abbrechen();
        }
        return std::nullopt;
    case Aufgabe::Schliessen:
        kartei_.Schliessen();
        Einplanen({Titel(kProgrammtitel), Nur(TDateiaktion::AbfrageLeeren)});
        return std::nullopt;
    case Aufgabe::Anlegen:
        kartei_.NeuAnlegen(heute_, intervalle_);
        Einplanen({Nur(TDateiaktion::AbfrageStarten), Titel(Fenstertitel(kartei_.Anzeigename)),
                   Nur(TDateiaktion::NaechsteVokabel)});
        return std::nullopt;
    case Aufgabe::OeffnenWaehlen:
        return Warten(Erwartet::OeffnenName, Nur(TDateiaktion::OeffnenDialog));
    case Aufgabe::ZuletztLaden:
        kartei_.Dateipfad = std::move(zuletzt_);
        return Ausfuehren(Aufgabe::Laden);
    case Aufgabe::KopieLaden:
        wiederherstellung_ = true;
        kartei_.Dateipfad = std::move(zuletzt_);
        return Ausfuehren(Aufgabe::Laden);
    case Aufgabe::Wiederhergestellt:
        kartei_.Dateipfad = std::move(original_);
        kartei_.Anzeigename = AnzeigenameVon(kartei_.Dateipfad);
        kartei_.Gesichert = false;
        Einplanen({Titel(Fenstertitel(kartei_.Anzeigename))});
        return std::nullopt;
    case Aufgabe::Laden:
        return Warten(Erwartet::Datei, MitPfad(TDateiaktion::Lesen, kartei_.Dateipfad));
    case Aufgabe::AlsGesichert:
        kartei_.Gesichert = true;
        return std::nullopt;
    case Aufgabe::Speichern:
        if (!kartei_.Geoeffnet) {
            return std::nullopt;
        }
        if (kartei_.Dateipfad == kKeineDatei) {
            sicherung_ = Sicherung::OhneDatei;
            return Warten(Erwartet::SpeichernName, Nur(TDateiaktion::SpeichernDialog));
        }
        sicherung_ = Sicherung::MitDatei;
        return SchreibenNach(kartei_.Dateipfad);
    case Aufgabe::SpeichernUnter:
        if (!kartei_.Geoeffnet) {
            return std::nullopt;
        }
        sicherung_ = Sicherung::Unter;
        return Warten(Erwartet::SpeichernName, Nur(TDateiaktion::SpeichernDialog));
    }
    return std::nullopt;
}

TDateischritt TDateibefehle::Warten(Erwartet erwartet, TDateischritt schritt) {
    erwartet_ = erwartet;
    aktuell_ = schritt;
    return schritt;
}

TDateischritt TDateibefehle::Nochmals() const {
    if (!Laeuft()) {
        return Ende(true);
    }
    return aktuell_;
}

TDateischritt TDateibefehle::Abbrechen() {
    offen_.clear();
    erwartet_ = Erwartet::Nichts;
    return Ende(false);
}

TDateischritt TDateibefehle::SchreibenNach(std::string ziel) {
    ziel_ = ziel;
    return Warten(Erwartet::Schreiben, MitPfad(TDateiaktion::Schreiben, std::move(ziel)));
}

bool TDateibefehle::KarteiAusgeben(const Senke& senke) const {
    return KarteiSchreiben(kartei_, datumsmuster_, senke);
}

void TDateibefehle::Gespeichert() {
    kartei_.Gesichert = true;
    const bool ersteUtf8 = !kartei_.NurCp1252() && !kartei_.Utf8Datei;
    kartei_.Utf8Datei = !kartei_.NurCp1252();
    if (ersteUtf8) {
        Einplanen({Meldung(kUtf8Hinweis)});
    }
    if (sicherung_ == Sicherung::MitDatei) {
        return;
    }
    kartei_.Dateipfad = ziel_;
    kartei_.Anzeigename = Dateiname(ziel_);
    Einplanen({Titel(Fenstertitel(kartei_.Anzeigename))});
}

// The box stays open and unsaved; a box that had no file, or was to get a new one, has none
// afterwards, so the next save asks for a name again.
void TDateibefehle::Fehlgeschlagen(std::string_view erklaerung) {
    kartei_.Gesichert = false;
    if (sicherung_ == Sicherung::MitDatei) {
        Einplanen({Meldung(MitErklaerung(kSpeicherfehler, erklaerung))});
        return;
    }
    kartei_.Dateipfad = kKeineDatei;
    if (sicherung_ == Sicherung::OhneDatei) {
        Einplanen({Meldung(MitErklaerung(kSpeicherfehler, erklaerung))});
        return;
    }
    Einplanen({Meldung(MitErklaerung(kSpeicherUnterFehler, erklaerung)), Titel("")});
}

} // namespace lexidor
