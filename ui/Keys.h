// SPDX-License-Identifier: MIT
#pragma once

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

}  // namespace ui
