// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ui/Form.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// Shows a form as a top-level window owned by the application's window:
// the outer frame at the form's position, the client area below the menu
// bar at the form's size. Closing it asks the model to close the form;
// the menu's commands and the frame's minimise button go through the
// model and the application's window.
class FormPeer final : public WindowPeer {
 public:
  FormPeer(Platform& platform, Form& form);
  ~FormPeer() override;

  // The form whose window holds `window` (or is it); nullptr for windows of
  // no form, such as a message box.
  [[nodiscard]] static Form* FormOf(HWND window);

 protected:
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ApplyOwn(Change what) override;
  void ApplyCaption() override;
  void ApplyParent() override {}
  void ApplyBounds() override;
  void ApplyVisible() override;
  void ApplyFocus() override;

 private:
  // The outer size of the window whose client area, below the menu bar if
  // there is one, has the form's size.
  [[nodiscard]] SIZE FrameSize() const;
  // Shows the form's menu bar in place of the one shown.
  void BuildMenu();
  // Makes the form's menu bar, its commands listed in commands_; nullptr
  // for a form without one.
  [[nodiscard]] HMENU MakeMenu();
  // Gives the system's focus to the model's focused control, or to the
  // window itself when none has it.
  void FocusActiveControl();

  Form& form_;
  HMENU menu_ = nullptr;
  const MainMenu* shownMenu_ = nullptr;
  std::vector<MenuItem*> commands_;
};

}  // namespace ui::win32
