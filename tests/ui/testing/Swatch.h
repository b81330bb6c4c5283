// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Control.h"

namespace ui::testing {

// A windowless control that draws as a board does: it fills itself red
// under a black top line, and counts its repaints.
class Swatch final : public GraphicControl {
 public:
  void Paint() override {
    ++paints;
    Canvas().FillRect(0, 0, Width(), Height(), clRed);
    Canvas().FillRect(0, 0, Width(), 1, clBlack);
  }
  int paints = 0;
};

}  // namespace ui::testing
