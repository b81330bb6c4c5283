// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

// A control without a window of its own: it draws on its parent's surface,
// clipped to its own rectangle, and takes neither the focus nor keys.
class GraphicControl : public Control {
 public:
  [[nodiscard]] bool HasWindow() const override { return false; }

  // The full repaint of the control's area; called on repaint requests.
  virtual void Paint() {}

  // Draws on the parent's surface at once, in coordinates relative to the
  // control. Without a parent it draws nothing.
  [[nodiscard]] ui::Canvas& Canvas() { return canvas_; }

  // True when the control lies in a window and so has somewhere to draw.
  [[nodiscard]] bool InWindow() const { return Parent() != nullptr; }

  // Asks for a repaint soon: the platform calls Repaint from its loop.
  // Moving, resizing, showing or placing the control asks by itself.
  void Invalidate();
  [[nodiscard]] bool PaintPending() const { return paintPending_; }
  // Paints now if the control lies in a window.
  void Repaint();
  // Paints now if a repaint was asked for.
  void Update();

 protected:
  GraphicControl() = default;

  void BoundsChanged() override { Invalidate(); }
  void ShowingChanged() override;
  void ParentChanged() override { Invalidate(); }

 private:
  ui::Canvas canvas_{*this};
  bool paintPending_ = false;
};

}  // namespace ui
