// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "base/Object.h"
#include "ui/Component.h"
#include "ui/Keys.h"

namespace ui {

// One entry of a menu: a command, a separator (caption "-") or the title of
// a sub-menu. Its sub-items are components it owns. A menu is complete
// before its form is bound to the platform, which shows it as it is then.
class MenuItem : public Component {
 public:
  MenuItem() = default;
  explicit MenuItem(std::string caption) : caption_(std::move(caption)) {}

  // Appends an owned sub-item and returns it.
  MenuItem& Add(std::string caption);
  MenuItem& AddSeparator() { return Add("-"); }
  [[nodiscard]] const std::vector<MenuItem*>& Items() const { return items_; }

  // The caption, with "&" before the access letter.
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  [[nodiscard]] bool IsSeparator() const { return caption_ == "-"; }

  // The function key that runs the item's command directly, pressed
  // without modifiers; 0 for none.
  [[nodiscard]] int ShortCut() const { return shortCut_; }
  void SetShortCut(int key) { shortCut_ = key; }
  // The text a menu shows beside the item for its shortcut ("F2"); empty
  // for none.
  [[nodiscard]] std::string ShortCutText() const;

  // Choosing the item: runs OnClick.
  void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  int shortCut_ = 0;
  std::vector<MenuItem*> items_;
};

// A window's menu bar: the root of the menu's tree, whose items are the
// bar's titles.
class MainMenu final : public MenuItem {
 public:
  // Runs the command of the item whose shortcut this key is; false,
  // running nothing, if no item has it or a modifier is held.
  bool RunShortCut(int key, ShiftState shift);
};

}  // namespace ui
