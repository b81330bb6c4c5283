// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

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

 private:
  void Take(std::uint8_t byte);
  void Begin(std::uint8_t lead);

  bool valid_ = true;
  int continuationsLeft_ = 0;
  // The range the next continuation byte must fall in; narrower than
  // 0x80..0xBF only right after a lead byte that forbids overlong forms,
  // surrogates or code points past U+10FFFF.
  std::uint8_t lowest_ = 0x80;
  std::uint8_t highest_ = 0xBF;
};
