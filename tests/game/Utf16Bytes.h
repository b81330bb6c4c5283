// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The bytes of UTF-16 text with its byte-order mark, as a question file
// saved in UTF-16 holds them.
inline std::string Utf16(std::u16string_view text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}
