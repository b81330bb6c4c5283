// SPDX-License-Identifier: MIT
#include "game/ProfileScanner.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/Text.h"
#include "game/TextEncoding.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

// The first CR or LF from `at` on, or `end`. Most lines of a file are passed
// over unread, so this runs at the speed of the library's byte search.
const char* FindLineEnd(const char* at, const char* end) {
  const auto* lineFeed = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
  const char* const limit = lineFeed != nullptr ? lineFeed : end;
  const auto* carriageReturn = static_cast<const char*>(std::memchr(at, '\r', static_cast<std::size_t>(limit - at)));
  return carriageReturn != nullptr ? carriageReturn : limit;
}

// Whether only blanks stand between the last line end before `at` and `at`,
// looking back no further than `from`; `blankBefore` tells the same for
// `from` itself.
bool AtBlankLineStart(const char* from, const char* at, bool blankBefore) {
  while (at > from && IsBlank(at[-1])) --at;
  return at == from ? blankBefore : IsLineEnd(at[-1]);
}

const char* FindLast(const char* from, const char* end, char c) {
  for (const char* at = end; at > from; --at) {
    if (at[-1] == c) return at - 1;
  }
  return nullptr;
}

// What a header line holds, from its "[" to its line end (or `end`).
struct HeaderLine {
  const char* lineEnd = nullptr;
  const char* closing = nullptr;  // the last "]", if any
  bool hasNul = false;
};

HeaderLine ReadHeaderLine(const char* bracket, const char* end) {
  // Headers are short: one look at each byte beats several searches.
  constexpr std::ptrdiff_t kShortLine = 64;
  HeaderLine header;
  const char* const shortEnd = end - bracket > kShortLine ? bracket + kShortLine : end;
  for (const char* at = bracket + 1; at < shortEnd; ++at) {
    if (IsLineEnd(*at)) {
      header.lineEnd = at;
      return header;
    }
    if (*at == ']') header.closing = at;
    if (*at == '\0') header.hasNul = true;
  }
  header.lineEnd = FindLineEnd(bracket, end);
  header.closing = FindLast(bracket + 1, header.lineEnd, ']');
  header.hasNul = std::memchr(bracket, '\0', static_cast<std::size_t>(header.lineEnd - bracket)) != nullptr;
  return header;
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

ProfileScanner::ProfileScanner(std::string_view section, std::string_view key) : section_(section), key_(key) {}

ProfileScanner::ProfileScanner(LineHandler handler) : handler_(std::move(handler)) {}

void ProfileScanner::Feed(std::string_view bytes) {
  if (!Done()) FeedLines(bytes);
}

void ProfileScanner::Finish() {
  if (Done()) return;
  // A last line without a line end; an empty one after the last line end
  // is no line at all.
  if (line_ != Line::Start || !handler_) EndLine();
  finished_ = true;
}

bool ProfileScanner::Done() const { return finished_ || sectionPassed_ || value_.has_value(); }

std::size_t ProfileScanner::HeldBytes() const { return name_.Capacity() + valueCapture_.Capacity(); }

void ProfileScanner::FeedLines(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && !Done(); ++i) {
    if (SearchingForTheSection()) {
      i = SkipToNextHeader(bytes, i);
      if (i == bytes.size()) return;
    }
    if (line_ == Line::Skip) {
      // Lines that cannot matter are passed over without looking at them.
      const char* const lineEnd = FindLineEnd(bytes.data() + i, bytes.data() + bytes.size());
      i = static_cast<std::size_t>(lineEnd - bytes.data());
      if (i == bytes.size()) return;
    }
    Take(bytes[i]);
  }
}

bool ProfileScanner::SearchingForTheSection() const {
  return !handler_ && !inSection_ && (line_ == Line::Start || line_ == Line::Skip);
}

std::size_t ProfileScanner::SkipToNextHeader(std::string_view bytes, std::size_t from) {
  // Before the section nothing but headers can matter, so the search jumps
  // from one "[" to the next and reads a header whole where its line lies
  // within these bytes; the byte-by-byte reading covers everything else.
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const char* at = begin + from;
  afterCr_ = false;
  while (true) {
    const auto* bracket = static_cast<const char*>(std::memchr(at, '[', static_cast<std::size_t>(end - at)));
    if (bracket == nullptr) {
      line_ = AtBlankLineStart(at, end, line_ == Line::Start) ? Line::Start : Line::Skip;
      return bytes.size();
    }
    if (!MayNameTheSection(bracket + 1, end) || !AtBlankLineStart(at, bracket, line_ == Line::Start)) {
      line_ = Line::Skip;
      at = bracket + 1;
      continue;
    }
    line_ = Line::Start;
    const HeaderLine header = ReadHeaderLine(bracket, end);
    if (header.lineEnd == end || header.hasNul) return static_cast<std::size_t>(bracket - begin);
    if (header.closing != nullptr) {
      std::string_view name(bracket + 1, static_cast<std::size_t>(header.closing - bracket - 1));
      while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
      while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
      inSection_ = EqualsIgnoringAsciiCase(name, section_);
    }
    const char* const lineEnd = header.lineEnd;
    // The line end itself is read as usual.
    return static_cast<std::size_t>(lineEnd - begin);
  }
}

