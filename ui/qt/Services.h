// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include "base/Color.h"
#include "ui/Font.h"
#include "ui/Services.h"
#include "ui/SystemColors.h"

namespace ui::qt {

// The model's texts, colours and fonts as Qt's.

// The model's UTF-8 text as Qt text.
[[nodiscard]] inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A window title shown as written: Qt would otherwise take "[*]" as the
// place of its modified mark and drop it.
[[nodiscard]] QString WindowTitleText(std::string_view title);

// A colour value as Qt's, system colours resolved.
[[nodiscard]] QColor ToQColor(TColor color);

// A font by its pixel height. Faces that are missing are replaced:
// "Arial" by Liberation Sans (same widths), anything else by the
// platform's sans-serif at the same pixel size. Every property is marked
// as set, so a child never takes its parent's font in Qt's way.
[[nodiscard]] QFont ToQFont(const Font& font);

// The platform's system colours, from the application palette.
[[nodiscard]] SystemColorTable SystemColorsFrom(const QPalette& palette);

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
