// The substitution table: its 35 keys, "sonderzeichen.ini" and the decision per typed key.
#include "sonderzeichen.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

std::string Zeilen(int n, std::string_view ende = "\r\n") {
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += "z" + std::to_string(i) + std::string(ende);
    }
    return out;
}

TEST(ErsatztexteLaden, ShortFileMapsWhatItHoldsAndReportsTheRest) {
    Ersatztexte t;
    EXPECT_FALSE(ErsatztexteLaden(t, std::nullopt));
    EXPECT_EQ(t, ErsatztexteLeer());
    EXPECT_FALSE(ErsatztexteLaden(t, Zeilen(10)));
    EXPECT_EQ(t[9], "z9");
    EXPECT_EQ(t[10], "(Nichts)");
    EXPECT_TRUE(ErsatztexteLaden(t, Zeilen(40, "\n")));
    EXPECT_EQ(ErsatztexteSpeichern(t), Zeilen(35));
    // A last line without a line end counts, and an empty one is an empty replacement.
    EXPECT_TRUE(ErsatztexteLaden(t, Zeilen(33, "\r") + "\r\nletzte"));
    EXPECT_EQ(t[33], "");
    EXPECT_EQ(t[34], "letzte");
}

TEST(Sondertasten, AreInTheFileLineOrder) {
    std::string alle;
    for (auto taste : Sondertasten) {
        alle += taste;
    }
    EXPECT_EQ(alle, "1234567890ß+#-<!\"§$%&/()=?*_>üöäÜÖÄ");
}

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
