// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ui/Services.h"

namespace ui::testing {

// Records the addresses it is asked to open and answers with a chosen
// result code (42, a success, unless told otherwise). Installs itself for
// its lifetime.
class RecordingShellService final : public ShellService {
 public:
  explicit RecordingShellService(int result = 42) : result_(result) {}

  int Open(const std::string& address) override {
    opened_.push_back(address);
    return result_;
  }

  void SetResult(int result) { result_ = result; }
  [[nodiscard]] const std::vector<std::string>& Opened() const { return opened_; }

 private:
  int result_;
  ScopedService<ShellService> installed_{*this};
  std::vector<std::string> opened_;
};

}  // namespace ui::testing
