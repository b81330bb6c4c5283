// SPDX-License-Identifier: MIT
#include "ui/Label.h"

#include "ui/Caption.h"
#include "ui/Services.h"

namespace ui {

void Label::SetAutoSize(bool autoSize) {
  if (Store(autoSize_, autoSize)) FitToText();
}

void Label::SetWordWrap(bool wordWrap) {
  if (Store(wordWrap_, wordWrap)) Changed(Change::Layout);
}

void Label::FitToText() {
  TextMeasure* measure = InstalledService<TextMeasure>();
  if (!autoSize_ || !measure) return;
  // An empty caption measures as a blank, so the label keeps a line's
  // height.
  const std::string shown = ParseCaption(Caption()).Text;
  const TextSize size = measure->Measure(Font(), shown.empty() ? " " : shown);
  SetBounds(Left(), Top(), size.Width, size.Height);
}

}  // namespace ui
