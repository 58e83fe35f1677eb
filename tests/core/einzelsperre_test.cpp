// The single-instance lock of another start: taken over when it cannot be checked from here.
#include "einzelsperre.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Einzelsperre, TheNoteOnATakenOverLockNamesItsComputer) {
    EXPECT_EQ(UebernahmeHinweis(Sperrinhaber{12, "nfs\xE2\x80\xAE"
                                                 "a"}),
              "Eine Sperre vom Rechner „nfsU+202Ea“ zeigt an, dass Lexidor schon läuft; von hier "
              "aus lässt sich das nicht prüfen. Lexidor startet trotzdem. Läuft es dort noch, "
              "öffnen Sie dieselbe Kartei nicht an beiden Stellen.");
    EXPECT_TRUE(UebernahmeHinweis(std::nullopt).starts_with("Eine Sperre ohne lesbaren Inhaber"));
}

} // namespace
} // namespace lexidor
