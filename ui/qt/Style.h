// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include "base/Color.h"
#include "ui/Font.h"
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

}  // namespace ui::qt
