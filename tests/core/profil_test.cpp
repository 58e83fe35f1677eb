// The profile-file model: writes that touch one line; the lookups are rows of regeln.txt.
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
