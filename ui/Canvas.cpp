// SPDX-License-Identifier: MIT
#include "ui/Canvas.h"

#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace ui {
namespace {

// The surface to draw on, or nullptr for a control in no window.
Surface* TargetOf(const GraphicControl& control) {
  WinControl* parent = control.Parent();
  return parent ? &parent->Surface() : nullptr;
}

}  // namespace

void Canvas::FillRect(int left, int top, int right, int bottom, TColor color) {
  Surface* surface = TargetOf(control_);
  if (!surface) return;
  const Rect clip = control_.BoundsRect();
  surface->FillRect(Rect{left, top, right, bottom}.Offset(clip.Left, clip.Top), color, clip);
}

void Canvas::Line(int x0, int y0, int x1, int y1) {
  Surface* surface = TargetOf(control_);
  if (!surface) return;
  const Rect clip = control_.BoundsRect();
  surface->Line(x0 + clip.Left, y0 + clip.Top, x1 + clip.Left, y1 + clip.Top, kPenColor, penWidth_, clip);
}

void Canvas::SetPixel(int x, int y, TColor color) {
  Surface* surface = TargetOf(control_);
  if (!surface) return;
  const Rect clip = control_.BoundsRect();
  surface->SetPixel(x + clip.Left, y + clip.Top, color, clip);
}

TColor Canvas::Pixel(int x, int y) const {
  Surface* surface = TargetOf(control_);
  const Rect bounds = control_.BoundsRect();
  if (!surface || !bounds.Contains(x + bounds.Left, y + bounds.Top)) return clNone;
  return surface->Pixel(x + bounds.Left, y + bounds.Top);
}

}  // namespace ui
