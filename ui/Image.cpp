// SPDX-License-Identifier: MIT
#include "ui/Image.h"

namespace ui {

void Image::SetPicture(std::string picture) {
  if (Store(picture_, std::move(picture))) Changed(Change::Picture);
}

void Image::SetStretch(bool stretch) {
  if (Store(stretch_, stretch)) Changed(Change::Picture);
}

}  // namespace ui
