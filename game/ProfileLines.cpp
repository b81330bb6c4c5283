// SPDX-License-Identifier: MIT
#include "game/ProfileLines.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "base/Utf8.h"

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr auto kNowhere = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

// Where the first line of `text` ends: its first CR or LF, or the end.
std::size_t LineEnd(std::string_view text) {
  const std::size_t lineFeed = text.find('\n');
  return std::min({text.substr(0, lineFeed).find('\r'), lineFeed, text.size()});
}

// Whether the header whose text follows its "[" may be named `name`: the
// name starts at the first non-blank, so it must start like `name`.
bool MayName(std::string_view header, std::string_view name) {
  header.remove_prefix(std::min(header.find_first_not_of(kBlanks), header.size()));
  header = header.substr(0, name.size());  // the rest may lie in the next piece
  return EqualsIgnoringAsciiCase(header, name.substr(0, header.size()));
}

}  // namespace

void ProfileLines::Capture::Restart() {
  kept_.clear();
  length_ = 0;
  trimmedLength_ = 0;
  lastNonBlank_ = '\0';
  stopped_ = false;
}

void ProfileLines::Capture::Take(std::string_view part) {
  if (stopped_) return;
  const std::size_t nul = part.find('\0');
  stopped_ = nul != kNowhere;
  part = part.substr(0, nul);
  if (length_ == 0) part.remove_prefix(std::min(part.find_first_not_of(kBlanks), part.size()));
  kept_.append(part.substr(0, kMaxNameBytes - std::min(kMaxNameBytes, kept_.size())));
  if (const std::size_t last = part.find_last_not_of(kBlanks); last != kNowhere) {
    trimmedLength_ = length_ + last + 1;
    lastNonBlank_ = part[last];
  }
  length_ += part.size();
}

std::string_view ProfileLines::Capture::Kept(std::uint64_t length) const {
  return std::string_view(kept_).substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(length, kept_.size())));
}

const ProfileLine* ProfileLines::Next() { return Read(nullptr); }

const ProfileLine* ProfileLines::NextHeader(std::string_view name) { return Read(&name); }

const ProfileLine* ProfileLines::Read(const std::string_view* header) {
  while (!finished_) {
    if (rest_.empty()) {
      pieceOffset_ += piece_.size();
      piece_ = rest_ = text_.Next();
      if (piece_.empty()) {
        // A last line without a line end still counts; an empty one after
        // the last line end is no line at all.
        finished_ = true;
        return state_ != State::LineStart && EndLine() ? &line_ : nullptr;
      }
    }
    if (header != nullptr && (state_ == State::LineStart || state_ == State::PassedOver)) {
      PassToHeader(*header);
      if (rest_.empty()) continue;
    }
    if (std::exchange(afterCr_, false) && rest_.front() == '\n') {
      rest_.remove_prefix(1);
      continue;
    }
    const std::size_t end = LineEnd(rest_);
    Take(rest_.substr(0, end));
    if (end == rest_.size()) {
      rest_.remove_prefix(end);
      continue;
    }
    afterCr_ = rest_[end] == '\r';
    rest_.remove_prefix(end + 1);
    if (EndLine()) return &line_;
  }
  return nullptr;
}

void ProfileLines::PassToHeader(std::string_view name) {
  // Before the header asked for nothing else matters, so the search jumps
  // from one "[" to the next; one that starts a line and may begin the name
  // is read as usual.
  for (std::size_t at = rest_.find('['); at != kNowhere; at = rest_.find('[', at + 1)) {
    if (OnlyBlanksBefore(at) && MayName(rest_.substr(at + 1), name)) {
      rest_.remove_prefix(at);
      state_ = State::LineStart;
      return;
    }
  }
  state_ = OnlyBlanksBefore(rest_.size()) ? State::LineStart : State::PassedOver;
  afterCr_ = rest_.ends_with('\r');
  rest_.remove_prefix(rest_.size());
}

bool ProfileLines::OnlyBlanksBefore(std::size_t at) const {
  while (at > 0 && IsBlank(rest_[at - 1])) --at;
  return at == 0 ? state_ == State::LineStart : IsLineEnd(rest_[at - 1]);
}

void ProfileLines::Take(std::string_view part) {
  if (state_ == State::LineStart) {
    const std::size_t first = part.find_first_not_of(kBlanks);
    if (first == kNowhere) return;
    part.remove_prefix(first);
    const char c = part.front();
    state_ = c == '[' ? State::Header : c == ';' || c == '#' ? State::Comment : State::Key;
    if (state_ == State::Header) part.remove_prefix(1);
  }
  if (state_ == State::Header) TakeHeader(part);
  if (state_ == State::Value) value_.Take(part);
  if (state_ != State::Key) return;
  const std::size_t equals = part.find('=');
  name_.Take(part.substr(0, equals));
  if (equals == kNowhere) return;
  state_ = State::Value;
  value_.Take(part.substr(equals + 1));
}

void ProfileLines::TakeHeader(std::string_view part) {
  if (!name_.Stopped()) {
    const std::string_view head = part.substr(0, part.find('\0'));
    const std::size_t close = head.rfind(']');
    if (close != kNowhere) {
      // The last "]" so far; a later one makes this one part of the name.
      name_.Take(head.substr(0, close));
      nameEnd_ = name_.TrimmedLength();
      closed_ = true;
    }
    name_.Take(head.substr(close == kNowhere ? 0 : close));
    if (head.size() == part.size()) return;
    name_.Stop();
    part.remove_prefix(head.size());
  }
  closedAfterNul_ = closedAfterNul_ || part.find(']') != kNowhere;
}

bool ProfileLines::EndLine() {
  ++line_.number;
  line_.name.clear();
  line_.value.clear();
  line_.valueCut = false;
  line_.stoppedAtNul = name_.Stopped() || value_.Stopped();
  switch (std::exchange(state_, State::LineStart)) {
    case State::LineStart:
      line_.kind = ProfileLine::Kind::Blank;
      break;
    case State::Comment:
      line_.kind = ProfileLine::Kind::Comment;
      break;
    case State::PassedOver:
      return false;
    case State::Header:
      line_.kind = closed_ || closedAfterNul_ ? ProfileLine::Kind::Header : ProfileLine::Kind::UnclosedHeader;
      line_.name = name_.Kept(closed_ && !closedAfterNul_ ? nameEnd_ : name_.TrimmedLength());
      break;
    case State::Key:
      line_.kind = ProfileLine::Kind::Stray;
      line_.name = name_.Kept(name_.TrimmedLength());
      break;
    case State::Value:
      line_.kind = ProfileLine::Kind::Entry;
      line_.name = name_.Kept(name_.TrimmedLength());
      SettleValue();
      break;
  }
  name_.Restart();
  value_.Restart();
  closed_ = false;
  closedAfterNul_ = false;
  return true;
}

void ProfileLines::SettleValue() {
  const std::uint64_t length = value_.TrimmedLength();
  const std::string_view kept = value_.Kept(length);
  const bool quoted = length >= 2 && IsQuote(kept.front()) && value_.LastNonBlank() == kept.front();
  const std::uint64_t contentLength = quoted ? length - 2 : length;
  line_.valueCut = contentLength > kMaxValueBytes;
  const std::string_view content = kept.substr(quoted ? 1 : 0, std::min<std::uint64_t>(contentLength, kMaxValueBytes));
  line_.value = line_.valueCut ? WithoutCutCharacter(content) : content;
}
