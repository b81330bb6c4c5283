// SPDX-License-Identifier: MIT
#include "ui/Label.h"

namespace ui {

void Label::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Changed(Change::Layout);
}

void Label::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Changed(Change::Layout);
}

void Label::AdjustToText(int width, int height) {
  if (autoSize_) SetBounds(Left(), Top(), width, height);
}

}  // namespace ui
