// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>

namespace ui {

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

}  // namespace ui
