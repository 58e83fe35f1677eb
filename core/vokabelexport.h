// All cards of the box as a text file for spreadsheets and other programs: columns Deutsch,
// Fremd and Lernstufe under a header row, UTF-8 with a byte-order mark, lines ended by CR LF.
#pragma once

#include "karteidatei.h"

#include <string>

namespace lexidor {

enum class Exportformat {
    CsvSemikolon,  // what German spreadsheets open with a double click
    TextTabulator, // tab-separated
};

// The cards in the order of the vocabulary list, compartment 1 to 6. A side with a line
// break, the separator or a quote is quoted as RFC 4180, its line breaks kept as CR LF;
// a lone "¼" or "¾" is written as the line feed or carriage return it stands for.
// The bytes go to senke in pieces of about a megabyte, so that the file at the card limit is
// never held whole beside the box. False when senke stopped it.
bool VokabelnExportieren(const TKartei& kartei, Exportformat format, const Senke& senke);
// The same bytes in one piece.
std::string VokabelnExportieren(const TKartei& kartei, Exportformat format);

} // namespace lexidor
