// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The question file the game reads in a folder, and the files beside it that
// look meant to be it but that the game never reads.
struct QuestionFileSearch {
  std::optional<std::filesystem::path> file;  // vragen.ini, when there is one
  // Names that start like it, such as vragen.ini.txt (what Notepad's "Save
  // As" easily makes, and Explorer shows as vragen.ini), Vragen.ini.txt or
  // vragen.txt; sorted.
  std::vector<std::string> nearMisses;
};

// Looks in `folder` as the game does (a file named vragen.ini, matched as the
// system matches names) and for its near misses. Empty when the folder
// cannot be read.
[[nodiscard]] QuestionFileSearch FindQuestionFileIn(const std::filesystem::path& folder);

// What the search means for the game, in words for the author: nothing when
// vragen.ini lies there and nothing beside it looks meant to be it.
[[nodiscard]] std::string NearMissAdvice(const QuestionFileSearch& search, const std::filesystem::path& folder);
