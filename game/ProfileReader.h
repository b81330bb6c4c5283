// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/ProfileLines.h"
#include "game/TextDecoder.h"

// One request: the value of `key` in the first section named `section` (the
// case of A-Z ignored), or nothing when the file cannot be read or lacks
// it. A file without a byte-order mark is UTF-8 if all of it is, and
// Windows-1252 otherwise.
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
