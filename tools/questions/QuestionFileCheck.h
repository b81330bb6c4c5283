// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/QuestionBank.h"

// How many characters the window shows whole: the question label of 345 x
// 73 pixels (five wrapped lines) and an answer button with 285 pixels for
// its text, at the window font. Measured with the game's own font choice
// over the prose of the sample bank, with some room left for wider words.
struct DisplayLimits {
  std::size_t questionCharacters = 250;
  std::size_t answerCharacters = 40;
};

// The keys of a question's texts, in the order of QuizQuestion's fields.
inline constexpr std::array<const char*, 4> kQuestionKeys = {"Vraag", "Juist", "Fouta", "Foutb"};

// Something about a line of the file that the game will not read, or will
// read otherwise than its author most likely meant.
struct QuestionFinding {
  std::size_t line = 0;  // 0 when it is about the file as a whole
  std::string message;

  bool operator==(const QuestionFinding&) const = default;
};

// One question the game can draw, with its texts exactly as a draw of its
// number returns them.
struct CheckedQuestion {
  std::int32_t number = 0;
  QuizQuestion texts;
};

struct QuestionFileCheck {
  std::string encoding;   // in words, for the author
  std::int32_t count = 0;  // Aantal as the game reads it
  // The questions the game draws from, in order, as far as the file holds
  // them; a number the file lacks is a finding instead.
  std::vector<CheckedQuestion> questions;
  std::vector<QuestionFinding> findings;  // in the order of their lines

  // True when the game shows every question it can draw whole.
  [[nodiscard]] bool AllWhole() const { return findings.empty(); }
};

// Reads the file the way the game does (the game's own reader gives every
// text) and looks at every line of it. Nothing when the file cannot be read.
[[nodiscard]] std::optional<QuestionFileCheck> CheckQuestionFile(const std::filesystem::path& file,
                                                                 const DisplayLimits& limits = {});

// The check in words: the encoding, every question as shown (every text
// whole, wrapped where long), then the findings as PrintQuestionFindings
// gives them.
void PrintQuestionFileCheck(const QuestionFileCheck& check, std::ostream& out);

// Every finding with its line number, each line led by `where` (such as the
// file's name) when given, and a last line with the verdict.
void PrintQuestionFindings(const QuestionFileCheck& check, std::ostream& out, std::string_view where = {});

// Why a file that cannot be checked cannot be read, in words.
[[nodiscard]] std::string WhyUnreadable(const std::filesystem::path& file);
