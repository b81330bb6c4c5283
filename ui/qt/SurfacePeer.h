// SPDX-License-Identifier: MIT
#pragma once

#include "ui/GraphicControl.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a windowless control that draws for itself (the board): its part of
// the parent's surface, scaled to the screen's pixel ratio by taking the
// nearest pixel so that it stays crisp. A repaint the control asks for runs
// from the event loop, under the error guard.
class SurfacePeer final : public WidgetPeer {
 public:
  SurfacePeer(Platform& platform, GraphicControl& control);

 protected:
  void ApplyOwn(Change what) override;
  void ApplyParent() override;

 private:
  void ScheduleRepaint();
  void WatchParentSurface();

  GraphicControl& control_;
  bool repaintScheduled_ = false;
};

}  // namespace ui::qt
