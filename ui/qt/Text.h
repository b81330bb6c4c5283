// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace ui::qt {

// The game's byte strings as Qt text: UTF-8 when the bytes are valid UTF-8,
// otherwise the Western ANSI code page (windows-1252) that question files
// written on that system use.
[[nodiscard]] QString ToQString(std::string_view text);

// A typed character as one ANSI byte; nothing for characters it cannot
// hold.
[[nodiscard]] std::optional<char> ToAnsiChar(QChar character);

// A caption in Qt's mnemonic form, for widgets that underline the access
// letter themselves: the shown text with every "&" doubled and one "&"
// before the access letter.
[[nodiscard]] QString MnemonicText(std::string_view caption);

// A window title shown as written: Qt would otherwise take "[*]" as the
// place of its modified mark and drop it.
[[nodiscard]] QString WindowTitleText(std::string_view title);

}  // namespace ui::qt
