// SPDX-License-Identifier: MIT
#include "base/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsAsciiByte(char c) { return static_cast<std::uint8_t>(c) < 0x80; }

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text) {
  const auto lead = static_cast<std::uint8_t>(text[0]);
  if (lead < 0x80) return 1;
  const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  // The first continuation byte has a narrower range where the lead byte
  // would otherwise allow overlong forms, surrogates or code points past
  // U+10FFFF.
  const std::uint8_t lowest = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const std::uint8_t highest = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  for (std::size_t i = 1; i < length && i < text.size(); ++i) {
    const auto next = static_cast<std::uint8_t>(text[i]);
    if (next < (i == 1 ? lowest : 0x80) || next > (i == 1 ? highest : 0xBF)) return 0;
  }
  return length;
}

std::string_view Utf8CharacterAt(std::string_view text) {
  const std::size_t length = Utf8CharacterLength(text);
  return text.substr(0, length == 0 || length > text.size() ? 1 : length);
}

std::size_t Utf8WellFormedLength(std::string_view text) {
  auto at = text.begin();
  while ((at = std::find_if_not(at, text.end(), IsAsciiByte)) != text.end()) {
    const std::string_view rest = text.substr(static_cast<std::size_t>(at - text.begin()));
    const std::size_t length = Utf8CharacterLength(rest);
    if (length == 0 || length > rest.size()) break;
    at += static_cast<std::ptrdiff_t>(length);
  }
  return static_cast<std::size_t>(at - text.begin());
}

bool IsAscii(std::string_view text) { return std::all_of(text.begin(), text.end(), IsAsciiByte); }

std::size_t Utf8CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  const int continuations = codePoint < 0x80 ? 0 : codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
  constexpr std::uint8_t kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  out.push_back(static_cast<char>(kLeadMarks[continuations] | (codePoint >> (6 * continuations))));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
    out.push_back(static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F)));
  }
}

std::string_view WithoutCutCharacter(std::string_view text) {
  // The last character starts at most three bytes before the end.
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, text.size()); ++back) {
    const std::size_t length = Utf8CharacterLength(text.substr(text.size() - back));
    if (length != 0) return length > back ? text.substr(0, text.size() - back) : text;
  }
  return text;
}
