// SPDX-License-Identifier: MIT
#include "ui/Keys.h"

namespace ui {

std::string ShortCutToText(ShortCut shortCut) {
  if (shortCut.Key < kKeyF1 || shortCut.Key > kKeyF12) return {};
  std::string text;
  if (shortCut.Shift.Shift) text += "Shift+";
  if (shortCut.Shift.Ctrl) text += "Ctrl+";
  if (shortCut.Shift.Alt) text += "Alt+";
  // Appending, rather than adding to a literal, keeps GCC 12's -Wrestrict
  // false alarm away.
  text.append("F").append(std::to_string(shortCut.Key - kKeyF1 + 1));
  return text;
}

}  // namespace ui
