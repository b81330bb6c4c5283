// SPDX-License-Identifier: MIT
#include "base/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

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

TEST(SeedFromClockTest, UsesMillisecondsOfTheUtcDay) {
  ScopedClockSource clock([] { return TimeOfDay{13, 45, 30, 250}; });
  SetRandSeed(0);
  SeedFromClock();
  EXPECT_EQ(RandSeed(), 49530250U);
}

// The seed comes from the UTC day, so a clock read in local time would be
// off by hours here, where the zone is seven hours east of UTC.
TEST(SeedFromClockTest, SystemClockReadsTheUtcTimeOfDayWhateverTheZone) {
#ifndef _WIN32
  const char* savedZone = std::getenv("TZ");
  const std::string saved = savedZone ? savedZone : "";
  setenv("TZ", "XYZ-7", 1);
  tzset();
#endif
  const std::time_t before = std::time(nullptr);
  const std::uint32_t shown = CurrentTimeOfDay().MillisecondsOfDay() / 1000;
  const std::tm utc = *std::gmtime(&before);
  const auto expected = static_cast<std::uint32_t>(utc.tm_hour * 3600 + utc.tm_min * 60 + utc.tm_sec);
  // A second or two may pass between the readings, across midnight too.
  EXPECT_LE((shown + 86400 - expected) % 86400, 2U);
#ifndef _WIN32
  if (savedZone) setenv("TZ", saved.c_str(), 1);
  else unsetenv("TZ");
  tzset();
#endif
}

}  // namespace
