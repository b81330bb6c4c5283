// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/Color.h"
#include "ui/Rect.h"

namespace ui {

// The pixels of one window's client area, which its windowless children
// draw on at any moment. Every operation is clipped twice: to the caller's
// rectangle and to the surface. Colours are resolved when drawn, so a
// system colour takes the platform's value of that moment.
class Surface final {
 public:
  Surface(int width, int height, TColor background);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] Rect Bounds() const { return {0, 0, width_, height_}; }

  // Changes the size, keeping the pixels that remain inside and filling new
  // ones with the background.
  void Resize(int width, int height, TColor background);

  // Fills the rectangle, right and bottom edges excluded.
  void FillRect(const Rect& rect, TColor color, const Rect& clip);
  // A line from (x0, y0) up to but not including (x1, y1), `penWidth`
  // pixels wide (a square pen centred on the line).
  void Line(int x0, int y0, int x1, int y1, TColor color, int penWidth, const Rect& clip);
  void SetPixel(int x, int y, TColor color, const Rect& clip);

  // The colour at (x, y) as red-green-blue; clNone outside the surface.
  [[nodiscard]] TColor Pixel(int x, int y) const;

  // Rows of 32-bit pixels 0xFFRRGGBB, Width() per row, for the platform to
  // show without conversion.
  [[nodiscard]] const std::uint32_t* Bits() const { return pixels_.data(); }

  // Told the rectangle whenever pixels change; the platform repaints it.
  std::function<void(const Rect&)> OnChange;

 private:
  void Plot(int x, int y, std::uint32_t pixel, const Rect& clip);
  void Changed(const Rect& rect);

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace ui
