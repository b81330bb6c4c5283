// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "ui/Control.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// The window that shows a windowed control of any kind but a form: a push
// button, a radio button that does not select itself (exclusivity is the
// model's), a captioned frame, a panel inside a raised edge one pixel wide,
// a classic gauge filled in segments, or a plain area.
[[nodiscard]] std::unique_ptr<WindowPeer> MakeControlPeer(Platform& platform, Control& control);

}  // namespace ui::win32
