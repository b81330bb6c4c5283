// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Services.h"

namespace ui::testing {

// One box as it was asked for.
struct ShownMessageBox {
  std::string Text;
  std::string Caption;
  unsigned Flags = 0;
  MessageBoxOwner Owner = MessageBoxOwner::None;

  bool operator==(const ShownMessageBox&) const = default;
};

// Records every box instead of showing it. WhileOpen, when set, runs inside
// Show, standing for what the player does while the box is open (the nested
// loop). Installs itself for its lifetime.
class RecordingMessageBoxService final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;

  [[nodiscard]] const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  // How many boxes are open at this moment (nested boxes count each).
  [[nodiscard]] int OpenCount() const { return open_; }

  std::function<void(const ShownMessageBox&)> WhileOpen;

 private:
  ScopedService<MessageBoxService> installed_{*this};
  std::vector<ShownMessageBox> shown_;
  int open_ = 0;
};

}  // namespace ui::testing
