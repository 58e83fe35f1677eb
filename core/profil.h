// A profile (INI) file as a list of lines: sections and keys are found without regard to
// letter case, one entry is changed or appended at a time, every other line stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// Equal when letter case is ignored by the rules of code page 1252, as sections, keys and
// colour names are compared.
bool GleichOhneFall(std::string_view a, std::string_view b);

class Profildatei {
public:
    Profildatei() = default;
    // Reads any bytes; CR LF, CR and LF end lines, and a byte-order mark at the start is
    // passed over.
    explicit Profildatei(std::string_view daten);

    // The value of the key, blanks around it removed; nullopt when section or key is missing.
    std::optional<std::string> Lesen(std::string_view sektion, std::string_view schluessel) const;
    // Replaces the entry's line, or appends the entry to its section, or appends the section.
    void Schreiben(std::string_view sektion, std::string_view schluessel, std::string_view wert);

    // The lines, each ended by CR LF.
    std::string Daten() const;
    const std::vector<std::string>& Zeilen() const { return zeilen_; }

private:
    struct Bereich {
        std::size_t kopf; // line of the section header
        std::size_t ende; // one past the last line of the section
    };
    std::optional<Bereich> SektionFinden(std::string_view sektion) const;
    std::optional<std::size_t> EintragFinden(const Bereich& b, std::string_view schluessel) const;

    std::vector<std::string> zeilen_;
};

} // namespace lexidor
