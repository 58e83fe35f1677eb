// The end of a session.
#include "sitzungsende.h"

namespace lexidor {

Sitzungssicherung BeimSitzungsende(const TKartei& kartei, bool autosave) {
    if (!kartei.Geoeffnet || kartei.Gesichert) {
        return Sitzungssicherung::Nichts;
    }
    if (autosave && kartei.Dateipfad != kKeineDatei) {
        return Sitzungssicherung::Kartei;
    }
    return Sitzungssicherung::Kopie;
}

std::string AnzeigenameVon(std::string_view pfad) {
    return pfad == kKeineDatei ? std::string(kNeuName) : Dateiname(pfad);
}

std::string WiederherstellungFrage(std::string_view original) {
    return "Lexidor wurde beendet, bevor die Änderungen an der Kartei „" +
           AnzeigenameVon(original) +
           "“ gesichert waren. Eine Kopie davon wurde aufbewahrt.\n\nSoll sie jetzt geöffnet "
           "werden? Sie wird erst gesichert, wenn Sie speichern. Bei „Nein“ wird die Kopie "
           "gelöscht.";
}

} // namespace lexidor