bool ProfileScanner::MayNameTheSection(const char* at, const char* end) const {
  // A header's name starts at its first non-blank, so one that does not
  // start with the name asked for cannot be it. Only the start is checked:
  // what follows the name decides in the full reading.
  while (at < end && IsBlank(*at)) ++at;
  for (const char wanted : section_) {
    if (at == end) return true;  // the rest lies in the next piece
    if (!EqualsIgnoringAsciiCase(std::string_view(at, 1), std::string_view(&wanted, 1))) return false;
    ++at;
  }
  return true;
}

void ProfileScanner::Take(char c) {
  const bool secondHalfOfCrLf = afterCr_ && c == '\n';
  afterCr_ = c == '\r';
  if (secondHalfOfCrLf) return;
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
    name_.Restart(handler_ ? kMaxValueBytes : section_.size());
    sectionNameEnd_ = 0;
    closingBracketSeen_ = false;
    closingBracketAfterNul_ = false;
    return;
  }
  if (c == ';' || c == '#') {
    line_ = Line::Skip;
    commentLine_ = true;
    return;
  }
  // Keys outside the section asked for cannot matter to a lookup.
  if (!inSection_ && !handler_) {
    line_ = Line::Skip;
    return;
  }
  line_ = Line::KeyName;
  name_.Restart(handler_ ? kMaxValueBytes : key_.size());
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
    const bool wanted = handler_ || KeptNameMatches(name_.TrimmedLength(), key_);
    line_ = wanted ? Line::Value : Line::Skip;
    if (wanted) valueCapture_.Restart(kMaxValueBytes + 1);  // room for an opening quote
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
    valueCapture_.Stop();
    SettleValue();
    return;
  }
  valueCapture_.Take(c);
}

void ProfileScanner::EndLine() {
  switch (line_) {
    case Line::Start:
      Report(ProfileLine::Kind::Blank, {}, false);
      break;
    case Line::SectionName:
      EndSectionHeader();
      break;
    case Line::KeyName:  // a line without "=" is stray text
      Report(ProfileLine::Kind::Stray, name_.Trimmed(), name_.Stopped());
      break;
    case Line::Value:
      SettleValue();
      break;
    case Line::Skip:
      if (commentLine_) Report(ProfileLine::Kind::Comment, {}, false);
      break;
  }
  line_ = Line::Start;
  commentLine_ = false;
  ++lineNumber_;
}

void ProfileScanner::EndSectionHeader() {
  // A "[" without a "]" makes no header; the line is stray text.
  if (!closingBracketSeen_ && !closingBracketAfterNul_) {
    Report(ProfileLine::Kind::UnclosedHeader, name_.Trimmed(), name_.Stopped());
    return;
  }
  Report(ProfileLine::Kind::Header, name_.Kept().substr(0, SectionNameLength()), name_.Stopped());
  if (handler_) return;
  if (inSection_) {
    // Any header ends the first occurrence of the section, the only one
    // that is searched, even when it names the same section again.
    inSection_ = false;
    sectionPassed_ = true;
    return;
  }
  inSection_ = KeptNameMatches(SectionNameLength(), section_);
}

void ProfileScanner::SettleValue() {
  const std::string_view kept = valueCapture_.Kept();
  const std::size_t length = valueCapture_.TrimmedLength();
  const bool quoted = length >= 2 && IsQuote(kept.front()) && valueCapture_.LastNonBlank() == kept.front();
  const std::size_t start = quoted ? 1 : 0;
  const std::size_t contentLength = quoted ? length - 2 : length;
  const bool cut = contentLength > kMaxValueBytes;
  std::string_view value = kept.substr(start, std::min(contentLength, kMaxValueBytes));
  if (cut) value = WithoutIncompleteUtf8Tail(value);
  line_ = Line::Skip;
  if (!handler_) {
    value_ = std::string(value);
    return;
  }
  ProfileLine line{.number = lineNumber_,
                   .kind = ProfileLine::Kind::Entry,
                   .name = std::string(name_.Trimmed()),
                   .value = std::string(value),
                   .valueCut = cut,
                   .stoppedAtNul = name_.Stopped() || valueCapture_.Stopped()};
  handler_(line);
}

void ProfileScanner::Report(ProfileLine::Kind kind, std::string_view name, bool stoppedAtNul) {
  if (!handler_) return;
  ProfileLine line;
  line.number = lineNumber_;
  line.kind = kind;
  line.name = std::string(name);
  line.stoppedAtNul = stoppedAtNul;
  handler_(line);
}

std::size_t ProfileScanner::SectionNameLength() const {
  return closingBracketAfterNul_ ? name_.TrimmedLength() : sectionNameEnd_;
}

bool ProfileScanner::KeptNameMatches(std::size_t length, std::string_view wanted) const {
  // Only as many bytes are kept as the name asked for has, so a longer name
  // in the file cannot match.
  if (length > name_.Kept().size()) return false;
  return EqualsIgnoringAsciiCase(name_.Kept().substr(0, length), wanted);
}
