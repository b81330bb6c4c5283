// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A radio button. Selecting one clears every other radio button with the
// same parent. Tab stops only at a selected one.
class RadioButton final : public WinControl {
 public:
  [[nodiscard]] bool Checked() const { return checked_; }
  // Selecting clears the siblings; only the user's click runs OnClick.
  void SetChecked(bool checked);

  // The user's click: selects the button, then runs OnClick.
  void Click() override;

 private:
  bool checked_ = false;
};

}  // namespace ui
