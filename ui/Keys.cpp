// SPDX-License-Identifier: MIT
#include "ui/Keys.h"

#include <array>
#include <string_view>

namespace ui {
namespace {

struct NamedKey {
  int Key;
  std::string_view Name;
};

constexpr std::array kNamedKeys{
    NamedKey{kKeyBack, "BkSp"},   NamedKey{kKeyTab, "Tab"},     NamedKey{kKeyReturn, "Enter"},
    NamedKey{kKeyEscape, "Esc"},  NamedKey{kKeySpace, "Space"}, NamedKey{kKeyPrior, "PgUp"},
    NamedKey{kKeyNext, "PgDn"},   NamedKey{kKeyEnd, "End"},     NamedKey{kKeyHome, "Home"},
    NamedKey{kKeyLeft, "Left"},   NamedKey{kKeyUp, "Up"},       NamedKey{kKeyRight, "Right"},
    NamedKey{kKeyDown, "Down"},   NamedKey{kKeyInsert, "Ins"},  NamedKey{kKeyDelete, "Del"},
};

std::string KeyName(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  // Appending, rather than adding to a literal, keeps GCC 12's -Wrestrict
  // false alarm away.
  std::string name;
  if (key >= kKeyF1 && key <= kKeyF12) {
    name.append("F").append(std::to_string(key - kKeyF1 + 1));
    return name;
  }
  for (const NamedKey& named : kNamedKeys) {
    if (named.Key == key) return std::string(named.Name);
  }
  name.append("Key").append(std::to_string(key));
  return name;
}

}  // namespace

std::string ShortCutToText(ShortCut shortCut) {
  if (shortCut.IsNone()) return {};
  std::string text;
  if (shortCut.Shift.Shift) text += "Shift+";
  if (shortCut.Shift.Ctrl) text += "Ctrl+";
  if (shortCut.Shift.Alt) text += "Alt+";
  text += KeyName(shortCut.Key);
  return text;
}

}  // namespace ui
