// SPDX-License-Identifier: MIT
#pragma once

namespace ui::qt {

class Platform;

// What a screen reader learns of the controls. Qt's own accessible
// interfaces serve the push button, the frames, the panel and the gauge,
// named as the model names them; these serve the rest: radio buttons that
// are not auto-exclusive (Qt would call them check boxes), the labels, the
// pictures and the board (Qt knows nothing of what they show), and a
// form's client area, whose controls are read in the order they are seen:
// top to bottom, then left to right, whatever order they were made or
// stacked in. Installed for the platform's lifetime; actions from the
// screen reader run under its error guard.
void InstallAccessibility(Platform& platform);
void RemoveAccessibility();

}  // namespace ui::qt
