// SPDX-License-Identifier: MIT
#include "game/QuestionBank.h"

#include <utility>

#include "base/ExecutablePath.h"
#include "base/IntegerText.h"
#include "base/Random.h"
#include "game/ProfileReader.h"
#include "ui/Services.h"

QuestionBank::QuestionBank(std::filesystem::path file) : file_(std::move(file)) {}

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
  return IntegerFromText(ReadProfileString(file_, "Overzicht", "Aantal", "")).value_or(0);
}

QuizQuestion QuestionBank::ReadQuestion(std::int32_t number) const {
  const std::string section = IntegerToText(number);
  QuizQuestion question;
  question.Question = ReadProfileString(file_, section, "Vraag", "");
  question.Correct = ReadProfileString(file_, section, "Juist", "");
  question.WrongA = ReadProfileString(file_, section, "Fouta", "");
  question.WrongB = ReadProfileString(file_, section, "Foutb", "");
  return question;
}

std::filesystem::path DefaultQuestionFile() {
  const std::filesystem::path folder = ExecutableDirectory();
  if (folder.empty()) return {};
  return folder / "vragen.ini";
}
