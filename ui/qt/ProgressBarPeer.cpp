// SPDX-License-Identifier: MIT
#include "ui/qt/ProgressBarPeer.h"

#include <algorithm>

#include <QProgressBar>

namespace ui::qt {

ProgressBarPeer::ProgressBarPeer(Platform& platform, ProgressBar& bar)
    : WidgetPeer(platform, bar, new QProgressBar), bar_(bar) {
  static_cast<QProgressBar*>(Widget())->setTextVisible(false);
}

void ProgressBarPeer::ApplyOwn(Change what) {
  if (what != Change::Range && what != Change::Position) return;
  auto* widget = static_cast<QProgressBar*>(Widget());
  widget->setRange(bar_.Min(), std::max(bar_.Min(), bar_.Max()));
  widget->setValue(bar_.Position());
}

}  // namespace ui::qt
