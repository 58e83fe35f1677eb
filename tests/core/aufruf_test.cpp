// The command line as the program reads it before any window exists.
#include "aufruf.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

struct Fall {
    std::vector<std::string> argumente;
    Aufrufart art;
    std::string datei;
};

TEST(AufrufDeuten, NamesTheBoxAnswersHelpAndVersionAndRefusesStrangeOptions) {
    const Fall faelle[] = {
        {{}, Aufrufart::Starten, ""},
        {{"box.vkd", "zweite.vkd"}, Aufrufart::Starten, "box.vkd"},
        {{"-platform", "xcb", "box.vkd"}, Aufrufart::Starten, "box.vkd"},
        {{"--style=Fusion", "-session", "1a2b", "-reverse", "box.vkd"},
         Aufrufart::Starten,
         "box.vkd"},
        {{"--", "-h"}, Aufrufart::Starten, "-h"},
        {{"-"}, Aufrufart::Starten, "-"},
        {{"box.vkd", "--help"}, Aufrufart::Hilfe, ""},
        {{"-h"}, Aufrufart::Hilfe, ""},
        {{"-v"}, Aufrufart::Version, ""},
        {{"--version", "--unsinn"}, Aufrufart::Version, ""},
        {{"--unsinn", "--help"}, Aufrufart::Fehler, ""},
        {{"-x", "box.vkd"}, Aufrufart::Fehler, ""},
    };
    for (const Fall& f : faelle) {
        const Aufruf a = AufrufDeuten(f.argumente);
        EXPECT_EQ(a.Art, f.art) << testing::PrintToString(f.argumente);
        EXPECT_EQ(a.Datei, f.datei) << testing::PrintToString(f.argumente);
    }
}

TEST(AufrufDeuten, SpeaksGerman) {
    EXPECT_EQ(AufrufDeuten({"--version"}).Text, "Karvello Lexidor 1.1\n");
    EXPECT_NE(AufrufDeuten({"--help"}).Text.find("Strg+Alt+W"), std::string::npos);
    EXPECT_EQ(AufrufDeuten({"--unsinn"}).Text,
              "lexidor: unbekannte Option „--unsinn“\nMehr zeigt „lexidor --help“.\n");
}

} // namespace
} // namespace lexidor
