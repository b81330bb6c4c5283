// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Shared by the colour names, the question reader and the question tool.
// Texts are UTF-8; only ASCII letters ever fold.

// Compares two texts with the case of A-Z and a-z ignored; every other byte
// must be equal, so non-ASCII letters never match by accident.
[[nodiscard]] bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
