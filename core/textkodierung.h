// The encoding of a text file brought in from elsewhere, and its text as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lexidor {

enum class Textkodierung {
    Utf8,
    Utf8MitBom,
    Utf16,       // with a byte-order mark, as spreadsheets save "Unicode text"
    Windows1252, // also Latin-1, which it contains apart from unused control codes
};

// A byte-order mark decides; without one, bytes that are well-formed UTF-8 are UTF-8 and
// any others Windows-1252.
Textkodierung KodierungErkennen(std::string_view datei);

// The text as UTF-8 without the byte-order mark: a view into `datei` when that is UTF-8
// already, so that a large file is not copied, otherwise into `puffer`, which then holds
// the converted text.
std::string_view AlsUtf8(std::string_view datei, Textkodierung kodierung, std::string& puffer);

} // namespace lexidor
