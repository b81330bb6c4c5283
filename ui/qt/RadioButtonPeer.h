// SPDX-License-Identifier: MIT
#pragma once

#include "ui/RadioButton.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a radio button. Qt's own exclusivity is off: the model clears the
// siblings, and the widget only ever shows the model's selection.
class RadioButtonPeer final : public WidgetPeer {
 public:
  RadioButtonPeer(Platform& platform, RadioButton& radio);

 protected:
  void ApplyOwn(Change what) override;

 private:
  void ShowChecked();

  RadioButton& radio_;
};

}  // namespace ui::qt
