// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Color.h"
#include "ui/Canvas.h"

namespace ui::testing {

// The colour a control drew at (x, y), as red-green-blue; clNone outside
// its pixels or before it first drew.
[[nodiscard]] inline TColor PixelAt(const Canvas& canvas, int x, int y) {
  if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) return clNone;
  const std::uint32_t pixel =
      canvas.Bits()[static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.Width()) + static_cast<std::size_t>(x)];
  return RgbColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                  static_cast<std::uint8_t>(pixel));
}

}  // namespace ui::testing
