// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/WinControl.h"

namespace ui::qt {

class Platform;

// A mouse press on `widget` gives `control` the focus through the model, as
// Qt's own click focus is switched off.
void InstallFocusOnPress(Platform& platform, WinControl& control, QWidget& widget);

}  // namespace ui::qt
