// The hit rule of the vocabulary list's search: the search text, case folded, is part of the
// case-folded first line of either side or of the level digit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

class TVokList;

class TSuchmuster {
public:
    explicit TSuchmuster(std::string_view suchtext); // UTF-8
    bool Treffer(std::string_view deutsch, std::string_view fremd, int stufe) const;
    // The first card from index ab on in compartment stufe that is a hit, or -1: the same
    // rule, faster.
    int ErsterTreffer(const TVokList& fach, int stufe, int ab) const;

private:
    // Whether the first line of a side holds the pattern: of any text, and of either side of
    // a card of the card box, both sides at once, which may be read past their end.
    bool Seite(std::string_view seite) const;
    bool KarteImFach(std::string_view seiten, std::size_t d) const;
    bool Ziffer(int stufe) const;
    bool PasstAb(std::string_view seite, std::size_t i) const;
    void FormenSammeln();

    std::u32string muster_;      // case folded
    std::size_t mindestens_ = 0; // the fewest bytes a hit can take: "K" may be the Kelvin sign
    // The bytes that can stand at each of a hit's first places, in any case.
    std::vector<std::vector<unsigned char>> stellen_;
    bool nie_ = false; // the pattern cannot stand in a first line
};

} // namespace lexidor
