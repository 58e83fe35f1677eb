// Value labels, the query-direction item and the key-list rows of the option dialogs.
#include "optionen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(OptionenTexte, LabelsShowTheNumberWithoutLeadingZerosAndTimerZeroReadsDeaktiviert) {
    EXPECT_EQ(TageText(30), "30 Tage");
    EXPECT_EQ(TimerText(7), "Nach 7 Minuten");
    EXPECT_EQ(TimerText(0), "Deaktiviert");
}

// "Auf Standardwerte zurücksetzen" would otherwise put a bar at the end of its range.
TEST(Schieberbereich, EveryStandardIntervalFitsItsOwnBar) {
    const std::array<std::int32_t, 6> standard = {
        0, 0, kStandardFach2, kStandardFach3, kStandardFach4, kStandardFach5};
    for (int k = 2; k <= 5; ++k) {
        EXPECT_LE(kIntervallBereiche[k].Min, standard[k]) << k;
        EXPECT_GE(kIntervallBereiche[k].Max, standard[k]) << k;
    }
}

TEST(RichtungsIndex, OutOfRangeValuesSelectTheLastItemOrNone) {
    EXPECT_EQ(RichtungsIndex(0, 3), 0);
    EXPECT_EQ(RichtungsIndex(2, 3), 2);
    EXPECT_EQ(RichtungsIndex(3, 3), 2);
    EXPECT_EQ(RichtungsIndex(1000, 3), 2);
    EXPECT_EQ(RichtungsIndex(-1, 3), -1);
    EXPECT_EQ(RichtungsIndex(-50, 3), -1);
}

TEST(Belegungszeile, IsTheKeyFourteenBlanksAndTheReplacement) {
    Ersatztexte texte = ErsatztexteLeer();
    texte[34] = "çæ";
    EXPECT_EQ(Belegungszeile(texte, 0), "1              (Nichts)");
    EXPECT_EQ(Belegungszeile(texte, 34), "Ä              çæ");
    texte[16] = "";
    EXPECT_EQ(Belegungszeile(texte, 16), "\"              ");
}

} // namespace
} // namespace lexidor
