// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "base/Color.h"
#include "ui/Font.h"
#include "ui/Services.h"
#include "ui/SystemColors.h"
#include "ui/win32/SystemHeaders.h"

namespace ui::win32 {

// The model's texts, colours and fonts as the system's.

// The model's UTF-8 text for the wide-character API, whatever the system's
// code page; a malformed sequence shows as the replacement character.
[[nodiscard]] std::wstring Widen(std::string_view text);

// A colour value as the system's, system colours resolved. Both keep red
// in the low byte.
[[nodiscard]] inline COLORREF ToColorRef(TColor color) { return ResolveColor(color) & 0xFFFFFFu; }

// The system's colours by index, as the model's table.
[[nodiscard]] SystemColorTable SystemColorsFromSystem();

// The fonts in use, made once for each distinct font and kept until the
// cache goes. A negative height asks for the character height in pixels.
class FontCache final {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  [[nodiscard]] HFONT Get(const Font& font);

 private:
  using Key = std::tuple<std::string, int, bool, bool>;
  std::map<Key, HFONT> fonts_;
};

class Platform;

// A function of a system DLL loaded on first use, for parts that the game
// needs late or not at all; nullptr when the DLL or the function is
// missing. Convert it to its real type to call it.
[[nodiscard]] void (*SystemFunction(const wchar_t* library, const char* name))();

// Message boxes through MessageBoxW. A box without an owner disables no
// window, so the main window stays usable while it is open; the
// application's box belongs to the application's window and disables every
// other window of the thread until it closes. The box's own loop runs the
// platform's message filter, so keys and timers go on meanwhile.
class MessageBoxes final : public MessageBoxService {
 public:
  explicit MessageBoxes(Platform& platform) : platform_(platform) {}
  int Show(const std::string& text, const std::string& caption, unsigned flags, MessageBoxOwner owner) override;

 private:
  Platform& platform_;
};

// The shell's "open" through ShellExecuteW, owned by the desktop window and
// shown normally; its result code is the service's.
class DesktopShell final : public ShellService {
 public:
  int Open(const std::string& address) override;
};

// Text measured with the font the system draws it in: the width of the
// line and at least the font's line height.
class TextMetrics final : public TextMeasure {
 public:
  explicit TextMetrics(Platform& platform) : platform_(platform) {}
  TextSize Measure(const Font& font, std::string_view text) override;

 private:
  Platform& platform_;
};

}  // namespace ui::win32
