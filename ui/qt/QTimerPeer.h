// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <climits>

#include <QTimer>

#include "ui/Timer.h"
#include "ui/qt/Platform.h"

namespace ui::qt {

// Drives a model timer from a precise QTimer; each tick reaches the model
// through the error guard. The model decides when to (re)start: QTimer's
// start would restart a running timer.
class QTimerPeer final : public TimerPeer {
 public:
  QTimerPeer(Platform& platform, Timer& timer) {
    clock_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock_, &QTimer::timeout, &clock_,
                     [&platform, &timer] { platform.Guard([&timer] { timer.Tick(); }); });
  }

  [[nodiscard]] bool Start(unsigned interval) override {
    clock_.start(static_cast<int>(std::min<unsigned>(interval, INT_MAX)));
    // Qt reports a timer it could not get by leaving it inactive.
    return clock_.isActive();
  }
  void Stop() override { clock_.stop(); }

  [[nodiscard]] const QTimer& Clock() const { return clock_; }

 private:
  QTimer clock_;
};

}  // namespace ui::qt
