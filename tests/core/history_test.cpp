// The recent-file list: four slots, moves on Add and "history.ini".
#include "history.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

using Zeilen = std::vector<std::string>;

TEST(THistory, UnreadableOrShortFileStillGivesFourSlots) {
    THistory h(4);
    EXPECT_EQ(h.Lines, Zeilen(4, "none"));
    h.Load("/a.vkd\n/b.vkd\r");
    EXPECT_EQ(h.Lines, (Zeilen{"/a.vkd", "/b.vkd", "none", "none"}));
    EXPECT_TRUE(h.Belegt(1));
    EXPECT_FALSE(h.Belegt(2));
    h.Load("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(h.Save(), "1\r\n2\r\n3\r\n4\r\n");
    h.Load(std::nullopt);
    EXPECT_EQ(h.Lines, Zeilen(4, "none"));
}

TEST(THistory, AddPutsNewFilesFirstAndMovesKnownOnes) {
    THistory h(4);
    for (const char* pfad : {"/v/1", "/v/Latein.vkd", "/v/3", "/v/4", "/v/5"}) {
        h.Add(pfad);
    }
    EXPECT_EQ(h.Lines, (Zeilen{"/v/5", "/v/4", "/v/3", "/v/Latein.vkd"}));
    EXPECT_EQ(h.Get(3), "/v/Latein.vkd");
    h.Add("/v/4");
    EXPECT_EQ(h.Lines, (Zeilen{"/v/4", "/v/5", "/v/3", "/v/Latein.vkd"}));
}

TEST(THistory, PathsThatDifferOnlyInLetterCaseAreTwoFiles) {
    const std::string aerger = "/v/\xC3\xA4rger.vkd"; // ärger
    THistory h(4);
    h.Load("/v/Box.vkd\n" + aerger + "\nnone\nnone\n");
    for (const char* pfad : {"/v/box.vkd", "/v/\xC3\x84rger.vkd"}) {
        h.Add(pfad);
        EXPECT_EQ(h.Lines[0], pfad);
    }
    EXPECT_EQ(h.Lines, (Zeilen{"/v/\xC3\x84rger.vkd", "/v/box.vkd", "/v/Box.vkd", aerger}));
}

TEST(THistory, FixtureFilesWithAndWithoutByteOrderMark) {
    const Zeilen erwartet{"/home/anna/Vokabeln/Franz\xC3\xB6sisch.vkd", "/home/anna/Latein.vkd",
                          "none", "none"};
    THistory h(4);
    for (const char* name : {"history.ini", "history_bom.ini"}) {
        h.Load(Testdatei(name));
        EXPECT_EQ(h.Lines, erwartet) << name;
        EXPECT_EQ(h.Save(), Testdatei("history.ini")) << name;
    }
    h.Load(Testdatei("history_kurz.ini"));
    EXPECT_EQ(h.Lines, (Zeilen{"/kurz.vkd", "/zweite Zeile ohne Ende.vkd", "none", "none"}));
}

} // namespace
} // namespace lexidor
