// SPDX-License-Identifier: MIT
#include "ui/MenuItem.h"

namespace ui {
namespace {

// The item in `menu`'s tree (`menu` excluded) whose shortcut is `key`;
// nullptr if there is none.
MenuItem* FindShortCut(const MenuItem& menu, int key) {
  for (MenuItem* item : menu.Items()) {
    if (item->ShortCut() == key) return item;
    if (MenuItem* found = FindShortCut(*item, key)) return found;
  }
  return nullptr;
}

}  // namespace

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

bool MainMenu::RunShortCut(int key, ShiftState shift) {
  MenuItem* item = shift == ShiftState{} && key != 0 ? FindShortCut(*this, key) : nullptr;
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui
