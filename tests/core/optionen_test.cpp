// Value labels, the query-direction item and the key-list rows of the option dialogs.
#include "optionen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

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
