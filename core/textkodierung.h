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

struct Klartext {
    Textkodierung kodierung = Textkodierung::Utf8;
    std::string utf8;
};

// A byte-order mark decides; without one, bytes that are well-formed UTF-8 are taken as
// UTF-8 and any others as Windows-1252. The mark itself is dropped.
Klartext TextDekodieren(std::string_view datei);

} // namespace lexidor
