// SPDX-License-Identifier: MIT
#include "ui/Canvas.h"

#include <algorithm>

#include "ui/Control.h"
#include "ui/SystemColors.h"

namespace ui {
namespace {

std::uint32_t ToPixel(TColor color) {
  const TColor rgb = ResolveColor(color);
  return 0xFF000000u | std::uint32_t{RedOf(rgb)} << 16 | std::uint32_t{GreenOf(rgb)} << 8 |
         std::uint32_t{BlueOf(rgb)};
}

}  // namespace

void Canvas::FillRect(int left, int top, int right, int bottom, TColor color) {
  Fill(Target({left, top, right, bottom}), color);
}

void Canvas::SetPixel(int x, int y, TColor color) { Fill(Target({x, y, x + 1, y + 1}), color); }

void Canvas::RepeatRow(int left, int right, int y, int bottom) {
  const Rect area = Target({left, y, right, bottom});
  if (area.IsEmpty() || area.Top != y) return;
  const auto source = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
  for (int row = y + 1; row < area.Bottom; ++row) {
    std::copy(source + area.Left, source + area.Right, source + static_cast<std::ptrdiff_t>(row - y) * width_ + area.Left);
  }
  if (Peer* peer = control_.GetPeer()) peer->Drawn(area);
}

Rect Canvas::Target(const Rect& rect) {
  if (!control_.CanDraw()) return {};
  const int width = control_.Width();
  const int height = control_.Height();
  if (width != width_ || height != height_) {
    // A new size starts black, as the control paints it whole next.
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), ToPixel(clBlack));
    width_ = width;
    height_ = height;
  }
  return rect.Intersect({0, 0, width_, height_});
}

void Canvas::Fill(const Rect& area, TColor color) {
  if (area.IsEmpty()) return;
  const std::uint32_t pixel = ToPixel(color);
  auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(area.Top) * width_;
  for (int y = area.Top; y < area.Bottom; ++y, row += width_) std::fill(row + area.Left, row + area.Right, pixel);
  if (Peer* peer = control_.GetPeer()) peer->Drawn(area);
}

}  // namespace ui
