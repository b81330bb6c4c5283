// SPDX-License-Identifier: MIT
#include "game/ProfileLines.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "base/Utf8.h"

namespace {

constexpr auto kNowhere = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

// Written out: the library's search for a set of characters looks each
// byte up in the set, which makes a draw from a large bank a quarter
// slower.
std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The length of `text` without its trailing blanks.
std::size_t TrimmedLength(std::string_view text) {
  std::size_t length = text.size();
  while (length > 0 && IsBlank(text[length - 1])) --length;
  return length;
}

}  // namespace

void ProfileLines::Capture::Take(std::string_view part) {
  if (stopped) return;
  const std::size_t nul = part.find('\0');
  stopped = nul != kNowhere;
  part = part.substr(0, nul);
  if (length == 0) part = WithoutLeadingBlanks(part);
  kept.append(part.substr(0, kMaxNameBytes - std::min(kMaxNameBytes, kept.size())));
  if (const std::size_t trimmed = TrimmedLength(part); trimmed > 0) {
    trimmedLength = length + trimmed;
    lastNonBlank = part[trimmed - 1];
  }
  length += part.size();
}

std::string_view ProfileLines::Capture::Kept(std::uint64_t upTo) const {
  return std::string_view(kept).substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(upTo, kept.size())));
}

const ProfileLine* ProfileLines::Read(const std::string_view* header) {
  while (!finished_) {
    if (rest_.empty()) {
      pieceOffset_ += piece_.size();
      piece_ = rest_ = text_.Next();
      // A last line without a line end still counts; an empty one after
      // the last line end is no line at all.
      finished_ = piece_.empty();
      if (finished_) return state_ != State::LineStart && EndLine() ? &line_ : nullptr;
    }
    if (header != nullptr && (state_ == State::LineStart || state_ == State::PassedOver)) {
      PassToHeader(*header);
      if (rest_.empty()) continue;
    }
    if (std::exchange(afterCr_, false) && rest_.front() == '\n') {
      rest_.remove_prefix(1);
      continue;
    }
    const std::size_t lineFeed = rest_.find('\n');
    const std::size_t end = std::min({rest_.substr(0, lineFeed).find('\r'), lineFeed, rest_.size()});
    Take(rest_.substr(0, end));
    rest_.remove_prefix(end);
    if (rest_.empty()) continue;
    afterCr_ = rest_.front() == '\r';
    rest_.remove_prefix(1);
    if (EndLine()) return &line_;
  }
  return nullptr;
}

void ProfileLines::PassToHeader(std::string_view name) {
  // Before the header asked for nothing else matters, so the search jumps
  // from one "[" to the next. One that starts a line, and whose name (from
  // its first non-blank) may start like `name`, is read as usual: that
  // check makes a draw from a large bank four times as fast.
  for (std::size_t at = rest_.find('['); at != kNowhere; at = rest_.find('[', at + 1)) {
    const std::string_view start = WithoutLeadingBlanks(rest_.substr(at + 1)).substr(0, name.size());
    if (OnlyBlanksBefore(at) && EqualsIgnoringAsciiCase(start, name.substr(0, start.size()))) {
      rest_.remove_prefix(at);
      state_ = State::LineStart;
      return;
    }
  }
  state_ = OnlyBlanksBefore(rest_.size()) ? State::LineStart : State::PassedOver;
  afterCr_ = rest_.ends_with('\r');
  rest_ = {};
}

bool ProfileLines::OnlyBlanksBefore(std::size_t at) const {
  const std::size_t length = TrimmedLength(rest_.substr(0, at));
  return length == 0 ? state_ == State::LineStart : rest_[length - 1] == '\n' || rest_[length - 1] == '\r';
}

void ProfileLines::Take(std::string_view part) {
  if (state_ == State::LineStart) {
    part = WithoutLeadingBlanks(part);
    if (part.empty()) return;
    const char first = part.front();
    state_ = first == '[' ? State::Header : first == ';' || first == '#' ? State::Comment : State::Key;
    if (state_ == State::Header) part.remove_prefix(1);
  }
  if (state_ == State::Header && !name_.stopped) {
    const std::string_view head = part.substr(0, part.find('\0'));
    const std::size_t close = head.rfind(']');
    if (close != kNowhere) {
      // The last "]" so far; a later one makes this one part of the name.
      name_.Take(head.substr(0, close));
      nameEnd_ = name_.trimmedLength;
      closed_ = true;
    }
    name_.Take(head.substr(close == kNowhere ? 0 : close));
    name_.stopped = head.size() < part.size();
    part.remove_prefix(head.size());
  }
  if (state_ == State::Header) closedAfterNul_ = closedAfterNul_ || part.find(']') != kNowhere;
  if (state_ == State::Value) value_.Take(part);
  if (state_ != State::Key) return;
  const std::size_t equals = part.find('=');
  name_.Take(part.substr(0, equals));
  if (equals == kNowhere) return;
  state_ = State::Value;
  value_.Take(part.substr(equals + 1));
}

bool ProfileLines::EndLine() {
  using Kind = ProfileLine::Kind;
  constexpr Kind kKinds[] = {Kind::Blank, Kind::Header, Kind::Stray, Kind::Entry, Kind::Comment};
  const State state = std::exchange(state_, State::LineStart);
  if (state == State::PassedOver) return false;
  const bool header = state == State::Header;
  ++line_.number;
  line_.kind = header && !closed_ && !closedAfterNul_ ? Kind::UnclosedHeader : kKinds[static_cast<int>(state)];
  line_.name = name_.Kept(header && closed_ && !closedAfterNul_ ? nameEnd_ : name_.trimmedLength);
  line_.stoppedAtNul = name_.stopped || value_.stopped;
  const std::uint64_t length = value_.trimmedLength;
  const std::string_view kept = value_.Kept(length);
  const bool quoted = length >= 2 && IsQuote(kept.front()) && value_.lastNonBlank == kept.front();
  const std::uint64_t contentLength = quoted ? length - 2 : length;
  line_.valueCut = contentLength > kMaxValueBytes;
  const std::string_view value = kept.substr(quoted ? 1 : 0, std::min<std::uint64_t>(contentLength, kMaxValueBytes));
  line_.value = line_.valueCut ? WithoutCutCharacter(value) : value;
  name_ = value_ = {};
  closed_ = closedAfterNul_ = false;
  return true;
}
