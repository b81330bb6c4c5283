// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// Byte-string helpers shared by the colour names, the question reader and
// the captions. Texts are UTF-8; only ASCII letters ever fold.

// Compares two texts with the case of A-Z and a-z ignored; every other byte
// must be equal, so non-ASCII letters never match by accident.
[[nodiscard]] bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The number of bytes of the UTF-8 character that starts at text[index]:
// the whole character when it is well-formed and lies within the text,
// otherwise 1, so a stray byte is stepped over on its own.
[[nodiscard]] std::size_t Utf8CharacterLength(std::string_view text, std::size_t index);
