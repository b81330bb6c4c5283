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

// Where the bytes of a file come from: fills the buffer with the next ones
// and tells how many, 0 at the end of the file, nothing when reading fails.
using ByteSource = std::function<std::optional<std::size_t>(std::span<char>)>;

// Reads a file piece by piece and hands it on as UTF-8 text:
//   - a byte-order mark at the start decides the encoding and is dropped;
//   - a file without one is read as `unmarked` says: as UTF-8, passed on as
//     it stands (and checked, if asked), or as Windows-1252;
//   - in a file marked as UTF-8, a byte that is not part of a well-formed
//     character stands for its Windows-1252 character;
//   - in UTF-16, a surrogate without its partner and an odd last byte become
//     U+FFFD, so nothing vanishes unseen;
//   - Ctrl-Z bytes at the very end are a DOS end-of-file mark, not text.
// It holds one piece of the file and its text, whatever the file's size.
class TextDecoder final {
 public:
  static constexpr std::size_t kPieceBytes = 64 * 1024;

  // Whether a file without a mark read as UTF-8 is checked for bytes that
  // show it is not. Checking costs a look at every byte, which a reader
  // that only needs ASCII from the file can do without.
  enum class Utf8Check { Watch, Skip };

  // `unmarked` is Utf8 or Windows1252.
  TextDecoder(ByteSource read, FileEncoding unmarked, Utf8Check check = Utf8Check::Watch);

  // The next piece of text; empty once the file has ended or failed to read.
  [[nodiscard]] std::string_view Next();

  // Reads what is left of a file without a mark read as UTF-8 and watched,
  // the only kind whose encoding its rest can change, and returns the
  // encoding.
  FileEncoding Settle();

  // The encoding as far as the bytes so far tell: a file without a mark
  // read as UTF-8 and watched becomes Windows1252 at the first byte that is
  // not UTF-8.
  [[nodiscard]] FileEncoding Encoding() const;

  [[nodiscard]] bool Failed() const { return failed_; }

  // Where in the text the first byte that is not UTF-8 stands: in a file
  // without a mark read as UTF-8, or the first read as Windows-1252 in one
  // marked as UTF-8.
  [[nodiscard]] std::optional<std::uint64_t> FirstOddByte() const { return firstOddByte_; }

  // In a file marked as UTF-8: how many bytes were read as Windows-1252.
  [[nodiscard]] std::uint64_t StrayBytes() const { return strayBytes_; }

 private:
  // The bytes of a character cut by the end of one piece are moved in
  // front of the next.
  static constexpr std::size_t kCarryBytes = 4;

  std::string_view DecodeNextPiece();
  bool SettleMark(std::string_view& bytes);
  std::string_view CheckUtf8(std::string_view bytes);
  std::string_view DecodeMarkedUtf8(std::string_view bytes);
  std::string_view DecodeUtf16(std::string_view bytes);
  std::string_view DecodeWindows1252(std::string_view bytes);
  void Carry(std::string_view bytes);

  ByteSource read_;
  FileEncoding encoding_;
  Utf8Check check_;
  bool markSettled_ = false;
  bool ended_ = false;
  bool failed_ = false;
  bool utf8_ = true;  // for a file without a mark read as UTF-8
  std::string bytes_;
  std::size_t carried_ = 0;
  std::string text_;
  std::uint64_t textOffset_ = 0;
  std::optional<std::uint64_t> firstOddByte_;
  std::uint64_t strayBytes_ = 0;
  // Text ready, and how many Ctrl-Z bytes are due before it or held back
  // after it until text follows them.
  std::string_view ready_;
  std::uint64_t marksDue_ = 0;
  std::uint64_t marksHeld_ = 0;
};

// The text of a whole file held in memory, in the encoding a request
// settles on.
[[nodiscard]] std::string DecodeFileBytes(std::string_view bytes);
