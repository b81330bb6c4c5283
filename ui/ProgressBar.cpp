// SPDX-License-Identifier: MIT
#include "ui/ProgressBar.h"

#include <algorithm>

namespace ui {

void ProgressBar::SetMin(int min) {
  if (Store(min_, min)) RangeChanged();
}

void ProgressBar::SetMax(int max) {
  if (Store(max_, max)) RangeChanged();
}

void ProgressBar::SetPosition(int position) {
  if (Store(position_, Clamped(position))) Changed(Change::Position);
}

void ProgressBar::RangeChanged() {
  Changed(Change::Position);
  SetPosition(position_);
}

int ProgressBar::Clamped(int position) const {
  // A range set upside down is taken from its minimum, as it holds no
  // position between the two.
  return std::max(min_, std::min(position, std::max(min_, max_)));
}

}  // namespace ui
