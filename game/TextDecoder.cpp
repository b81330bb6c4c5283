// SPDX-License-Identifier: MIT
#include "game/TextDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "base/Utf8.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char kEndOfFileMark = '\x1A';
constexpr char32_t kReplacementCharacter = 0xFFFD;
const std::string kEndOfFileMarks(64, kEndOfFileMark);

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 matches
// Latin-1, whose bytes are their own code points. The five bytes the code
// page leaves unassigned become the control characters of the same number,
// so no byte is lost.
constexpr std::array<char16_t, 32> kHighControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendWindows1252(std::string& out, char byte) {
  const auto code = static_cast<std::uint8_t>(byte);
  AppendUtf8(out, code >= 0x80 && code <= 0x9F ? kHighControlRow[code - 0x80] : code);
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

TextDecoder::TextDecoder(ByteSource read, FileEncoding unmarked, Utf8Check check)
    : read_(std::move(read)), encoding_(unmarked), check_(check), bytes_(kCarryBytes + kPieceBytes, '\0') {}

std::string_view TextDecoder::Next() {
  while (ready_.empty() && !ended_) {
    const std::string_view piece = DecodeNextPiece();
    std::size_t text = piece.size();
    while (text > 0 && piece[text - 1] == kEndOfFileMark) --text;
    if (text == 0) {
      marksHeld_ += piece.size();
      continue;
    }
    // Text follows the Ctrl-Z bytes held back: they were not the end mark.
    marksDue_ = std::exchange(marksHeld_, piece.size() - text);
    ready_ = piece.substr(0, text);
  }
  if (marksDue_ > 0) {
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(marksDue_, kEndOfFileMarks.size()));
    marksDue_ -= count;
    return std::string_view(kEndOfFileMarks).substr(0, count);
  }
  return std::exchange(ready_, {});
}

FileEncoding TextDecoder::Settle() {
  const auto mayChange = [this] { return Encoding() == FileEncoding::Utf8 && check_ == Utf8Check::Watch; };
  while (!ended_ && (!markSettled_ || mayChange())) (void)DecodeNextPiece();
  return Encoding();
}

FileEncoding TextDecoder::Encoding() const { return utf8_ ? encoding_ : FileEncoding::Windows1252; }

std::string_view TextDecoder::DecodeNextPiece() {
  char* const piece = bytes_.data() + kCarryBytes;
  const std::optional<std::size_t> count = read_({piece, kPieceBytes});
  ended_ = !count || *count == 0;
  failed_ = !count;
  if (failed_) return {};
  std::string_view bytes(piece - carried_, carried_ + *count);
  carried_ = 0;
  if (!markSettled_ && !SettleMark(bytes)) return {};
  std::string_view text;
  switch (encoding_) {
    case FileEncoding::Utf8:
      text = CheckUtf8(bytes);
      break;
    case FileEncoding::Windows1252:
      text = DecodeWindows1252(bytes);
      break;
    case FileEncoding::Utf8WithMark:
      text = DecodeMarkedUtf8(bytes);
      break;
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
      text = DecodeUtf16(bytes);
      break;
  }
  textOffset_ += text.size();
  return text;
}

bool TextDecoder::SettleMark(std::string_view& bytes) {
  const auto starts = [&bytes](std::string_view mark) { return bytes.starts_with(mark); };
  const auto mayBecome = [&bytes](std::string_view mark) { return mark.starts_with(bytes); };
  if (!ended_ && (mayBecome(kUtf8Mark) || mayBecome(kUtf16LittleEndianMark) || mayBecome(kUtf16BigEndianMark))) {
    Carry(bytes);
    return false;
  }
  markSettled_ = true;
  if (starts(kUtf8Mark)) encoding_ = FileEncoding::Utf8WithMark;
  if (starts(kUtf16LittleEndianMark)) encoding_ = FileEncoding::Utf16LittleEndian;
  if (starts(kUtf16BigEndianMark)) encoding_ = FileEncoding::Utf16BigEndian;
  // Text passed on as it stands needs no room of its own; otherwise each
  // byte of the file becomes at most three of text.
  if (encoding_ != FileEncoding::Utf8) text_.reserve(3 * (kCarryBytes + kPieceBytes));
  if (encoding_ == FileEncoding::Utf8WithMark) bytes.remove_prefix(kUtf8Mark.size());
  if (encoding_ == FileEncoding::Utf16LittleEndian || encoding_ == FileEncoding::Utf16BigEndian) bytes.remove_prefix(2);
  return true;
}

