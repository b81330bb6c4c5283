// SPDX-License-Identifier: MIT
#include "base/Text.h"

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::size_t Utf8CharacterLength(std::string_view text, std::size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead < 0xF8) length = 4;
  else if (lead >= 0xE0 && lead < 0xF0) length = 3;
  else if (lead >= 0xC0 && lead < 0xE0) length = 2;
  if (index + length > text.size()) return 1;
  for (std::size_t i = index + 1; i < index + length; ++i) {
    if (!IsContinuation(text[i])) return 1;
  }
  return length;
}
