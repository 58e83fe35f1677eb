// Files read and written piece by piece, as the card box is: a write that breaks off keeps the
// previous file, a read hands over every byte and stops when told.
#include "gui_hilfen.h"

#include <string>

namespace lexidor::test {
namespace {

class DateienTest : public GuiTest {};

TEST_F(DateienTest, AWriteThatBreaksOffKeepsThePreviousFile) {
    const QString pfad = Pfad(QStringLiteral("kartei.vkd"));
    ASSERT_TRUE(DateiSchreiben(pfad, "alter Inhalt"));
    EXPECT_FALSE(DateiStueckweiseSchreiben(pfad, [](const Stueckweise& senke) {
        senke("halb");
        return false;
    }));
    EXPECT_EQ(DateiLesen(pfad), "alter Inhalt");
    EXPECT_TRUE(DateiStueckweiseSchreiben(
        pfad, [](const Stueckweise& senke) { return senke("neuer ") && senke("Inhalt"); }));
    EXPECT_EQ(DateiLesen(pfad), "neuer Inhalt");
    EXPECT_FALSE(DateiStueckweiseSchreiben(Pfad(QStringLiteral("fehlt/x.vkd")),
                                           [](const Stueckweise&) { return true; }));
}

TEST_F(DateienTest, AReadHandsOverEveryByteAndStopsWhenTold) {
    std::string gross;
    for (int i = 0; gross.size() < 3'000'000; ++i) {
        gross += std::to_string(i) + "\r\n";
    }
    const QString pfad = Pfad(QStringLiteral("gross.vkd"));
    ASSERT_TRUE(DateiSchreiben(pfad, gross));
    std::string gelesen;
    int stuecke = 0;
    EXPECT_TRUE(DateiStueckweiseLesen(pfad, [&](std::string_view stueck) {
        gelesen += stueck;
        ++stuecke;
        return true;
    }));
    EXPECT_TRUE(gelesen == gross);
    EXPECT_GE(stuecke, 3);

    stuecke = 0;
    EXPECT_TRUE(DateiStueckweiseLesen(pfad, [&](std::string_view) { return ++stuecke < 2; }));
    EXPECT_EQ(stuecke, 2);
    EXPECT_FALSE(DateiStueckweiseLesen(Pfad(QStringLiteral("fehlt.vkd")),
                                       [](std::string_view) { return true; }));
}

} // namespace
} // namespace lexidor::test
