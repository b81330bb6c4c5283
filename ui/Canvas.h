// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

namespace ui {

class GraphicControl;

// Drawing for a windowless control: coordinates are relative to the
// control's top-left pixel and everything is clipped to its rectangle.
// Lines are drawn with the surface's pen: always black, one pixel wide
// until told otherwise.
class Canvas final {
 public:
  explicit Canvas(GraphicControl& control) : control_(control) {}
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Fills from (left, top) up to but not including (right, bottom).
  void FillRect(int left, int top, int right, int bottom, TColor color);
  // A line in the pen's colour and width, its end point not drawn.
  void Line(int x0, int y0, int x1, int y1);
  void SetPixel(int x, int y, TColor color);
  // The colour at (x, y) as red-green-blue; clNone outside the control or
  // when it lies in no window.
  [[nodiscard]] TColor Pixel(int x, int y) const;

  [[nodiscard]] TColor PenColor() const { return kPenColor; }
  [[nodiscard]] int PenWidth() const { return penWidth_; }
  void SetPenWidth(int width) { penWidth_ = width; }

 private:
  GraphicControl& control_;
  static constexpr TColor kPenColor = clBlack;
  int penWidth_ = 1;
};

}  // namespace ui
