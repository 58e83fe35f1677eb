// Text files imported as they are read.
#include "textimport.h"

#include "ankinotizen.h"
#include "trennwerte.h"
#include "vokabeleingabe.h"

#include <algorithm>

namespace lexidor {

Textimport::Textimport(TKartei& kartei, const Importtabelle& vorlage, const Importwahl& wahl,
                       std::uint64_t dateigroesse, Fortschritt fortschritt)
    : kartei_(kartei), vorlage_(LeereKopie(vorlage)), wahl_(wahl), dateigroesse_(dateigroesse),
      fortschritt_(std::move(fortschritt)), ankikopfOffen_(vorlage.format == Importformat::Anki) {
    // Room for every card at once rather than copies as the list grows: no row is shorter
    // than four bytes, and room not filled is never touched, so costs no memory.
    if (!wahl.stufenBehalten) {
        const auto frei =
            static_cast<std::uint64_t>(std::max(kKartenlimit - kartei.Gesamtzahl(), 0));
        TVokList& fach = kartei.Fach[1];
        fach.Reservieren(static_cast<std::size_t>(fach.Count()) +
                             static_cast<std::size_t>(std::min(frei, dateigroesse / 4)),
                         0);
    }
}

bool Textimport::Stueck(std::string_view bytes, bool letztes) {
    gelesen_ += bytes.size();
    const bool verbunden = !bytes_.empty();
    if (verbunden) {
        bytes_.append(bytes);
        bytes = bytes_;
    }
    // A byte-order mark is dropped only where it is seen whole.
    if (anfang_ && !letztes && bytes.size() < 4) {
        bytes_ = std::string(bytes);
        return true;
    }
    const std::size_t offen = letztes ? 0 : UnvollstaendigesEnde(bytes, vorlage_.kodierung);
    std::string puffer;
    std::string_view text =
        AlsUtf8(bytes.substr(0, bytes.size() - offen), vorlage_.kodierung, puffer, anfang_);
    anfang_ = false;
    // The text may lie in bytes_: it is kept apart from the bytes that stay for the next piece.
    std::string uebrig(bytes.substr(bytes.size() - offen));
    if (!rest_.empty() || verbunden) {
        rest_.append(text);
        text = rest_;
    }
    bytes_ = std::move(uebrig);
    if (ankikopfOffen_) {
        Ankikopf kopf = AnkikopfLesen(text);
        // Its leading lines are read whole before any note.
        if (kopf.ab >= text.size() && !letztes) {
            rest_ = std::string(text);
            return true;
        }
        ab_ = kopf.ab;
        zeile_ = kopf.zeile;
        ankispalten_ = std::move(kopf.ankispalten);
        ankikopfOffen_ = false;
    }
    Importtabelle roh = LeereKopie(vorlage_);
    Satzleser leser(text, vorlage_.trennzeichen, ab_, zeile_);
    for (;;) {
        ab_ = leser.Position();
        zeile_ = leser.Zeile();
        if (!leser.Naechster(roh)) {
            break;
        }
        // The last record of a piece may go on in the next one.
        if (!letztes && (leser.Position() >= text.size() || leser.Offen())) {
            roh.LetzteZeileVerwerfen();
            break;
        }
    }
    rest_ = std::string(text.substr(ab_));
    ab_ = 0;
    Importtabelle tabelle = Zeilen(std::move(roh));
    Importwahl wahl = wahl_;
    wahl.kopfzeileUeberspringen = wahl_.kopfzeileUeberspringen && !kopfGelesen_;
    kopfGelesen_ = kopfGelesen_ || tabelle.Zeilen() > 0;
    Warten();
    if (ergebnis_.limitAbZeile) {
        return false;
    }
    // Only here, with no cards coming in, may the shell show the box while it reports.
    if (fortschritt_ && !letztes &&
        !fortschritt_(static_cast<std::size_t>(gelesen_),
                      static_cast<std::size_t>(dateigroesse_))) {
        ergebnis_.abgebrochenAbZeile = tabelle.Zeilen() > 0 ? tabelle.Zeilennummer(0) : zeile_;
        return false;
    }
    // The cards of this piece come in while the next piece is read and split into rows: on
    // two cores a list at the card limit takes little more than the longer of the two.
    arbeit_ = std::async(std::launch::async,
                         [this, t = std::move(tabelle), wahl] { Einfuegen(t, wahl); });
    if (letztes) {
        Warten();
    }
    return true;
}

void Textimport::Abbrechen() {
    Warten();
    ergebnis_.abgebrochenAbZeile = zeile_;
}

const Importergebnis& Textimport::Ergebnis() {
    Warten();
    return ergebnis_;
}

void Textimport::Warten() {
    if (arbeit_.valid()) {
        arbeit_.get();
    }
}

Importtabelle Textimport::Zeilen(Importtabelle roh) const {
    Importtabelle tabelle = LeereKopie(vorlage_);
    if (vorlage_.format == Importformat::Anki) {
        AnkiZeilenUebernehmen(roh, ankispalten_, vorlage_.htmlUmgewandelt, tabelle);
    } else {
        tabelle = vorlage_.htmlUmgewandelt ? HtmlAlsText(roh) : std::move(roh);
        if (vorlage_.ankiKarten) {
            tabelle = OhneFragen(tabelle);
        }
    }
    return tabelle;
}

void Textimport::Einfuegen(const Importtabelle& tabelle, const Importwahl& wahl) {
    Importergebnis e = Importieren(kartei_, tabelle, wahl);
    ergebnis_.uebernommen += e.uebernommen;
    ergebnis_.uebersprungen += e.uebersprungen;
    for (Abgelehnt& a : e.abgelehnt) {
        if (ergebnis_.abgelehnt.size() < kGemeldeteZeilen) {
            ergebnis_.abgelehnt.push_back(std::move(a));
        }
    }
    ergebnis_.limitAbZeile = e.limitAbZeile;
}

} // namespace lexidor
