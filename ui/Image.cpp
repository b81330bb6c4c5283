// SPDX-License-Identifier: MIT
#include "ui/Image.h"

namespace ui {

void Image::SetPicture(std::string picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  Changed(Change::Picture);
}

void Image::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Changed(Change::Picture);
}

}  // namespace ui
