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
class MenuItem final : public Component {
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

  [[nodiscard]] ui::ShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(ui::ShortCut shortCut) { shortCut_ = shortCut; }

  // Choosing the item: runs OnClick.
  void Click();
  TNotifyEvent OnClick;

  // The item in this item's tree (this one excluded) whose shortcut is
  // `shortCut`; nullptr if there is none.
  [[nodiscard]] MenuItem* FindShortCut(ui::ShortCut shortCut) const;

 private:
  std::string caption_;
  ui::ShortCut shortCut_;
  std::vector<MenuItem*> items_;
};

// A window's menu bar: the items of its root are the bar's titles.
class MainMenu final : public Component {
 public:
  MainMenu() : items_(Create<MenuItem>()) {}

  [[nodiscard]] MenuItem& Items() { return items_; }
  [[nodiscard]] const MenuItem& Items() const { return items_; }

  // Runs the command of the item with this shortcut; false, running
  // nothing, if no item has it.
  bool RunShortCut(ShortCut shortCut);

 private:
  MenuItem& items_;
};

}  // namespace ui
