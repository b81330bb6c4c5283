// SPDX-License-Identifier: MIT
#include "game/ProfileReader.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "base/Utf8.h"
#include "game/RegularFile.h"

namespace {

constexpr auto kNowhere = std::string_view::npos;
// One more than the longest value, so a longer name never equals one asked for.
constexpr std::size_t kMaxNameBytes = kMaxProfileValueBytes + 1;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::size_t TrimmedLength(std::string_view text) {
  return static_cast<std::size_t>(std::find_if_not(text.rbegin(), text.rend(), IsBlank).base() - text.begin());
}

// The first bytes of a name or value after its leading blanks, and enough
// about the rest to trim trailing blanks and see a closing quote, so that a
// line of any length is read in bounded memory.
struct Capture {
  std::string kept;
  std::uint64_t length = 0, trimmedLength = 0;
  char lastNonBlank = '\0';
  bool stopped = false;  // at a NUL byte

  void Take(std::string_view part) {
    if (stopped) return;
    const std::size_t nul = part.find('\0');
    stopped = nul != kNowhere;
    part = part.substr(0, nul);
    if (length == 0) part = WithoutLeadingBlanks(part);
    kept.append(part.substr(0, kMaxNameBytes - kept.size()));
    if (const std::size_t trimmed = TrimmedLength(part); trimmed > 0) {
      trimmedLength = length + trimmed;
      lastNonBlank = part[trimmed - 1];
    }
    length += part.size();
  }

  [[nodiscard]] std::string_view Kept(std::uint64_t upTo) const {
    return std::string_view(kept).substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(upTo, kept.size())));
  }
};

// The line tokenizer: every line of the decoded text, in turn.
class ProfileLines final {
 public:
  explicit ProfileLines(TextDecoder& text) : text_(text) {}

