// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ui {

// Virtual-key codes, the numbers that key-down handlers receive. Letters
// and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyControl = 17;
inline constexpr int kKeyMenu = 18;  // Alt
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPrior = 33;
inline constexpr int kKeyNext = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyNumpad0 = 96;
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

// The text a menu shows beside an item for its shortcut ("F2", "Ctrl+N");
// empty for no shortcut.
[[nodiscard]] std::string ShortCutToText(ShortCut shortCut);

}  // namespace ui
