// Short dates: the pattern chosen for a locale, the accepted forms and the round trip.
#include "kurzdatum.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(KurzdatumMuster, LocalesWithoutRegionalFormatUseTheGermanForm) {
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        EXPECT_EQ(KurzdatumMuster(name, "%m/%d/%y"), "%d.%m.%Y") << name;
    }
    EXPECT_EQ(KurzdatumMuster("en_US.UTF-8", ""), "%d.%m.%Y");
    EXPECT_EQ(KurzdatumMuster("en_US.UTF-8", "%m/%d/%Y"), "%m/%d/%Y");
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(2027, 3, 5), "%D|%F"), "03/05/27|2027-03-05");
}

TEST(KurzdatumLesen, AcceptsThePatternAndTheGermanAndIsoForms) {
    const Datum d = DatumAus(2026, 12, 8);
    for (const char* text : {"08.12.2026", "8.12.2026", "  08.12.2026\t", "2026-12-08"}) {
        EXPECT_EQ(KurzdatumLesen(text, "%d.%m.%Y"), d) << text;
    }
    for (const char* text : {"12/08/2026", "08.12.2026", "2026-12-08"}) {
        EXPECT_EQ(KurzdatumLesen(text, "%m/%d/%Y"), d) << text;
    }
    for (const char* text : {"", "kein Datum", "08.12.2026x", "08.12.2026 12:00", "08.12.",
                             "31.02.2026", "08.13.2026", "08-12-2026", "12/08/2026"}) {
        EXPECT_EQ(KurzdatumLesen(text, "%d.%m.%Y"), std::nullopt) << text;
    }
}

// A two-digit year means 20xx, so other years are written in full under such a pattern.
TEST(KurzdatumLesen, AWrittenYearOutsideTheTwoDigitCenturyIsWrittenInFull) {
    for (const Datum d : {DatumAus(1999, 12, 31), DatumAus(2100, 2, 28), DatumAus(2028, 2, 29)}) {
        for (const char* m : {"%d.%m.%Y", "%d/%m/%y", "%D"}) {
            EXPECT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(1999, 12, 31), "%d/%m/%y"), "31/12/1999");
    EXPECT_EQ(KurzdatumLesen("31/12/199", "%d/%m/%y"), std::nullopt);
}

TEST(PlusTage, StopsAtTheFirstAndLastDayOfFourDigitYears) {
    const Datum heute = DatumAus(2026, 12, 5);
    EXPECT_EQ(PlusTage(heute, 3), DatumAus(2026, 12, 8));
    EXPECT_EQ(PlusTage(heute, -3), DatumAus(2026, 12, 2));
    EXPECT_EQ(PlusTage(heute, 3000000), DatumAus(9999, 12, 31));
    EXPECT_EQ(PlusTage(heute, 2147483647), DatumAus(9999, 12, 31));
    EXPECT_EQ(PlusTage(heute, -2147483647 - 1), DatumAus(1, 1, 1));
    EXPECT_EQ(PlusTage(DatumAus(9999, 12, 30), 1), DatumAus(9999, 12, 31));
    EXPECT_EQ(PlusTage(DatumAus(9999, 12, 31), 1), DatumAus(9999, 12, 31));
    EXPECT_EQ(PlusTage(DatumAus(1, 1, 2), -2), DatumAus(1, 1, 1));
}

// Locales give patterns with month names, weekdays or glibc's padding flags; a date is only
// ever written in a form that reads back.
TEST(KurzdatumMuster, PatternsWhoseDatesCouldNotBeReadBackGiveWayToTheGermanForm) {
    for (const char* unlesbar :
         {"%d %b, %Y", "%A %d %b %Y", "%Y%m%d", "%d1%m.%Y", "%d.%m.", "%m/%Y", "%d.%m.%Y%n",
          "%d.%m.%Y\r", "%d.%m.%Y %H:%M", "%d.%m.%5Y"}) {
        EXPECT_EQ(KurzdatumMuster("xx_XX.UTF-8", unlesbar), "%d.%m.%Y") << unlesbar;
        EXPECT_EQ(KurzdatumFormatieren(DatumAus(2027, 3, 5), unlesbar), "05.03.2027") << unlesbar;
    }
    for (const char* lesbar : {"%-d/%-m/%y", "%d//%m//%Ey", "%Od-%Om-%Oy", "%d. %m. %y",
                               "%Y.%m.%d.", "%e-%m-%Y", "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d"}) {
        EXPECT_EQ(KurzdatumMuster("xx_XX.UTF-8", lesbar), lesbar);
    }
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(2027, 3, 5), "%-d/%-m/%y"), "5/3/27");
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(2027, 3, 5), "%_d|%0e|%-e.%m.%Y"), " 5|05|5.03.2027");
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(27, 3, 5), "%-d/%-m/%y"), "5/3/0027");
}

TEST(KurzdatumLesen, EveryDayOfFourDigitYearsReadsBackUnderEveryPattern) {
    const char* const muster[] = {"%d.%m.%Y", "%-d/%-m/%y",    " %e %m %Y ", "%D",
                                  "%F",       "%y. %_m. %_d.", "%d%%%m%%%Y", "%m/%d/%Y",
                                  "%d/%m/%y", "%e.%m.%Y"};
    for (Datum d = DatumAus(1, 1, 1); d <= DatumAus(9999, 12, 31); d += std::chrono::days{97}) {
        for (const char* m : muster) {
            ASSERT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
}

} // namespace
} // namespace lexidor
