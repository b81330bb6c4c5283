// SPDX-License-Identifier: MIT
#include "ui/Timer.h"

#include "base/Exception.h"

namespace ui {

Timer::~Timer() { StopPeriod(); }

void Timer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  if (!enabled_) return;
  StopPeriod();
  StartOrFail();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) StartOrFail();
  else StopPeriod();
}

void Timer::Tick() {
  if (enabled_ && OnTimer) OnTimer(*this);
}

void Timer::SetPeer(std::unique_ptr<TimerPeer> peer) {
  StopPeriod();
  peer_ = std::move(peer);
  if (enabled_) StartOrFail();
}

void Timer::StopPeriod() {
  if (peer_) peer_->Stop();
}

void Timer::StartOrFail() {
  if (!peer_ || interval_ == 0 || peer_->Start(interval_)) return;
  // A timer that does not run must not read as enabled, or handlers that
  // test the flag would act as if it ticked.
  enabled_ = false;
  throw Exception("Not enough timers available");
}

}  // namespace ui
