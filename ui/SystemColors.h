// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

#include "base/Color.h"

namespace ui {

// The platform's system colours, indexed by the low byte of a system colour
// value (clBtnFace is index 15). Entries are plain red-green-blue colours.
inline constexpr std::size_t kSystemColorCount = 25;
using SystemColorTable = std::array<TColor, kSystemColorCount>;

// Fixed values in use until a platform installs its own: a light grey
// button face with black text on white windows.
[[nodiscard]] const SystemColorTable& DefaultSystemColors();

// Installs the platform's table; the defaults until then.
void SetSystemColors(const SystemColorTable& table);

// The red-green-blue value of any colour: system colours through the table
// (black for an index beyond it), other values with their top byte dropped.
[[nodiscard]] TColor ResolveColor(TColor color);

}  // namespace ui
