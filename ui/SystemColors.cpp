// SPDX-License-Identifier: MIT
#include "ui/SystemColors.h"

namespace ui {
namespace {

// By index: scroll bar, desktop, active and inactive caption, menu; window,
// window frame, menu text, window text, caption text; active and inactive
// border, application workspace, highlight, highlight text; button face,
// button shadow, grey text, button text, inactive caption text; button
// highlight, 3D dark shadow, 3D light, tooltip text and background.
constexpr SystemColorTable kDefaults{
    RgbColor(0xC8, 0xC8, 0xC8), RgbColor(0x00, 0x00, 0x00), RgbColor(0x99, 0xB4, 0xD1), RgbColor(0xBF, 0xCD, 0xDB),
    RgbColor(0xF0, 0xF0, 0xF0), RgbColor(0xFF, 0xFF, 0xFF), RgbColor(0x64, 0x64, 0x64), RgbColor(0x00, 0x00, 0x00),
    RgbColor(0x00, 0x00, 0x00), RgbColor(0x00, 0x00, 0x00), RgbColor(0xB4, 0xB4, 0xB4), RgbColor(0xF4, 0xF7, 0xFC),
    RgbColor(0xAB, 0xAB, 0xAB), RgbColor(0x00, 0x78, 0xD7), RgbColor(0xFF, 0xFF, 0xFF), RgbColor(0xF0, 0xF0, 0xF0),
    RgbColor(0xA0, 0xA0, 0xA0), RgbColor(0x6D, 0x6D, 0x6D), RgbColor(0x00, 0x00, 0x00), RgbColor(0x00, 0x00, 0x00),
    RgbColor(0xFF, 0xFF, 0xFF), RgbColor(0x69, 0x69, 0x69), RgbColor(0xE3, 0xE3, 0xE3), RgbColor(0x00, 0x00, 0x00),
    RgbColor(0xFF, 0xFF, 0xE1),
};

SystemColorTable& InstalledTable() {
  static SystemColorTable table = kDefaults;
  return table;
}

}  // namespace

const SystemColorTable& DefaultSystemColors() { return kDefaults; }

void SetSystemColors(const SystemColorTable& table) { InstalledTable() = table; }

TColor ResolveColor(TColor color) {
  if (IsSystemColor(color)) {
    const std::size_t index = color & 0xFF;
    return index < kSystemColorCount ? InstalledTable()[index] : clBlack;
  }
  return color & 0xFFFFFF;
}

}  // namespace ui
