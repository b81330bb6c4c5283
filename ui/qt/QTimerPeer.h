// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>

#include "ui/Timer.h"

namespace ui::qt {

class Platform;

// Drives a model timer from a precise QTimer; each tick reaches the model
// through the error guard. The model decides when to (re)start: QTimer's
// start would restart a running timer.
class QTimerPeer final : public TimerPeer {
 public:
  QTimerPeer(Platform& platform, Timer& timer);

  [[nodiscard]] bool Start(unsigned interval) override;
  void Stop() override;

  [[nodiscard]] const QTimer& Clock() const { return clock_; }

 private:
  QTimer clock_;
};

}  // namespace ui::qt
