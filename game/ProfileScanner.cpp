// SPDX-License-Identifier: MIT
#include "game/ProfileScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "game/TextEncoding.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

bool HasByte(std::uint64_t word, std::uint8_t byte) {
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  const std::uint64_t differences = word ^ (kOnes * byte);
  return ((differences - kOnes) & ~differences & kHighBits) != 0;
}

// The first CR or LF from `at` on, or `end`. Looks at eight bytes at a time,
// since most lines of a file are passed over unread.
const char* FindLineEnd(const char* at, const char* end) {
  while (end - at >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    if (HasByte(word, '\n') || HasByte(word, '\r')) break;
    at += 8;
  }
  while (at < end && !IsLineEnd(*at)) ++at;
  return at;
}

}  // namespace

void ProfileScanner::Capture::Restart(std::size_t keep) {
  kept_.clear();
  kept_.reserve(keep);
  keep_ = keep;
  length_ = 0;
  trimmedLength_ = 0;
  lastNonBlank_ = '\0';
  started_ = false;
  stopped_ = false;
}

void ProfileScanner::Capture::Take(char c) {
  if (stopped_) return;
  if (!started_ && IsBlank(c)) return;
  started_ = true;
  if (kept_.size() < keep_) kept_.push_back(c);
  ++length_;
  if (!IsBlank(c)) {
    trimmedLength_ = length_;
    lastNonBlank_ = c;
  }
}

ProfileScanner::ProfileScanner(std::string_view section, std::string_view key, NameEncoding names)
    : section_(section), key_(key), names_(names) {}

void ProfileScanner::Feed(std::string_view bytes) {
  if (Done()) return;
  if (!pastByteOrderMark_) {
    FeedPastByteOrderMark(bytes);
    return;
  }
  FeedLines(bytes);
}

void ProfileScanner::Finish() {
  if (Done()) return;
  if (!pastByteOrderMark_) {
    // The whole file was the start of a byte-order mark: it is text.
    pastByteOrderMark_ = true;
    FeedLines(kByteOrderMark.substr(0, byteOrderMarkSeen_));
  }
  if (!Done()) EndLine();
  finished_ = true;
}

bool ProfileScanner::Done() const { return finished_ || sectionPassed_ || value_.has_value(); }

std::size_t ProfileScanner::HeldBytes() const { return name_.Capacity() + valueCapture_.Capacity(); }

void ProfileScanner::FeedPastByteOrderMark(std::string_view bytes) {
  while (!bytes.empty() && byteOrderMarkSeen_ < kByteOrderMark.size()) {
    if (bytes.front() != kByteOrderMark[byteOrderMarkSeen_]) {
      // Not a mark after all: what looked like its start is text.
      pastByteOrderMark_ = true;
      FeedLines(kByteOrderMark.substr(0, byteOrderMarkSeen_));
      FeedLines(bytes);
      return;
    }
    ++byteOrderMarkSeen_;
    bytes.remove_prefix(1);
  }
  if (byteOrderMarkSeen_ == kByteOrderMark.size()) {
    pastByteOrderMark_ = true;
    FeedLines(bytes);
  }
}

void ProfileScanner::FeedLines(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && !Done(); ++i) {
    if (line_ == Line::Skip) {
      // Lines that cannot matter are passed over without looking at them.
      const char* const lineEnd = FindLineEnd(bytes.data() + i, bytes.data() + bytes.size());
      i = static_cast<std::size_t>(lineEnd - bytes.data());
      if (i == bytes.size()) return;
    }
    Take(bytes[i]);
  }
}

void ProfileScanner::Take(char c) {
  if (IsLineEnd(c)) {
    EndLine();
    return;
  }
  switch (line_) {
    case Line::Start:
      TakeAtLineStart(c);
      return;
    case Line::SectionName:
      TakeSectionNameByte(c);
      return;
    case Line::KeyName:
      TakeKeyNameByte(c);
      return;
    case Line::Value:
      TakeValueByte(c);
      return;
    case Line::Skip:
      return;
  }
}

