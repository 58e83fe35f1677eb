// Anki's export of notes as plain text: a few leading lines that describe the file
// ("#separator:tab", "#html:true", "#columns:Front<tab>Back", "#deck column:3", ...), then one
// note per record, its fields quoted as RFC 4180 where needed.
#pragma once

#include "importtabelle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// The text starts with one of the lines that describe such an export.
bool IstAnkiExport(std::string_view text);

// How a text file is read where the user overrides what was found in it.
struct Leseart {
    std::optional<char> trenner;
    std::optional<bool> html; // turn the cells' HTML into plain text
    Fortschritt fortschritt;
};

// What the leading lines describe.
struct Ankikopf {
    std::optional<char> trenner;
    std::optional<bool> html;     // from "#html:", which outweighs what the fields look like
    std::string_view spalten;     // the "#columns:" line's value
    std::vector<int> ankispalten; // 0-based columns of guid, note type, deck and tags
    std::size_t ab = 0;           // where the notes start
    int zeile = 1;                // and on which line
};
// Every leading line that starts with "#" belongs to the description.
Ankikopf AnkikopfLesen(std::string_view text);

// Appends every row of `roh` to `tabelle` but the cells of the columns left out, each as plain
// text where HTML is turned into it.
void AnkiZeilenUebernehmen(const Importtabelle& roh, const std::vector<int>& ohne, bool html,
                           Importtabelle& tabelle);

// The notes' fields as columns. The columns that carry Anki's own data (guid, note type,
// deck, tags) are left out; with "#html:true", or without an "#html:" line where the fields
// hold HTML, every field is turned into plain text. Without a "#separator:" line the
// separator is found as in any separated values.
Importtabelle AnkiLesen(std::string_view text, const Leseart& art = {});

// The text holds HTML as older Anki exports and web pages leave it in a list: a tag such as
// "<br>", "<div>" or "</b>", or an entity such as "&nbsp;", "&amp;" or "&#228;".
bool HatHtml(std::string_view text);

// Every cell of the table turned into plain text, without blanks at either end.
Importtabelle HtmlAlsText(const Importtabelle& tabelle);

// Anki's export of cards in plain text repeats the question at the start of the answer, a
// blank line after it: the answer alone, or nullopt where the second cell is no such answer.
std::optional<std::string_view> Antwortteil(std::string_view frage, std::string_view antwort);

// When four in five of the first thousand rows have such an answer in their second cell, the
// answers lose the question, and ankiKarten is set.
void AnkiKartenErkennen(Importtabelle& tabelle);
// The table with every such answer without its question.
Importtabelle OhneFragen(const Importtabelle& tabelle);

// HTML as a reader sees it, in plain text: "<br>" and the edges of blocks ("<div>", "<p>",
// "<li>", ...) become line breaks, other tags go, entities ("&amp;", "&nbsp;", "&#228;") become
// their characters (a non-breaking space a plain one). Line breaks at the end are dropped.
std::string HtmlNachText(std::string_view html);

} // namespace lexidor
