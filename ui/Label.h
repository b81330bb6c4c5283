// SPDX-License-Identifier: MIT
#pragma once

#include "ui/GraphicControl.h"

namespace ui {

// Text on the parent's background. Its caption is plain text with "&"
// access letters, never markup. Windowless: it takes no focus, but it
// reports clicks.
class Label final : public GraphicControl {
 public:
  // With AutoSize the platform sizes the label to its text, keeping its
  // left and top; otherwise it keeps its size.
  [[nodiscard]] bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // With WordWrap long text breaks at word boundaries within the width and
  // is cut off at the bottom edge.
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

  // The platform reports the size its text takes; an AutoSize label takes
  // it, keeping its left and top.
  void AdjustToText(int width, int height);

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
};

}  // namespace ui
