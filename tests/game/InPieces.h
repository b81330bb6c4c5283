// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <optional>
#include <string_view>

#include "game/TextDecoder.h"

// Bytes held in memory as a file that gives at most `piece` bytes per read,
// so that a reader meets every place a file can be cut.
inline ByteSource InPieces(std::string_view bytes, std::size_t piece) {
  return [bytes, piece](std::uint64_t offset, std::span<char> buffer) {
    const std::string_view rest = bytes.substr(std::min<std::uint64_t>(offset, bytes.size()));
    return std::optional(rest.copy(buffer.data(), std::min(buffer.size(), piece)));
  };
}
