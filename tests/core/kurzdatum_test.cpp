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

TEST(KurzdatumLesen, EveryWrittenDateReadsBackAsTheSameDay) {
    for (Datum d = DatumAus(2000, 1, 1); d <= DatumAus(2099, 12, 31); d += std::chrono::days{3}) {
        for (const char* m : {"%d.%m.%Y", "%m/%d/%Y", "%d/%m/%y", "%D", "%F", "%e.%m.%Y"}) {
            ASSERT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
    // A two-digit year means 20xx, so other years are written in full under such a pattern.
    for (const Datum d : {DatumAus(1999, 12, 31), DatumAus(2100, 2, 28), DatumAus(2028, 2, 29)}) {
        for (const char* m : {"%d.%m.%Y", "%d/%m/%y", "%D"}) {
            EXPECT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
    EXPECT_EQ(KurzdatumFormatieren(DatumAus(1999, 12, 31), "%d/%m/%y"), "31/12/1999");
    EXPECT_EQ(KurzdatumLesen("31/12/199", "%d/%m/%y"), std::nullopt);
}

} // namespace
} // namespace lexidor
