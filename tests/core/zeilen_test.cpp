// Finding line ends 32 bytes at a time, and the bytes after the last full block one by one.
#include "zeilen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Every length up to past two blocks, a line end at every place (or none) and a second one
// last, the search starting around the first and around a block's end; the other bytes
// differ from CR or LF in one bit only.
TEST(ZeilenendeSuchen, FindsTheFirstCrOrLfFromAnyPlace) {
    const std::string fuellung = "\x8D\x8A\x0C\x0E\x09\x0B\x2D\x4A";
    for (std::size_t laenge = 0; laenge <= 80; ++laenge) {
        for (std::size_t ende = 0; ende <= laenge; ++ende) {
            for (const char zeichen : {'\r', '\n'}) {
                std::string daten;
                for (std::size_t i = 0; i < laenge; ++i) {
                    const bool zweites = ende < laenge && i + 1 == laenge;
                    daten += i == ende || zweites ? zeichen : fuellung[i % fuellung.size()];
                }
                for (const std::size_t ab : {std::size_t{0}, ende - (ende > 0), ende, ende + 1,
                                             std::size_t{31}, std::size_t{33}}) {
                    if (ab > laenge) {
                        continue;
                    }
                    const std::size_t erwartet = ab <= ende    ? ende
                                                 : ab < laenge ? laenge - 1
                                                               : laenge;
                    EXPECT_EQ(ZeilenendeSuchen(daten, ab), erwartet)
                        << laenge << " " << ende << " " << ab;
                }
            }
        }
    }
}

} // namespace
} // namespace lexidor
