// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads integer text as question files and piece definitions write it:
// leading spaces, then an optionally signed decimal number in the 32-bit
// signed range, or a hexadecimal number after "$", "x", "X", "0x" or "0X"
// that fits in 32 bits and is taken as signed (FFFFFFFF is -1).
// Anything else, trailing blanks included, gives no value.
[[nodiscard]] std::optional<std::int32_t> IntegerFromText(std::string_view text);

// Plain decimal text with a leading "-" for negative values.
[[nodiscard]] std::string IntegerToText(std::int64_t value);
