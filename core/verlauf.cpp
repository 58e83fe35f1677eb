// The day records of the learning history, their file, and the due forecast.
#include "verlauf.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace lexidor {

namespace {

constexpr std::string_view kKopf = "Lexidor-Lernverlauf 1";
constexpr std::string_view kIsoDatum = "%Y-%m-%d";
constexpr int kFelder = 9; // day, right, wrong, compartments 1 to 6

std::vector<std::string_view> Felder(std::string_view zeile) {
    std::vector<std::string_view> felder;
    std::size_t anfang = 0;
    while (true) {
        const auto schnitt = zeile.find(';', anfang);
        felder.push_back(zeile.substr(anfang, schnitt - anfang));
        if (schnitt == std::string_view::npos) {
            return felder;
        }
        anfang = schnitt + 1;
    }
}

bool Zahl(std::string_view text, int& wert) {
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
    return fehler == std::errc() && p == ende && !text.empty() && wert >= 0;
}

bool ZeileLesen(std::string_view zeile, TTagesstand& tag) {
    const auto felder = Felder(zeile);
    if (felder.size() != kFelder || felder[0].size() != 10) {
        return false;
    }
    const auto datum = KurzdatumLesen(felder[0], kIsoDatum);
    if (!datum || !Zahl(felder[1], tag.Richtige) || !Zahl(felder[2], tag.Falsche)) {
        return false;
    }
    tag.Tag = *datum;
    for (int k = 1; k <= 6; ++k) {
        if (!Zahl(felder[static_cast<std::size_t>(k + 2)], tag.Faecher[k])) {
            return false;
        }
    }
    return true;
}

TTagesstand* TagSuchen(TVerlauf& verlauf, Datum tag) {
    auto it = std::lower_bound(verlauf.Tage.begin(), verlauf.Tage.end(), tag,
                               [](const TTagesstand& t, Datum d) { return t.Tag < d; });
    if (it == verlauf.Tage.end() || it->Tag != tag) {
        it = verlauf.Tage.insert(it, TTagesstand{tag, 0, 0, {}});
    }
    return &*it;
}

} // namespace

TVerlauf VerlaufLesen(std::string_view bytes) {
    TVerlauf verlauf;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        auto ende = bytes.find('\n', anfang);
        ende = ende == std::string_view::npos ? bytes.size() : ende;
        std::string_view zeile = bytes.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.ends_with('\r')) {
            zeile.remove_suffix(1);
        }
        if (zeile.empty() || zeile == kKopf) {
            continue;
        }
        TTagesstand tag;
        if (!ZeileLesen(zeile, tag)) {
            ++verlauf.Beschaedigt;
            continue;
        }
        *TagSuchen(verlauf, tag.Tag) = tag;
    }
    return verlauf;
}

std::string VerlaufSchreiben(const TVerlauf& verlauf) {
    std::string text(kKopf);
    text += '\n';
    for (const TTagesstand& tag : verlauf.Tage) {
        text += KurzdatumFormatieren(tag.Tag, kIsoDatum);
        for (const int wert : {tag.Richtige, tag.Falsche}) {
            text += ';' + std::to_string(wert);
        }
        for (int k = 1; k <= 6; ++k) {
            text += ';' + std::to_string(tag.Faecher[k]);
        }
        text += '\n';
    }
    return text;
}

void TagEintragen(TVerlauf& verlauf, Datum heute, const TKartei& kartei, int richtige,
                  int falsche) {
    TTagesstand* tag = TagSuchen(verlauf, heute);
    tag->Richtige += richtige;
    tag->Falsche += falsche;
    for (int k = 1; k <= 6; ++k) {
        tag->Faecher[k] = kartei.Fach[k].Count();
    }
}

int TageInFolge(const TVerlauf& verlauf, Datum heute) {
    const auto gelernt = [](const TTagesstand& t) { return t.Richtige + t.Falsche > 0; };
    auto it = verlauf.Tage.rbegin();
    while (it != verlauf.Tage.rend() && it->Tag > heute) {
        ++it;
    }
    if (it != verlauf.Tage.rend() && it->Tag == heute && !gelernt(*it)) {
        ++it;
    }
    Datum tag = it != verlauf.Tage.rend() && it->Tag == heute ? heute : PlusTage(heute, -1);
    int folge = 0;
    for (; it != verlauf.Tage.rend() && it->Tag == tag && gelernt(*it); ++it) {
        ++folge;
        tag = PlusTage(tag, -1);
    }
    return folge;
}

std::span<const TTagesstand> Zeitraum(const TVerlauf& verlauf, Datum heute, int tage) {
    const std::span<const TTagesstand> alle(verlauf.Tage);
    const auto bis = std::upper_bound(alle.begin(), alle.end(), heute,
                                      [](Datum d, const TTagesstand& t) { return d < t.Tag; });
    if (tage <= 0) {
        return {alle.begin(), bis};
    }
    const Datum ab = PlusTage(heute, 1 - tage);
    const auto von = std::lower_bound(alle.begin(), bis, ab,
                                      [](const TTagesstand& t, Datum d) { return t.Tag < d; });
    return {von, bis};
}

// FNV-1a over the path's bytes: the same name on every machine and in every build, which a
// standard hash does not promise. It only tells boxes apart, it guards nothing.
std::string VerlaufDateiname(std::string_view kartenpfad) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : kartenpfad) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.txt", static_cast<unsigned long long>(h));
    return name;
}

bool FachHeuteFaellig(const TKartei& kartei, int k, Datum heute) {
    if (k == 1) {
        return true;
    }
    return k <= 5 && (kartei.Faellig[k] || kartei.Termin[k] <= heute);
}

// A compartment of 2 to 5 comes due whole on its review date and stays due until emptied, so
// its cards count on that date, or today while it is due.
std::array<int, kVorschauTage> Vorschau(const TKartei& kartei, Datum heute) {
    std::array<int, kVorschauTage> tage{};
    tage[0] = kartei.Fach[1].Count();
    for (int k = 2; k <= 5; ++k) {
        const int abstand =
            FachHeuteFaellig(kartei, k, heute) ? 0 : (kartei.Termin[k] - heute).count();
        if (abstand < kVorschauTage) {
            tage[static_cast<std::size_t>(abstand)] += kartei.Fach[k].Count();
        }
    }
    return tage;
}

} // namespace lexidor
