// SPDX-License-Identifier: MIT
#include "tests/ui/testing/RecordingMessageBoxService.h"

namespace ui::testing {

int RecordingMessageBoxService::Show(const std::string& text, const std::string& caption, unsigned flags,
                                     MessageBoxOwner owner) {
  shown_.push_back({text, caption, flags, owner});
  const ShownMessageBox box = shown_.back();
  if (WhileOpen) {
    ++open_;
    try {
      WhileOpen(box);
    } catch (...) {
      --open_;
      throw;
    }
    --open_;
  }
  return IDOK;
}

}  // namespace ui::testing
