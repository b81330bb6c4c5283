// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/TextDecoder.h"

// One line of a profile (INI) file as hand-written question files are read:
// a line whose first non-blank is "[" is a section header named up to its
// last "]"; otherwise key=value splits at the first "=". Spaces and tabs
// around a name or value are not part of it; a value then loses one pair of
// matching quotes (" or ') around it, and a longer one than
// kMaxProfileValueBytes is cut, never inside a character. Lines end at LF,
// CRLF or CR; a NUL byte ends the name or value it stands in.
inline constexpr std::size_t kMaxProfileValueBytes = 2047;
struct ProfileLine {
  enum class Kind {
    Blank,           // nothing but spaces and tabs
    Comment,         // first non-blank ";" or "#"
    Header,          // "[name]", with anything after the last "]"
    UnclosedHeader,  // "[" without any "]": stray text
    Entry,           // key=value
    Stray,           // anything else: no "=" in it
  };

  std::size_t number = 0;  // from 1
  Kind kind = Kind::Blank;
  // Header: the section name; Entry: the key; Stray and UnclosedHeader: the
  // text (after the "["). Only its first bytes, one more than a value's.
  std::string name;
  std::string value;          // Entry: the value exactly as a request returns it
  bool valueCut = false;      // the value was longer than kMaxProfileValueBytes
  bool stoppedAtNul = false;  // a NUL byte ended the name or the value
};

// One request: the value of `key` in the first section named `section` (the
// case of A-Z ignored), or nothing when the file cannot be read or lacks
// it. A file without a byte-order mark is UTF-8 only if all of it is.
[[nodiscard]] std::optional<std::string> LookUpProfileValue(const ByteSource& file, std::string_view section,
                                                            std::string_view key);

// One request on `file` (a regular, readable one), or `fallback`. `key=`
// gives the empty text, not the fallback. Never throws for anything about
// the file.
[[nodiscard]] std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                                            std::string_view key, std::string_view fallback);

// Every line of a file as a request reads it, and what reading it told
// about its encoding.
struct ProfileSurvey {
  FileEncoding encoding = FileEncoding::Utf8;
  // The line of the first byte that is not UTF-8 (Windows1252), or of the
  // first read as Windows-1252 (Utf8WithMark); 0 when there is none.
  std::size_t firstOddLine = 0;
  std::uint64_t strayBytes = 0;  // Utf8WithMark: the bytes read as Windows-1252
  std::vector<ProfileLine> lines;
};

// The survey of a whole file; nothing when it cannot be read.
[[nodiscard]] std::optional<ProfileSurvey> SurveyProfile(const ByteSource& file);
[[nodiscard]] std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& file);
