// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Button.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a push button; a click reaches the model's Click. Pressing the
// mouse on it gives it the focus, as on the system the game was made for.
class ButtonPeer final : public WidgetPeer {
 public:
  ButtonPeer(Platform& platform, Button& button);

 protected:
  void ApplyOwn(Change what) override;

 private:
  Button& button_;
};

}  // namespace ui::qt
