// Splitting text files into lines: CR LF, a lone CR and a lone LF each end a line,
// and a last line without a line end still counts.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

class Zeilenleser {
public:
    explicit Zeilenleser(std::string_view daten)
        : daten_(daten), nextCR_(Finden('\r')), nextLF_(Finden('\n')) {}

    // The next line, or nullopt after the last one.
    std::optional<std::string_view> Naechste() {
        if (pos_ >= daten_.size()) {
            return std::nullopt;
        }
        // Two memchr streams find the next CR and LF far faster than a byte loop.
        if (nextCR_ < pos_) {
            nextCR_ = Finden('\r');
        }
        if (nextLF_ < pos_) {
            nextLF_ = Finden('\n');
        }
        const std::size_t ende = nextCR_ < nextLF_ ? nextCR_ : nextLF_;
        const std::string_view zeile = daten_.substr(pos_, ende - pos_);
        pos_ = ende;
        if (pos_ < daten_.size()) {
            pos_ += (daten_[pos_] == '\r' && pos_ + 1 < daten_.size() && daten_[pos_ + 1] == '\n')
                        ? 2
                        : 1;
        }
        return zeile;
    }

private:
    std::size_t Finden(char c) const {
        const void* p = std::memchr(daten_.data() + pos_, c, daten_.size() - pos_);
        return p ? static_cast<std::size_t>(static_cast<const char*>(p) - daten_.data())
                 : daten_.size();
    }

    std::string_view daten_;
    std::size_t pos_ = 0;
    std::size_t nextCR_;
    std::size_t nextLF_;
};

// A UTF-8 editor may put a byte-order mark before the first line of the program's files,
// some a second one before a mark they took for text.
inline constexpr std::string_view kBom = "\xEF\xBB\xBF";

inline std::string_view OhneBom(std::string_view daten) {
    while (daten.starts_with(kBom)) {
        daten.remove_prefix(kBom.size());
    }
    return daten;
}

inline std::vector<std::string> ZeilenTeilen(std::string_view daten) {
    std::vector<std::string> zeilen;
    Zeilenleser leser(daten);
    while (auto z = leser.Naechste()) {
        zeilen.emplace_back(*z);
    }
    return zeilen;
}

// Every line followed by CR LF, the last one included.
inline std::string ZeilenVerbinden(const std::vector<std::string>& zeilen) {
    std::string out;
    for (const auto& z : zeilen) {
        out += z;
        out += "\r\n";
    }
    return out;
}

} // namespace lexidor
