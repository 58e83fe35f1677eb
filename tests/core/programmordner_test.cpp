// The folder rule: a carried-along program keeps everything beside its binary, an installed
// one keeps the user's files in the XDG configuration folder and reads its own from share/.
#include "programmordner.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Umgebung kNurHome{"", "/home/anna", ""};

TEST(Programmordner, NotInstalledKeepsEverythingBesideTheBinary) {
    for (const bool geteiltDa : {false, true}) {
        const auto o = ProgrammordnerBestimmen("/home/anna/stick/lexidor", geteiltDa, kNurHome);
        EXPECT_FALSE(o.installiert);
        EXPECT_EQ(o.eigene, "/home/anna/stick");
        EXPECT_EQ(o.mitgelieferte, "/home/anna/stick");
        EXPECT_EQ(o.daten, "/home/anna/stick");
    }
    // A bin folder without the shipped files is a folder the user copied the binary into.
    const auto kopie = ProgrammordnerBestimmen("/home/anna/bin/lexidor", false, kNurHome);
    EXPECT_FALSE(kopie.installiert);
    EXPECT_EQ(kopie.eigene, "/home/anna/bin");
    EXPECT_EQ(ProgrammordnerBestimmen("/lexidor", false, kNurHome).eigene, "/");
}

TEST(Programmordner, InstalledUsesShareAndTheXdgConfigurationFolder) {
    const auto o = ProgrammordnerBestimmen("/usr/bin/lexidor", true, {"/home/anna/cfg", "/x", ""});
    EXPECT_TRUE(o.installiert);
    EXPECT_EQ(o.eigene, "/home/anna/cfg/lexidor");
    EXPECT_EQ(o.mitgelieferte, "/usr/share/lexidor");
    EXPECT_EQ(ProgrammordnerBestimmen("/opt/l/bin/lexidor", true, {"/c/", "", ""}).eigene,
              "/c/lexidor");
    EXPECT_EQ(ProgrammordnerBestimmen("/bin/lexidor", true, kNurHome).mitgelieferte,
              "/share/lexidor");
}

TEST(Programmordner, UnsetEmptyOrRelativeXdgConfigHomeMeansDotConfigInHome) {
    for (const std::string_view xdg : {"", "relativ/cfg"}) {
        const auto o = ProgrammordnerBestimmen("/usr/bin/lexidor", true, {xdg, "/home/anna", ""});
        EXPECT_EQ(o.eigene, "/home/anna/.config/lexidor") << xdg;
    }
    EXPECT_EQ(ProgrammordnerBestimmen("/usr/bin/lexidor", true, {"", "", ""}).eigene,
              "/.config/lexidor");
}

TEST(Programmordner, InstalledKeepsDataInTheXdgDataFolder) {
    struct {
        Umgebung umgebung;
        std::string_view daten;
    } const faelle[] = {
        {kNurHome, "/home/anna/.local/share/lexidor"},
        {{"", "/home/anna", "relativ"}, "/home/anna/.local/share/lexidor"},
        {{"/cfg", "/home/anna", "/daten/"}, "/daten/lexidor"},
        {{"", "", ""}, "/.local/share/lexidor"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ProgrammordnerBestimmen("/usr/bin/lexidor", true, fall.umgebung).daten,
                  fall.daten);
    }
}

TEST(Programmordner, SharedFolderIsOnlyNamedForABinaryInBin) {
    EXPECT_EQ(GeteilterOrdner("/usr/local/bin/lexidor"), "/usr/local/share/lexidor");
    EXPECT_EQ(GeteilterOrdner("/usr/local/sbin/lexidor"), "");
    EXPECT_EQ(GeteilterOrdner("/home/anna/bin2/lexidor"), "");
    EXPECT_EQ(GeteilterOrdner("lexidor"), "");
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
