// SPDX-License-Identifier: MIT
#include "game/Utf8Validator.h"

#include <cstring>

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080U;

// Steps over bytes below 0x80 32 and then eight at a time: most of a
// question file is ASCII, and every request checks the file it reads.
const char* SkipAscii(const char* at, const char* end) {
  while (end - at >= 32) {
    std::uint64_t words[4];
    std::memcpy(words, at, sizeof words);
    if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0) break;
    at += 32;
  }
  while (end - at >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    if ((word & kHighBits) != 0) break;
    at += 8;
  }
  return at;
}

}  // namespace

std::optional<Utf8Sequence> Utf8SequenceStartedBy(std::uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return Utf8Sequence{.continuations = 1};
  if (lead >= 0xE0 && lead <= 0xEF) {
    Utf8Sequence sequence{.continuations = 2};
    if (lead == 0xE0) sequence.lowest = 0xA0;   // below: overlong
    if (lead == 0xED) sequence.highest = 0x9F;  // above: surrogates
    return sequence;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    Utf8Sequence sequence{.continuations = 3};
    if (lead == 0xF0) sequence.lowest = 0x90;   // below: overlong
    if (lead == 0xF4) sequence.highest = 0x8F;  // above: past U+10FFFF
    return sequence;
  }
  return std::nullopt;
}

void Utf8Validator::Feed(std::string_view bytes) {
  const char* const begin = bytes.data();
  const char* at = begin;
  const char* const end = at + bytes.size();
  while (at < end && valid_) {
    if (continuationsLeft_ == 0) {
      at = SkipAscii(at, end);
      if (at == end) break;
    }
    const std::uint64_t offset = fed_ + static_cast<std::uint64_t>(at - begin);
    if (continuationsLeft_ == 0) sequenceStart_ = offset;
    Take(static_cast<std::uint8_t>(*at++));
    if (!valid_) invalidAt_ = sequenceStart_;
  }
  fed_ += bytes.size();
}

void Utf8Validator::Finish() {
  if (continuationsLeft_ == 0 || !valid_) return;
  valid_ = false;
  invalidAt_ = sequenceStart_;
}

void Utf8Validator::Take(std::uint8_t byte) {
  if (continuationsLeft_ == 0) {
    if (byte < 0x80) return;
    const std::optional<Utf8Sequence> sequence = Utf8SequenceStartedBy(byte);
    if (!sequence) {
      valid_ = false;
      return;
    }
    continuationsLeft_ = sequence->continuations;
    lowest_ = sequence->lowest;
    highest_ = sequence->highest;
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
