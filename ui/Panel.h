// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

enum class Bevel { None, Lowered, Raised };

// A plain area with an edge, holding other controls.
class Panel final : public WinControl {
 public:
  [[nodiscard]] Bevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(Bevel bevel) {
    if (bevel == bevelOuter_) return;
    bevelOuter_ = bevel;
    Changed(Change::Layout);
  }
  // The edge's width in pixels.
  [[nodiscard]] int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width) {
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    Changed(Change::Layout);
  }

 private:
  Bevel bevelOuter_ = Bevel::Raised;
  int bevelWidth_ = 1;
};

}  // namespace ui
