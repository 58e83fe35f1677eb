// Short dates: under any pattern every day from 01.01.0001 to 31.12.9999 is written on one
// line and reads back as the same day; adding any number of days stays within those years
// and is exact inside them; any text read as a date never crashes.
#include "kurzdatum.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    if (groesse < 8) {
        return 0;
    }
    std::uint32_t nummer = 0;
    std::int32_t tage = 0;
    std::memcpy(&nummer, daten, 4);
    std::memcpy(&tage, daten + 4, 4);
    const std::string_view muster(reinterpret_cast<const char*>(daten + 8), groesse - 8);

    const Datum erster = DatumAus(1, 1, 1);
    const Datum letzter = DatumAus(9999, 12, 31);
    const auto anzahl = static_cast<std::uint32_t>((letzter - erster).count() + 1);
    const Datum d = erster + std::chrono::days{nummer % anzahl};

    const std::string text = KurzdatumFormatieren(d, muster);
    if (text.find_first_of("\r\n") != std::string::npos || KurzdatumLesen(text, muster) != d ||
        KurzdatumLesen(text, KurzdatumMuster("de_DE.UTF-8", muster)) != d) {
        std::abort();
    }

    const Datum summe = PlusTage(d, tage);
    const auto genau = d.time_since_epoch().count() + std::int64_t{tage};
    const bool innen =
        genau >= erster.time_since_epoch().count() && genau <= letzter.time_since_epoch().count();
    if (summe < erster || summe > letzter || (innen && summe.time_since_epoch().count() != genau)) {
        std::abort();
    }

    for (const std::string_view m : {muster, std::string_view("%d.%m.%Y")}) {
        if (const auto gelesen = KurzdatumLesen(muster, m);
            gelesen && !std::chrono::year_month_day{*gelesen}.ok()) {
            std::abort();
        }
    }
    return 0;
}
