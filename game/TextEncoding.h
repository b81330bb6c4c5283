// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "base/Text.h"

// Helpers for the two encodings a hand-written question file comes in:
// UTF-8, the game's own, Windows-1252, the code page older files were saved
// in, and the code points a UTF-16 file holds.

// True when every byte is below 0x80, so the text reads the same in both.
[[nodiscard]] bool IsAscii(std::string_view text);

// Appends the UTF-8 form of one code point up to U+10FFFF.
void AppendUtf8(std::string& out, char32_t codePoint);

// Appends the UTF-8 form of one Windows-1252 byte (see Windows1252ToUtf8).
void AppendWindows1252Character(std::string& out, char byte);

// The UTF-8 form of Windows-1252 text. The five bytes that code page leaves
// unassigned (81, 8D, 8F, 90, 9D) become the control characters of the same
// number, so no byte is lost.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view text);

// Removes a last character whose bytes do not all lie within the text, as
// when well-formed UTF-8 has been cut at a byte count.
[[nodiscard]] std::string_view WithoutIncompleteUtf8Tail(std::string_view text);
