// SPDX-License-Identifier: MIT
#include "ui/qt/MenuItemPeer.h"

#include "ui/qt/Platform.h"
#include "ui/qt/Text.h"

namespace ui::qt {

MenuItemPeer::MenuItemPeer(Platform& platform, MenuItem& item, QAction& action, std::function<void()> rebuild)
    : item_(item), action_(&action), rebuild_(std::move(rebuild)) {
  if (item.Items().empty() && !item.IsSeparator()) {
    triggered_ = QObject::connect(&action, &QAction::triggered, &action,
                                  [&platform, &item] { platform.Guard([&item] { item.Click(); }); });
  }
  action.setEnabled(item.Enabled());
  action.setVisible(item.Visible());
}

MenuItemPeer::~MenuItemPeer() {
  // The action may outlive its item for a moment; it must not reach it.
  QObject::disconnect(triggered_);
}

void MenuItemPeer::Changed(Change what) {
  if (!action_) return;
  switch (what) {
    case Change::Caption:
    case Change::ShortCut: action_->setText(ActionText(item_)); break;
    case Change::Enabled: action_->setEnabled(item_.Enabled()); break;
    case Change::Visible: action_->setVisible(item_.Visible()); break;
    case Change::Menu: rebuild_(); break;
    default: break;
  }
}

QString MenuItemPeer::ActionText(const MenuItem& item) {
  QString text = MnemonicText(item.Caption());
  if (!item.ShortCut().IsNone()) text += u'\t' + ToQString(ShortCutToText(item.ShortCut()));
  return text;
}

}  // namespace ui::qt
