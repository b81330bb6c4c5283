// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The encodings a question file is read in, as a teacher's editor saves it.
enum class FileEncoding {
  Utf8,               // no byte-order mark, and all of the file is UTF-8
  Windows1252,        // no byte-order mark, and the file is not UTF-8
  Utf8WithMark,       // EF BB BF; a byte that is not UTF-8 counts as Windows-1252
  Utf16LittleEndian,  // FF FE
  Utf16BigEndian,     // FE FF
};

// A file's bytes: reads those at `offset` into the buffer and tells how
// many, 0 at the end of the file, nothing when reading fails.
using ByteSource = std::function<std::optional<std::size_t>(std::uint64_t offset, std::span<char> buffer)>;

// Reads a file piece by piece and hands it on as UTF-8 text, holding one
// piece and its text (at most three bytes for each byte) whatever the size.
// A byte-order mark at the start decides the encoding and is dropped. In
// UTF-16, a surrogate without its partner and an odd last byte become
// U+FFFD, so nothing vanishes unseen. Ctrl-Z bytes at the very end are a
// DOS end-of-file mark, not text.
class TextDecoder final {
 public:
  static constexpr std::size_t kPieceBytes = 64 * 1024;

  // Whether UTF-8 without a mark is watched for bytes that show it is not,
  // at the cost of a look at every byte, or passed on as it stands.
  enum class Utf8Check { Watch, Skip };

  // `unmarked`, Utf8 or Windows1252, is how a file without a mark is read.
  TextDecoder(ByteSource read, FileEncoding unmarked, Utf8Check check = Utf8Check::Watch);

  // The next piece of text; empty once the file has ended or failed.
  [[nodiscard]] std::string_view Next();

  // As far as the text so far tells: watched UTF-8 without a mark becomes
  // Windows1252 at the first byte that is not UTF-8, which (as in a file
  // marked as UTF-8) is read as Windows-1252.
  [[nodiscard]] FileEncoding Encoding() const {
    return encoding_ == FileEncoding::Utf8 && strayBytes_ > 0 ? FileEncoding::Windows1252 : encoding_;
  }
  [[nodiscard]] bool Failed() const { return failed_; }
  // Where in the text the first byte of UTF-8 that is not went, and how
  // many such bytes were read as Windows-1252.
  [[nodiscard]] std::optional<std::uint64_t> FirstOddByte() const { return firstOddByte_; }
  [[nodiscard]] std::uint64_t StrayBytes() const { return strayBytes_; }

 private:
  std::string_view DecodeNextPiece();
  std::string_view Decode(std::string_view bytes);

  ByteSource read_;
  FileEncoding encoding_;
  Utf8Check check_;
  bool ended_ = false, failed_ = false;
  std::uint64_t offset_ = 0, textOffset_ = 0, strayBytes_ = 0;
  std::optional<std::uint64_t> firstOddByte_;
  std::string bytes_, text_;
  std::size_t cut_ = 0;  // the bytes at the end of the piece that the next one reads again
  // Text ready, and the Ctrl-Z bytes due before it, or held back after it
  // until text follows them.
  std::string_view ready_;
  std::uint64_t marksDue_ = 0, marksHeld_ = 0;
};
