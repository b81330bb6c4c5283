// SPDX-License-Identifier: MIT
#pragma once

#include "ui/WinControl.h"

namespace ui {

// A frame with a caption drawn around other controls. It groups nothing:
// radio buttons exclude each other by sharing a parent.
class GroupBox final : public WinControl {};

}  // namespace ui
