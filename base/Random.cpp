// SPDX-License-Identifier: MIT
#include "base/Random.h"

#include "base/Clock.h"

namespace {

std::uint32_t gSeed = 0;

constexpr std::uint32_t kMultiplier = 134775813U;

}  // namespace

void SeedFromClock() { gSeed = CurrentTimeOfDay().MillisecondsOfDay(); }

std::int32_t RandomBelow(std::int32_t n) {
  gSeed = gSeed * kMultiplier + 1U;  // wraps modulo 2^32 by unsigned arithmetic
  const std::uint64_t product =
      static_cast<std::uint64_t>(gSeed) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(product >> 32));
}

std::uint32_t RandSeed() { return gSeed; }

void SetRandSeed(std::uint32_t seed) { gSeed = seed; }
