// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

namespace ui {

MenuItem& MenuItem::Add(std::string caption) {
  MenuItem& item = Create<MenuItem>(std::move(caption));
  items_.push_back(&item);
  return item;
}

void MenuItem::Click() {
  if (OnClick) OnClick(*this);
}

MenuItem* MenuItem::FindShortCut(ui::ShortCut shortCut) const {
  if (shortCut.IsNone()) return nullptr;
  for (MenuItem* item : items_) {
    if (item->ShortCut() == shortCut) return item;
    if (MenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

bool MainMenu::RunShortCut(ShortCut shortCut) {
  MenuItem* item = items_.FindShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui
