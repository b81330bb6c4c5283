// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Finds the value of one key in one section of profile (INI) text that
// arrives in pieces of any size, the way hand-written question files are
// read:
//   - section and key names match with the case of A-Z ignored; spaces and
//     tabs around a key name and inside the brackets of a section name are
//     not part of the name; a section name ends at the last "]" of its line;
//   - a value is everything after the first "=", without surrounding spaces
//     and tabs, then without one pair of matching quotes (" or ');
//   - only the first section of a name is searched, and the first key of a
//     name in it wins;
//   - comment lines (";" or "#"), blank lines and stray text are skipped;
//   - lines end at LF, CRLF or CR; a UTF-8 byte-order mark is skipped; a NUL
//     byte ends the name or value it stands in.
// It keeps no more of the text than the name being compared (never longer
// than the name asked for) and the first bytes of the value, so a file of
// any size or line length is read through in bounded memory.
class ProfileScanner final {
 public:
  // How the names in the file are compared with the names asked for, which
  // are UTF-8.
  enum class NameEncoding { Utf8, Windows1252 };

  // The most bytes of the file a value keeps; longer values are cut.
  static constexpr std::size_t kMaxValueBytes = 2047;

  ProfileScanner(std::string_view section, std::string_view key, NameEncoding names);

  // Takes the next bytes of the file; ignored once Done().
  void Feed(std::string_view bytes);

  // Marks the end of the file; a last line without a line end still counts.
  void Finish();

  // True once nothing later in the file can change the answer.
  [[nodiscard]] bool Done() const;

  // The value as its bytes stand in the file, at most kMaxValueBytes of
  // them; empty when the section or the key is missing.
  [[nodiscard]] const std::optional<std::string>& Value() const { return value_; }

  // The bytes of the file the scanner holds at the moment, for checking
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

  void FeedPastByteOrderMark(std::string_view bytes);
  void FeedLines(std::string_view bytes);
  void Take(char c);
  void TakeAtLineStart(char c);
  void TakeSectionNameByte(char c);
  void TakeKeyNameByte(char c);
  void TakeValueByte(char c);
  void EndLine();
  void EndSectionHeader();
  void SettleValue();
  [[nodiscard]] bool KeyMatches() const;
  [[nodiscard]] bool KeptNameMatches(std::size_t length, std::string_view wanted) const;

  std::string section_;
  std::string key_;
  NameEncoding names_;

  std::size_t byteOrderMarkSeen_ = 0;
  bool pastByteOrderMark_ = false;

  Line line_ = Line::Start;
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
