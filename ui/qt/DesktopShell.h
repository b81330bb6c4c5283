// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Shell.h"

namespace ui::qt {

// Opens addresses with the desktop's default handler. Failures map onto
// the shell's codes: 2 (file not found) for an empty or unreadable
// address and for a local file that does not exist, 3 (path not found)
// when its folder does not exist either, 5 (access denied) for a local file
// that may not be read, and 31 (no associated application) when the
// desktop cannot open the address.
class DesktopShell final : public ShellService {
 public:
  static constexpr int kOpened = 42;
  static constexpr int kFileNotFound = 2;
  static constexpr int kPathNotFound = 3;
  static constexpr int kAccessDenied = 5;
  static constexpr int kNoAssociation = 31;

  int Open(const std::string& address) override;
};

}  // namespace ui::qt
