// A failed write explained: the reason from errno, the German sentences about the old file and
// its copy, the copy's name, and which symbolic links a write may follow.
#include "dateibefehle.h"
#include "schreibfehler.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Schreibfehler, ReasonAndWhatBecameOfTheOldFile) {
    EXPECT_EQ(SchreibgrundAus(ENOSPC), Schreibgrund::KeinPlatz);
    EXPECT_EQ(SchreibgrundAus(EDQUOT), Schreibgrund::KeinPlatz);
    EXPECT_EQ(SchreibgrundAus(EROFS), Schreibgrund::KeinZugriff);
    EXPECT_EQ(SchreibgrundAus(EIO), Schreibgrund::Unbekannt);
    struct Fall {
        Schreibergebnis ergebnis;
        std::string text;
    };
    const Fall faelle[] = {
        {{}, ""},
        {{false, Schreibgrund::Unbekannt, ""}, ""},
        {{false, Schreibgrund::KeinPlatz, ""},
         "Auf dem Datenträger ist nicht genug Platz. Es wurde nichts überschrieben."},
        {{false, Schreibgrund::Unbekannt, "/c/a (Sicherung 1).vkd"},
         "Die Datei auf dem Datenträger ist womöglich unvollständig; ihr bisheriger Inhalt liegt "
         "in „/c/a (Sicherung 1).vkd“."},
        // The copy's name comes from the user's file name, which may turn the line around.
        {{false, Schreibgrund::KeinPlatz,
          "/c/\xE2\x80\xAE"
          "dkv.vkd"},
         "Auf dem Datenträger ist nicht genug Platz. Die Datei auf dem Datenträger ist womöglich "
         "unvollständig; ihr bisheriger Inhalt liegt in „/c/U+202Edkv.vkd“."},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Schreibfehlertext(f.ergebnis), f.text);
    }
}

TEST(Schreibfehler, TheSaveMessageKeepsItsLineAndAddsTheExplanation) {
    EXPECT_EQ(MitErklaerung(kSpeicherfehler, ""), kSpeicherfehler);
    EXPECT_EQ(MitErklaerung("Zeile", "Warum."), "Zeile\n\nWarum.");
}

TEST(Schreibfehler, TheCopyKeepsTheEndingSoItOpensAsBefore) {
    EXPECT_EQ(Sicherungsname("Latein.vkd", "2026-12-07 16.00.00", 1),
              "Latein (Sicherung 2026-12-07 16.00.00).vkd");
    EXPECT_EQ(Sicherungsname("a.b.csv", "t", 2), "a.b (Sicherung t, 2).csv");
    EXPECT_EQ(Sicherungsname(".versteckt", "t", 1), ".versteckt (Sicherung t)");
    EXPECT_EQ(Sicherungsname("ohne", "t", 1), "ohne (Sicherung t)");
}

TEST(Schreibfehler, LinksInASharedStickyFolderOnlyOfTheUserOrTheFolderOwner) {
    constexpr unsigned kTmp = 041777, kOhneSticky = 040777, kNurWeltSchreibbarNicht = 041775;
    struct Fall {
        Linklage lage;
        bool folgen;
    };
    const Fall faelle[] = {
        {{1001, 0, kTmp, 1000}, false},       // planted by another user
        {{1000, 0, kTmp, 1000}, true},        // the user's own
        {{0, 0, kTmp, 1000}, true},           // the folder owner's
        {{1001, 1001, kTmp, 1000}, true},     // a shared folder of that user
        {{1001, 0, kOhneSticky, 1000}, true}, // not sticky: the kernel follows it too
        {{1001, 0, kNurWeltSchreibbarNicht, 1000}, true},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(LinkFolgen(f.lage), f.folgen) << f.lage.linkBesitzer << " " << f.lage.ordnerModus;
    }
}

} // namespace
} // namespace lexidor
