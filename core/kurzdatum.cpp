// Short dates: formatting with a regional pattern and lenient reading.
#include "kurzdatum.h"

#include "zeilen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace lexidor {
namespace {

constexpr std::string_view kDeutsch = "%d.%m.%Y";
constexpr std::string_view kIso = "%Y-%m-%d";

constexpr Datum kErster = Datum{std::chrono::year{1} / 1 / 1};
constexpr Datum kLetzter = Datum{std::chrono::year{9999} / 12 / 31};

// One piece of a pattern: a literal character, or a field of the date with its padding.
struct Teil {
    char feld = 0;     // 'd', 'm', 'Y' or 'y'; 0 for a literal
    char fuellung = 0; // day and month: '0', ' ' or 0 for none
    char zeichen = 0;  // the literal character
};
using Teile = std::vector<Teil>;

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// The pieces of a strftime pattern, %D and %F spelled out; nullopt for any field other than
// day, month and year, and for a line break, which would end the file's line. The flags
// "-", "_" and "0" set the padding; "E" and "O" ask for local digits or eras, which a file
// does not want, so they are passed over.
std::optional<Teile> Zerlegen(std::string_view muster) {
    Teile teile;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const char c = muster[i];
        if (c == '\r' || c == '\n') {
            return std::nullopt;
        }
        if (c != '%' || i + 1 == muster.size()) {
            teile.push_back({0, 0, c});
            continue;
        }
        char flagge = 0;
        if (muster[i + 1] == '-' || muster[i + 1] == '_' || muster[i + 1] == '0') {
            flagge = muster[++i];
        }
        if (i + 1 < muster.size() && (muster[i + 1] == 'E' || muster[i + 1] == 'O')) {
            ++i;
        }
        if (++i == muster.size()) {
            return std::nullopt;
        }
        const char fuellung = flagge == '-' ? 0 : flagge == '_' ? ' ' : '0';
        switch (muster[i]) {
        case 'd':
        case 'm':
            teile.push_back({muster[i], fuellung, 0});
            break;
        case 'e':
            teile.push_back({'d', flagge ? fuellung : ' ', 0});
            break;
        case 'Y':
        case 'y':
            teile.push_back({muster[i], 0, 0});
            break;
        case 'D':
        case 'F': {
            const Teile aus = *Zerlegen(muster[i] == 'D' ? "%m/%d/%y" : "%Y-%m-%d");
            teile.insert(teile.end(), aus.begin(), aus.end());
            break;
        }
        case '%':
            teile.push_back({0, 0, '%'});
            break;
        default:
            return std::nullopt;
        }
    }
    return teile;
}

// The pieces of a pattern under which every date written reads back as the same day: it
// has a day, a month and a year, and no field is followed by a digit, which would run into
// the field when read.
std::optional<Teile> LesbareTeile(std::string_view muster) {
    auto teile = Zerlegen(muster);
    if (!teile) {
        return std::nullopt;
    }
    bool tag = false;
    bool monat = false;
    bool jahr = false;
    for (std::size_t i = 0; i < teile->size(); ++i) {
        const Teil& t = (*teile)[i];
        tag = tag || t.feld == 'd';
        monat = monat || t.feld == 'm';
        jahr = jahr || t.feld == 'Y' || t.feld == 'y';
        const Teil* danach = i + 1 < teile->size() ? &(*teile)[i + 1] : nullptr;
        if (t.feld && danach && (danach->feld || IstZiffer(danach->zeichen))) {
            return std::nullopt;
        }
    }
    return tag && monat && jahr ? teile : std::nullopt;
}

// The pattern's pieces, or the German form's where its dates would not read back.
Teile Nutzbar(std::string_view muster) {
    return LesbareTeile(muster).value_or(*Zerlegen(kDeutsch));
}

// Reads 1..maxZiffern digits after any blanks (padding).
std::optional<int> ZahlLesen(std::string_view s, std::size_t& pos, int maxZiffern, int& gelesen) {
    while (pos < s.size() && IstLeer(s[pos])) {
        ++pos;
    }
    int wert = 0;
    gelesen = 0;
    while (pos < s.size() && gelesen < maxZiffern && IstZiffer(s[pos])) {
        wert = wert * 10 + (s[pos] - '0');
        ++pos;
        ++gelesen;
    }
    return gelesen == 0 ? std::nullopt : std::optional<int>(wert);
}

