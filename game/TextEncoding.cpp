// SPDX-License-Identifier: MIT
#include "game/TextEncoding.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 matches
// Latin-1, whose bytes are their own code points.
constexpr std::array<char32_t, 32> kHighControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The number of bytes of the character a lead byte starts; 1 for anything
// that is not a lead byte of a longer sequence.
std::size_t SequenceLength(std::uint8_t lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool IsContinuation(char c) { return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80; }

}  // namespace

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

void AppendWindows1252Character(std::string& out, char byte) {
  const auto code = static_cast<std::uint8_t>(byte);
  AppendUtf8(out, code >= 0x80 && code <= 0x9F ? kHighControlRow[code - 0x80] : code);
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<std::uint8_t>(c) >= 0x80) return false;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendWindows1252Character(out, c);
  return out;
}

std::string_view WithoutIncompleteUtf8Tail(std::string_view text) {
  // Look back over at most three continuation bytes for the last lead byte.
  std::size_t lead = text.size();
  for (std::size_t back = 0; back < 4 && lead > 0; ++back) {
    --lead;
    if (!IsContinuation(text[lead])) break;
  }
  if (lead >= text.size() || IsContinuation(text[lead])) return text;
  const std::size_t needed = SequenceLength(static_cast<std::uint8_t>(text[lead]));
  return lead + needed > text.size() ? text.substr(0, lead) : text;
}
