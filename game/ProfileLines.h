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
  // text (after the "["). At most ProfileLines::kMaxNameBytes of it.
  std::string name;
  std::string value;          // Entry: the value exactly as a request returns it
  bool valueCut = false;      // the value was longer than kMaxValueBytes
  bool stoppedAtNul = false;  // a NUL byte ended the name or the value
};

// Splits the UTF-8 text of a profile (INI) file into lines, the way
// hand-written question files are read:
//   - a line whose first non-blank is "[" is a section header, and its name
//     ends at the last "]"; otherwise key=value is split at the first "=";
//   - spaces and tabs around a name or a value are not part of it; a value
//     then loses one pair of matching quotes (" or ') around it and is cut
//     to its first kMaxValueBytes bytes, never inside a character;
//   - lines end at LF, CRLF or CR; a NUL byte ends the name or value it
//     stands in.
// Of a line it keeps the first bytes of its name and value only, so a line
// of any length is read in bounded memory.
class ProfileLines final {
 public:
  static constexpr std::size_t kMaxValueBytes = 2047;
  // One more than the longest value, so a longer name never equals one
  // asked for.
  static constexpr std::size_t kMaxNameBytes = kMaxValueBytes + 1;

  explicit ProfileLines(TextDecoder& text) : text_(text) {}

  // The next line, valid until the next call; nothing at the end.
  [[nodiscard]] const ProfileLine* Next() { return Read(nullptr); }
  // The next header that may be named `name`, passing over the lines before
  // it unread (so line numbers no longer count).
  [[nodiscard]] const ProfileLine* NextHeader(std::string_view name) { return Read(&name); }
  // Where in the text the lines not yet returned start.
  [[nodiscard]] std::uint64_t TextOffset() const { return pieceOffset_ + piece_.size() - rest_.size(); }

 private:
  // The first bytes of a name or value after its leading blanks, and enough
  // about the rest to trim trailing blanks and see a closing quote.
  struct Capture {
    std::string kept;
    std::uint64_t length = 0, trimmedLength = 0;
    char lastNonBlank = '\0';
    bool stopped = false;  // at a NUL byte
    void Take(std::string_view part);
    [[nodiscard]] std::string_view Kept(std::uint64_t upTo) const;
  };

  enum class State { LineStart, Header, Key, Value, Comment, PassedOver };

  const ProfileLine* Read(const std::string_view* header);
  void PassToHeader(std::string_view name);
  [[nodiscard]] bool OnlyBlanksBefore(std::size_t at) const;
  void Take(std::string_view part);
  bool EndLine();

  TextDecoder& text_;
  std::string_view piece_, rest_;
  std::uint64_t pieceOffset_ = 0;
  bool finished_ = false, afterCr_ = false;
  State state_ = State::LineStart;
  Capture name_, value_;
  // A header's name ends at its last "]" before a NUL, or at the NUL when a
  // "]" follows it.
  std::uint64_t nameEnd_ = 0;
  bool closed_ = false, closedAfterNul_ = false;
  ProfileLine line_;
};