// A blank in the pattern stands for any run of blanks, none included, so padding and
// trimmed ends do not matter.
std::optional<Datum> MitMusterLesen(std::string_view text, const Teile& teile) {
    std::size_t pos = 0;
    std::optional<int> tag, monat, jahr;
    for (const Teil& t : teile) {
        if (!t.feld && IstLeer(t.zeichen)) {
            while (pos < text.size() && IstLeer(text[pos])) {
                ++pos;
            }
            continue;
        }
        if (!t.feld) {
            if (pos >= text.size() || text[pos] != t.zeichen) {
                return std::nullopt;
            }
            ++pos;
            continue;
        }
        const bool istJahr = t.feld == 'Y' || t.feld == 'y';
        int gelesen = 0;
        const auto zahl = ZahlLesen(text, pos, istJahr ? 4 : 2, gelesen);
        if (!zahl) {
            return std::nullopt;
        }
        if (!istJahr) {
            (t.feld == 'd' ? tag : monat) = zahl;
        } else if (gelesen == 3) {
            return std::nullopt;
        } else {
            // a two-digit year means this century, as short dates usually do
            jahr = gelesen <= 2 ? 2000 + *zahl : *zahl;
        }
    }
    if (pos != text.size() || !tag || !monat || !jahr) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{*jahr},
                                          std::chrono::month{static_cast<unsigned>(*monat)},
                                          std::chrono::day{static_cast<unsigned>(*tag)}};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return Datum{ymd};
}

void ZahlAnhaengen(std::string& out, int wert, char fuellung, int breite) {
    char puffer[16];
    if (fuellung == 0) {
        std::snprintf(puffer, sizeof puffer, "%d", wert);
    } else if (fuellung == ' ') {
        std::snprintf(puffer, sizeof puffer, "%*d", breite, wert);
    } else {
        std::snprintf(puffer, sizeof puffer, "%0*d", breite, wert);
    }
    out += puffer;
}

} // namespace

Datum DatumAus(int jahr, unsigned monat, unsigned tag) {
    return Datum{std::chrono::year{jahr} / std::chrono::month{monat} / std::chrono::day{tag}};
}

Datum PlusTage(Datum d, int tage) {
    // In 64 bits and from a start within the years, no sum with an int can overflow.
    const std::int64_t von = std::clamp(d, kErster, kLetzter).time_since_epoch().count();
    const std::int64_t summe =
        std::clamp(von + tage, std::int64_t{kErster.time_since_epoch().count()},
                   std::int64_t{kLetzter.time_since_epoch().count()});
    return Datum{std::chrono::days{summe}};
}

std::string KurzdatumMuster(std::string_view localeName, std::string_view dFmt) {
    const bool ohneRegion = localeName.empty() || localeName == "C" || localeName == "POSIX" ||
                            localeName.starts_with("C.");
    if (ohneRegion || !LesbareTeile(dFmt)) {
        return std::string(kDeutsch);
    }
    return std::string(dFmt);
}

std::string KurzdatumFormatieren(Datum d, std::string_view muster) {
    const std::chrono::year_month_day ymd{d};
    const int jahr = static_cast<int>(ymd.year());
    std::string out;
    for (const Teil& t : Nutzbar(muster)) {
        switch (t.feld) {
        case 'd':
            ZahlAnhaengen(out, static_cast<int>(static_cast<unsigned>(ymd.day())), t.fuellung, 2);
            break;
        case 'm':
            ZahlAnhaengen(out, static_cast<int>(static_cast<unsigned>(ymd.month())), t.fuellung, 2);
            break;
        case 'Y':
            ZahlAnhaengen(out, jahr, '0', 4);
            break;
        case 'y':
            // Two digits read back as 20xx; any other year would come back a century off.
            if (jahr >= 2000 && jahr <= 2099) {
                ZahlAnhaengen(out, jahr - 2000, '0', 2);
            } else {
                ZahlAnhaengen(out, jahr, '0', 4);
            }
            break;
        default:
            out += t.zeichen;
            break;
        }
    }
    return out;
}

std::optional<Datum> KurzdatumLesen(std::string_view text, std::string_view muster) {
    const std::string_view kern = OhneRaender(text, IstLeer);
    for (const auto& teile : {Nutzbar(muster), *Zerlegen(kDeutsch), *Zerlegen(kIso)}) {
        if (auto d = MitMusterLesen(kern, teile)) {
            return d;
        }
    }
    return std::nullopt;
}

} // namespace lexidor
