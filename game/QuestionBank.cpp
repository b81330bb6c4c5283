// SPDX-License-Identifier: MIT
#include "game/QuestionBank.h"

#include <utility>

#include "base/ExecutablePath.h"
#include "base/IntegerText.h"
#include "base/Random.h"
#include "ui/Services.h"

QuestionBank::QuestionBank(std::filesystem::path file) : reader_(std::move(file)) {}

QuizQuestion QuestionBank::DrawQuestion() const {
  // A file kept outside the process is brought up to date first, once per
  // question.
  ui::RefreshFile(File());
  SeedFromClock();
  const std::int32_t count = Count();
  // Wraps like the 32-bit arithmetic the draw is defined in: a negative
  // count can give any number, negative ones included.
  const auto number = static_cast<std::int32_t>(static_cast<std::uint32_t>(RandomBelow(count)) + 1U);
  return ReadQuestion(number);
}

std::int32_t QuestionBank::Count() const {
  return IntegerFromText(reader_.ReadString("Overzicht", "Aantal", "")).value_or(0);
}

QuizQuestion QuestionBank::ReadQuestion(std::int32_t number) const {
  const std::string section = IntegerToText(number);
  QuizQuestion question;
  question.Question = reader_.ReadString(section, "Vraag", "");
  question.Correct = reader_.ReadString(section, "Juist", "");
  question.WrongA = reader_.ReadString(section, "Fouta", "");
  question.WrongB = reader_.ReadString(section, "Foutb", "");
  return question;
}

std::filesystem::path DefaultQuestionFile() {
  const std::filesystem::path folder = ExecutableDirectory();
  if (folder.empty()) return {};
  return folder / "vragen.ini";
}
