// SPDX-License-Identifier: MIT
#pragma once

#include "ui/GraphicControl.h"

namespace ui {

// Text on the parent's background. Its caption is plain text with "&"
// access letters, never markup. Windowless: it takes no focus, but it
// reports clicks.
class Label final : public GraphicControl {
 public:
  // With AutoSize the label takes the size of its text in its font, as the
  // platform's TextMeasure tells it, keeping its left and top; otherwise,
  // or without a TextMeasure, it keeps its size.
  [[nodiscard]] bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // With WordWrap long text breaks at word boundaries within the width and
  // is cut off at the bottom edge.
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

 protected:
  void TextChanged() override { FitToText(); }

 private:
  void FitToText();

  bool autoSize_ = false;
  bool wordWrap_ = false;
};

}  // namespace ui
