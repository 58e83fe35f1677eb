// The hit rule of the vocabulary list's search: the search text, in lower case, is part of
// the lower-case first line of either side or of the level digit.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lexidor {

class TSuchmuster {
public:
    explicit TSuchmuster(std::string_view suchtext); // code page 1252
    bool Treffer(std::string_view deutsch, std::string_view fremd, int stufe) const;

private:
    bool Enthaelt(std::string_view text) const;
    std::string muster_;             // in lower case
    std::array<bool, 256> anfang_{}; // bytes whose lower case is the pattern's first byte
};

} // namespace lexidor
