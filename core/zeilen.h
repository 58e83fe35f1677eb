// Splitting text files into lines: CR LF, a lone CR and a lone LF each end a line,
// and a last line without a line end still counts.
#pragma once

#include <experimental/simd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// The position of the next CR or LF at or after ab, or daten.size() when there is none.
// Lines of card-box files are short and millions: a vector register tests 32 bytes at once,
// where a byte loop or one memchr per line end would take several times as long.
inline std::size_t ZeilenendeSuchen(std::string_view daten, std::size_t ab) {
    namespace stdx = std::experimental;
    using Bytes = stdx::fixed_size_simd<unsigned char, 32>;
    std::size_t i = ab;
    for (; i + Bytes::size() <= daten.size(); i += Bytes::size()) {
        const Bytes bytes(reinterpret_cast<const unsigned char*>(daten.data() + i),
                          stdx::element_aligned);
        const auto enden = (bytes == static_cast<unsigned char>('\r')) |
                           (bytes == static_cast<unsigned char>('\n'));
        if (stdx::any_of(enden)) {
            return i + static_cast<std::size_t>(stdx::find_first_set(enden));
        }
    }
    while (i < daten.size() && daten[i] != '\r' && daten[i] != '\n') {
        ++i;
    }
    return i;
}

class Zeilenleser {
public:
    explicit Zeilenleser(std::string_view daten) : daten_(daten) {}

    // The next line, or nullopt after the last one.
    std::optional<std::string_view> Naechste() {
        if (pos_ >= daten_.size()) {
            return std::nullopt;
        }
        const std::size_t ende = ZeilenendeSuchen(daten_, pos_);
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
    std::string_view daten_;
    std::size_t pos_ = 0;
};

// s without the characters at either end for which leer holds.
template <typename Leer> std::string_view OhneRaender(std::string_view s, Leer leer) {
    while (!s.empty() && leer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && leer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The writers hand their bytes on in pieces of this size: a piece fits the cache while it
// is converted, and costs the sink one write.
inline constexpr std::size_t kStueck = std::size_t{1} << 20;

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