std::string_view TextDecoder::CheckUtf8(std::string_view bytes) {
  if (!utf8_ || check_ == Utf8Check::Skip) return bytes;
  const std::size_t wellFormed = Utf8WellFormedLength(bytes);
  const std::string_view rest = bytes.substr(wellFormed);
  if (rest.empty()) return bytes;
  if (!ended_ && Utf8CharacterLength(rest) != 0) {
    Carry(rest);
    return bytes.substr(0, wellFormed);
  }
  utf8_ = false;
  firstOddByte_ = textOffset_ + wellFormed;
  return bytes;
}

std::string_view TextDecoder::DecodeMarkedUtf8(std::string_view bytes) {
  text_.clear();
  while (!bytes.empty()) {
    const std::size_t wellFormed = Utf8WellFormedLength(bytes);
    text_.append(bytes.substr(0, wellFormed));
    bytes.remove_prefix(wellFormed);
    if (bytes.empty()) break;
    if (!ended_ && Utf8CharacterLength(bytes) != 0) {
      Carry(bytes);
      break;
    }
    if (strayBytes_++ == 0) firstOddByte_ = textOffset_ + text_.size();
    AppendWindows1252(text_, bytes.front());
    bytes.remove_prefix(1);
  }
  return text_;
}

std::string_view TextDecoder::DecodeUtf16(std::string_view bytes) {
  text_.clear();
  const bool littleEndian = encoding_ == FileEncoding::Utf16LittleEndian;
  const auto unit = [&bytes, littleEndian](std::size_t at) {
    const auto first = static_cast<std::uint8_t>(bytes[at]);
    const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
    return static_cast<char32_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
  };
  std::size_t at = 0;
  for (; bytes.size() - at >= 2; at += 2) {
    const char32_t code = unit(at);
    if (!IsHighSurrogate(code)) {
      AppendUtf8(text_, IsLowSurrogate(code) ? kReplacementCharacter : code);
    } else if (bytes.size() - at >= 4 && IsLowSurrogate(unit(at + 2))) {
      AppendUtf8(text_, 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
      at += 2;
    } else if (bytes.size() - at >= 4 || ended_) {
      AppendUtf8(text_, kReplacementCharacter);
    } else {
      break;  // its partner may start the next piece
    }
  }
  if (at < bytes.size() && ended_) AppendUtf8(text_, kReplacementCharacter);
  if (at < bytes.size() && !ended_) Carry(bytes.substr(at));
  return text_;
}

std::string_view TextDecoder::DecodeWindows1252(std::string_view bytes) {
  text_.clear();
  for (const char byte : bytes) AppendWindows1252(text_, byte);
  return text_;
}

void TextDecoder::Carry(std::string_view bytes) {
  std::memmove(bytes_.data() + kCarryBytes - bytes.size(), bytes.data(), bytes.size());
  carried_ = bytes.size();
}

std::string DecodeFileBytes(std::string_view bytes) {
  const auto decode = [bytes](FileEncoding unmarked) {
    std::string_view rest = bytes;
    TextDecoder decoder(
        [&rest](std::span<char> buffer) {
          const std::size_t count = std::min(buffer.size(), rest.size());
          std::memcpy(buffer.data(), rest.data(), count);
          rest.remove_prefix(count);
          return std::optional<std::size_t>(count);
        },
        unmarked);
    std::string text;
    for (std::string_view piece = decoder.Next(); !piece.empty(); piece = decoder.Next()) text += piece;
    return std::pair(text, decoder.Encoding());
  };
  auto [text, encoding] = decode(FileEncoding::Utf8);
  return encoding == FileEncoding::Windows1252 ? decode(FileEncoding::Windows1252).first : text;
}
