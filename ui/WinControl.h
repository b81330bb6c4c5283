// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ui/Control.h"

namespace ui {

// A control with a window of its own: it holds other controls and can take
// the focus. The plain kinds of the game's window follow it here; the
// radio button and the gauge, which keep state, have files of their own.
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

// A push button; Tab stops at it.
class Button final : public WinControl {
 public:
  Button() { SetTabStop(true); }
};

// A plain area inside a raised edge one pixel wide, holding other controls.
class Panel final : public WinControl {};

// A frame with a caption drawn around other controls. It groups nothing:
// radio buttons exclude each other by sharing a parent.
class GroupBox final : public WinControl {};

}  // namespace ui
