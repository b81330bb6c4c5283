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
  [[nodiscard]] constexpr bool Contains(int x, int y) const {
    return x >= Left && x < Right && y >= Top && y < Bottom;
  }
  [[nodiscard]] constexpr Rect Offset(int dx, int dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  // The common part of two rectangles; empty (not necessarily zero) when
  // they do not meet.
  [[nodiscard]] constexpr Rect Intersect(const Rect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  // The smallest rectangle holding both; an empty side is ignored.
  [[nodiscard]] constexpr Rect Union(const Rect& other) const {
    if (IsEmpty()) return other;
    if (other.IsEmpty()) return *this;
    return {std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
            std::max(Bottom, other.Bottom)};
  }
  constexpr bool operator==(const Rect&) const = default;
};

}  // namespace ui
