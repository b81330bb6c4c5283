// SPDX-License-Identifier: MIT
#include "base/Clock.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
TimeOfDay SystemTimeOfDay() {
  SYSTEMTIME now{};
  ::GetSystemTime(&now);
  return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}
#else
TimeOfDay SystemTimeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto sinceMidnight = now - floor<days>(now);
  const hh_mm_ss<milliseconds> parts{duration_cast<milliseconds>(sinceMidnight)};
  return {static_cast<int>(parts.hours().count()), static_cast<int>(parts.minutes().count()),
          static_cast<int>(parts.seconds().count()),
          static_cast<int>(parts.subseconds().count())};
}
#endif

ClockSource& InstalledClock() {
  static ClockSource clock;
  return clock;
}

}  // namespace

TimeOfDay CurrentTimeOfDay() {
  const ClockSource& clock = InstalledClock();
  return clock ? clock() : SystemTimeOfDay();
}

void SetClockSource(ClockSource source) { InstalledClock() = std::move(source); }
