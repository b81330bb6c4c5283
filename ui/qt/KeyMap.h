// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>

#include "ui/Keys.h"

namespace ui::qt {

// The virtual-key code of a Qt key event; 0 for keys without one.
[[nodiscard]] int VirtualKeyOf(const QKeyEvent& event);

// The modifiers held; Shift+Tab arrives from Qt as its own key, Backtab.
[[nodiscard]] ShiftState ShiftStateOf(const QKeyEvent& event);

}  // namespace ui::qt
