// Short dates: the pattern chosen for a locale, the accepted forms and the round trip.
#include "kurzdatum.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Every 97th day, and a leap day and years outside the two-digit century, which such a
// pattern writes in full.
TEST(KurzdatumLesen, EveryDayOfFourDigitYearsReadsBackUnderEveryPattern) {
    const char* const muster[] = {"%d.%m.%Y", "%-d/%-m/%y",    " %e %m %Y ", "%D",
                                  "%F",       "%y. %_m. %_d.", "%d%%%m%%%Y", "%m/%d/%Y",
                                  "%d/%m/%y", "%e.%m.%Y"};
    std::vector<Datum> tage = {DatumAus(1999, 12, 31), DatumAus(2100, 2, 28),
                               DatumAus(2028, 2, 29)};
    for (Datum d = DatumAus(1, 1, 1); d <= DatumAus(9999, 12, 31); d += std::chrono::days{97}) {
        tage.push_back(d);
    }
    for (const Datum d : tage) {
        for (const char* m : muster) {
            ASSERT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
}

} // namespace
} // namespace lexidor
