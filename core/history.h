// The recent-file list: four slots of paths, most recent first, "none" when empty.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

inline constexpr std::string_view kLeererPlatz = "none";

class THistory {
public:
    explicit THistory(int count);

    // nullopt: the file could not be read. Always leaves Count slots.
    void Load(std::optional<std::string_view> datei);
    std::string Save() const;
    void Add(std::string_view path);
    const std::string& Get(int i) const { return Lines[i]; }
    std::string GetDisplay(int i) const;
    // Whether the slot holds a file; the menu hides an empty one.
    bool Belegt(int i) const { return Lines[i] != kLeererPlatz; }

    int Count;
    std::vector<std::string> Lines;
};

} // namespace lexidor
