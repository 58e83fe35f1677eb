// Why a file could not be written and what became of the file that was there: the German
// sentences a message about a failed save or export adds to its first line.
#pragma once

#include <string>
#include <string_view>

namespace lexidor {

enum class Schreibgrund {
    Unbekannt,
    KeinPlatz,      // the disk or the user's quota is full
    KeinZugriff,    // no permission, or a read-only file system
    KeineSicherung, // to be overwritten in place, and its old content could not be set aside
    FremderLink,    // a symbolic link another user planted in a shared folder
    KeineDatei,     // a folder, FIFO, socket or device lies in the file's place
};

struct Schreibergebnis {
    bool ok = true;
    Schreibgrund grund = Schreibgrund::Unbekannt;
    // Empty: the file on disk is as it was. Else it may be cut off, and its old content is
    // kept in this copy.
    std::string sicherung;

    explicit operator bool() const { return ok; }
};

// Whether a write may follow a symbolic link, as the kernel's protected_symlinks rule has it:
// in a sticky folder everybody may write to, only a link of the writer's own or of the
// folder's owner; anywhere else, any link.
struct Linklage {
    unsigned linkBesitzer;
    unsigned ordnerBesitzer;
    unsigned ordnerModus; // st_mode of the folder the link lies in
    unsigned nutzer;      // the effective user that writes
};
bool LinkFolgen(const Linklage& lage);

// The reason for an errno value of a failed open, reservation or write.
Schreibgrund SchreibgrundAus(int fehlernummer);
// What happened and where the old content is, in German; empty for a success.
std::string Schreibfehlertext(const Schreibergebnis& ergebnis);
// A message's first line and, after an empty line, the explanation when there is one.
std::string MitErklaerung(std::string_view meldung, std::string_view erklaerung);
// The name of the copy of a file's old content in the cache folder: the file's name with the
// time stamp (and a number from the second one on), its ending kept so it opens as before.
std::string Sicherungsname(std::string_view dateiname, std::string_view zeitstempel, int nummer);

} // namespace lexidor
