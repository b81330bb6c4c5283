// SPDX-License-Identifier: MIT
#include "ui/GraphicControl.h"

namespace ui {

void GraphicControl::Invalidate() {
  // A control that does not show is painted whole when it shows.
  if (!showing_) return;
  paintPending_ = true;
  Changed(Change::Invalidated);
}

void GraphicControl::Update() {
  if (!paintPending_) return;
  paintPending_ = false;
  if (showing_) Paint();
}

void GraphicControl::ShowingChanged() {
  // Cached, as every cell the board fills asks.
  const bool showing = Showing();
  if (showing == showing_) return;
  showing_ = showing;
  if (showing_) Invalidate();
}

}  // namespace ui
