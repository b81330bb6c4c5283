// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// One line of profile text as the scanner reads it, for a tool that looks
// at every line of a file the way a request does.
struct ProfileLine {
  enum class Kind {
    Blank,           // nothing but spaces and tabs
    Comment,         // first non-blank ";" or "#"
    Header,          // "[name]", with anything after the last "]"
    UnclosedHeader,  // "[" without any "]": stray text
    Entry,           // key=value
    Stray,           // anything else: no "=" in it
  };

  std::size_t number = 0;  // from 1; CRLF, LF and CR each end one line
  Kind kind = Kind::Blank;
  // Header: the section name a request matches; Entry: the key; Stray and
  // UnclosedHeader: the line's text (after the "["). At most
  // ProfileScanner::kMaxValueBytes of it.
  std::string name;
  // Entry: the value exactly as a request returns it.
  std::string value;
  // The value, before it was cut to kMaxValueBytes, was longer.
  bool valueCut = false;
  // A NUL byte ended the name or the value before the line's end.
  bool stoppedAtNul = false;
};

// Reads profile (INI) text in UTF-8 that arrives in pieces of any size, the
// way hand-written question files are read:
//   - section and key names match with the case of A-Z ignored; spaces and
//     tabs around a key name and inside the brackets of a section name are
//     not part of the name; a section name ends at the last "]" of its line;
//   - a value is everything after the first "=", without surrounding spaces
//     and tabs, then without one pair of matching quotes (" or '), then cut
//     to its first kMaxValueBytes bytes, never inside a character;
//   - only the first section of a name is searched, and the first key of a
//     name in it wins;
//   - comment lines (";" or "#"), blank lines and stray text are skipped;
//   - lines end at LF, CRLF or CR; a NUL byte ends the name or value it
//     stands in.
// A lookup keeps no more of the text than the name being compared (never
// longer than the name asked for) and the first bytes of the value, so a
// file of any size or line length is read through in bounded memory.
class ProfileScanner final {
 public:
  using LineHandler = std::function<void(const ProfileLine&)>;

  // The most bytes a value keeps; longer values are cut.
  static constexpr std::size_t kMaxValueBytes = 2047;

  // Looks for the value of `key` in `section`.
  ProfileScanner(std::string_view section, std::string_view key);

  // Reads every line and hands each to `handler` once it is complete,
  // names and values read exactly as a lookup reads them.
  explicit ProfileScanner(LineHandler handler);

  // Takes the next bytes of the text; ignored once Done().
  void Feed(std::string_view bytes);

  // Marks the end of the text; a last line without a line end still counts.
  void Finish();

  // True once nothing later in the text can change the answer.
  [[nodiscard]] bool Done() const;

  // The value found; empty when the section or the key is missing.
  [[nodiscard]] const std::optional<std::string>& Value() const { return value_; }

  // The bytes of the text the scanner holds at the moment, for checking
  // that memory stays bounded whatever the file looks like.
  [[nodiscard]] std::size_t HeldBytes() const;

 private:
  // The part of a line being read as a name or a value: its first bytes
  // after the leading blanks, and enough about the rest to trim trailing
  // blanks and find a closing quote without keeping it.
  class Capture final {
   public:
    void Restart(std::size_t keep);
    void Take(char c);
    // A NUL byte: nothing after it belongs to the name or value.
    void Stop() { stopped_ = true; }

    [[nodiscard]] bool Stopped() const { return stopped_; }
    // The length without trailing blanks, counted from the first non-blank.
    [[nodiscard]] std::size_t TrimmedLength() const { return trimmedLength_; }
    [[nodiscard]] char LastNonBlank() const { return lastNonBlank_; }
    // The first bytes, up to the number asked for in Restart.
    [[nodiscard]] std::string_view Kept() const { return kept_; }
    // The kept bytes without trailing blanks.
    [[nodiscard]] std::string_view Trimmed() const { return Kept().substr(0, trimmedLength_); }
    [[nodiscard]] std::size_t Capacity() const { return kept_.capacity(); }

   private:
    std::string kept_;
    std::size_t keep_ = 0;
    std::size_t length_ = 0;
    std::size_t trimmedLength_ = 0;
    char lastNonBlank_ = '\0';
    bool started_ = false;
    bool stopped_ = false;
  };

  enum class Line { Start, SectionName, KeyName, Value, Skip };

  void FeedLines(std::string_view bytes);
  [[nodiscard]] bool SearchingForTheSection() const;
  std::size_t SkipToNextHeader(std::string_view bytes, std::size_t from);
  [[nodiscard]] bool MayNameTheSection(const char* at, const char* end) const;
  void Take(char c);
  void TakeAtLineStart(char c);
  void TakeSectionNameByte(char c);
  void TakeKeyNameByte(char c);
  void TakeValueByte(char c);
  void EndLine();
  void EndSectionHeader();
  void SettleValue();
  void Report(ProfileLine::Kind kind, std::string_view name, bool stoppedAtNul);
  [[nodiscard]] std::size_t SectionNameLength() const;
  [[nodiscard]] bool KeptNameMatches(std::size_t length, std::string_view wanted) const;

  std::string section_;
  std::string key_;
  LineHandler handler_;  // set: every line is read and reported

  Line line_ = Line::Start;
  bool afterCr_ = false;
  std::size_t lineNumber_ = 1;
  bool commentLine_ = false;
  Capture name_;
  Capture valueCapture_;
  // Where a section name ends: the last "]" of the line before any NUL, or
  // the NUL when a "]" follows it.
  std::size_t sectionNameEnd_ = 0;
  bool closingBracketSeen_ = false;
  bool closingBracketAfterNul_ = false;

  bool inSection_ = false;
  bool sectionPassed_ = false;
  bool finished_ = false;
  std::optional<std::string> value_;
};
