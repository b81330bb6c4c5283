// SPDX-License-Identifier: MIT
#include "base/Random.h"

#include <gtest/gtest.h>

#include "base/Clock.h"

namespace {

// Expected values worked out by hand from seed * 134775813 + 1 and the upper
// half of seed * n, so a change of the generator shows up at once.
TEST(RandomBelowTest, FollowsTheLinearCongruentialSequence) {
  SetRandSeed(12345);
  EXPECT_EQ(RandomBelow(7), 2);
  EXPECT_EQ(RandSeed(), 1655067934U);
  EXPECT_EQ(RandomBelow(100), 28);
  EXPECT_EQ(RandomBelow(0), 0);
  EXPECT_EQ(RandSeed(), 342459380U);
  EXPECT_EQ(RandomBelow(-1), -1917230140);  // -1 acts as 2^32 - 1
  EXPECT_EQ(RandomBelow(3), 1);
  EXPECT_EQ(RandomBelow(0x7FFFFFFF), 733578529);
}

TEST(RandomBelowTest, StaysInRangeForPositiveBounds) {
  SetRandSeed(1);
  for (int i = 0; i < 10000; ++i) {
    const std::int32_t n = 1 + i % 17;
    const std::int32_t value = RandomBelow(n);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, n);
  }
}

TEST(SeedFromClockTest, UsesMillisecondsOfTheUtcDay) {
  ScopedClockSource clock([] { return TimeOfDay{13, 45, 30, 250}; });
  SetRandSeed(0);
  SeedFromClock();
  EXPECT_EQ(RandSeed(), 49530250U);
}

TEST(SeedFromClockTest, SystemClockGivesATimeOfDay) {
  const TimeOfDay now = CurrentTimeOfDay();
  EXPECT_LT(now.MillisecondsOfDay(), 24U * 60 * 60 * 1000);
}

}  // namespace
