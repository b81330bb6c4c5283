// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/Color.h"

namespace ui {

class GraphicControl;

// A rectangle of pixels: it covers its left and top edges but not its right
// and bottom ones, so Right - Left is its width.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  [[nodiscard]] constexpr int Width() const { return Right - Left; }
  [[nodiscard]] constexpr int Height() const { return Bottom - Top; }
  [[nodiscard]] constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  // The common part of two rectangles; empty (not necessarily zero) when
  // they do not meet.
  [[nodiscard]] constexpr Rect Intersect(const Rect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  constexpr bool operator==(const Rect&) const = default;
};

// The pixels of a windowless control that draws for itself, the size of the
// control, and the drawing on them: coordinates are relative to the
// control's top-left pixel and everything is clipped to it. Drawing happens
// at once, at any moment, and the control's peer is told what changed.
// Nothing is drawn while the control is not showing; it is painted whole
// when it shows. Colours are resolved when drawn, so a system colour takes
// the platform's value of that moment.
class Canvas final {
 public:
  explicit Canvas(GraphicControl& control) : control_(control) {}
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Fills from (left, top) up to but not including (right, bottom).
  void FillRect(int left, int top, int right, int bottom, TColor color);
  void SetPixel(int x, int y, TColor color);
  // Copies the pixels of row y from left up to right into every row below
  // it up to bottom: a pattern of long rows costs a copy instead of many
  // short fills.
  void RepeatRow(int left, int right, int y, int bottom);

  // The pixels drawn so far: rows of 32-bit values 0xFFRRGGBB, Width() per
  // row, for the platform to show without conversion. Empty (both sizes 0)
  // until the control first draws.
  [[nodiscard]] const std::uint32_t* Bits() const { return pixels_.data(); }
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }

 private:
  // The area of the pixels that a drawing at `rect` covers, with the
  // pixels made the control's size first; empty when nothing may be drawn.
  [[nodiscard]] Rect Target(const Rect& rect);
  void Fill(const Rect& area, TColor color);

  GraphicControl& control_;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace ui
