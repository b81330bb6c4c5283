// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A gauge over the integers Min..Max. A position outside the range is
// stored as the nearer limit, and so is the position when the range moves
// past it.
class ProgressBar final : public WinControl {
 public:
  [[nodiscard]] int Min() const { return min_; }
  [[nodiscard]] int Max() const { return max_; }
  [[nodiscard]] int Position() const { return position_; }
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);

 private:
  [[nodiscard]] int Clamped(int position) const;
  void RangeChanged();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace ui
