// Windows code page 1252: the encoding of card-box files that need no other character, and of
// the program's own files. Conversion to and from UTF-8 (the text in memory) and the 8-bit
// lower case of the profile files' names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

// Every byte decodes; the five bytes without a character in 1252 become the C1 controls
// of the same number, so that decoding and encoding again keeps every file intact.
std::string Cp1252NachUtf8(std::string_view cp1252);
// The same written to ziel, which needs room for Cp1252Utf8Platz bytes; returns the end of the
// text. The three bytes after that end may be overwritten.
constexpr std::size_t Cp1252Utf8Platz(std::size_t cp1252Bytes) {
    return 3 * cp1252Bytes + 3;
}
char* Cp1252NachUtf8Schreiben(std::string_view cp1252, char* ziel);

struct Cp1252Kodierung {
    std::string text;                        // the encoded bytes, complete only when ok()
    std::optional<std::string> fremdzeichen; // UTF-8 of the first character 1252 cannot hold
    bool ok() const { return !fremdzeichen; }
};

// Invalid UTF-8 counts as a character that cannot be held (reported as U+FFFD).
Cp1252Kodierung Utf8NachCp1252(std::string_view utf8);

// Whether every character of the UTF-8 text, or the one code point, has a byte in code
// page 1252.
bool PasstCp1252(std::string_view utf8);
bool ZeichenInCp1252(char32_t cp);

// Writes UTF-8 text that fits code page 1252 (PasstCp1252) as its bytes, never more than
// utf8.size() of them; returns the end of what it wrote.
char* Cp1252Schreiben(std::string_view utf8, char* ziel);

// True when the bytes are well-formed UTF-8 throughout.
bool IstUtf8(std::string_view text);

// Appends the UTF-8 form of one code point.
void Utf8Anhaengen(std::string& out, char32_t cp);

// The lower case of one byte and of a whole text, by the rules of code page 1252
// ("Ä" to "ä", "Š" to "š", "Ÿ" to "ÿ").
unsigned char Klein(unsigned char c);
std::string Kleinschreibung(std::string_view cp1252);

// The same lower case applied to UTF-8 text (paths, for one): characters outside code
// page 1252 and malformed bytes stay as they are.
std::string Utf8Kleinschreibung(std::string_view utf8);

} // namespace lexidor
