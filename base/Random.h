// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// One process-wide pseudo-random source. Its exact sequence matters: the
// order of answers, the penalty moves and the pieces all follow from it, so
// tests can replay a game from a known seed.

// Seeds the source with the UTC time of day in milliseconds.
void SeedFromClock();

// Advances the seed and returns a value in 0..n-1 for n > 0 and 0 for n = 0;
// a negative n is taken as the unsigned number n + 2^32 and the result, read
// as signed, may then be negative.
std::int32_t RandomBelow(std::int32_t n);

// The current seed, and a replacement for it, so that tests can replay a
// sequence.
[[nodiscard]] std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);
