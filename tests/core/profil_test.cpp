// The profile-file model: lookups without regard to case, and writes that touch one line.
#include "profil.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const char* const kDatei = "; eigene Notiz\r\n"
                           "[OPTIONEN]\r\n"
                           "  abfrageRICHTUNG =  2 \r\n"
                           ";Autosave=1\r\n"
                           "Fremd ohne Gleichheitszeichen\r\n"
                           "\r\n"
                           "[Eigenes]\n"
                           "Autosave=1\r"
                           "Leer=\r\n";

TEST(Profildatei, FindsSectionsAndKeysWithoutRegardToCase) {
    const Profildatei ini(kDatei);
    EXPECT_EQ(ini.Lesen("Optionen", "Abfragerichtung"), "2");
    EXPECT_EQ(ini.Lesen("eigenes", "LEER"), "");
    // A commented entry does not count, nor does a key of another section.
    EXPECT_EQ(ini.Lesen("Optionen", "Autosave"), std::nullopt);
    EXPECT_EQ(ini.Lesen("Eigenes", "Abfragerichtung"), std::nullopt);
    EXPECT_EQ(ini.Lesen("Intervalle", "Fach2"), std::nullopt);
    EXPECT_EQ(ini.Lesen("Optionen", "Fremd ohne Gleichheitszeichen"), std::nullopt);
    EXPECT_EQ(Profildatei("[A]\nx=1\n[B]\ny=2").Lesen("B", "x"), std::nullopt);
}

TEST(Profildatei, WritingChangesOneEntryAndLeavesEveryOtherLine) {
    Profildatei ini(kDatei);
    ini.Schreiben("Optionen", "Abfragerichtung", "0");
    ini.Schreiben("Optionen", "Autosave", "1");
    ini.Schreiben("Intervalle", "Fach2", "3");
    EXPECT_EQ(ini.Daten(), "; eigene Notiz\r\n"
                           "[OPTIONEN]\r\n"
                           "Abfragerichtung=0\r\n"
                           ";Autosave=1\r\n"
                           "Fremd ohne Gleichheitszeichen\r\n"
                           "Autosave=1\r\n"
                           "\r\n"
                           "[Eigenes]\r\n"
                           "Autosave=1\r\n"
                           "Leer=\r\n"
                           "[Intervalle]\r\n"
                           "Fach2=3\r\n");
    EXPECT_EQ(Profildatei(ini.Daten()).Lesen("optionen", "autosave"), "1");
}

} // namespace
} // namespace lexidor
