// Telling UTF-8, UTF-16 and Windows-1252 apart.
#include "textkodierung.h"

#include "cp1252.h"
#include "unicodetext.h"
#include "zeilen.h"

#include <algorithm>
#include <optional>

namespace lexidor {
namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Enough pairs of bytes to see the pattern of zero bytes that ASCII leaves in UTF-16.
constexpr std::size_t kUtf16Probe = 512;

char16_t Einheit(std::string_view daten, std::size_t i, bool bigEndian) {
    const auto a = static_cast<unsigned char>(daten[i]);
    const auto b = static_cast<unsigned char>(daten[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
}

std::string Utf16NachUtf8(std::string_view daten, bool bigEndian) {
    std::string out;
    out.reserve(daten.size());
    std::size_t i = 0;
    for (; i + 1 < daten.size(); i += 2) {
        char32_t cp = Einheit(daten, i, bigEndian);
        const bool hoch = cp >= 0xD800 && cp <= 0xDBFF;
        if (hoch && i + 3 < daten.size()) {
            const char16_t tief = Einheit(daten, i + 2, bigEndian);
            if (tief >= 0xDC00 && tief <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (tief - 0xDC00);
                i += 2;
            }
        }
        Utf8Anhaengen(out, cp >= 0xD800 && cp <= 0xDFFF ? 0xFFFD : cp);
    }
    if (i < daten.size()) {
        Utf8Anhaengen(out, 0xFFFD);
    }
    return out;
}

// UTF-16 without a mark: most of the first characters are ASCII, so one byte of each pair
// is zero, always the same one, and the other is not.
std::optional<Textkodierung> Utf16OhneBom(std::string_view datei) {
    const std::size_t paare = std::min(datei.size(), kUtf16Probe) / 2;
    std::size_t nullGerade = 0;
    std::size_t nullUngerade = 0;
    for (std::size_t i = 0; i < paare; ++i) {
        nullGerade += datei[2 * i] == '\0';
        nullUngerade += datei[2 * i + 1] == '\0';
    }
    if (paare < 2) {
        return std::nullopt;
    }
    if (nullUngerade * 2 > paare && nullGerade * 20 < paare) {
        return Textkodierung::Utf16Le;
    }
    if (nullGerade * 2 > paare && nullUngerade * 20 < paare) {
        return Textkodierung::Utf16Be;
    }
    return std::nullopt;
}

struct Utf8Bilanz {
    std::size_t gueltig = 0; // well-formed sequences of more than one byte
    std::size_t fremd = 0;   // bytes that start no well-formed sequence
};

Utf8Bilanz Bilanz(std::string_view text) {
    Utf8Bilanz b;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t anfang = pos;
        if (Utf8Lesen(text, pos)) {
            ++b.gueltig;
        } else {
            ++b.fremd;
            pos = anfang + 1;
        }
    }
    return b;
}

// Each stray byte becomes one U+FFFD, and everything else stays as it is.
std::string Repariert(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t anfang = pos;
        if (Utf8Lesen(text, pos)) {
            out.append(text.substr(anfang, pos - anfang));
        } else {
            out.append(kErsatzzeichen);
            pos = anfang + 1;
        }
    }
    return out;
}

} // namespace

Textkodierung KodierungErkennen(std::string_view datei) {
    if (datei.starts_with(kBom)) {
        return Textkodierung::Utf8MitBom;
    }
    if (datei.starts_with(kUtf16LeBom)) {
        return Textkodierung::Utf16Le;
    }
    if (datei.starts_with(kUtf16BeBom)) {
        return Textkodierung::Utf16Be;
    }
    if (const auto utf16 = Utf16OhneBom(datei)) {
        return *utf16;
    }
    if (IstUtf8(datei)) {
        return Textkodierung::Utf8;
    }
    const Utf8Bilanz b = Bilanz(datei);
    return b.gueltig > b.fremd ? Textkodierung::Utf8 : Textkodierung::Windows1252;
}

std::string_view AlsUtf8(std::string_view datei, Textkodierung kodierung, std::string& puffer,
                         bool dateianfang) {
    switch (kodierung) {
    case Textkodierung::Utf8MitBom:
        datei.remove_prefix(dateianfang ? kBom.size() : 0);
        [[fallthrough]];
    case Textkodierung::Utf8:
        if (IstUtf8(datei)) {
            return datei;
        }
        puffer = Repariert(datei);
        return puffer;
    case Textkodierung::Utf16Le:
    case Textkodierung::Utf16Be: {
        const bool be = kodierung == Textkodierung::Utf16Be;
        const bool bom = dateianfang && datei.starts_with(be ? kUtf16BeBom : kUtf16LeBom);
        puffer = Utf16NachUtf8(datei.substr(bom ? 2 : 0), be);
        return puffer;
    }
    case Textkodierung::Windows1252:
        puffer = Cp1252NachUtf8(datei);
        return puffer;
    }
    return datei;
}

std::size_t UnvollstaendigesEnde(std::string_view stueck, Textkodierung kodierung) {
    switch (kodierung) {
    case Textkodierung::Utf8:
    case Textkodierung::Utf8MitBom:
        // The last byte that starts a sequence, and how many its sequence needs.
        for (std::size_t n = 1; n <= std::min<std::size_t>(stueck.size(), 3); ++n) {
            const auto b = static_cast<unsigned char>(stueck[stueck.size() - n]);
            if ((b & 0xC0) == 0x80) {
                continue;
            }
            const std::size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            return laenge > n ? n : 0;
        }
        return 0;
    case Textkodierung::Utf16Le:
    case Textkodierung::Utf16Be: {
        const std::size_t ungerade = stueck.size() % 2;
        if (stueck.size() - ungerade < 2) {
            return ungerade;
        }
        const char16_t letzte =
            Einheit(stueck, stueck.size() - ungerade - 2, kodierung == Textkodierung::Utf16Be);
        return ungerade + (letzte >= 0xD800 && letzte <= 0xDBFF ? 2 : 0);
    }
    case Textkodierung::Windows1252:
        break;
    }
    return 0;
}

bool IstBinaer(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

} // namespace lexidor
