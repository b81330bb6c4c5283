// SPDX-License-Identifier: MIT
#pragma once

#include "ui/GroupBox.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a captioned frame.
class GroupBoxPeer final : public WidgetPeer {
 public:
  GroupBoxPeer(Platform& platform, GroupBox& box);

 protected:
  void ApplyOwn(Change what) override;

 private:
  GroupBox& box_;
};

}  // namespace ui::qt
