// SPDX-License-Identifier: MIT
#include "ui/WinControl.h"

#include <algorithm>

#include "base/Exception.h"
#include "ui/Form.h"

namespace ui {

WinControl::~WinControl() {
  // Children that outlive their parent are left in no window.
  for (Control* control : controls_) control->parent_ = nullptr;
}

bool WinControl::CanFocus() const {
  const Form* form = ParentForm();
  if (!form) return false;
  for (const Control* control = this; control != form; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

void WinControl::SetFocus() {
  if (!CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
  Form* form = ParentForm();
  form->SetActiveControl(form == this ? nullptr : this);
}

bool WinControl::Focused() const {
  const Form* form = ParentForm();
  return form && form->ActiveControl() == this;
}

void WinControl::InsertControl(Control& control) {
  if (auto* window = dynamic_cast<WinControl*>(&control)) {
    window->tabOrder_ = static_cast<int>(
        std::count_if(controls_.begin(), controls_.end(), [](const Control* c) { return c->HasWindow(); }));
  }
  controls_.push_back(&control);
}

void WinControl::RemoveControl(Control& control) { std::erase(controls_, &control); }

}  // namespace ui
