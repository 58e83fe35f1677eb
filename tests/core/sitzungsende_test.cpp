// What a session's end does with the open box, and the question at the next start.
#include "sitzungsende.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Sitzungsende, TheQuestionNamesTheBox) {
    EXPECT_NE(WiederherstellungFrage("/home/x/Englisch.vkd").find("„Englisch.vkd“"),
              std::string::npos);
    EXPECT_NE(WiederherstellungFrage(kKeineDatei).find("„Neu“"), std::string::npos);
}

} // namespace
} // namespace lexidor
