// The level bar: cell positions, the pixel steps of a move and where the labels go.
#include "stufenbar.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Runs a move to its end: {steps, 1 ms pauses}.
std::pair<int, int> Laufen(TStufenbar& bar) {
    std::pair<int, int> lauf;
    while (bar.Unterwegs()) {
        ++lauf.first;
        lauf.second += bar.Schritt();
    }
    return lauf;
}

TEST(TStufenbar, ForwardRunPausesOnEveryEvenPixelBackwardRunNever) {
    TStufenbar bar(625); // cells of 104 pixels
    bar.Setzen(3);
    ASSERT_TRUE(bar.Bewegen(4));
    EXPECT_EQ(Laufen(bar), std::pair(104, 52));
    EXPECT_EQ(bar.Position, 312);
    ASSERT_TRUE(bar.Bewegen(1));
    EXPECT_EQ(Laufen(bar), std::pair(312, 0));
    EXPECT_EQ(bar.Position, 0);
    bar.Setzen(6);
    EXPECT_EQ(bar.Position, 520);
    // From an odd pixel the pauses still fall on even positions: 104, 106, ..., 206.
    TStufenbar schmal(618);
    schmal.Setzen(2);
    ASSERT_TRUE(schmal.Bewegen(3));
    EXPECT_EQ(Laufen(schmal), std::pair(103, 52));
}

TEST(TStufenbar, SameLevelAndLevelZeroDoNotSlideAndLabelsAreCentred) {
    TStufenbar bar(625);
    bar.Setzen(1);
    EXPECT_FALSE(bar.Bewegen(1));
    bar.Setzen(3);
    EXPECT_TRUE(bar.Bewegen(0));
    EXPECT_EQ(Laufen(bar).first, 0);
    bar.Setzen(0);
    EXPECT_EQ(bar.Position, 0);
    // Labels are centred in their cell, dividing toward zero: (104 - 111) / 2 is -3.
    EXPECT_EQ(bar.BeschriftungX(5, 61), 541);
    EXPECT_EQ(bar.BeschriftungX(1, 111), 101);
    EXPECT_EQ(TStufenbar::BeschriftungY(10, 15), -2);
}

} // namespace
} // namespace lexidor
