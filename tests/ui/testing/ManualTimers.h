// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "ui/Component.h"

namespace ui {
class Application;
class Timer;
}  // namespace ui

namespace ui::testing {

// Timers on a virtual clock that only moves when a test advances it, so a
// test can tell exactly when each timer ticks. Bind gives every timer in a
// component tree a peer on this clock.
class ManualTimers final {
 public:
  ManualTimers();
  ~ManualTimers();
  ManualTimers(const ManualTimers&) = delete;
  ManualTimers& operator=(const ManualTimers&) = delete;

  // Attaches a peer to `timer`, or to every timer owned, at any depth, by
  // `root` (the root included).
  void Bind(Timer& timer);
  void Bind(Component& root);

  // Ticks run through this application's error guard, as the platform's
  // do; without one, errors reach the test.
  void SetApplication(Application* application);

  // Moves the clock on by `milliseconds`, ticking every running timer whose
  // period ends on the way, in order of time (timers due together tick in
  // the order they were bound).
  void Advance(std::uint64_t milliseconds);
  [[nodiscard]] std::uint64_t Now() const;

  // While set, the platform has no timer left to give.
  void SetRefuseTimers(bool refuse);

  // Whether the platform's timer behind `timer` runs, and when it will tick
  // next (meaningless when it does not run).
  [[nodiscard]] bool Running(const Timer& timer) const;
  [[nodiscard]] std::uint64_t NextTick(const Timer& timer) const;
  // How many times the platform's timer behind `timer` was (re)started.
  [[nodiscard]] int Starts(const Timer& timer) const;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace ui::testing
