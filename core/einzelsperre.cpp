// The single-instance lock's holder: taken over when it cannot be checked, and the texts.
#include "einzelsperre.h"

#include "zeichenanzeige.h"

namespace lexidor {

bool SperreUebernehmen(const std::optional<Sperrinhaber>& inhaber, std::string_view rechner) {
    // No computer named counts as this one, as it does for Qt's own lock.
    return !inhaber || (!inhaber->rechner.empty() && inhaber->rechner != rechner);
}

std::string UebernahmeHinweis(const std::optional<Sperrinhaber>& inhaber) {
    const std::string woher =
        inhaber ? "vom Rechner „" + Anzeigetext(inhaber->rechner) + "“" : "ohne lesbaren Inhaber";
    return "Eine Sperre " + woher +
           " zeigt an, dass Lexidor schon läuft; von hier aus lässt sich das nicht prüfen. "
           "Lexidor startet trotzdem. Läuft es dort noch, öffnen Sie dieselbe Kartei nicht an "
           "beiden Stellen.";
}

std::string KeineAntwortMeldung(const Sperrinhaber& inhaber) {
    return "Lexidor läuft bereits (Prozess " + std::to_string(inhaber.pid) +
           "), antwortet aber nicht. Beenden Sie es, bevor Sie Lexidor erneut starten.";
}

} // namespace lexidor
