// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

// A control without a window of its own: it shows in its parent's client
// area, clipped to its own rectangle, and takes neither the focus nor keys.
// One that draws for itself (the board) does so on its Canvas.
class GraphicControl : public Control {
 public:
  [[nodiscard]] bool HasWindow() const override { return false; }

  // The full repaint of the control's area; called on repaint requests.
  virtual void Paint() {}

  // Draws at once, in coordinates relative to the control.
  [[nodiscard]] ui::Canvas& Canvas() { return canvas_; }
  [[nodiscard]] const ui::Canvas& Canvas() const { return canvas_; }

  // True while the control shows, so that drawing reaches the screen;
  // before, drawing is skipped and the control is painted whole when it
  // shows.
  [[nodiscard]] bool CanDraw() const { return showing_; }

  // Asks for a repaint soon, if the control shows: the platform calls
  // Update from its loop. Showing, moving or resizing the control asks by
  // itself.
  void Invalidate();
  [[nodiscard]] bool PaintPending() const { return paintPending_; }
  // Paints now if a repaint was asked for and the control shows.
  void Update();

 protected:
  GraphicControl() = default;

  void BoundsChanged() override { Invalidate(); }
  void ShowingChanged() override;

 private:
  ui::Canvas canvas_{*this};
  bool showing_ = false;
  bool paintPending_ = false;
};

}  // namespace ui
