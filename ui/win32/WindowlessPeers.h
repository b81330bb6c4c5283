// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "ui/StandardControls.h"
#include "ui/win32/SystemHeaders.h"

namespace ui::win32 {

class Platform;

// The peer of a windowless control: it has no window, and paints on its
// parent's client area, clipped to its own rectangle, whenever the parent
// paints; a change of the control asks the parent to repaint its area.
class WindowlessPeer : public Peer {
 public:
  WindowlessPeer(Platform& platform, GraphicControl& control);

  void Changed(Change what) override;

  // Paints the control at its place in the parent's client area; `dc` is
  // clipped to the control's rectangle.
  void Paint(HDC dc);

 protected:
  // What the control shows, drawn at `bounds` in the parent's client area.
  virtual void Draw(HDC dc, const RECT& bounds) = 0;

  [[nodiscard]] HWND ParentWindow() const;
  [[nodiscard]] RECT Bounds() const;
  [[nodiscard]] Platform& GetPlatform() const { return platform_; }

 private:
  void InvalidateShown(bool erase);

  Platform& platform_;
  GraphicControl& control_;
  HWND shownIn_ = nullptr;
  RECT shownAt_{};
};

// A label drawn as plain text with DrawText.
[[nodiscard]] std::unique_ptr<WindowlessPeer> MakeLabelPeer(Platform& platform, Label& label);
// A picture drawn by nearest pixel.
[[nodiscard]] std::unique_ptr<WindowlessPeer> MakePicturePeer(Platform& platform, Image& image);
// A control that draws for itself (the board), shown from its own pixels,
// at once when it draws and whole when its parent paints.
[[nodiscard]] std::unique_ptr<WindowlessPeer> MakeDrawingPeer(Platform& platform, GraphicControl& control);

}  // namespace ui::win32
