// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A plain area inside a raised edge one pixel wide, holding other controls.
class Panel final : public WinControl {};

}  // namespace ui
