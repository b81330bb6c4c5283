// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QAction>
#include <QPointer>

#include "ui/MenuItem.h"
#include "ui/Peer.h"

namespace ui::qt {

class Platform;

// Shows a menu item as a Qt action: its caption with the access letter and
// its shortcut's name beside it. The shortcut itself is matched by the
// model's key routing, not by Qt. Choosing the item reaches the model's
// Click; a change to the menu's tree asks the window to rebuild its bar.
class MenuItemPeer final : public Peer {
 public:
  MenuItemPeer(Platform& platform, MenuItem& item, QAction& action, std::function<void()> rebuild);
  ~MenuItemPeer() override;

  void Changed(Change what) override;

  // The action's text: the caption in Qt's mnemonic form, then a tab and
  // the shortcut's name, which Qt shows at the right of the menu.
  [[nodiscard]] static QString ActionText(const MenuItem& item);

 private:
  MenuItem& item_;
  QPointer<QAction> action_;
  QMetaObject::Connection triggered_;
  std::function<void()> rebuild_;
};

}  // namespace ui::qt