void ProfileScanner::TakeAtLineStart(char c) {
  if (IsBlank(c)) return;
  if (c == '[') {
    line_ = Line::SectionName;
    name_.Restart(section_.size());
    sectionNameEnd_ = 0;
    closingBracketSeen_ = false;
    closingBracketAfterNul_ = false;
    return;
  }
  // Keys outside the section asked for, and comments, cannot matter.
  if (c == ';' || c == '#' || !inSection_) {
    line_ = Line::Skip;
    return;
  }
  line_ = Line::KeyName;
  name_.Restart(key_.size());
  TakeKeyNameByte(c);
}

void ProfileScanner::TakeSectionNameByte(char c) {
  if (name_.Stopped()) {
    if (c == ']') closingBracketAfterNul_ = true;
    return;
  }
  if (c == '\0') {
    name_.Stop();
    return;
  }
  if (c == ']') {
    // This may be the last "]", so remember where the name would end; if a
    // later one follows, this one becomes part of the name.
    sectionNameEnd_ = name_.TrimmedLength();
    closingBracketSeen_ = true;
  }
  name_.Take(c);
}

void ProfileScanner::TakeKeyNameByte(char c) {
  if (c == '=') {
    line_ = KeyMatches() ? Line::Value : Line::Skip;
    if (line_ == Line::Value) valueCapture_.Restart(kMaxValueBytes + 1);  // room for an opening quote
    return;
  }
  if (c == '\0') {
    name_.Stop();
    return;
  }
  name_.Take(c);
}

void ProfileScanner::TakeValueByte(char c) {
  if (c == '\0') {
    // Nothing after a NUL belongs to the value, so it is complete now.
    SettleValue();
    return;
  }
  valueCapture_.Take(c);
}

void ProfileScanner::EndLine() {
  switch (line_) {
    case Line::SectionName:
      EndSectionHeader();
      break;
    case Line::Value:
      SettleValue();
      break;
    case Line::Start:
    case Line::KeyName:  // a line without "=" is stray text
    case Line::Skip:
      break;
  }
  line_ = Line::Start;
}

void ProfileScanner::EndSectionHeader() {
  // A "[" without a "]" makes no header; the line is stray text.
  if (!closingBracketSeen_ && !closingBracketAfterNul_) return;
  if (inSection_) {
    // Any header ends the first occurrence of the section, the only one
    // that is searched, even when it names the same section again.
    inSection_ = false;
    sectionPassed_ = true;
    return;
  }
  const std::size_t end = closingBracketAfterNul_ ? name_.TrimmedLength() : sectionNameEnd_;
  inSection_ = KeptNameMatches(end, section_);
}

void ProfileScanner::SettleValue() {
  const std::string_view kept = valueCapture_.Kept();
  const std::size_t length = valueCapture_.TrimmedLength();
  const bool quoted = length >= 2 && IsQuote(kept.front()) && valueCapture_.LastNonBlank() == kept.front();
  const std::size_t start = quoted ? 1 : 0;
  const std::size_t contentLength = quoted ? length - 2 : length;
  value_ = std::string(kept.substr(start, std::min(contentLength, kMaxValueBytes)));
  line_ = Line::Skip;
}

bool ProfileScanner::KeyMatches() const { return KeptNameMatches(name_.TrimmedLength(), key_); }

bool ProfileScanner::KeptNameMatches(std::size_t length, std::string_view wanted) const {
  // Only as many bytes are kept as the name asked for has; a longer name in
  // the file cannot match, in either encoding, since decoding never
  // shortens text.
  if (length > name_.Kept().size()) return false;
  const std::string_view found = name_.Kept().substr(0, length);
  if (names_ == NameEncoding::Windows1252) return EqualsIgnoringAsciiCase(Windows1252ToUtf8(found), wanted);
  return EqualsIgnoringAsciiCase(found, wanted);
}
