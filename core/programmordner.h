// Where the program keeps the user's three files and data and finds the files it ships with:
// beside its binary when it is not installed, the XDG folders when it is.
#pragma once

#include <string>
#include <string_view>

namespace lexidor {

struct Programmordner {
    // "lexidor.ini", "history.ini" and "sonderzeichen.ini".
    std::string eigene;
    // "Hilfe.html", "Connect.html" and, when installed, the default "sonderzeichen.ini".
    std::string mitgelieferte;
    bool installiert = false;
    // The learning history of every box ("lernverlauf/" below it).
    std::string daten;
};

// The environment values as the process sees them; empty when unset.
struct Umgebung {
    std::string_view xdgConfigHome;
    std::string_view home;
    std::string_view xdgDataHome;
};

// The folder an installed program ships its files in: "<prefix>/share/lexidor" for the
// binary "<prefix>/bin/lexidor"; empty when the binary does not lie in a "bin" folder.
std::string GeteilterOrdner(std::string_view programmpfad);

// programmpfad: the absolute path of the running binary. geteilterOrdnerDa: whether the
// folder GeteilterOrdner names exists.
Programmordner ProgrammordnerBestimmen(std::string_view programmpfad, bool geteilterOrdnerDa,
                                       const Umgebung& umgebung);

// The file "sonderzeichen.ini" is read from: the user's own one when it exists, otherwise
// the installed program's default.
std::string SonderzeichenQuelle(const Programmordner& ordner, bool eigeneDateiDa);

} // namespace lexidor
