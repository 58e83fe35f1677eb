// Text files imported as they are read.
#include "textimport.h"

#include "ankinotizen.h"
#include "trennwerte.h"
#include "vokabeleingabe.h"

#include <algorithm>

namespace lexidor {

Textimport::Textimport(TKartei& kartei, const Importtabelle& vorlage, const Importwahl& wahl,
                       std::uint64_t dateigroesse)
    : kartei_(kartei), vorlage_(LeereKopie(vorlage)), wahl_(wahl),
      ankikopfOffen_(vorlage.format == Importformat::Anki) {
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
    if (ergebnis_.limitAbZeile) {
        return false;
    }
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
    Einfuegen(std::move(roh));
    return !ergebnis_.limitAbZeile;
}

void Textimport::Einfuegen(Importtabelle roh) {
    Importtabelle tabelle = LeereKopie(vorlage_);
    if (vorlage_.format == Importformat::Anki) {
        AnkiZeilenUebernehmen(roh, ankispalten_, vorlage_.htmlUmgewandelt, tabelle);
    } else {
        tabelle = vorlage_.htmlUmgewandelt ? HtmlAlsText(roh) : std::move(roh);
        if (vorlage_.ankiKarten) {
            tabelle = OhneFragen(tabelle);
        }
    }
    Importwahl wahl = wahl_;
    wahl.kopfzeileUeberspringen = wahl_.kopfzeileUeberspringen && !kopfGelesen_;
    kopfGelesen_ = kopfGelesen_ || tabelle.Zeilen() > 0;
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
