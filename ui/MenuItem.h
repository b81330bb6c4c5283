// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Object.h"
#include "ui/Component.h"
#include "ui/Keys.h"
#include "ui/Peer.h"

namespace ui {

// One entry of a menu: a command, a separator (caption "-") or the title of
// a sub-menu. Its sub-items are components it owns.
class MenuItem final : public Component {
 public:
  MenuItem() = default;
  explicit MenuItem(std::string caption) : caption_(std::move(caption)) {}

  // Appends an owned sub-item and returns it.
  MenuItem& Add(std::string caption);
  MenuItem& AddSeparator() { return Add("-"); }
  [[nodiscard]] const std::vector<MenuItem*>& Items() const { return items_; }
  [[nodiscard]] MenuItem* Parent() const { return parent_; }

  // The caption, with "&" before the access letter.
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  [[nodiscard]] bool IsSeparator() const { return caption_ == "-"; }

  [[nodiscard]] ui::ShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(ui::ShortCut shortCut);

  [[nodiscard]] bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Choosing the item: runs OnClick.
  void Click();
  TNotifyEvent OnClick;

  // The enabled, visible item in this item's tree (this one excluded) whose
  // shortcut is `shortCut`, reached through enabled, visible sub-menus;
  // nullptr if there is none.
  [[nodiscard]] MenuItem* FindShortCut(ui::ShortCut shortCut) const;

  void SetPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }
  [[nodiscard]] Peer* GetPeer() const { return peer_.get(); }

 private:
  void Changed(Change what);

  std::string caption_;
  ui::ShortCut shortCut_;
  bool enabled_ = true;
  bool visible_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
  std::unique_ptr<Peer> peer_;
};

// A window's menu bar: the items of its root are the bar's titles.
class MainMenu final : public Component {
 public:
  MainMenu() : items_(Create<MenuItem>()) {}

  [[nodiscard]] MenuItem& Items() { return items_; }
  [[nodiscard]] const MenuItem& Items() const { return items_; }

  // Runs the command of the item with this shortcut; false if none has it.
  bool IsShortCut(ShortCut shortCut);

 private:
  MenuItem& items_;
};

}  // namespace ui
