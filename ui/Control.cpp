// SPDX-License-Identifier: MIT
#include "ui/Control.h"

#include <algorithm>

#include "base/Exception.h"
#include "ui/Caption.h"
#include "ui/Form.h"

namespace ui {

Control::~Control() {
  DropFocusInside();
  if (parent_) parent_->RemoveControl(*this);
}

void Control::SetParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent && Contains(parent)) throw Exception("A control cannot be placed inside itself");
  DropFocusInside();
  if (parent_) parent_->RemoveControl(*this);
  parent_ = parent;
  if (parent_) parent_->InsertControl(*this);
  Changed(Change::Parent);
  ShowingChangedInside();
}

Form* Control::ParentForm() const {
  // A dynamic cast, as a form asks this while it is destroyed.
  for (const Control* control = this; control; control = control->parent_) {
    if (auto* form = dynamic_cast<const Form*>(control)) return const_cast<Form*>(form);
  }
  return nullptr;
}

bool Control::Contains(const Control* other) const {
  for (; other; other = other->parent_) {
    if (other == this) return true;
  }
  return false;
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Rect bounds{left, top, left + std::max(width, 0), top + std::max(height, 0)};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(Change::Bounds);
  BoundsChanged();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  // The focus goes before the peer hides anything, so no platform gets the
  // chance to pass it on to a neighbour.
  if (!visible) DropFocusInside();
  visible_ = visible;
  Changed(Change::Visible);
  ShowingChangedInside();
}

bool Control::Showing() const {
  if (!visible_) return false;
  if (parent_) return parent_->Showing();
  return kind_ == ControlKind::Form;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (!enabled) DropFocusInside();
  enabled_ = enabled;
  Changed(Change::Enabled);
}

void Control::SetCaption(std::string caption) {
  if (!Store(caption_, std::move(caption))) return;
  Changed(Change::Caption);
  TextChanged();
}

std::string Control::AccessibleName() const {
  return accessibleName_.empty() ? ParseCaption(caption_).Text : accessibleName_;
}

// The peer hears of it as of a caption, which names the control too.
void Control::SetAccessibleName(std::string name) {
  if (Store(accessibleName_, std::move(name))) Changed(Change::Caption);
}

void Control::SetFont(const ui::Font& font) {
  if (!Store(font_, font)) return;
  Changed(Change::Font);
  TextChanged();
}

void Control::SetCursor(ui::Cursor cursor) {
  if (Store(cursor_, cursor)) Changed(Change::Cursor);
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

void Control::Changed(Change what) {
  if (peer_) peer_->Changed(what);
}

void Control::ShowingChangedInside() {
  ShowingChanged();
  if (!HasWindow()) return;
  for (Control* child : static_cast<WinControl*>(this)->Controls()) child->ShowingChangedInside();
}

void Control::DropFocusInside() {
  Form* form = ParentForm();
  if (form && form != this && Contains(form->ActiveControl())) form->SetActiveControl(nullptr);
}

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
  if (control.HasWindow()) {
    static_cast<WinControl&>(control).tabOrder_ =
        static_cast<int>(std::count_if(controls_.begin(), controls_.end(), [](const Control* c) { return c->HasWindow(); }));
  }
  controls_.push_back(&control);
}

void WinControl::RemoveControl(Control& control) { std::erase(controls_, &control); }

void GraphicControl::Invalidate() {
  // A control that does not show is painted whole when it shows.
  if (!showing_) return;
  paintPending_ = true;
  Changed(Change::Invalidated);
}

void GraphicControl::Update() {
  if (!paintPending_) return;
  paintPending_ = false;
  if (showing_) Paint();
}

void GraphicControl::ShowingChanged() {
  // Cached, as every cell the board fills asks.
  const bool showing = Showing();
  if (showing == showing_) return;
  showing_ = showing;
  if (showing_) Invalidate();
}

}  // namespace ui
