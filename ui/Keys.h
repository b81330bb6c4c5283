// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ui {

// Virtual-key codes, the numbers that key-down handlers receive: those the
// game and the focus navigation read, and the function keys that menus
// take as shortcuts (F1 = 112 ... F12 = 123).
inline constexpr int kKeyTab = 9;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF12 = 123;

// The modifier keys held while a key goes down.
struct ShiftState {
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;

  constexpr bool operator==(const ShiftState&) const = default;
};

// A key with its modifiers that runs a menu command directly. Key 0 means
// no shortcut.
struct ShortCut {
  int Key = 0;
  ShiftState Shift;

  [[nodiscard]] constexpr bool IsNone() const { return Key == 0; }
  constexpr bool operator==(const ShortCut&) const = default;
};

// The text a menu shows beside an item for its shortcut ("F2",
// "Ctrl+F5"); empty for no shortcut or a key that is not a function key.
[[nodiscard]] std::string ShortCutToText(ShortCut shortCut);

}  // namespace ui
