// The substitution table in "sonderzeichen.ini"; its keys and rules are rows of regeln.txt.
#include "sonderzeichen.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

// The same table saved in code page 1252 and by a UTF-8 editor with its byte-order mark.
TEST(ErsatztexteLaden, FixtureFilesInCodePageAndUtf8WithByteOrderMark) {
    for (const char* name : {"sonderzeichen.ini", "sonderzeichen_bom.ini"}) {
        Ersatztexte t;
        EXPECT_TRUE(ErsatztexteLaden(t, Testdatei(name))) << name;
        EXPECT_EQ(t[0], "é") << name;   // "1": é
        EXPECT_EQ(t[10], "œ") << name;  // "ß": œ
        EXPECT_EQ(t[34], "¾¼") << name; // "Ä": ¾¼
        EXPECT_EQ(ErsatztexteSpeichern(t), Testdatei("sonderzeichen.ini")) << name;
    }
    Ersatztexte kurz;
    EXPECT_FALSE(ErsatztexteLaden(kurz, Testdatei("sonderzeichen_kurz.ini")));
    EXPECT_EQ(kurz[1], "è");
    EXPECT_EQ(kurz[10], "(Nichts)");
}

} // namespace
} // namespace lexidor
