// User text in messages: what shows as nothing or turns the line around appears by its code.
#include "zeichenanzeige.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Anzeigetext, InvisibleAndDirectionCharactersByTheirCode) {
    for (const auto& fall : Testfaelle("anzeigetext.txt")) {
        EXPECT_EQ(Anzeigetext(fall[0]), fall[1]) << fall[0];
    }
}

} // namespace
} // namespace lexidor
