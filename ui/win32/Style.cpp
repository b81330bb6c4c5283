// SPDX-License-Identifier: MIT
#include "ui/win32/Style.h"

#include <algorithm>
#include <climits>

namespace ui::win32 {

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  if (length > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

SystemColorTable SystemColorsFromSystem() {
  SystemColorTable table{};
  for (std::size_t index = 0; index < table.size(); ++index) {
    table[index] = ::GetSysColor(static_cast<int>(index)) & 0xFFFFFFu;
  }
  return table;
}

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) ::DeleteObject(font);
}

HFONT FontCache::Get(const Font& font) {
  const Key key{font.Name, font.Height, font.Bold, font.Underline};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const HFONT made = ::CreateFontW(-std::max(font.Height, 1), 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   font.Underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   Widen(font.Name).c_str());
  fonts_.emplace(key, made);
  return made;
}

}  // namespace ui::win32
