// The command line: a card box to open, or a request that is answered on standard output
// without a window (help, version), or an option nobody knows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

enum class Aufrufart { Starten, Hilfe, Version, Fehler };

struct Aufruf {
    Aufrufart Art = Aufrufart::Starten;
    std::string Datei; // Starten: the card box named, empty for none
    std::string Text;  // Hilfe, Version: for standard output; Fehler: for standard error
};

// Exit code of an unknown option, as getopt's programs use it.
inline constexpr int kAufruffehler = 2;

// argumente without the program name. Qt's own options (-platform xcb, -session id, ...) are
// let through for the toolkit; the first other argument names the card box, "--" ends the
// options.
Aufruf AufrufDeuten(const std::vector<std::string>& argumente);

} // namespace lexidor
