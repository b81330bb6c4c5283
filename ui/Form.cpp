// SPDX-License-Identifier: MIT
#include "ui/Form.h"

#include <algorithm>

namespace ui {
namespace {

// The windowed controls inside `root` in Tab order: each control, then the
// controls inside it, siblings sorted by TabOrder.
void AppendTabOrder(const WinControl& root, std::vector<WinControl*>& list) {
  std::vector<WinControl*> children;
  for (Control* control : root.Controls()) {
    if (control->HasWindow()) children.push_back(static_cast<WinControl*>(control));
  }
  std::stable_sort(children.begin(), children.end(),
                   [](const WinControl* a, const WinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (WinControl* child : children) {
    list.push_back(child);
    AppendTabOrder(*child, list);
  }
}

}  // namespace

Form::Form() : WinControl(ControlKind::Form) { SetVisible(false); }

Form::~Form() {
  // The controls go while the form is whole, so that the last of them can
  // still give up the focus and leave the form's lists.
  activeControl_ = nullptr;
  DestroyComponents();
}

void Form::SetMenu(MainMenu* menu) {
  if (Store(menu_, menu)) Changed(Change::Layout);
}

void Form::SetActiveControl(WinControl* control) {
  if (control == this) control = nullptr;
  if (control == activeControl_) return;
  WinControl* previous = activeControl_;
  activeControl_ = control;
  if (previous) previous->Changed(Change::Focus);
  if (control) control->Changed(Change::Focus);
  Changed(Change::Focus);
}

void Form::SelectNext(WinControl* current, bool forward, bool checkTabStop) {
  // Arrow navigation stays among the current control's siblings; Tab goes
  // through the whole window.
  const WinControl& root = (!checkTabStop && current && current->Parent()) ? *current->Parent() : *this;
  std::vector<WinControl*> list;
  AppendTabOrder(root, list);
  // The candidates in the order of the move: those after the current one,
  // then, wrapping round, those before it.
  const auto found = std::find(list.begin(), list.end(), current);
  if (found != list.end()) std::rotate(list.begin(), found + 1, list.end());
  if (!forward) std::reverse(list.begin(), list.end());
  const auto next = std::find_if(list.begin(), list.end(), [&](const WinControl* candidate) {
    return candidate != current && (checkTabStop ? candidate->TabStop() : candidate->Parent() == &root) &&
           candidate->CanFocus();
  });
  if (next != list.end()) SetActiveControl(*next);
}

KeyRoute Form::KeyDown(int key, ShiftState shift) {
  if (menu_ && menu_->RunShortCut(key, shift)) return KeyRoute::MenuShortCut;
  if (Navigate(key, shift)) return KeyRoute::FocusNavigation;
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  return KeyRoute::Handlers;
}

void Form::KeyPress(char32_t character) {
  if (character >= 0x80 || !OnKeyPress) return;
  char key = static_cast<char>(character);
  OnKeyPress(*this, key);
}

void Form::KeyStroke(int key, ShiftState shift, std::optional<char32_t> character) {
  const bool typed = character && !(shift.Alt && !shift.Ctrl);
  if (KeyDown(key, shift) == KeyRoute::Handlers && typed) KeyPress(*character);
}

void Form::Close() {
  closed_ = true;
  SetVisible(false);
  Changed(Change::Closed);
}

bool Form::Navigate(int key, ShiftState shift) {
  if (shift.Alt) return false;
  if (key == kKeyTab) {
    if (shift.Ctrl) return false;
    SelectNext(activeControl_, !shift.Shift, true);
    return true;
  }
  const bool arrow = key == kKeyLeft || key == kKeyUp || key == kKeyRight || key == kKeyDown;
  if (!arrow || !activeControl_) return false;
  SelectNext(activeControl_, key == kKeyRight || key == kKeyDown, false);
  return true;
}

}  // namespace ui
