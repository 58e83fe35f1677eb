// Reading the command line.
#include "aufruf.h"

#include "dateibefehle.h"

#include <algorithm>
#include <array>

namespace lexidor {
namespace {

// The options Qt's application object takes from the command line, with a value and without.
constexpr std::array<std::string_view, 17> kQtMitWert = {"platform",        "platformpluginpath",
                                                         "platformtheme",   "plugin",
                                                         "qwindowgeometry", "geometry",
                                                         "qwindowtitle",    "title",
                                                         "qwindowicon",     "icon",
                                                         "display",         "name",
                                                         "session",         "style",
                                                         "stylesheet",      "visual",
                                                         "qmljsdebugger"};
constexpr std::array<std::string_view, 6> kQtOhneWert = {"reverse", "widgetcount", "nograb",
                                                         "dograb",  "sync",        "testability"};

bool Enthalten(auto const& liste, std::string_view name) {
    return std::find(liste.begin(), liste.end(), name) != liste.end();
}

std::string Hilfetext() {
    return "Aufruf: lexidor [OPTION] [KARTEI.vkd]\n"
           "\n"
           "Karvello Lexidor, ein Vokabeltrainer nach der Karteikastenmethode.\n"
           "Die genannte Kartei wird nach dem Start geöffnet. Läuft Lexidor schon,\n"
           "öffnet das laufende Programm sie, und der zweite Aufruf endet.\n"
           "\n"
           "Optionen:\n"
           "  -h, --help       diese Hilfe zeigen und beenden\n"
           "  -v, --version    die Version zeigen und beenden\n"
           "\n"
           "Strg+Alt+W holt das Fenster von überall nach vorn.\n";
}

Aufruf Fehler(std::string_view option) {
    return {Aufrufart::Fehler,
            {},
            "lexidor: unbekannte Option „" + std::string(option) +
                "“\nMehr zeigt „lexidor --help“.\n"};
}

} // namespace

Aufruf AufrufDeuten(const std::vector<std::string>& argumente) {
    Aufruf aufruf;
    bool optionen = true;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (!optionen || a.size() < 2 || a.front() != '-') {
            if (aufruf.Datei.empty()) {
                aufruf.Datei = a;
            }
            continue;
        }
        if (a == "--") {
            optionen = false;
        } else if (a == "-h" || a == "--help") {
            return {Aufrufart::Hilfe, {}, Hilfetext()};
        } else if (a == "-v" || a == "--version") {
            return {Aufrufart::Version, {}, std::string(kProgrammtitel) + "\n"};
        } else {
            // Qt reads "-name value", "--name value" and "-name=value" alike.
            std::string_view name(a);
            name.remove_prefix(name.starts_with("--") ? 2 : 1);
            const bool mitGleich = name.find('=') != std::string_view::npos;
            name = name.substr(0, name.find('='));
            if (Enthalten(kQtMitWert, name)) {
                i += mitGleich ? 0 : 1;
            } else if (!Enthalten(kQtOhneWert, name)) {
                return Fehler(a);
            }
        }
    }
    return aufruf;
}

} // namespace lexidor
