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

std::string MenuItem::ShortCutText() const {
  if (shortCut_ < kKeyF1 || shortCut_ > kKeyF12) return {};
  // Appending, rather than adding to a literal, keeps GCC 12's -Wrestrict
  // false alarm away.
  return std::string("F").append(std::to_string(shortCut_ - kKeyF1 + 1));
}

MenuItem* MenuItem::FindShortCut(int key) const {
  if (key == 0) return nullptr;
  for (MenuItem* item : items_) {
    if (item->ShortCut() == key) return item;
    if (MenuItem* found = item->FindShortCut(key)) return found;
  }
  return nullptr;
}

bool MainMenu::RunShortCut(int key, ShiftState shift) {
  MenuItem* item = shift == ShiftState{} ? FindShortCut(key) : nullptr;
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui
