// A failed write's reason from errno; its sentences, the copy's name and the links a write may
// follow are rows of tests/data/regeln.txt.
#include "dateibefehle.h"
#include "schreibfehler.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Schreibfehler, TheReasonComesFromErrno) {
    EXPECT_EQ(SchreibgrundAus(ENOSPC), Schreibgrund::KeinPlatz);
    EXPECT_EQ(SchreibgrundAus(EDQUOT), Schreibgrund::KeinPlatz);
    EXPECT_EQ(SchreibgrundAus(EROFS), Schreibgrund::KeinZugriff);
    EXPECT_EQ(SchreibgrundAus(EIO), Schreibgrund::Unbekannt);
}

} // namespace
} // namespace lexidor
