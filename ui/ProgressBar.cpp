// SPDX-License-Identifier: MIT
#include "ui/ProgressBar.h"

#include <algorithm>

namespace ui {

void ProgressBar::SetMin(int min) {
  if (min == min_) return;
  min_ = min;
  Changed(Change::Position);
  SetPosition(position_);
}

void ProgressBar::SetMax(int max) {
  if (max == max_) return;
  max_ = max;
  Changed(Change::Position);
  SetPosition(position_);
}

void ProgressBar::SetPosition(int position) {
  position = Clamped(position);
  if (position == position_) return;
  position_ = position;
  Changed(Change::Position);
}

int ProgressBar::Clamped(int position) const {
  // A range set upside down is taken from its minimum, as it holds no
  // position between the two.
  return std::max(min_, std::min(position, std::max(min_, max_)));
}

}  // namespace ui
