// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// A caption as it is shown: "&" marks the next character as the access
// letter, drawn underlined, and "&&" shows one "&".
struct CaptionText {
  std::string Text;
  // Byte offset in Text of the access letter, if the caption names one.
  std::optional<std::size_t> AccessIndex;
  // Byte length of the access letter: more than 1 for a UTF-8 sequence.
  std::size_t AccessLength = 0;
};

// Splits a caption into its shown text and access letter. The first marked
// character is the access letter; later marks are dropped, and so is a lone
// "&" at the end, which marks nothing.
[[nodiscard]] CaptionText ParseCaption(std::string_view caption);

// The caption in the form of toolkits that underline the letter after a
// "&" and show "&&" as one "&": the shown text with each "&" doubled and
// one "&" before the access letter. Nothing else of it is read as markup.
[[nodiscard]] std::string MnemonicText(std::string_view caption);

}  // namespace ui
