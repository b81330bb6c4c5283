// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reads single values from a profile (INI) file, one value of one key of
// one section per request. Every request opens the file, reads it through
// in small pieces and closes it again, so an edit to the file counts from
// the next request on and nothing of it is cached.
//
// Values come back as UTF-8. A file that is well-formed UTF-8 is taken as
// such; any other file is taken as Windows-1252 and converted. A value keeps
// at most its first 2047 bytes of the file, and in a UTF-8 file never half
// a character. The line rules are those of ProfileScanner.
class ProfileReader final {
 public:
  // The bytes of the file read in one piece, the only buffer of a request
  // besides the scanner's.
  static constexpr std::size_t kReadBufferBytes = 4096;

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
