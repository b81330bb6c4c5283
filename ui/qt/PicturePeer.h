// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Image.h"
#include "ui/qt/WidgetPeer.h"

namespace ui::qt {

// Shows a picture: stretched to its box taking the nearest source pixel
// (rows and columns dropped, never blended), or at its own size in the
// top-left corner. Transparent parts show the parent.
class PicturePeer final : public WidgetPeer {
 public:
  PicturePeer(Platform& platform, Image& image);

 protected:
  void ApplyOwn(Change what) override;
};

}  // namespace ui::qt
