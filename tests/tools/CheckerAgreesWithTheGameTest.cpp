// SPDX-License-Identifier: MIT
// The checker must say what the game does: over every file of the fuzz
// corpus and the sample bank, each question the checker shows is what a
// draw of that number returns, a number it calls missing draws empty texts,
// and "all fine" means that no draw the game can make shows an empty text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

#include "base/Clock.h"
#include "base/Random.h"
#include "game/QuestionBank.h"
#include "tools/questions/QuestionFileCheck.h"

namespace {

constexpr int kDraws = 200;

std::vector<std::filesystem::path> CheckedFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(TP_QUESTION_CORPUS)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  files.emplace_back(TP_SAMPLE_QUESTION_BANK);
  return files;
}

// The question number a draw at `millisecond` of the day takes, by the
// game's own random source.
std::int32_t NumberDrawnAt(int millisecond, std::int32_t count) {
  SetRandSeed(static_cast<std::uint32_t>(millisecond));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(RandomBelow(count)) + 1U);
}

QuizQuestion DrawAt(const QuestionBank& bank, int millisecond) {
  const ScopedClockSource clock(
      [millisecond] { return TimeOfDay{0, 0, millisecond / 1000, millisecond % 1000}; });
  return bank.DrawQuestion();
}

bool IsWhole(const QuizQuestion& q) {
  return !q.Question.empty() && !q.Correct.empty() && !q.WrongA.empty() && !q.WrongB.empty();
}

class CheckerAgreesWithTheGameTest : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(CheckerAgreesWithTheGameTest, OnEveryDraw) {
  const std::filesystem::path& file = GetParam();
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(file);
  ASSERT_TRUE(check);
  const QuestionBank bank(file);
  ASSERT_EQ(check->count, bank.Count());
  std::map<std::int32_t, QuizQuestion> shown;
  for (const CheckedQuestion& question : check->questions) shown[question.number] = question.texts;

  // Draws at spread-out times of day, and for a small count one draw of
  // every number.
  std::vector<int> times;
  for (int i = 0; i < kDraws; ++i) times.push_back(i * 431'999);
  std::map<std::int32_t, int> timeOfNumber;
  for (int millisecond = 0; millisecond < 20'000 && check->count >= 0 && check->count <= 50; ++millisecond) {
    timeOfNumber.emplace(NumberDrawnAt(millisecond, check->count), millisecond);
  }
  for (const auto& [number, millisecond] : timeOfNumber) times.push_back(millisecond);

  for (const int millisecond : times) {
    const std::int32_t number = NumberDrawnAt(millisecond, check->count);
    const QuizQuestion drawn = DrawAt(bank, millisecond);
    SCOPED_TRACE("question " + std::to_string(number));
    const auto checked = shown.find(number);
    if (checked != shown.end()) {
      EXPECT_EQ(drawn, checked->second);
    } else {
      EXPECT_EQ(drawn, QuizQuestion{});
    }
    if (check->AllWhole()) {
      EXPECT_TRUE(IsWhole(drawn)) << "the checker said all fine";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CorpusAndSample, CheckerAgreesWithTheGameTest, testing::ValuesIn(CheckedFiles()),
                         [](const testing::TestParamInfo<std::filesystem::path>& info) {
                           std::string name = info.param.stem().string();
                           std::replace_if(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) == 0; }, '_');
                           return name;
                         });

TEST(SampleQuestionBankTest, TheGameShowsEveryQuestionWhole) {
  const std::optional<QuestionFileCheck> check = CheckQuestionFile(TP_SAMPLE_QUESTION_BANK);
  ASSERT_TRUE(check);
  EXPECT_GE(check->count, 200);
  EXPECT_EQ(check->questions.size(), static_cast<std::size_t>(check->count));
  for (const QuestionFinding& finding : check->findings) ADD_FAILURE() << finding.line << ": " << finding.message;
}

}  // namespace
