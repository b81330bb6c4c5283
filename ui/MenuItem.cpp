// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

namespace ui {

MenuItem& MenuItem::Add(std::string caption) {
  MenuItem& item = Create<MenuItem>(std::move(caption));
  item.parent_ = this;
  items_.push_back(&item);
  Changed(Change::Menu);
  return item;
}

void MenuItem::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed(Change::Caption);
}

void MenuItem::SetShortCut(ui::ShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed(Change::ShortCut);
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Change::Enabled);
}

void MenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Change::Visible);
}

void MenuItem::Click() {
  if (OnClick) OnClick(*this);
}

MenuItem* MenuItem::FindShortCut(ui::ShortCut shortCut) const {
  if (shortCut.IsNone()) return nullptr;
  for (MenuItem* item : items_) {
    if (!item->Enabled() || !item->Visible()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (MenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

void MenuItem::Changed(Change what) {
  if (peer_) peer_->Changed(what);
}

bool MainMenu::IsShortCut(ShortCut shortCut) {
  MenuItem* item = items_.FindShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui
