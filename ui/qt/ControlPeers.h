// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "ui/Control.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// The widget that shows a control of any kind but a form: a push button,
// a radio button (not auto-exclusive: exclusivity is the model's), a
// classic captioned frame, a raised panel, a gauge filled in segments, a
// label drawn as plain text, a picture drawn by nearest pixel, a windowless
// control that draws for itself (the board) shown from its own pixels, or
// a plain area.
[[nodiscard]] std::unique_ptr<WidgetPeer> MakeControlPeer(Platform& platform, Control& control);

}  // namespace ui::qt
