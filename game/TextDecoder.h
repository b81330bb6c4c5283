// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "game/Utf8Validator.h"

// The encodings a question file is read in, as a teacher's editor saves it.
enum class FileEncoding {
  Utf8,               // no byte-order mark, and all of the file is UTF-8
  Windows1252,        // no byte-order mark, and the file is not UTF-8
  Utf8WithMark,       // EF BB BF; a byte that is not UTF-8 counts as Windows-1252
  Utf16LittleEndian,  // FF FE
  Utf16BigEndian,     // FE FF
};

// Turns the bytes of a file, arriving in pieces of any size, into UTF-8 text
// for the line scanner:
//   - a byte-order mark at the start decides the encoding and is dropped;
//   - a file without one is taken as the constructor says: as UTF-8, passed
//     on as it stands while a validator watches whether it really is, or as
//     Windows-1252;
//   - in a file marked as UTF-8, each byte that is not part of a well-formed
//     sequence stands for its Windows-1252 character;
//   - in UTF-16, a surrogate without its partner and an odd last byte become
//     U+FFFD, so nothing vanishes unseen;
//   - Ctrl-Z (1A) bytes at the very end are a DOS end-of-file mark, not text.
// It holds a few bytes of state and a bounded piece of converted text.
class TextDecoder final {
 public:
  using Sink = std::function<void(std::string_view)>;

  // Whether a file without a mark read as UTF-8 is watched for bytes that
  // show it is not. A reader that only needs ASCII from the file can do
  // without.
  enum class Utf8Check { Watch, Skip };

  // `unmarked` is Utf8 or Windows1252.
  TextDecoder(FileEncoding unmarked, Sink sink, Utf8Check check = Utf8Check::Watch);

  void Feed(std::string_view bytes);

  // Marks the end of the file: what was held back is settled.
  void Finish();

  // The encoding as far as the bytes so far tell. For a file without a mark
  // read as UTF-8 this becomes Windows1252 at the first byte that shows the
  // file is not UTF-8 (if watched): then it has to be read again as
  // Windows-1252.
  [[nodiscard]] FileEncoding Encoding() const;

  // Whether the first bytes have told whether the file has a mark.
  [[nodiscard]] bool MarkSettled() const { return markSettled_; }

  // For a file without a mark read as UTF-8 that is not UTF-8: the offset
  // in the file of the first byte that shows it.
  [[nodiscard]] std::uint64_t FirstNonUtf8Byte() const;

  // For a file marked as UTF-8: how many bytes were read as Windows-1252,
  // and the offset in the file of the first of them.
  [[nodiscard]] std::uint64_t StrayBytes() const { return strayBytes_; }
  [[nodiscard]] std::uint64_t FirstStrayByte() const { return firstStrayByte_; }

 private:
  void SettleMark(bool atEnd);
  void Decode(std::string_view bytes);
  void DecodeWindows1252(std::string_view bytes);
  void DecodeMarkedUtf8(std::string_view bytes);
  void TakeMarkedUtf8(std::uint8_t byte);
  void StrayPendingBytes();
  void DecodeUtf16(std::string_view bytes);
  void TakeUtf16Unit(char16_t unit);
  void FlushOutput();
  void Emit(std::string_view text);

  FileEncoding unmarked_;
  Sink sink_;
  Utf8Check check_;
  FileEncoding encoding_ = FileEncoding::Utf8;
  bool markSettled_ = false;
  std::string head_;
  Utf8Validator validator_;

  std::string output_;
  std::uint64_t offset_ = 0;    // in the file, of the first byte Decode takes next
  std::uint64_t position_ = 0;  // in the file, of the byte being taken

  // A marked UTF-8 sequence not yet complete, and what its next byte must be.
  std::string pending_;
  std::uint64_t pendingStart_ = 0;
  int continuationsLeft_ = 0;
  std::uint8_t lowest_ = 0x80;
  std::uint8_t highest_ = 0xBF;
  std::uint64_t strayBytes_ = 0;
  std::uint64_t firstStrayByte_ = 0;

  // The first byte of a UTF-16 unit, and a high surrogate waiting for its
  // low one.
  bool haveOddByte_ = false;
  std::uint8_t oddByte_ = 0;
  char16_t highSurrogate_ = 0;

  // Ctrl-Z bytes seen last, passed on only if text follows them.
  std::uint64_t heldEndMarks_ = 0;
};
