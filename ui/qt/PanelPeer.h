// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Panel.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a panel: its colour inside a raised or lowered edge.
class PanelPeer final : public WidgetPeer {
 public:
  PanelPeer(Platform& platform, Panel& panel);

 protected:
  void ApplyOwn(Change what) override;

 private:
  Panel& panel_;
};

}  // namespace ui::qt
