// SPDX-License-Identifier: MIT
#include "ui/StandardControls.h"

#include <algorithm>

#include "ui/Caption.h"
#include "ui/Services.h"

namespace ui {

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  Changed(Change::Checked);
  if (!checked || !Parent()) return;
  for (Control* sibling : Parent()->Controls()) {
    if (sibling != this && sibling->Kind() == ControlKind::RadioButton) static_cast<RadioButton*>(sibling)->SetChecked(false);
  }
}

void RadioButton::Click() {
  SetChecked(true);
  WinControl::Click();
}

void ProgressBar::SetMin(int min) {
  if (Store(min_, min)) RangeChanged();
}

void ProgressBar::SetMax(int max) {
  if (Store(max_, max)) RangeChanged();
}

void ProgressBar::SetPosition(int position) {
  if (Store(position_, Clamped(position))) Changed(Change::Position);
}

void ProgressBar::RangeChanged() {
  Changed(Change::Position);
  SetPosition(position_);
}

int ProgressBar::Clamped(int position) const {
  // A range set upside down is taken from its minimum, as it holds no
  // position between the two.
  return std::max(min_, std::min(position, std::max(min_, max_)));
}

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
