// A text file brought into the box piece by piece, as the shell reads it: a list at the card
// limit then lies in memory neither whole nor as a table of all its cells, and its cards come
// in with one pass over its bytes.
#pragma once

#include "importtabelle.h"
#include "kartei.h"
#include "vokabelimport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// Reads every record as TextdateiLesen read the file's start for the dialog (`vorlage`: its
// encoding, separator, Anki columns, HTML and answers), and makes cards of them as Importieren
// does. A record is made a card once the piece after it has come, so that a quoted field, a
// line end or a character may run from one piece into the next.
class Textimport {
public:
    Textimport(TKartei& kartei, const Importtabelle& vorlage, const Importwahl& wahl,
               std::uint64_t dateigroesse);

    // The next bytes of the file, `letztes` with its end; false once the box holds the card
    // limit and no more are wanted.
    bool Stueck(std::string_view bytes, bool letztes);
    // The user stopped it: nothing from the first record not yet made a card on.
    void Abbrechen() { ergebnis_.abgebrochenAbZeile = zeile_; }
    const Importergebnis& Ergebnis() const { return ergebnis_; }

private:
    void Einfuegen(Importtabelle roh);

    TKartei& kartei_;
    Importtabelle vorlage_; // without rows
    Importwahl wahl_;
    std::vector<int> ankispalten_;
    std::string bytes_; // the end of the last piece: the start of a character
    std::string rest_;  // the text of the records not yet complete, as UTF-8
    std::size_t ab_ = 0;
    int zeile_ = 1;
    bool anfang_ = true; // where a byte-order mark may stand
    bool ankikopfOffen_; // an Anki export's leading lines not yet read
    bool kopfGelesen_ = false;
    Importergebnis ergebnis_;
};

} // namespace lexidor
