// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "ui/GraphicControl.h"

namespace ui {

// A picture, windowless. The picture is named by a path the platform loads
// (a file, or a resource path such as ":/assets/photo.bmp"). Stretched, it
// fills the box taking the nearest source pixel for each target pixel;
// otherwise it is drawn at its own size in the top-left corner.
class Image final : public GraphicControl {
 public:
  [[nodiscard]] const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) {
    if (Store(picture_, std::move(picture))) Changed(Change::Picture);
  }
  [[nodiscard]] bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) {
    if (Store(stretch_, stretch)) Changed(Change::Picture);
  }

 private:
  std::string picture_;
  bool stretch_ = false;
};

}  // namespace ui
