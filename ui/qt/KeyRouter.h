// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace ui::qt {

class Platform;

// Takes every key event meant for a form's window before any widget sees
// it and plays it into the model's key routing (menu shortcuts, focus
// navigation, the form's handlers, the focused control), under the error
// guard. Menus and message boxes keep their own keys.
class KeyRouter final : public QObject {
 public:
  explicit KeyRouter(Platform& platform) : platform_(platform) {}

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Platform& platform_;
};

}  // namespace ui::qt
