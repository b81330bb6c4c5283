// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A push button; Tab stops at it.
class Button final : public WinControl {
 public:
  Button() { SetTabStop(true); }
};

}  // namespace ui
