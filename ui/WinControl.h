// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

#include "ui/Control.h"
#include "ui/Keys.h"
#include "ui/Surface.h"

namespace ui {

// A control with a window of its own: it holds other controls, can take
// the focus and receives the keys while it has it.
class WinControl : public Control {
 public:
  ~WinControl() override;

  [[nodiscard]] bool HasWindow() const override { return true; }

  // The controls whose parent this is, in the order they were placed.
  [[nodiscard]] const std::vector<Control*>& Controls() const { return controls_; }

  // The size of the area the children are placed in.
  [[nodiscard]] virtual int ClientWidth() const { return Width(); }
  [[nodiscard]] virtual int ClientHeight() const { return Height(); }

  // The position among the windowed siblings for Tab; ties keep the order
  // of placing. A new control goes after the siblings it finds.
  [[nodiscard]] int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
  // Whether Tab stops here.
  [[nodiscard]] bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  // In a form, and visible and enabled up to it (the form itself may still
  // be hidden).
  [[nodiscard]] virtual bool CanFocus() const;
  // Gives this control the focus; raises Exception when it cannot take it.
  void SetFocus();
  [[nodiscard]] bool Focused() const;

  // The pixels of the client area, made on first use, that windowless
  // children draw on.
  [[nodiscard]] ui::Surface& Surface();

  // The focused control's own handling of a key the form passed on.
  virtual void HandleKeyDown(int& key, ShiftState shift);
  virtual void HandleKeyPress(char& key);

 protected:
  WinControl() = default;

  void ChangedWithChildren(Change what) override;
  void BoundsChanged() override;

 private:
  void InsertControl(Control& control);
  void RemoveControl(Control& control);

  std::vector<Control*> controls_;
  int tabOrder_ = 0;
  bool tabStop_ = false;
  std::unique_ptr<ui::Surface> surface_;

  friend class Control;
};

}  // namespace ui
