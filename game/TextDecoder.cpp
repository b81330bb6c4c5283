// SPDX-License-Identifier: MIT
#include "game/TextDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "game/TextEncoding.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char kEndOfFileMark = '\x1A';
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Converted text is passed on in pieces of about this size, so a request
// needs no more memory for a large file than for a small one.
constexpr std::size_t kOutputBytes = 16 * 1024;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The bytes below 0x80 at the start of `bytes`, found eight at a time.
std::size_t AsciiPrefixLength(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  std::size_t length = 0;
  while (bytes.size() - length >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + length, sizeof word);
    if ((word & kHighBits) != 0) break;
    length += 8;
  }
  while (length < bytes.size() && static_cast<std::uint8_t>(bytes[length]) < 0x80) ++length;
  return length;
}

}  // namespace

TextDecoder::TextDecoder(FileEncoding unmarked, Sink sink, Utf8Check check)
    : unmarked_(unmarked), sink_(std::move(sink)), check_(check) {
  output_.reserve(kOutputBytes + 8);
}

void TextDecoder::Feed(std::string_view bytes) {
  while (!markSettled_ && !bytes.empty()) {
    head_.push_back(bytes.front());
    bytes.remove_prefix(1);
    SettleMark(false);
  }
  if (markSettled_) Decode(bytes);
}

void TextDecoder::Finish() {
  if (!markSettled_) SettleMark(true);
  switch (encoding_) {
    case FileEncoding::Utf8:
    case FileEncoding::Windows1252:
      break;
    case FileEncoding::Utf8WithMark:
      StrayPendingBytes();
      break;
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
      if (highSurrogate_ != 0 || haveOddByte_) AppendUtf8(output_, kReplacementCharacter);
      highSurrogate_ = 0;
      haveOddByte_ = false;
      break;
  }
  if (unmarked_ == FileEncoding::Utf8 && encoding_ == FileEncoding::Utf8) validator_.Finish();
  FlushOutput();
  heldEndMarks_ = 0;  // the DOS end-of-file mark
}

FileEncoding TextDecoder::Encoding() const {
  if (markSettled_ && encoding_ == FileEncoding::Utf8 && !validator_.Valid()) return FileEncoding::Windows1252;
  return encoding_;
}

std::uint64_t TextDecoder::FirstNonUtf8Byte() const { return validator_.InvalidAt(); }

void TextDecoder::SettleMark(bool atEnd) {
  const std::string_view head = head_;
  const auto settle = [this](FileEncoding encoding, std::size_t markLength) {
    markSettled_ = true;
    encoding_ = encoding;
    offset_ = markLength;
    const std::string rest = head_.substr(markLength);
    head_.clear();
    Decode(rest);
  };
  if (head == kUtf8Mark) return settle(FileEncoding::Utf8WithMark, kUtf8Mark.size());
  if (head.starts_with(kUtf16LittleEndianMark)) return settle(FileEncoding::Utf16LittleEndian, 2);
  if (head.starts_with(kUtf16BigEndianMark)) return settle(FileEncoding::Utf16BigEndian, 2);
  const bool mayBecomeAMark = kUtf8Mark.starts_with(head) || kUtf16LittleEndianMark.starts_with(head) ||
                              kUtf16BigEndianMark.starts_with(head);
  if (mayBecomeAMark && !atEnd) return;
  settle(unmarked_, 0);
}

void TextDecoder::Decode(std::string_view bytes) {
  if (bytes.empty()) return;
  switch (encoding_) {
    case FileEncoding::Utf8:
      if (check_ == Utf8Check::Watch) validator_.Feed(bytes);
      Emit(bytes);
      break;
    case FileEncoding::Windows1252:
      DecodeWindows1252(bytes);
      break;
    case FileEncoding::Utf8WithMark:
      DecodeMarkedUtf8(bytes);
      break;
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
      DecodeUtf16(bytes);
      break;
  }
  offset_ += bytes.size();
  FlushOutput();
}

void TextDecoder::DecodeWindows1252(std::string_view bytes) {
  for (const char byte : bytes) {
    AppendWindows1252Character(output_, byte);
    if (output_.size() >= kOutputBytes) FlushOutput();
  }
}

