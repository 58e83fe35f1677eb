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

TEST(RichtungsIndex, OutOfRangeValuesSelectTheLastItemOrNone) {
    for (const auto& [wert, index] :
         {std::pair{0, 0}, {2, 2}, {3, 2}, {1000, 2}, {-1, -1}, {-50, -1}}) {
        EXPECT_EQ(RichtungsIndex(wert, 3), index) << wert;
    }
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
