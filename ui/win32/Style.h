// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "base/Color.h"
#include "ui/Font.h"
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

}  // namespace ui::win32
