// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game/ProfileScanner.h"
#include "game/TextDecoder.h"

// Reads single values from a profile (INI) file, one value of one key of
// one section per request. Every request opens the file, reads it through
// in large pieces and closes it again, so an edit to the file counts from
// the next request on and nothing of it is cached.
//
// Values come back as UTF-8, whatever encoding TextDecoder finds the file
// in: a file without a byte-order mark that is well-formed UTF-8 is taken
// as such, any other file without one as Windows-1252. A value keeps at most
// its first 2047 bytes of UTF-8, never half a character. The line rules are
// those of ProfileScanner.
class ProfileReader final {
 public:
  // The bytes of the file read in one piece: large, so that a request costs
  // few system calls, and fixed, so that its memory does not grow with the
  // file. The first piece is smaller: what is asked for often stands near
  // the top.
  static constexpr std::size_t kReadBufferBytes = 64 * 1024;
  static constexpr std::size_t kFirstReadBytes = 4 * 1024;

  explicit ProfileReader(std::filesystem::path file);

  // The value of `key` in `section`, or `fallback` when the file (a regular,
  // readable one), the section or the key is missing. `key=` gives the empty
  // text, not the fallback. Never throws for anything about the file.
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) const;

  [[nodiscard]] const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

// One request on `file`: the value of `key` in `section`, or `fallback`.
[[nodiscard]] std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                                            std::string_view key, std::string_view fallback);

// What reading a whole file line by line found out about its encoding.
struct ProfileSurvey {
  FileEncoding encoding = FileEncoding::Utf8;
  // Windows1252: the offset of the first byte that is not UTF-8.
  // Utf8WithMark: the offset of the first byte read as Windows-1252.
  std::uint64_t firstOddByte = 0;
  // Utf8WithMark: how many bytes were read as Windows-1252.
  std::uint64_t strayBytes = 0;
};

// Reads all of `file` in the encoding a request would read it in and hands
// every line to `handler`, read as a request reads it. Nothing when the
// file cannot be read.
[[nodiscard]] std::optional<ProfileSurvey> SurveyProfileFile(const std::filesystem::path& file,
                                                             const ProfileScanner::LineHandler& handler);
