// Anki's export of notes as plain text: a few leading lines that describe the file
// ("#separator:tab", "#html:true", "#columns:Front<tab>Back", "#deck column:3", ...), then one
// note per record, its fields quoted as RFC 4180 where needed.
#pragma once

#include "importtabelle.h"

#include <string>
#include <string_view>

namespace lexidor {

// The text starts with one of the lines that describe such an export.
bool IstAnkiExport(std::string_view text);

// The notes' fields as columns. The columns that carry Anki's own data (guid, note type,
// deck, tags) are left out; with "#html:true" every field is turned into plain text. Without
// a "#separator:" line the separator is found as in any separated values.
Importtabelle AnkiLesen(std::string_view text);

// HTML as a reader sees it, in plain text: "<br>" and the edges of blocks ("<div>", "<p>",
// "<li>", ...) become line breaks, other tags go, entities ("&amp;", "&nbsp;", "&#228;") become
// their characters (a non-breaking space a plain one). Line breaks at the end are dropped.
std::string HtmlNachText(std::string_view html);

} // namespace lexidor
