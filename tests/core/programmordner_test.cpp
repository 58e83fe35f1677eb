// The folder rule: a carried-along program keeps everything beside its binary, an installed
// one keeps the user's files in the XDG configuration folder and reads its own from share/.
#include "programmordner.h"

#include "testdatei.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Umgebung kNurHome{"", "/home/anna", ""};

TEST(Programmordner, BesideTheBinaryOrInShareAndTheXdgFolders) {
    for (const auto& f : Testfaelle("programmordner.txt")) {
        const auto o = ProgrammordnerBestimmen(f[0], f[1] == "1", {f[2], f[3], f[4]});
        EXPECT_EQ(o.installiert, f[5] == "1") << f[0];
        EXPECT_EQ(o.eigene, f[6]) << f[0];
        EXPECT_EQ(o.mitgelieferte, f[7]) << f[0];
        EXPECT_EQ(o.daten, f[8]) << f[0];
    }
}

TEST(Programmordner, MissingUserKeyMappingFallsBackToTheShippedOneOnlyWhenInstalled) {
    const auto installiert = ProgrammordnerBestimmen("/usr/bin/lexidor", true, kNurHome);
    EXPECT_EQ(SonderzeichenQuelle(installiert, true),
              "/home/anna/.config/lexidor/sonderzeichen.ini");
    EXPECT_EQ(SonderzeichenQuelle(installiert, false), "/usr/share/lexidor/sonderzeichen.ini");
    const auto stick = ProgrammordnerBestimmen("/media/stick/lexidor", false, kNurHome);
    EXPECT_EQ(SonderzeichenQuelle(stick, false), "/media/stick/sonderzeichen.ini");
}

} // namespace
} // namespace lexidor
