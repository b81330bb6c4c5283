// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ui/Control.h"

namespace ui {

// A control with a window of its own: it holds other controls and can take
// the focus.
class WinControl : public Control {
 public:
  ~WinControl() override;

  [[nodiscard]] bool HasWindow() const override { return true; }

  // The controls whose parent this is, in the order they were placed.
  [[nodiscard]] const std::vector<Control*>& Controls() const { return controls_; }

  // The position among the windowed siblings for Tab; ties keep the order
  // of placing. A new control goes after the siblings it finds.
  [[nodiscard]] int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
  // Whether Tab stops here.
  [[nodiscard]] bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  // In a form, and visible and enabled up to it (the form itself may still
  // be hidden).
  [[nodiscard]] bool CanFocus() const;
  // Gives this control the focus; raises Exception when it cannot take it.
  void SetFocus();
  [[nodiscard]] bool Focused() const;

 protected:
  WinControl() = default;

 private:
  void InsertControl(Control& control);
  void RemoveControl(Control& control);

  std::vector<Control*> controls_;
  int tabOrder_ = 0;
  bool tabStop_ = false;

  friend class Control;
};

}  // namespace ui
