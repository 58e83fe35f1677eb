// Recent files: the slot moves of Add and the shortened menu text.
#include "history.h"

#include "kartei.h"
#include "zeilen.h"

#include <algorithm>

namespace lexidor {
namespace {

// Paths are UTF-8: count characters, not bytes, when shortening.
std::size_t Zeichenzahl(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string_view ErsteZeichen(std::string_view s, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t gesehen = 0; pos < s.size(); ++pos) {
        if ((s[pos] & 0xC0) != 0x80 && gesehen++ == n) {
            break;
        }
    }
    return s.substr(0, pos);
}

} // namespace

THistory::THistory(int count) : Count(count) {
    Lines.assign(static_cast<std::size_t>(Count), std::string(kLeererPlatz));
}

void THistory::Load(std::optional<std::string_view> datei) {
    Lines = datei ? ZeilenTeilen(OhneBom(*datei)) : std::vector<std::string>{};
    Lines.resize(static_cast<std::size_t>(Count), std::string(kLeererPlatz));
}

std::string THistory::Save() const {
    return ZeilenVerbinden(Lines);
}

void THistory::Add(std::string_view path) {
    // Paths are compared exactly: on this system "Box.vkd" and "box.vkd" are two files.
    const auto treffer = std::find(Lines.begin(), Lines.end(), path);
    if (treffer != Lines.end()) {
        std::rotate(Lines.begin(), treffer, treffer + 1);
        return;
    }
    Lines.insert(Lines.begin(), std::string(path));
    Lines.pop_back();
}

std::string THistory::GetDisplay(int i) const {
    const std::string& zeile = Lines[i];
    if (zeile == kLeererPlatz || Zeichenzahl(zeile) <= 12) {
        return zeile;
    }
    return std::string(ErsteZeichen(zeile, 3)) + ".../" + Dateiname(zeile);
}

} // namespace lexidor
