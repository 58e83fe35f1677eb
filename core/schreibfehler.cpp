// The explanation of a failed write: the reason from errno, the German sentences, and the
// name of the copy that keeps a file's old content while it is overwritten in place.
#include "schreibfehler.h"

#include "zeichenanzeige.h"

#include <cerrno>

namespace lexidor {

Schreibgrund SchreibgrundAus(int fehlernummer) {
    switch (fehlernummer) {
    case ENOSPC:
    case EDQUOT:
        return Schreibgrund::KeinPlatz;
    case EACCES:
    case EPERM:
    case EROFS:
        return Schreibgrund::KeinZugriff;
    default:
        return Schreibgrund::Unbekannt;
    }
}

namespace {

std::string_view GrundText(Schreibgrund grund) {
    switch (grund) {
    case Schreibgrund::KeinPlatz:
        return "Auf dem Datenträger ist nicht genug Platz.";
    case Schreibgrund::KeinZugriff:
        return "Die Datei darf nicht geschrieben werden.";
    case Schreibgrund::KeineSicherung:
        return "Die Datei lässt sich nur an ihrer Stelle überschreiben, und ihr bisheriger Inhalt "
               "ließ sich vorher nicht sichern.";
    case Schreibgrund::FremderLink:
        return "Die Datei ist eine symbolische Verknüpfung, die ein anderer Benutzer in einem "
               "gemeinsamen Ordner angelegt hat; ihr wird nicht gefolgt.";
    case Schreibgrund::KeineDatei:
        return "An ihrer Stelle liegt keine gewöhnliche Datei.";
    case Schreibgrund::Unbekannt:
        break;
    }
    return {};
}

} // namespace

std::string Schreibfehlertext(const Schreibergebnis& ergebnis) {
    if (ergebnis.ok) {
        return {};
    }
    const std::string_view grund = GrundText(ergebnis.grund);
    if (!ergebnis.sicherung.empty()) {
        return std::string(grund) + (grund.empty() ? "" : " ") +
               "Die Datei auf dem Datenträger ist womöglich unvollständig; ihr bisheriger Inhalt "
               "liegt in „" +
               Anzeigetext(ergebnis.sicherung) + "“.";
    }
    // Nothing to say beyond the message's own line when the reason is unknown.
    return grund.empty() ? std::string() : std::string(grund) + " Es wurde nichts überschrieben.";
}

bool LinkFolgen(const Linklage& lage) {
    // The sticky bit and write for others, as POSIX fixes them (S_ISVTX | S_IWOTH).
    constexpr unsigned kGemeinsam = 01000 | 0002;
    return (lage.ordnerModus & kGemeinsam) != kGemeinsam || lage.linkBesitzer == lage.nutzer ||
           lage.linkBesitzer == lage.ordnerBesitzer;
}

std::string MitErklaerung(std::string_view meldung, std::string_view erklaerung) {
    std::string text(meldung);
    if (!erklaerung.empty()) {
        text += "\n\n";
        text += erklaerung;
    }
    return text;
}

std::string Sicherungsname(std::string_view dateiname, std::string_view zeitstempel, int nummer) {
    // The ending starts at the last dot, unless that dot begins a hidden file's name.
    const std::size_t punkt = dateiname.rfind('.');
    const std::size_t ende =
        punkt == std::string_view::npos || punkt == 0 ? dateiname.size() : punkt;
    std::string name(dateiname.substr(0, ende));
    name += " (Sicherung ";
    name += zeitstempel;
    if (nummer > 1) {
        name += ", " + std::to_string(nummer);
    }
    name += ')';
    name += dateiname.substr(ende);
    return name;
}

} // namespace lexidor
