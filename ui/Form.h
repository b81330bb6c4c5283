// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>

#include "base/Object.h"
#include "ui/Keys.h"
#include "ui/MenuItem.h"
#include "ui/Control.h"

namespace ui {

// Where a key-down ended up, which decides whether it also types a
// character: keys taken by the menu or by focus navigation do not.
enum class KeyRoute { MenuShortCut, FocusNavigation, Handlers };

using TKeyEvent = std::function<void(TObject& Sender, int& Key, ShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject& Sender, char& Key)>;

// A top-level window: its caption is the window title, its position is on
// the screen, and its width and height are those of its client area (below
// the menu bar; the frame is the platform's: a single fixed border with a
// minimise box and no maximise box, as the game's window is never resized).
// It starts hidden.
class Form : public WinControl {
 public:
  Form();
  ~Form() override;

  [[nodiscard]] MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);

  // The control with the focus; nullptr when the window itself has it.
  [[nodiscard]] WinControl* ActiveControl() const { return activeControl_; }
  // Moves the focus without the checks of SetFocus; nullptr leaves no
  // control focused.
  void SetActiveControl(WinControl* control);

  // A key going down, routed in this order: menu shortcuts; focus
  // navigation (Tab, Shift+Tab, and the arrows while a control has the
  // focus; none of them with Alt, Tab not with Ctrl); then OnKeyDown. No
  // control acts on keys of its own: the game's handler consumes them all.
  KeyRoute KeyDown(int key, ShiftState shift);
  // A typed character, as a Unicode code point: OnKeyPress for an ASCII
  // one, nothing for any other, as the game reads no other.
  void KeyPress(char32_t character);
  // A whole keystroke as the platform delivers it: the key-down, then its
  // character (if it makes one) unless the menu or navigation took the key
  // or Alt alone was held (Alt+key is a command for the window; Ctrl+Alt
  // is how some keyboards type their third characters, which do count).
  void KeyStroke(int key, ShiftState shift, std::optional<char32_t> character = std::nullopt);

  // Hides the window and tells the platform that it closed, which ends the
  // application when this is the main window.
  void Close();
  [[nodiscard]] bool Closed() const { return closed_; }

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

 private:
  bool Navigate(int key, ShiftState shift);
  // Moves the focus to the next (or previous) control after `current`
  // among those that can take it, wrapping around. With `checkTabStop`
  // (Tab) only controls with TabStop count, anywhere in the window;
  // without it (the arrows) only the siblings of `current`.
  void SelectNext(WinControl* current, bool forward, bool checkTabStop);

  MainMenu* menu_ = nullptr;
  WinControl* activeControl_ = nullptr;
  bool closed_ = false;
};

}  // namespace ui
