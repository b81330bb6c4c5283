// SPDX-License-Identifier: MIT
#include "game/Utf8Validator.h"

#include <cstring>

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080U;

// Steps over bytes below 0x80 eight at a time: most of a question file is
// ASCII, and every request checks the file it reads.
const char* SkipAscii(const char* at, const char* end) {
  while (end - at >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    if ((word & kHighBits) != 0) break;
    at += 8;
  }
  return at;
}

}  // namespace

void Utf8Validator::Feed(std::string_view bytes) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at < end && valid_) {
    if (continuationsLeft_ == 0) {
      at = SkipAscii(at, end);
      if (at == end) break;
    }
    Take(static_cast<std::uint8_t>(*at++));
  }
}

void Utf8Validator::Finish() {
  if (continuationsLeft_ != 0) valid_ = false;
}

void Utf8Validator::Take(std::uint8_t byte) {
  if (continuationsLeft_ == 0) {
    Begin(byte);
    return;
  }
  if (byte < lowest_ || byte > highest_) {
    valid_ = false;
    return;
  }
  --continuationsLeft_;
  lowest_ = 0x80;
  highest_ = 0xBF;
}

void Utf8Validator::Begin(std::uint8_t lead) {
  if (lead < 0x80) return;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuationsLeft_ = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuationsLeft_ = 2;
    if (lead == 0xE0) lowest_ = 0xA0;   // below: overlong
    if (lead == 0xED) highest_ = 0x9F;  // above: surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuationsLeft_ = 3;
    if (lead == 0xF0) lowest_ = 0x90;   // below: overlong
    if (lead == 0xF4) highest_ = 0x8F;  // above: past U+10FFFF
  } else {
    valid_ = false;  // a stray continuation byte, C0, C1 or F5..FF
  }
}
