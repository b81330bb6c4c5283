// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/TextDecoder.h"

// One line of profile text, read the way a request reads it.
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
  // Header: the section name; Entry: the key; Stray and UnclosedHeader: the
  // line's text (after the "["). Its first kMaxNameBytes bytes.
  std::string name;
  // Entry: the value exactly as a request returns it.
  std::string value;
  // The value, before it was cut to kMaxValueBytes, was longer.
  bool valueCut = false;
  // A NUL byte ended the name or the value before the line's end.
  bool stoppedAtNul = false;
};

// Splits UTF-8 profile (INI) text into lines, the way hand-written question
// files are read:
//   - a section header is "[" first on its line; its name ends at the last
//     "]" of the line; an entry is key=value, split at the first "=";
//   - spaces and tabs around a name or a value are not part of it; then a
//     value loses one pair of matching quotes (" or ') around it, and is cut
//     to its first kMaxValueBytes bytes, never inside a character;
//   - lines end at LF, CRLF or CR; a NUL byte ends the name or value it
//     stands in.
// It keeps no more of a line than the first bytes of its name and value, so
// a line of any length is read in bounded memory.
class ProfileLines final {
 public:
  // The most bytes a value keeps; longer values are cut.
  static constexpr std::size_t kMaxValueBytes = 2047;
  // One more than the longest name a request matches, so a longer name
  // never equals one asked for.
  static constexpr std::size_t kMaxNameBytes = kMaxValueBytes + 1;

  explicit ProfileLines(TextDecoder& text) : text_(text) {}

  // The next line; nothing at the end of the text. The line stays valid
  // until the next call.
  [[nodiscard]] const ProfileLine* Next();

  // The next header whose name may be `name`, passing over every line
  // before it unread: the lines' numbers then no longer count.
  [[nodiscard]] const ProfileLine* NextHeader(std::string_view name);

  // Where the text after the last line returned starts.
  [[nodiscard]] std::uint64_t TextOffset() const { return pieceOffset_ + (piece_.size() - rest_.size()); }

 private:
  // The part of a line read as a name or a value: its first bytes after
  // leading blanks, and enough about the rest to trim trailing blanks and
  // find a closing quote without keeping it.
  class Capture final {
   public:
    void Restart();
    void Take(std::string_view part);
    void Stop() { stopped_ = true; }
    [[nodiscard]] bool Stopped() const { return stopped_; }
    // The length without trailing blanks, counted from the first non-blank.
    [[nodiscard]] std::uint64_t TrimmedLength() const { return trimmedLength_; }
    [[nodiscard]] char LastNonBlank() const { return lastNonBlank_; }
    [[nodiscard]] std::string_view Kept(std::uint64_t length) const;

   private:
    std::string kept_;
    std::uint64_t length_ = 0;
    std::uint64_t trimmedLength_ = 0;
    char lastNonBlank_ = '\0';
    bool stopped_ = false;
  };

  enum class State { LineStart, Header, Key, Value, Comment, PassedOver };

  const ProfileLine* Read(const std::string_view* header);
  void PassToHeader(std::string_view name);
  [[nodiscard]] bool OnlyBlanksBefore(std::size_t at) const;
  void Take(std::string_view part);
  void TakeHeader(std::string_view part);
  bool EndLine();
  void SettleValue();

  TextDecoder& text_;
  std::string_view piece_;
  std::string_view rest_;
  std::uint64_t pieceOffset_ = 0;
  bool finished_ = false;

  State state_ = State::LineStart;
  bool afterCr_ = false;
  Capture name_;
  Capture value_;
  // Where a header's name ends: at its last "]" before a NUL, or at the NUL
  // when a "]" follows it.
  std::uint64_t nameEnd_ = 0;
  bool closed_ = false;
  bool closedAfterNul_ = false;
  ProfileLine line_;
};
