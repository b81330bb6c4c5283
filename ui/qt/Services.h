// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Services.h"

namespace ui::qt {

// Message boxes as QMessageBox, with plain text only. A box without an
// owner is not modal and runs its own event loop, so the main window stays
// usable; the application's box is modal for the whole application.
class MessageBoxes final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;
};

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

// Text measured with the font Qt draws it in (see ToQFont): the width of
// the line and at least a line's height.
class FontMetrics final : public TextMeasure {
 public:
  TextSize Measure(const Font& font, std::string_view text) override;
};

}  // namespace ui::qt
