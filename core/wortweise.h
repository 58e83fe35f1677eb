// Eight bytes tested at once in a plain 64-bit word: where millions of short lines or card
// sides are scanned for a few byte values, this takes a fraction of a byte loop's time and
// needs no processor-specific instructions. A word holds its bytes first byte lowest.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace lexidor::wortweise {

inline std::uint64_t Laden(const char* p) {
    std::uint64_t wort;
    std::memcpy(&wort, p, sizeof wort);
    if constexpr (std::endian::native == std::endian::big) {
        wort = __builtin_bswap64(wort);
    }
    return wort;
}

// The high bit of every byte of wort that equals b, and no other bit.
inline std::uint64_t Gleich(std::uint64_t wort, char b) {
    constexpr std::uint64_t kSieben = 0x7F7F7F7F7F7F7F7Fu;
    const std::uint64_t x = wort ^ (0x0101010101010101u * static_cast<unsigned char>(b));
    return ~(((x & kSieben) + kSieben) | x | kSieben);
}

// The place in the word of the first byte marked in treffer, which is not 0.
inline std::size_t Erstes(std::uint64_t treffer) {
    return static_cast<std::size_t>(std::countr_zero(treffer) / 8);
}

// The eight marks of a word as eight bits, the first byte's lowest.
inline std::uint32_t Bits(std::uint64_t treffer) {
    return static_cast<std::uint32_t>(((treffer >> 7) * 0x0102040810204080u) >> 56);
}

} // namespace lexidor::wortweise
