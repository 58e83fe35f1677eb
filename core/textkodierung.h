// The encoding of a text file brought in from elsewhere, and its text as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lexidor {

enum class Textkodierung {
    Utf8,
    Utf8MitBom,
    Utf16Le, // as spreadsheets save "Unicode text", with or without a byte-order mark
    Utf16Be,
    Windows1252, // also Latin-1, which it contains apart from unused control codes
};

// A byte-order mark decides. Without one, UTF-16 shows itself by the zero bytes beside its
// ASCII characters; text whose well-formed UTF-8 sequences outnumber its stray bytes is
// UTF-8, so that one bad byte does not turn every umlaut of a file into two characters; any
// other text is Windows-1252.
Textkodierung KodierungErkennen(std::string_view datei);

// What stands in for a byte or unit that is no character of the file's encoding.
inline constexpr std::string_view kErsatzzeichen = "\xEF\xBF\xBD"; // U+FFFD

// The text as UTF-8 without the byte-order mark: a view into `datei` when that is UTF-8
// already, so that a large file is not copied, otherwise into `puffer`, which then holds
// the converted text. Stray bytes and unpaired surrogates become kErsatzzeichen. A piece from
// further on in a file (dateianfang false) has no mark to drop.
std::string_view AlsUtf8(std::string_view datei, Textkodierung kodierung, std::string& puffer,
                         bool dateianfang = true);

// The bytes at the end of a piece of a file that start a character the next piece completes:
// they are converted with it.
std::size_t UnvollstaendigesEnde(std::string_view stueck, Textkodierung kodierung);

// The decoded text holds a NUL: it is an image, a program or some other file, not text.
bool IstBinaer(std::string_view text);

} // namespace lexidor
