// The hit rule of the vocabulary list's search: the search text, in lower case, is part of
// the lower-case first line of either side or of the level digit.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace lexidor {

class TVokList;

class TSuchmuster {
public:
    explicit TSuchmuster(std::string_view suchtext); // code page 1252
    bool Treffer(std::string_view deutsch, std::string_view fremd, int stufe) const;
    // The first card from index ab on in compartment stufe that is a hit, or -1: the same
    // rule, faster.
    int ErsterTreffer(const TVokList& fach, int stufe, int ab) const;

private:
    // Whether the first line of a side holds the pattern: of any text, and of a text of the
    // card box, which may be read past its end.
    bool Seite(std::string_view seite) const;
    bool SeiteImFach(std::string_view seite) const;
    bool Ziffer(int stufe) const;
    bool PasstAb(std::string_view seite, std::size_t i) const;

    std::string muster_; // in lower case
    // Each of the pattern's first two bytes in lower and upper case.
    std::pair<unsigned char, unsigned char> erstes_{}, zweites_{};
    bool nie_ = false; // the pattern cannot stand in a first line
};

} // namespace lexidor
