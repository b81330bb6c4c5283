// SPDX-License-Identifier: MIT
#pragma once

#include "ui/ProgressBar.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a progress bar without text, filled in segments. The model clamps
// the position before Qt sees it, as Qt would ignore a value outside the
// range.
class ProgressBarPeer final : public WidgetPeer {
 public:
  ProgressBarPeer(Platform& platform, ProgressBar& bar);

 protected:
  void ApplyOwn(Change what) override;

 private:
  ProgressBar& bar_;
};

}  // namespace ui::qt
