// numeric_test.cpp -- the shared numeric helpers at their edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/world.h"

constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();

TEST(PointInRect, EveryEdgeBelongsToTheRectangle) {
    EXPECT_TRUE(PointInRect(5, 5, 5, 5, 5, 5));
    EXPECT_FALSE(PointInRect(6, 5, 0, 0, 5, 10));
    EXPECT_TRUE(PointInRect(5, 10, 0, 0, 5, 10));  // right and bottom edges
    EXPECT_TRUE(PointInRect(0, 0, 0, 0, 5, 10));   // left and top edges
    EXPECT_FALSE(PointInRect(2, -1, 0, 0, 5, 10));
    EXPECT_FALSE(PointInRect(3, 3, 5, 0, 0, 10));  // left > right holds nothing
    EXPECT_TRUE(PointInRect(Max32, Min32, Min32, Min32, Max32, Max32));
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
    EXPECT_EQ(RoundHalfAway(2.5f), 3);
    EXPECT_EQ(RoundHalfAway(-2.5f), -3);
    EXPECT_EQ(RoundHalfAway(0.0f), 0);
    EXPECT_EQ(RoundHalfAway(-0.0f), 0);
    EXPECT_EQ(RoundHalfAway(0.49f), 0);
    EXPECT_EQ(RoundHalfAway(-0.5f), -1);
    EXPECT_EQ(RoundHalfAway(0.5f), 1);
    EXPECT_EQ(RoundHalfAway(-1.49f), -1);
    EXPECT_EQ(RoundHalfAway(37.9f), 38);
    // In float, 0.49999997f + 0.5f would round up to 1.
    EXPECT_EQ(RoundHalfAway(0.49999997f), 0);
    EXPECT_EQ(RoundHalfAway(-0.49999997f), 0);
}

TEST(RoundHalfAway, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(RoundHalfAway(3.0e9f), Max32);
    EXPECT_EQ(RoundHalfAway(-3.0e9f), Min32);
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<float>::infinity()), Max32);
    EXPECT_EQ(RoundHalfAway(-std::numeric_limits<float>::infinity()), Min32);
    EXPECT_EQ(RoundHalfAway(std::nanf("")), 0);
    EXPECT_EQ(RoundHalfAway(-2147483648.0f), Min32);
    EXPECT_EQ(RoundHalfAway(16777216.0f), 16777216);
}

TEST(TruncToInt, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(TruncToInt(1.99), 1);
    EXPECT_EQ(TruncToInt(-1.99), -1);
    EXPECT_EQ(TruncToInt(2147483647.9), Max32);
    EXPECT_EQ(TruncToInt(2147483648.0), Max32);
    EXPECT_EQ(TruncToInt(-2147483648.9), Min32);
    EXPECT_EQ(TruncToInt(-2147483647.5), -2147483647);
    EXPECT_EQ(TruncToInt(1e300), Max32);
    EXPECT_EQ(TruncToInt(-1e300), Min32);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

TEST(WrappingArithmetic, WrapsLikeTheMachine) {
    EXPECT_EQ(AddWrap(Max32, 1), Min32);
    EXPECT_EQ(SubWrap(Min32, 1), Max32);
    EXPECT_EQ(MulWrap(Min32, -1), Min32);
    EXPECT_EQ(SubWrap(100, 400), -300);
}
