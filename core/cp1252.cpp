// Windows-1252 <-> UTF-8 and the 8-bit lower-case table.
#include "cp1252.h"

#include "unicodetext.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lexidor {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones map to their C1 control.
constexpr std::array<char32_t, 32> kObererBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t ZeichenVon(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        return kObererBlock[b - 0x80];
    }
    return b;
}

std::optional<unsigned char> ByteFuer(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<unsigned char>(cp);
    }
    for (std::size_t i = 0; i < kObererBlock.size(); ++i) {
        if (kObererBlock[i] == cp) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// "ä", "ß" and the rest of Latin-1's upper half (C2 A0..BF, C3 80..BF) stand for themselves:
// the byte they are in code page 1252, found without decoding.
std::optional<char> Latin1Oben(std::string_view utf8, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(utf8[pos]);
    const auto b1 = pos + 1 < utf8.size() ? static_cast<unsigned char>(utf8[pos + 1]) : 0;
    if ((b0 == 0xC3 && b1 >= 0x80 && b1 <= 0xBF) || (b0 == 0xC2 && b1 >= 0xA0 && b1 <= 0xBF)) {
        return static_cast<char>(((b0 & 0x03) << 6) | (b1 & 0x3F));
    }
    return std::nullopt;
}

constexpr std::array<unsigned char, 256> KleinTabelle() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[i] = static_cast<unsigned char>(i);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = static_cast<unsigned char>(c + 0x20);
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) { // the multiplication sign has no lower case
            t[c] = static_cast<unsigned char>(c + 0x20);
        }
    }
    t[0x8A] = 0x9A; // Š
    t[0x8C] = 0x9C; // Œ
    t[0x8E] = 0x9E; // Ž
    t[0x9F] = 0xFF; // Ÿ
    return t;
}

constexpr auto kKlein = KleinTabelle();

// The UTF-8 form of every byte: converting a whole file is then one look-up per byte. Every
// character of the code page lies below U+10000 and takes at most three bytes.
struct Utf8Form {
    std::array<char, 4> bytes{}; // the fourth only fills the word written at once
    std::size_t laenge = 0;
};

constexpr std::array<Utf8Form, 256> Utf8Tabelle() {
    std::array<Utf8Form, 256> t{};
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = ZeichenVon(static_cast<unsigned char>(b));
        Utf8Form& f = t[b];
        if (cp < 0x80) {
            f.bytes = {static_cast<char>(cp)};
            f.laenge = 1;
        } else if (cp < 0x800) {
            f.bytes = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
            f.laenge = 2;
        } else {
            f.bytes = {static_cast<char>(0xE0 | (cp >> 12)),
                       static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (cp & 0x3F))};
            f.laenge = 3;
        }
    }
    return t;
}

constexpr auto kUtf8 = Utf8Tabelle();

} // namespace

std::string Cp1252NachUtf8(std::string_view cp1252) {
    std::string out(Cp1252Utf8Platz(cp1252.size()), '\0');
    out.resize(static_cast<std::size_t>(Cp1252NachUtf8Schreiben(cp1252, out.data()) - out.data()));
    return out;
}

// Every byte's form is written as one word, whatever its length: card text mixes ASCII and
// umlauts so irregularly that a branch per byte would be mispredicted at most umlauts.
char* Cp1252NachUtf8Schreiben(std::string_view cp1252, char* ziel) {
    for (const char c : cp1252) {
        const Utf8Form& f = kUtf8[static_cast<unsigned char>(c)];
        std::memcpy(ziel, f.bytes.data(), f.bytes.size());
        ziel += f.laenge;
    }
    return ziel;
}

void Utf8Anhaengen(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Opening a UTF-8 box checks every line: the sequences are checked where they stand, and runs
// of ASCII eight bytes at a time, rather than decoding each character.
bool IstUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const ende = p + text.size();
    const auto folge = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    while (p < ende) {
        std::uint64_t acht = 0;
        if (ende - p >= 8 && (std::memcpy(&acht, p, 8), (acht & 0x8080808080808080u) == 0)) {
            p += 8;
            continue;
        }
        const unsigned b0 = *p;
        const std::ptrdiff_t rest = ende - p;
        if (b0 < 0x80) {
            p += 1;
        } else if (b0 >= 0xC2 && b0 <= 0xDF && rest >= 2 && folge(p[1])) {
            p += 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF && rest >= 3 && folge(p[1]) && folge(p[2])) {
            const unsigned cp = ((b0 & 0x0F) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) {
                return false;
            }
            p += 3;
        } else if (b0 >= 0xF0 && b0 <= 0xF4 && rest >= 4 && folge(p[1]) && folge(p[2]) &&
                   folge(p[3])) {
            const unsigned cp =
                ((b0 & 0x07) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6);
            if (cp < 0x10000 || cp > 0x10FFFF) {
                return false;
            }
            p += 4;
        } else {
            return false;
        }
    }
    return true;
}

Cp1252Kodierung Utf8NachCp1252(std::string_view utf8) {
    Cp1252Kodierung k;
    k.text.resize(utf8.size()); // one byte per character is never more than UTF-8 takes
    char* p = k.text.data();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[pos]);
        if (b0 < 0x80) {
            *p++ = static_cast<char>(b0);
            ++pos;
            continue;
        }
        if (const auto byte = Latin1Oben(utf8, pos)) {
            *p++ = *byte;
            pos += 2;
            continue;
        }
        const std::size_t zeichen = pos;
        const auto cp = Utf8Lesen(utf8, pos);
        const auto byte = cp ? ByteFuer(*cp) : std::nullopt;
        if (!byte) {
            k.fremdzeichen = cp ? std::string(utf8.substr(zeichen, pos - zeichen)) : "\xEF\xBF\xBD";
            break;
        }
        *p++ = static_cast<char>(*byte);
    }
    k.text.resize(static_cast<std::size_t>(p - k.text.data()));
    return k;
}

bool ZeichenInCp1252(char32_t cp) {
    return ByteFuer(cp).has_value();
}

bool PasstCp1252(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[pos]);
        if (b0 < 0x80) {
            ++pos;
            continue;
        }
        const auto cp = Utf8Lesen(utf8, pos);
        if (!cp || !ByteFuer(*cp)) {
            return false;
        }
    }
    return true;
}

char* Cp1252Schreiben(std::string_view utf8, char* ziel) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            *ziel++ = utf8[pos++];
            continue;
        }
        if (const auto byte = Latin1Oben(utf8, pos)) {
            *ziel++ = *byte;
            pos += 2;
            continue;
        }
        const auto cp = Utf8Lesen(utf8, pos);
        *ziel++ = static_cast<char>(cp ? ByteFuer(*cp).value_or('?') : '?');
    }
    return ziel;
}

unsigned char Klein(unsigned char c) {
    return kKlein[c];
}

std::string Kleinschreibung(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out) {
        c = static_cast<char>(kKlein[static_cast<unsigned char>(c)]);
    }
    return out;
}

std::string Utf8Kleinschreibung(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t anfang = pos;
        const auto cp = Utf8Lesen(utf8, pos);
        const auto byte = cp ? ByteFuer(*cp) : std::nullopt;
        if (byte) {
            Utf8Anhaengen(out, ZeichenVon(kKlein[*byte]));
        } else {
            out += utf8.substr(anfang, pos - anfang);
        }
    }
    return out;
}

} // namespace lexidor
