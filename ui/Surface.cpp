// SPDX-License-Identifier: MIT
#include "ui/Surface.h"

#include <algorithm>
#include <cstdlib>

#include "ui/SystemColors.h"

namespace ui {
namespace {

std::uint32_t ToPixel(TColor color) {
  const TColor rgb = ResolveColor(color);
  return 0xFF000000u | std::uint32_t{RedOf(rgb)} << 16 | std::uint32_t{GreenOf(rgb)} << 8 |
         std::uint32_t{BlueOf(rgb)};
}

TColor FromPixel(std::uint32_t pixel) {
  return RgbColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                  static_cast<std::uint8_t>(pixel));
}

// The pixels a walk from `from` towards `to` visits on one axis, the end
// excluded, as a half-open span; an axis that does not move is one pixel.
struct Span {
  int Begin;
  int End;
};

Span Walked(int from, int to) {
  if (from < to) return {from, to};
  if (from > to) return {to + 1, from + 1};
  return {from, from + 1};
}

// What a square pen of `penWidth` covers along a horizontal or vertical line.
Rect SweptByPen(int x0, int y0, int x1, int y1, int penWidth) {
  const int width = std::max(penWidth, 1);
  const int before = (width - 1) / 2;
  const Span across = Walked(x0, x1);
  const Span down = Walked(y0, y1);
  return {across.Begin - before, down.Begin - before, across.End - before + width - 1,
          down.End - before + width - 1};
}

}  // namespace

Surface::Surface(int width, int height, TColor background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), ToPixel(background)) {}

void Surface::Resize(int width, int height, TColor background) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<std::uint32_t> resized(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                     ToPixel(background));
  const int keptWidth = std::min(width, width_);
  const int keptHeight = std::min(height, height_);
  for (int y = 0; y < keptHeight; ++y) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, keptWidth,
                resized.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
  Changed(Bounds());
}

void Surface::FillRect(const Rect& rect, TColor color, const Rect& clip) {
  const Rect area = rect.Intersect(clip).Intersect(Bounds());
  if (area.IsEmpty()) return;
  const std::uint32_t pixel = ToPixel(color);
  for (int y = area.Top; y < area.Bottom; ++y) {
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + area.Left, row + area.Right, pixel);
  }
  Changed(area);
}

void Surface::Line(int x0, int y0, int x1, int y1, TColor color, int penWidth, const Rect& clip) {
  // A board's grid is all straight lines: those are filled as one rectangle
  // instead of being walked point by point.
  if (x0 == x1 && y0 == y1) return;
  if (x0 == x1 || y0 == y1) {
    FillRect(SweptByPen(x0, y0, x1, y1, penWidth), color, clip);
    return;
  }
  // Bresenham's walk, stopping before the end point.
  const std::uint32_t pixel = ToPixel(color);
  const int width = std::max(penWidth, 1);
  const int before = (width - 1) / 2;
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  int x = x0;
  int y = y0;
  Rect touched;
  while (x != x1 || y != y1) {
    const Rect pen{x - before, y - before, x - before + width, y - before + width};
    for (int py = pen.Top; py < pen.Bottom; ++py) {
      for (int px = pen.Left; px < pen.Right; ++px) Plot(px, py, pixel, clip);
    }
    touched = touched.Union(pen);
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      y += stepY;
    }
  }
  const Rect changed = touched.Intersect(clip).Intersect(Bounds());
  if (!changed.IsEmpty()) Changed(changed);
}

void Surface::SetPixel(int x, int y, TColor color, const Rect& clip) {
  if (!clip.Contains(x, y) || !Bounds().Contains(x, y)) return;
  Plot(x, y, ToPixel(color), clip);
  Changed({x, y, x + 1, y + 1});
}

TColor Surface::Pixel(int x, int y) const {
  if (!Bounds().Contains(x, y)) return clNone;
  return FromPixel(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
}

void Surface::Plot(int x, int y, std::uint32_t pixel, const Rect& clip) {
  if (!clip.Contains(x, y) || !Bounds().Contains(x, y)) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = pixel;
}

void Surface::Changed(const Rect& rect) {
  if (OnChange) OnChange(rect);
}

}  // namespace ui
