// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>


// The four texts of one question, as the quiz shows them.
struct QuizQuestion {
  std::string Question, Correct, WrongA, WrongB;

  bool operator==(const QuizQuestion&) const = default;
};

// The quiz's question file: a count in section "Overzicht" and one numbered
// section per question. Nothing of the file is held between questions, so
// it may be edited or replaced while the game runs.
class QuestionBank final {
 public:
  explicit QuestionBank(std::filesystem::path file);

  // Reseeds the shared random source from the clock and reads one question
  // at random from the file as it is on disk now (after the installed
  // ui::FileSource, if any, brought it up to date). Never fails: whatever is
  // wrong with the file gives empty texts.
  [[nodiscard]] QuizQuestion DrawQuestion() const;

  // The number of questions the file gives, as a draw reads it: 0 when it
  // is missing or not a number.
  [[nodiscard]] std::int32_t Count() const;

  // The four texts of question `number` as a draw of that number reads them.
  [[nodiscard]] QuizQuestion ReadQuestion(std::int32_t number) const;

  [[nodiscard]] const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

// vragen.ini in the folder of the running executable. Empty when that
// folder cannot be told, so that the game never reads a question file from
// whatever the current folder happens to be.
[[nodiscard]] std::filesystem::path DefaultQuestionFile();
