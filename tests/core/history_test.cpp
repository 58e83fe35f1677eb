// The recent-file list in "history.ini"; its slots and moves are rows of regeln.txt.
#include "history.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

using Zeilen = std::vector<std::string>;

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
    h.Load(std::nullopt); // an unreadable file
    EXPECT_EQ(h.Lines, Zeilen(4, "none"));
}

} // namespace
} // namespace lexidor
