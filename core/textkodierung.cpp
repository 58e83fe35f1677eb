// Telling UTF-8, UTF-16 and Windows-1252 apart.
#include "textkodierung.h"

#include "cp1252.h"

namespace lexidor {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

char16_t Einheit(std::string_view daten, std::size_t i, bool bigEndian) {
    const auto a = static_cast<unsigned char>(daten[i]);
    const auto b = static_cast<unsigned char>(daten[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
}

// Unpaired surrogates and a dangling last byte become U+FFFD, which no card can hold, so
// the rows with them are refused rather than quietly changed.
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

} // namespace

Textkodierung KodierungErkennen(std::string_view datei) {
    if (datei.starts_with(kUtf8Bom)) {
        return Textkodierung::Utf8MitBom;
    }
    if (datei.starts_with(kUtf16LeBom) || datei.starts_with(kUtf16BeBom)) {
        return Textkodierung::Utf16;
    }
    return IstUtf8(datei) ? Textkodierung::Utf8 : Textkodierung::Windows1252;
}

std::string_view AlsUtf8(std::string_view datei, Textkodierung kodierung, std::string& puffer) {
    switch (kodierung) {
    case Textkodierung::Utf8:
        return datei;
    case Textkodierung::Utf8MitBom:
        return datei.substr(kUtf8Bom.size());
    case Textkodierung::Utf16:
        puffer = Utf16NachUtf8(datei.substr(2), datei.starts_with(kUtf16BeBom));
        return puffer;
    case Textkodierung::Windows1252:
        puffer = Cp1252NachUtf8(datei);
        return puffer;
    }
    return datei;
}

} // namespace lexidor
