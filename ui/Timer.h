// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "base/Object.h"
#include "ui/Component.h"

namespace ui {

// The platform's side of a timer: a periodic tick on the user-interface
// thread that calls Timer::Tick.
class TimerPeer {
 public:
  TimerPeer() = default;
  TimerPeer(const TimerPeer&) = delete;
  TimerPeer& operator=(const TimerPeer&) = delete;
  virtual ~TimerPeer() = default;

  // Starts a fresh period of `interval` ms, restarting one that runs;
  // false when the platform has no timer to give.
  [[nodiscard]] virtual bool Start(unsigned interval) = 0;
  virtual void Stop() = 0;
};

// A window timer. While it is enabled and its interval is above 0 it ticks
// once per interval. Enabling a disabled timer starts a fresh period;
// enabling an enabled one, disabling a disabled one or setting the interval
// it has changes nothing; a different interval restarts the period of an
// enabled timer. Like the platform's, it starts enabled with 1000 ms.
class Timer final : public Component {
 public:
  ~Timer() override;

  [[nodiscard]] unsigned Interval() const { return interval_; }
  // Raises Exception("Not enough timers available") when the platform
  // refuses the restarted timer; the timer is then disabled.
  void SetInterval(unsigned interval);

  [[nodiscard]] bool Enabled() const { return enabled_; }
  // Raises Exception("Not enough timers available") when the platform
  // refuses a timer; the timer then stays disabled.
  void SetEnabled(bool enabled);

  // One period has passed: runs OnTimer while the timer is enabled.
  void Tick();
  TNotifyEvent OnTimer;

  // Attaches the platform's timer, starting it if this timer runs.
  void SetPeer(std::unique_ptr<TimerPeer> peer);
  [[nodiscard]] TimerPeer* GetPeer() const { return peer_.get(); }

 private:
  void StopPeriod();
  // Starts the platform's timer if this one should run; raises if refused.
  void StartOrFail();

  unsigned interval_ = 1000;
  bool enabled_ = true;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace ui
