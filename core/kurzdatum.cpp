// Short dates: formatting with a regional pattern and lenient reading.
#include "kurzdatum.h"

#include <cstdio>

namespace lexidor {
namespace {

constexpr std::string_view kDeutsch = "%d.%m.%Y";
constexpr std::string_view kIso = "%Y-%m-%d";

// %D and %F are shorthands; spelling them out keeps formatter and reader simple.
std::string Ausgeschrieben(std::string_view muster) {
    std::string out;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        if (muster[i] == '%' && i + 1 < muster.size()) {
            const char c = muster[++i];
            if (c == 'D') {
                out += "%m/%d/%y";
            } else if (c == 'F') {
                out += "%Y-%m-%d";
            } else {
                out += '%';
                out += c;
            }
            continue;
        }
        out += muster[i];
    }
    return out;
}

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

// Reads 1..maxZiffern digits; blanks before the number are allowed as %e pads with one.
std::optional<int> ZahlLesen(std::string_view s, std::size_t& pos, int maxZiffern,
                             int* gelesen = nullptr) {
    while (pos < s.size() && IstLeer(s[pos])) {
        ++pos;
    }
    int wert = 0;
    int ziffern = 0;
    while (pos < s.size() && ziffern < maxZiffern && s[pos] >= '0' && s[pos] <= '9') {
        wert = wert * 10 + (s[pos] - '0');
        ++pos;
        ++ziffern;
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    if (gelesen) {
        *gelesen = ziffern;
    }
    return wert;
}

std::optional<Datum> MitMusterLesen(std::string_view text, const std::string& muster) {
    std::size_t pos = 0;
    std::optional<int> tag, monat, jahr;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        if (muster[i] == '%' && i + 1 < muster.size()) {
            const char c = muster[++i];
            std::optional<int>* ziel = nullptr;
            switch (c) {
            case 'd':
            case 'e':
                ziel = &tag;
                break;
            case 'm':
                ziel = &monat;
                break;
            case 'Y': {
                // a two-digit year means this century, as short dates usually do
                int gelesen = 0;
                jahr = ZahlLesen(text, pos, 4, &gelesen);
                if (!jahr) {
                    return std::nullopt;
                }
                if (gelesen <= 2) {
                    *jahr += 2000;
                }
                continue;
            }
            case 'y': {
                int gelesen = 0;
                const auto kurz = ZahlLesen(text, pos, 4, &gelesen);
                if (!kurz || gelesen == 3) {
                    return std::nullopt;
                }
                jahr = gelesen <= 2 ? 2000 + *kurz : *kurz;
                continue;
            }
            case '%':
                if (pos >= text.size() || text[pos] != '%') {
                    return std::nullopt;
                }
                ++pos;
                continue;
            default:
                return std::nullopt; // a field we cannot read
            }
            *ziel = ZahlLesen(text, pos, 2);
            if (!*ziel) {
                return std::nullopt;
            }
            continue;
        }
        if (pos >= text.size() || text[pos] != muster[i]) {
            return std::nullopt;
        }
        ++pos;
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

std::string_view OhneRandLeer(std::string_view s) {
    while (!s.empty() && IstLeer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IstLeer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

Datum DatumAus(int jahr, unsigned monat, unsigned tag) {
    return Datum{std::chrono::year{jahr} / std::chrono::month{monat} / std::chrono::day{tag}};
}

Datum PlusTage(Datum d, int tage) {
    return d + std::chrono::days{tage};
}

std::string KurzdatumMuster(std::string_view localeName, std::string_view dFmt) {
    const bool ohneRegion = localeName.empty() || localeName == "C" || localeName == "POSIX" ||
                            localeName.starts_with("C.");
    if (ohneRegion || dFmt.empty()) {
        return std::string(kDeutsch);
    }
    return std::string(dFmt);
}

std::string KurzdatumFormatieren(Datum d, std::string_view muster) {
    const std::chrono::year_month_day ymd{d};
    const int jahr = static_cast<int>(ymd.year());
    const unsigned monat = static_cast<unsigned>(ymd.month());
    const unsigned tag = static_cast<unsigned>(ymd.day());
    const std::string voll = Ausgeschrieben(muster);
    std::string out;
    char puffer[16];
    for (std::size_t i = 0; i < voll.size(); ++i) {
        if (voll[i] != '%' || i + 1 >= voll.size()) {
            out += voll[i];
            continue;
        }
        switch (voll[++i]) {
        case 'd':
            std::snprintf(puffer, sizeof puffer, "%02u", tag);
            break;
        case 'e':
            std::snprintf(puffer, sizeof puffer, "%2u", tag);
            break;
        case 'm':
            std::snprintf(puffer, sizeof puffer, "%02u", monat);
            break;
        case 'Y':
            std::snprintf(puffer, sizeof puffer, "%04d", jahr);
            break;
        case 'y':
            // Two digits read back as 20xx; any other year would come back a century off.
            if (jahr >= 2000 && jahr <= 2099) {
                std::snprintf(puffer, sizeof puffer, "%02d", jahr - 2000);
            } else {
                std::snprintf(puffer, sizeof puffer, "%04d", jahr);
            }
            break;
        case '%':
            std::snprintf(puffer, sizeof puffer, "%%");
            break;
        default:
            puffer[0] = '\0'; // fields other than the date itself are left out
            break;
        }
        out += puffer;
    }
    return out;
}

std::optional<Datum> KurzdatumLesen(std::string_view text, std::string_view muster) {
    const std::string_view kern = OhneRandLeer(text);
    for (const auto& m : {Ausgeschrieben(muster), std::string(kDeutsch), std::string(kIso)}) {
        if (auto d = MitMusterLesen(kern, m)) {
            return d;
        }
    }
    return std::nullopt;
}

} // namespace lexidor
