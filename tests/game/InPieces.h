// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "game/ProfileReader.h"

// Bytes held in memory, handed over as a file that gives at most `piece`
// bytes per read, so a reader meets every place a file can be cut.
class InPieces final {
 public:
  InPieces(std::string_view bytes, std::size_t piece) : bytes_(bytes), piece_(piece) {}

  [[nodiscard]] ProfileBytes Bytes() {
    return {.read =
                [this](std::span<char> buffer) {
                  const std::size_t count = std::min({buffer.size(), piece_, bytes_.size() - at_});
                  std::memcpy(buffer.data(), bytes_.data() + at_, count);
                  at_ += count;
                  return std::optional<std::size_t>(count);
                },
            .rewind =
                [this] {
                  at_ = 0;
                  return true;
                }};
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::size_t piece_;
};
