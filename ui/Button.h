// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A push button. The space bar clicks it while it has the focus.
class Button final : public WinControl {
 public:
  Button() { SetTabStop(true); }

  void HandleKeyDown(int& key, ShiftState shift) override;
};

}  // namespace ui
