// The command line as the program reads it before any window exists.
#include "aufruf.h"

#include "testdatei.h"
#include <map>

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(AufrufDeuten, NamesTheBoxAnswersHelpAndVersionAndRefusesStrangeOptions) {
    const std::map<std::string, Aufrufart> arten = {{"Starten", Aufrufart::Starten},
                                                    {"Hilfe", Aufrufart::Hilfe},
                                                    {"Version", Aufrufart::Version},
                                                    {"Fehler", Aufrufart::Fehler}};
    for (const auto& fall : Testfaelle("aufrufe.txt")) {
        const Aufruf a = AufrufDeuten(Teilen(fall[0], " "));
        EXPECT_EQ(a.Art, arten.at(fall[1])) << fall[0];
        EXPECT_EQ(a.Datei, fall[2]) << fall[0];
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
