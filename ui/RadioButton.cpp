// SPDX-License-Identifier: MIT
#include "ui/RadioButton.h"

namespace ui {

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  Changed(Change::Checked);
  if (!checked || !Parent()) return;
  for (Control* sibling : Parent()->Controls()) {
    auto* radio = dynamic_cast<RadioButton*>(sibling);
    if (radio && radio != this) radio->SetChecked(false);
  }
}

void RadioButton::Click() {
  SetChecked(true);
  WinControl::Click();
}

}  // namespace ui
