// Unicode rules for card text, from ICU: the NFC form that every text takes on its way in,
// simple case folding for comparing and searching, and the case forms of a character.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// Decodes one UTF-8 sequence at pos; nullopt for a malformed one (pos then skips a byte).
std::optional<char32_t> Utf8Lesen(std::string_view s, std::size_t& pos);

// Text that comes in, in its NFC form: a "ü" typed and a "u" with a combining diaeresis
// from a file are then the same bytes. A malformed byte, which no widget hands over and no
// card-box file may hold, becomes U+FFFD, so that every card stays well-formed UTF-8.
std::string Nfc(std::string_view utf8);
// False also for malformed UTF-8.
bool IstNfc(std::string_view utf8);

// What one walk over a text tells: whether it is well-formed UTF-8, in NFC, and within what
// code page 1252 can hold (the latter two false when it is malformed).
struct Utf8Befund {
    bool gueltig = true;
    bool nfc = true;
    bool cp1252 = true;
};
Utf8Befund Utf8Pruefen(std::string_view utf8);

// Simple case folding: "Ä" and "ä", "Σ", "σ" and "ς", "Д" and "д" fold alike, while "ß"
// stays one letter, as it always was within code page 1252. The Turkish "İ" folds to "i".
char32_t Gefaltet(char32_t cp);
// Every code point folded; malformed bytes stay as they are.
std::string Gefaltet(std::string_view utf8);
// Every code point that folds as cp does, cp among them.
std::vector<char32_t> Schreibweisen(char32_t cp);

} // namespace lexidor
