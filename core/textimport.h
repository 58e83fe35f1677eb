// A text file brought into the box piece by piece, as the shell reads it: a list at the card
// limit then lies in memory neither whole nor as a table of all its cells, and its cards come
// in with one pass over its bytes.
#pragma once

#include "importtabelle.h"
#include "kartei.h"
#include "vokabelimport.h"

#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// The pieces a large file is read in. Two of them, with their rows, are held at once beside
// the cards, so they stay small against a file of hundreds of megabytes.
inline constexpr std::size_t kImportstueck = std::size_t{1} << 18;

// Reads every record as TextdateiLesen read the file's start for the dialog (`vorlage`: its
// encoding, separator, Anki columns, HTML and answers), and makes cards of them as Importieren
// does. A record is made a card once the piece after it has come, so that a quoted field, a
// line end or a character may run from one piece into the next. While the cards of one piece
// come in, on a thread of their own, the next piece is read: the box is the caller's again
// once Stueck returned for the last piece, or Ergebnis or Abbrechen did.
class Textimport {
public:
    // fortschritt hears how many of the file's bytes have come, between two pieces' cards,
    // and may stop the import there.
    Textimport(TKartei& kartei, const Importtabelle& vorlage, const Importwahl& wahl,
               std::uint64_t dateigroesse, Fortschritt fortschritt = {});

    // The next bytes of the file, `letztes` with its end; false once the box holds the card
    // limit or fortschritt stopped it, and no more are wanted.
    bool Stueck(std::string_view bytes, bool letztes);
    // The rest of the file cannot be read: nothing from the first record not yet made a card
    // on.
    void Abbrechen();
    const Importergebnis& Ergebnis();

private:
    // The rows as cells of the chosen columns, HTML turned into text, answers without their
    // question.
    Importtabelle Zeilen(Importtabelle roh) const;
    void Einfuegen(const Importtabelle& tabelle, const Importwahl& wahl);
    void Warten(); // until the cards of the last piece are in

    TKartei& kartei_;
    Importtabelle vorlage_; // without rows
    Importwahl wahl_;
    std::uint64_t dateigroesse_;
    std::uint64_t gelesen_ = 0;
    Fortschritt fortschritt_;
    std::vector<int> ankispalten_;
    std::string bytes_; // the end of the last piece: the start of a character
    std::string rest_;  // the text of the records not yet complete, as UTF-8
    std::size_t ab_ = 0;
    int zeile_ = 1;
    bool anfang_ = true; // where a byte-order mark may stand
    bool ankikopfOffen_; // an Anki export's leading lines not yet read
    bool kopfGelesen_ = false;
    Importergebnis ergebnis_;
    std::future<void> arbeit_; // last, so that it is waited for before the rest goes
};

} // namespace lexidor
