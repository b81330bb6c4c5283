// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Label.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a label: its background in its colour, its caption as plain text
// with the access letter underlined, wrapped at words if asked, cut off at
// the edges. An AutoSize label is sized to its text.
class LabelPeer final : public WidgetPeer {
 public:
  LabelPeer(Platform& platform, Label& label);

  // The size the caption takes in the label's font.
  [[nodiscard]] QSize TextSize() const;

 protected:
  void ApplyOwn(Change what) override;

 private:
  void FitToText();

  Label& label_;
};

}  // namespace ui::qt
