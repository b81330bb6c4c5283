// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a UTF-8 lead byte asks of the bytes after it: how many continuation
// bytes, and the range the first of them must fall in. That range is
// narrower than 0x80..0xBF only after a lead byte that would otherwise allow
// overlong forms, surrogates or code points past U+10FFFF.
struct Utf8Sequence {
  int continuations = 0;
  std::uint8_t lowest = 0x80;
  std::uint8_t highest = 0xBF;
};

// The sequence a byte of 0x80 or more starts, or nothing when it starts
// none: a continuation byte, C0, C1 or F5..FF.
[[nodiscard]] std::optional<Utf8Sequence> Utf8SequenceStartedBy(std::uint8_t lead);

// Tells whether a byte stream that arrives in pieces of any size is well-formed
// UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, and no
// sequence left open at the end. It holds a few bytes of state, never the
// text itself.
class Utf8Validator final {
 public:
  // Takes the next bytes of the stream.
  void Feed(std::string_view bytes);

  // Marks the end of the stream: a sequence still open makes it invalid.
  void Finish();

  // True while everything fed so far can still be UTF-8.
  [[nodiscard]] bool Valid() const { return valid_; }

  // Once not Valid(): the offset in the stream of the first byte of the
  // first sequence that is not UTF-8.
  [[nodiscard]] std::uint64_t InvalidAt() const { return invalidAt_; }

 private:
  void Take(std::uint8_t byte);

  bool valid_ = true;
  std::uint64_t fed_ = 0;
  std::uint64_t sequenceStart_ = 0;
  std::uint64_t invalidAt_ = 0;
  int continuationsLeft_ = 0;
  std::uint8_t lowest_ = 0x80;
  std::uint8_t highest_ = 0xBF;
};
