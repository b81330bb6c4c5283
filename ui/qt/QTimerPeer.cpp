// SPDX-License-Identifier: MIT
#include "ui/qt/QTimerPeer.h"

#include <algorithm>
#include <climits>

#include "ui/qt/Platform.h"

namespace ui::qt {

QTimerPeer::QTimerPeer(Platform& platform, Timer& timer) {
  clock_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&clock_, &QTimer::timeout, &clock_, [&platform, &timer] { platform.Guard([&timer] { timer.Tick(); }); });
}

bool QTimerPeer::Start(unsigned interval) {
  clock_.start(static_cast<int>(std::min<unsigned>(interval, INT_MAX)));
  // Qt reports a timer it could not get by leaving it inactive.
  return clock_.isActive();
}

void QTimerPeer::Stop() { clock_.stop(); }

}  // namespace ui::qt
