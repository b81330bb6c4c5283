// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/Color.h"

namespace ui {

// A font by face name and character height in pixels (96 per inch), with
// its style and text colour. The defaults are the window font.
struct Font {
  std::string Name = "MS Sans Serif";
  int Height = 11;
  bool Bold = false;
  bool Underline = false;
  TColor Color = clWindowText;

  bool operator==(const Font&) const = default;
};

}  // namespace ui
