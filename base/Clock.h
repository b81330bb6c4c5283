// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// The UTC time of day, as the random source is seeded from it.
struct TimeOfDay {
  int Hours = 0;
  int Minutes = 0;
  int Seconds = 0;
  int Milliseconds = 0;

  // Milliseconds since midnight.
  [[nodiscard]] unsigned MillisecondsOfDay() const {
    return static_cast<unsigned>(((Hours * 60 + Minutes) * 60 + Seconds) * 1000 + Milliseconds);
  }
};

using ClockSource = std::function<TimeOfDay()>;

// The current UTC time of day from the replaceable clock (the system clock
// unless a test has put another in its place).
[[nodiscard]] TimeOfDay CurrentTimeOfDay();

// Replaces the clock; an empty source restores the system clock.
void SetClockSource(ClockSource source);

// Puts a clock in place for the lifetime of the object, for tests.
class ScopedClockSource final {
 public:
  explicit ScopedClockSource(ClockSource source) { SetClockSource(std::move(source)); }
  ~ScopedClockSource() { SetClockSource({}); }
  ScopedClockSource(const ScopedClockSource&) = delete;
  ScopedClockSource& operator=(const ScopedClockSource&) = delete;
};
