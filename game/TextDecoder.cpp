// SPDX-License-Identifier: MIT
#include "game/TextDecoder.h"

#include <algorithm>
#include <utility>

#include "base/Utf8.h"

namespace {

constexpr std::pair<std::string_view, FileEncoding> kByteOrderMarks[] = {
    {"\xEF\xBB\xBF", FileEncoding::Utf8WithMark},
    {"\xFF\xFE", FileEncoding::Utf16LittleEndian},
    {"\xFE\xFF", FileEncoding::Utf16BigEndian}};
constexpr char kEndOfFileMark = '\x1A';
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 is Latin-1,
// whose bytes are their own code points. The five bytes the code page
// leaves unassigned become the control characters of the same number, so
// no byte is lost.
constexpr char16_t kHighControlRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendWindows1252(std::string& out, char byte) {
  const auto code = static_cast<std::uint8_t>(byte);
  AppendUtf8(out, code >= 0x80 && code <= 0x9F ? kHighControlRow[code - 0x80] : code);
}

}  // namespace

TextDecoder::TextDecoder(ByteSource read, FileEncoding unmarked, Utf8Check check)
    : read_(std::move(read)), encoding_(unmarked), check_(check), bytes_(kPieceBytes, '\0') {}

std::string_view TextDecoder::Next() {
  while (ready_.empty() && !ended_) {
    const std::string_view piece = DecodeNextPiece();
    const std::size_t text = piece.find_last_not_of(kEndOfFileMark) + 1;  // 0 when there is none
    // Text follows the Ctrl-Z bytes held back: they were not the end mark.
    if (text > 0) marksDue_ = std::exchange(marksHeld_, 0);
    marksHeld_ += piece.size() - text;
    ready_ = piece.substr(0, text);
  }
  if (marksDue_ == 0) return std::exchange(ready_, {});
  static const std::string kEndOfFileMarks(64, kEndOfFileMark);
  const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(marksDue_, kEndOfFileMarks.size()));
  marksDue_ -= count;
  return std::string_view(kEndOfFileMarks).substr(0, count);
}

std::string_view TextDecoder::DecodeNextPiece() {
  // Unless the file ends in it, a piece holds a whole byte-order mark and
  // more than the bytes of a character its end may cut short, which the
  // next piece reads again: so every piece moves the reading on.
  std::size_t filled = 0;
  while (filled <= 3 && !ended_) {
    const std::optional<std::size_t> count = read_(offset_ + filled, {bytes_.data() + filled, kPieceBytes - filled});
    failed_ = !count;
    ended_ = failed_ || *count == 0;
    if (failed_) return {};
    filled += *count;
  }
  std::string_view bytes(bytes_.data(), filled);
  for (const auto& [mark, encoding] : kByteOrderMarks) {
    if (offset_ != 0 || !bytes.starts_with(mark)) continue;
    encoding_ = encoding;
    bytes.remove_prefix(mark.size());
    break;
  }
  cut_ = 0;
  const std::string_view text = Decode(bytes);
  offset_ += filled - cut_;
  textOffset_ += text.size();
  return text;
}

std::string_view TextDecoder::Decode(std::string_view bytes) {
  text_.clear();
  switch (encoding_) {
    case FileEncoding::Windows1252:
      for (const char byte : bytes) AppendWindows1252(text_, byte);
      return text_;
    case FileEncoding::Utf8:
      if (check_ == Utf8Check::Skip) return bytes;
      [[fallthrough]];
    case FileEncoding::Utf8WithMark:
      // Text that is all UTF-8 is passed on without a copy.
      for (std::size_t wellFormed = Utf8WellFormedLength(bytes);; wellFormed = Utf8WellFormedLength(bytes)) {
        const std::string_view rest = bytes.substr(wellFormed);
        if (rest.empty() || (!ended_ && Utf8CharacterLength(rest) != 0)) {
          cut_ = rest.size();
          return text_.empty() ? bytes.substr(0, wellFormed) : text_.append(bytes.substr(0, wellFormed));
        }
        text_.append(bytes.substr(0, wellFormed));
        if (strayBytes_++ == 0) firstOddByte_ = textOffset_ + text_.size();
        AppendWindows1252(text_, rest.front());
        bytes = rest.substr(1);
      }
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
      break;
  }
  const bool littleEndian = encoding_ == FileEncoding::Utf16LittleEndian;
  const auto unit = [&bytes, littleEndian](std::size_t at) -> char32_t {
    const auto first = static_cast<std::uint8_t>(bytes[at]);
    const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
    return littleEndian ? first | (second << 8) : (first << 8) | second;
  };
  std::size_t at = 0;
  for (; bytes.size() - at >= 2; at += 2) {
    char32_t code = unit(at);
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    if (high && bytes.size() - at < 4) break;  // its partner may start the next piece
    if (high && unit(at + 2) >= 0xDC00 && unit(at + 2) <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
      at += 2;
    }
    AppendUtf8(text_, code >= 0xD800 && code <= 0xDFFF ? kReplacementCharacter : code);
  }
  // What the end of the file cut short: an odd byte, a high surrogate, or both.
  if (at < bytes.size() && ended_) AppendUtf8(text_, kReplacementCharacter);
  if (!ended_) cut_ = bytes.size() - at;
  return text_;
}
