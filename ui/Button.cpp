// SPDX-License-Identifier: MIT
#include "ui/Button.h"

namespace ui {

void Button::HandleKeyDown(int& key, ShiftState shift) {
  if (key == kKeySpace && shift == ShiftState{}) Click();
}

}  // namespace ui