  // The next line, valid until the next call; nothing at the end. Given a
  // section name, it first passes over the lines before the next header
  // that may bear that name unread, so line numbers no longer count.
  const ProfileLine* Next(std::optional<std::string_view> header = std::nullopt) {
    for (;;) {
      if (rest_.empty()) {
        pieceOffset_ += piece_.size();
        piece_ = rest_ = text_.Next();
        // A last line without a line end still counts; an empty one after
        // the last line end is no line at all.
        if (piece_.empty()) return kind_ != Kind::Blank ? EndLine() : nullptr;
      }
      if (header && (kind_ == Kind::Blank || kind_ == Kind::Comment)) {
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
      return EndLine();
    }
  }

  // Where in the text the lines not yet returned start.
  [[nodiscard]] std::uint64_t TextOffset() const { return pieceOffset_ + piece_.size() - rest_.size(); }

 private:
  using Kind = ProfileLine::Kind;

  void PassToHeader(std::string_view name) {
    // Before the header asked for nothing else matters, so the search jumps
    // from one "[" to the next. One that starts a line, and whose name (from
    // its first non-blank) may start like `name`, is read as usual: that
    // check makes a draw from a large bank four times as fast. The rest of
    // a line passed over reads as a comment.
    for (std::size_t at = rest_.find('['); at != kNowhere; at = rest_.find('[', at + 1)) {
      const std::string_view start = WithoutLeadingBlanks(rest_.substr(at + 1)).substr(0, name.size());
      if (EqualsIgnoringAsciiCase(start, name.substr(0, start.size())) && OnlyBlanksBefore(at)) {
        rest_.remove_prefix(at);
        kind_ = Kind::Blank;
        return;
      }
    }
    kind_ = OnlyBlanksBefore(rest_.size()) ? Kind::Blank : Kind::Comment;
    rest_ = {};
  }

  [[nodiscard]] bool OnlyBlanksBefore(std::size_t at) const {
    const std::size_t length = TrimmedLength(rest_.substr(0, at));
    return length == 0 ? kind_ == Kind::Blank : rest_[length - 1] == '\n' || rest_[length - 1] == '\r';
  }

  void Take(std::string_view part) {
    if (kind_ == Kind::Blank) {
      part = WithoutLeadingBlanks(part);
      if (part.empty()) return;
      const char first = part.front();
      kind_ = first == '[' ? Kind::Header : first == ';' || first == '#' ? Kind::Comment : Kind::Stray;
      if (kind_ == Kind::Header) part.remove_prefix(1);
    }
    if (kind_ == Kind::Header) {
      // The name ends at the last "]" before a NUL byte, or at the NUL when
      // a "]" follows it.
      const std::string_view head = name_.stopped ? std::string_view() : part.substr(0, part.find('\0'));
      const std::size_t close = std::min(head.rfind(']'), head.size());
      name_.Take(head.substr(0, close));
      if (close < head.size()) nameEnd_ = name_.trimmedLength;
      name_.Take(part.substr(close));
      if (name_.stopped && part.find(']', head.size()) != kNowhere) nameEnd_ = name_.trimmedLength;
    }
    if (kind_ == Kind::Entry) value_.Take(part);
    if (kind_ != Kind::Stray) return;
    const std::size_t equals = part.find('=');
    name_.Take(part.substr(0, equals));
    if (equals == kNowhere) return;
    kind_ = Kind::Entry;
    value_.Take(part.substr(equals + 1));
  }

  const ProfileLine* EndLine() {
    const Kind kind = std::exchange(kind_, Kind::Blank);
    ++line_.number;
    line_.kind = kind == Kind::Header && !nameEnd_ ? Kind::UnclosedHeader : kind;
    line_.name = name_.Kept(nameEnd_.value_or(name_.trimmedLength));
    line_.stoppedAtNul = name_.stopped || value_.stopped;
    const std::uint64_t length = value_.trimmedLength;
    const std::string_view kept = value_.Kept(length);
    const bool quoted = length >= 2 && (kept.front() == '"' || kept.front() == '\'') &&
                        value_.lastNonBlank == kept.front();
    const std::uint64_t contentLength = quoted ? length - 2 : length;
    line_.valueCut = contentLength > kMaxProfileValueBytes;
    const std::string_view value =
        kept.substr(quoted ? 1 : 0, std::min<std::uint64_t>(contentLength, kMaxProfileValueBytes));
    line_.value = line_.valueCut ? WithoutCutCharacter(value) : value;
    name_ = value_ = {};
    nameEnd_.reset();
    return &line_;
  }

  TextDecoder& text_;
  std::string_view piece_, rest_;
  std::uint64_t pieceOffset_ = 0;
  bool afterCr_ = false;
  Kind kind_ = Kind::Blank;  // of the line so far: Stray until its "=", Blank until its first non-blank
  Capture name_, value_;
  std::optional<std::uint64_t> nameEnd_;  // of a header's name, once a "]" closed it
  ProfileLine line_;
};

// The first entry of the key under the first header of the section.
std::optional<std::string> LookUp(TextDecoder& text, std::string_view section, std::string_view key) {
  ProfileLines lines(text);
  bool inSection = false;
  while (const ProfileLine* line = inSection ? lines.Next() : lines.Next(section)) {
    if (line->kind == ProfileLine::Kind::Header) {
      if (inSection) return std::nullopt;
      inSection = EqualsIgnoringAsciiCase(line->name, section);
    } else if (inSection && line->kind == ProfileLine::Kind::Entry && EqualsIgnoringAsciiCase(line->name, key)) {
      return line->value;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> LookUpProfileValue(const ByteSource& file, std::string_view section, std::string_view key) {
  if (section.size() > kMaxProfileValueBytes || key.size() > kMaxProfileValueBytes) return {};
  TextDecoder text(file, FileEncoding::Utf8, TextDecoder::Utf8Check::Skip);
  const std::optional<std::string> value = LookUp(text, section, key);
  if (text.Failed()) return {};
  // Where lines, headers and entries begin, and names and values of ASCII,
  // read the same in UTF-8 as in Windows-1252. Anything else read from a
  // file without a mark holds only if all of the file is UTF-8, which takes
  // a look at every byte.
  const bool ascii = IsAscii(section) && IsAscii(key) && (!value || IsAscii(*value));
  if (ascii || text.Encoding() != FileEncoding::Utf8) return value;
  TextDecoder check(file, FileEncoding::Utf8);
  while (check.Encoding() == FileEncoding::Utf8 && !check.Next().empty()) {
  }
  if (check.Encoding() == FileEncoding::Utf8) return check.Failed() ? std::nullopt : value;
  TextDecoder codePage(file, FileEncoding::Windows1252);
  const std::optional<std::string> codePageValue = LookUp(codePage, section, key);
  return codePage.Failed() ? std::nullopt : codePageValue;
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const std::optional<ByteSource> bytes = OpenRegularFile(file);
  if (!bytes) return std::string(fallback);
  return LookUpProfileValue(*bytes, section, key).value_or(std::string(fallback));
}

std::optional<ProfileSurvey> SurveyProfile(const ByteSource& file) {
  ProfileSurvey survey;
  // Line ends are ASCII in both encodings, so the line of the first byte
  // that is not UTF-8 stands when the file is read again as Windows-1252.
  for (const FileEncoding unmarked : {FileEncoding::Utf8, FileEncoding::Windows1252}) {
    TextDecoder text(file, unmarked);
    ProfileLines lines(text);
    survey.lines.clear();
    while (const ProfileLine* line = lines.Next()) {
      survey.lines.push_back(*line);
      const std::optional<std::uint64_t> odd = text.FirstOddByte();
      if (survey.firstOddLine == 0 && odd && *odd < lines.TextOffset()) survey.firstOddLine = line->number;
    }
    if (text.Failed()) return std::nullopt;
    survey.encoding = text.Encoding();
    survey.strayBytes = text.StrayBytes();
    if (survey.encoding != FileEncoding::Windows1252) break;
  }
  return survey;
}

std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& file) {
  const std::optional<ByteSource> bytes = OpenRegularFile(file);
  return bytes ? SurveyProfile(*bytes) : std::nullopt;
}
