// SPDX-License-Identifier: MIT
#pragma once

#include "ui/MessageBox.h"

namespace ui::qt {

// Message boxes as QMessageBox, with plain text only. A box without an
// owner is not modal and runs its own event loop, so the main window stays
// usable; the application's box is modal for the whole application.
class QtMessageBoxService final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;
};

}  // namespace ui::qt
