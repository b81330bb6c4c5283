// SPDX-License-Identifier: MIT
#include "ui/GraphicControl.h"

namespace ui {

void GraphicControl::Invalidate() {
  paintPending_ = true;
  Changed(Change::Invalidated);
}

void GraphicControl::Repaint() {
  paintPending_ = false;
  if (InWindow()) Paint();
}

void GraphicControl::Update() {
  if (paintPending_) Repaint();
}

void GraphicControl::ShowingChanged() {
  if (Showing()) Invalidate();
}

}  // namespace ui
