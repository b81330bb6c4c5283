// SPDX-License-Identifier: MIT
#include "ui/SystemColors.h"

namespace ui {
namespace {

constexpr SystemColorTable kDefaults{
    RgbColor(0xC8, 0xC8, 0xC8),  // scroll bar
    RgbColor(0x00, 0x00, 0x00),  // desktop background
    RgbColor(0x99, 0xB4, 0xD1),  // active caption
    RgbColor(0xBF, 0xCD, 0xDB),  // inactive caption
    RgbColor(0xF0, 0xF0, 0xF0),  // menu
    RgbColor(0xFF, 0xFF, 0xFF),  // window
    RgbColor(0x64, 0x64, 0x64),  // window frame
    RgbColor(0x00, 0x00, 0x00),  // menu text
    RgbColor(0x00, 0x00, 0x00),  // window text
    RgbColor(0x00, 0x00, 0x00),  // caption text
    RgbColor(0xB4, 0xB4, 0xB4),  // active border
    RgbColor(0xF4, 0xF7, 0xFC),  // inactive border
    RgbColor(0xAB, 0xAB, 0xAB),  // application workspace
    RgbColor(0x00, 0x78, 0xD7),  // highlight
    RgbColor(0xFF, 0xFF, 0xFF),  // highlight text
    RgbColor(0xF0, 0xF0, 0xF0),  // button face
    RgbColor(0xA0, 0xA0, 0xA0),  // button shadow
    RgbColor(0x6D, 0x6D, 0x6D),  // grey text
    RgbColor(0x00, 0x00, 0x00),  // button text
    RgbColor(0x00, 0x00, 0x00),  // inactive caption text
    RgbColor(0xFF, 0xFF, 0xFF),  // button highlight
    RgbColor(0x69, 0x69, 0x69),  // 3D dark shadow
    RgbColor(0xE3, 0xE3, 0xE3),  // 3D light
    RgbColor(0x00, 0x00, 0x00),  // tooltip text
    RgbColor(0xFF, 0xFF, 0xE1),  // tooltip background
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
