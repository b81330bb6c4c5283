// SPDX-License-Identifier: MIT
#include "ui/Caption.h"

namespace ui {
namespace {

// The length of the character that starts at text[index]: a whole UTF-8
// sequence when one starts there, else one byte (ANSI text).
std::size_t CharacterLength(std::string_view text, std::size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead < 0xF8) length = 4;
  else if (lead >= 0xE0) length = 3;
  else if (lead >= 0xC0) length = 2;
  if (lead >= 0xF8 || index + length > text.size()) return 1;
  for (std::size_t i = index + 1; i < index + length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

CaptionText ParseCaption(std::string_view caption) {
  CaptionText result;
  result.Text.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      result.Text += caption[i];
      continue;
    }
    if (i + 1 == caption.size()) break;
    if (caption[i + 1] == '&') {
      result.Text += '&';
      ++i;
      continue;
    }
    const std::size_t length = CharacterLength(caption, i + 1);
    if (!result.AccessIndex) {
      result.AccessIndex = result.Text.size();
      result.AccessLength = length;
    }
    result.Text.append(caption.substr(i + 1, length));
    i += length;
  }
  return result;
}

}  // namespace ui
