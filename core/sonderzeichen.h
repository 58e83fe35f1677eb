// The 35 substitutable keys, their replacement texts and "sonderzeichen.ini".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

inline constexpr int kSondertastenAnzahl = 35;
inline constexpr std::string_view kNichts = "(Nichts)";

// UTF-8, one character each, in the order of the file's lines.
inline constexpr std::array<std::string_view, kSondertastenAnzahl> Sondertasten = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "ß", "+", "#", "-", "<", "!", "\"", "§",
    "$", "%", "&", "/", "(", ")", "=", "?", "*", "_", ">", "ü", "ö", "ä", "Ü", "Ö", "Ä"};

using Ersatztexte = std::array<std::string, kSondertastenAnzahl>;

Ersatztexte ErsatztexteLeer();

// Fills the table (UTF-8 in NFC) from the file's bytes (nullopt: it could not be read). False
// when the file is missing or has fewer than 35 lines; the lines that were there are taken.
// A file that starts with a byte-order mark and is well-formed UTF-8 after it holds UTF-8,
// any other code page 1252.
bool ErsatztexteLaden(Ersatztexte& texte, std::optional<std::string_view> datei);

// In code page 1252 while every text fits it, else UTF-8 after a byte-order mark.
std::string ErsatztexteSpeichern(const Ersatztexte& texte);

// The replacement that the character picker's field stands for: an empty field removes it.
std::string ErsatztextAusFeld(std::string_view feld);

// The replacement for a typed character, or nullopt to type it as it is.
std::optional<std::string> Ersetzung(const Ersatztexte& texte, std::string_view zeichen);

} // namespace lexidor
