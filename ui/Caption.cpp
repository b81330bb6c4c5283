// SPDX-License-Identifier: MIT
#include "ui/Caption.h"

#include "base/Utf8.h"

namespace ui {

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
    const std::string_view letter = Utf8CharacterAt(caption.substr(i + 1));
    if (!result.AccessIndex) {
      result.AccessIndex = result.Text.size();
      result.AccessLength = letter.size();
    }
    result.Text.append(letter);
    i += letter.size();
  }
  return result;
}

std::string MnemonicText(std::string_view caption) {
  const CaptionText parsed = ParseCaption(caption);
  std::string text;
  for (std::size_t i = 0; i < parsed.Text.size(); ++i) {
    if (parsed.Text[i] == '&' || i == parsed.AccessIndex) text += '&';
    text += parsed.Text[i];
  }
  return text;
}

}  // namespace ui