void TextDecoder::DecodeMarkedUtf8(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (continuationsLeft_ == 0) {
      // Runs of ASCII, most of a file, are copied whole.
      const std::size_t run = std::min(AsciiPrefixLength(bytes.substr(at)), kOutputBytes);
      output_.append(bytes.data() + at, run);
      at += run;
      if (output_.size() >= kOutputBytes) FlushOutput();
      if (at == bytes.size() || run == kOutputBytes) continue;
    }
    position_ = offset_ + at;
    TakeMarkedUtf8(static_cast<std::uint8_t>(bytes[at]));
    ++at;
    if (output_.size() >= kOutputBytes) FlushOutput();
  }
}

void TextDecoder::TakeMarkedUtf8(std::uint8_t byte) {
  if (continuationsLeft_ == 0) {
    if (byte < 0x80) {
      output_.push_back(static_cast<char>(byte));
      return;
    }
    const std::optional<Utf8Sequence> sequence = Utf8SequenceStartedBy(byte);
    if (!sequence) {
      if (strayBytes_++ == 0) firstStrayByte_ = position_;
      AppendWindows1252Character(output_, static_cast<char>(byte));
      return;
    }
    pending_.assign(1, static_cast<char>(byte));
    pendingStart_ = position_;
    continuationsLeft_ = sequence->continuations;
    lowest_ = sequence->lowest;
    highest_ = sequence->highest;
    return;
  }
  if (byte < lowest_ || byte > highest_) {
    // The sequence breaks off: its bytes stand alone, and this byte starts
    // afresh.
    StrayPendingBytes();
    TakeMarkedUtf8(byte);
    return;
  }
  pending_.push_back(static_cast<char>(byte));
  lowest_ = 0x80;
  highest_ = 0xBF;
  if (--continuationsLeft_ == 0) {
    output_ += pending_;
    pending_.clear();
  }
}

void TextDecoder::StrayPendingBytes() {
  if (pending_.empty()) return;
  if (strayBytes_ == 0) firstStrayByte_ = pendingStart_;
  strayBytes_ += pending_.size();
  for (const char byte : pending_) AppendWindows1252Character(output_, byte);
  pending_.clear();
  continuationsLeft_ = 0;
}

void TextDecoder::DecodeUtf16(std::string_view bytes) {
  const bool littleEndian = encoding_ == FileEncoding::Utf16LittleEndian;
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (!haveOddByte_) {
      oddByte_ = byte;
      haveOddByte_ = true;
      continue;
    }
    haveOddByte_ = false;
    const auto unit = static_cast<char16_t>(littleEndian ? oddByte_ | (byte << 8) : (oddByte_ << 8) | byte);
    TakeUtf16Unit(unit);
    if (output_.size() >= kOutputBytes) FlushOutput();
  }
}

void TextDecoder::TakeUtf16Unit(char16_t unit) {
  if (highSurrogate_ != 0) {
    const char16_t high = std::exchange(highSurrogate_, 0);
    if (IsLowSurrogate(unit)) {
      AppendUtf8(output_, 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00));
      return;
    }
    AppendUtf8(output_, kReplacementCharacter);
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return;
  }
  AppendUtf8(output_, IsLowSurrogate(unit) ? kReplacementCharacter : unit);
}

void TextDecoder::FlushOutput() {
  if (output_.empty()) return;
  Emit(output_);
  output_.clear();
}

void TextDecoder::Emit(std::string_view text) {
  std::size_t endMarks = 0;
  while (endMarks < text.size() && text[text.size() - 1 - endMarks] == kEndOfFileMark) ++endMarks;
  if (endMarks == text.size()) {
    heldEndMarks_ += endMarks;
    return;
  }
  // Text follows: the Ctrl-Z bytes held back were not at the end after all.
  static constexpr std::array<char, 64> kMarks = [] {
    std::array<char, 64> marks{};
    marks.fill(kEndOfFileMark);
    return marks;
  }();
  while (heldEndMarks_ > 0) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(heldEndMarks_, kMarks.size()));
    sink_(std::string_view(kMarks.data(), count));
    heldEndMarks_ -= count;
  }
  sink_(text.substr(0, text.size() - endMarks));
  heldEndMarks_ = endMarks;
}
