// Calendar dates of whole days and their short-date form in card-box files.
// The pattern is the one the regional settings give (strftime style, as nl_langinfo(D_FMT)).
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

using Datum = std::chrono::sys_days;

Datum DatumAus(int jahr, unsigned monat, unsigned tag);
// Stops at 01.01.0001 and 31.12.9999: a year of five digits could not be read back.
Datum PlusTage(Datum d, int tage);

// The pattern to use for a locale: its own D_FMT, or dd.mm.yyyy where the locale has no
// regional format (C, POSIX, C.UTF-8), gives none, or gives one whose dates could not be
// read back (month names, weekdays, fields without a separator).
std::string KurzdatumMuster(std::string_view localeName, std::string_view dFmt);

// Understands %d %e %m %Y %y %D %F and %%, with the flags - _ 0 and the modifiers E and O;
// any other character stands for itself. A pattern whose dates could not be read back is
// replaced by dd.mm.yyyy, so every date written reads back as the same day.
std::string KurzdatumFormatieren(Datum d, std::string_view muster);

// Accepts the pattern, dd.mm.yyyy and yyyy-mm-dd; single-digit day and month and
// surrounding blanks are fine, anything else (trailing text, an impossible day) fails.
std::optional<Datum> KurzdatumLesen(std::string_view text, std::string_view muster);

} // namespace lexidor
