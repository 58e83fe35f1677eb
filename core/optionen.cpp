// Texts of the settings and keyboard-mapping dialogs.
#include "optionen.h"

namespace lexidor {

std::string TageText(std::int32_t tage) {
    return std::to_string(tage) + " Tage";
}

std::string TimerText(std::int32_t minuten) {
    if (minuten == 0) {
        return "Deaktiviert";
    }
    return "Nach " + std::to_string(minuten) + " Minuten";
}

int RichtungsIndex(std::int32_t abfragerichtung, int anzahl) {
    if (abfragerichtung < 0) {
        return -1;
    }
    return abfragerichtung >= anzahl ? anzahl - 1 : abfragerichtung;
}

std::string Belegungszeile(const Ersatztexte& texte, int i) {
    const auto index = static_cast<std::size_t>(i);
    return std::string(Sondertasten[index]) + std::string(14, ' ') + texte[index];
}

} // namespace lexidor
