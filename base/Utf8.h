// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one set of UTF-8 rules every text of the game is read by. Well-formed
// means the shortest form of a code point up to U+10FFFF that is not a
// surrogate; anything else is not UTF-8.

// The byte length of the character that starts `text` (which is not
// empty): 1 to 4 while its bytes are well-formed, even when `text` ends
// before the character does (the length is then larger than the text); 0
// when its bytes are not UTF-8.
[[nodiscard]] std::size_t Utf8CharacterLength(std::string_view text);

// The length of the longest start of `text` made of whole, well-formed
// characters.
[[nodiscard]] std::size_t Utf8WellFormedLength(std::string_view text);

// True when every byte is below 0x80, so the text reads the same in UTF-8
// and in Windows-1252.
[[nodiscard]] bool IsAscii(std::string_view text);

// The number of characters of well-formed UTF-8 text.
[[nodiscard]] std::size_t Utf8CharacterCount(std::string_view text);

// Appends the UTF-8 form of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, char32_t codePoint);

// Well-formed UTF-8 cut at a byte count, without a last character whose
// bytes do not all lie within the cut.
[[nodiscard]] std::string_view WithoutCutCharacter(std::string_view text);
