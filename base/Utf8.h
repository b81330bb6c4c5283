// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one set of UTF-8 rules the game's texts are read by: a character is
// the shortest form of a code point up to U+10FFFF that is no surrogate.

// The byte length (1 to 4) of the character that starts `text` (not empty)
// while its bytes are well-formed, also when the text ends before the
// character does; 0 when they are not UTF-8.
[[nodiscard]] std::size_t Utf8CharacterLength(std::string_view text);

// The character that starts `text` (not empty) when it is whole and
// well-formed; otherwise its first byte alone, to be stepped over on its own.
[[nodiscard]] std::string_view Utf8CharacterAt(std::string_view text);

// The length of the longest start of `text` made of whole characters.
[[nodiscard]] std::size_t Utf8WellFormedLength(std::string_view text);

// True when every byte is below 0x80: the text reads the same in UTF-8 and
// in Windows-1252.
[[nodiscard]] bool IsAscii(std::string_view text);

// The number of characters of well-formed UTF-8 text.
[[nodiscard]] std::size_t Utf8CharacterCount(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

// Well-formed text cut at a byte count, without a last character that the
// cut left incomplete.
[[nodiscard]] std::string_view WithoutCutCharacter(std::string_view text);
